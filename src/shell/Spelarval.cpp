// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Spelarval.h"

#include "data/Errors.h"
#include "data/Language.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Text(int nr, const char* reserv) {
    const QString& t = LangText(nr);
    return t.isEmpty() ? QString::fromUtf8(reserv) : t;
}

std::optional<QString> FragaNamn(QWidget* parent) {
    QDialog d(parent);
    d.setWindowTitle(Text(TextNo::NewPlayerTitle, "New player"));
    auto* fraga = new QLabel(Text(TextNo::PlayerNamePrompt, "The player's name:"), &d);
    fraga->setFont(Arial(13));
    auto* namn = new QLineEdit(&d);
    namn->setFont(Arial(13));
    namn->setMaxLength(kLangstaSpelarnamn);
    namn->setMinimumWidth(QFontMetrics(namn->font()).averageCharWidth() * 32);
    auto* knappar = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    // No player without a name: OK waits for one.
    QPushButton* ok = knappar->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    QObject::connect(namn, &QLineEdit::textChanged, ok,
                     [ok](const QString& t) { ok->setEnabled(!RensatSpelarnamn(t).isEmpty()); });
    QObject::connect(knappar, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(knappar, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* lager = new QVBoxLayout(&d);
    lager->addWidget(fraga);
    lager->addWidget(namn);
    lager->addWidget(knappar);
    lager->setSizeConstraint(QLayout::SetFixedSize);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return namn->text();
}

TSpelarval::TNamnfragare& Fragare() {
    static TSpelarval::TNamnfragare fragare = FragaNamn;
    return fragare;
}

} // namespace

TSpelarval::TNamnfragare TSpelarval::SetNamnfragare(TNamnfragare fragare) {
    return std::exchange(Fragare(), fragare ? std::move(fragare) : FragaNamn);
}

TSpelarval::TSpelarval(QWidget* parent) : QComboBox(parent) {
    setFont(Arial(12));
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QComboBox::activated, this, [this](int index) { Aktiverad(index); });
}

void TSpelarval::Fyll() {
    spelare_ = Spelarna();
    const QSignalBlocker tyst(this);
    clear();
    int vald = 0;
    for (int i = 0; i < int(spelare_.size()); ++i) {
        addItem(spelare_[i].VisatNamn());
        setItemData(i, spelare_[i].VisatNamn(), Qt::ToolTipRole);
        if (spelare_[i].Fil == AktuellSpelare().Fil)
            vald = i;
    }
    insertSeparator(count());
    addItem(Text(TextNo::NewPlayer, "New player…"));
    setCurrentIndex(vald);
    setToolTip(LangText(TextNo::PlayerHint));
    // The list is as wide as its longest name, wider than the box.
    int bredd = width();
    const QFontMetrics fm(font());
    for (int i = 0; i < count(); ++i)
        bredd = std::max(bredd, fm.horizontalAdvance(itemText(i)) + 24);
    view()->setMinimumWidth(bredd);
}

void TSpelarval::Valj(int index) {
    if (index < 0 || index >= int(spelare_.size()))
        return;
    const bool ny = spelare_[index].Fil != AktuellSpelare().Fil;
    SattAktuellSpelare(spelare_[index]);
    setCurrentIndex(index);
    if (ny)
        emit Bytt();
}

bool TSpelarval::LaggTill(const QString& namn) {
    TSpelare spelare;
    try {
        spelare = LaggTillSpelare(namn);
    } catch (const EGlobina& e) {
        ShowMessageBox(window(), TBoxKind::Error, e.Message());
        Fyll();
        return false;
    }
    const bool ny = spelare.Fil != AktuellSpelare().Fil;
    SattAktuellSpelare(spelare);
    Fyll();
    if (ny)
        emit Bytt();
    return true;
}

void TSpelarval::Aktiverad(int index) {
    if (index < int(spelare_.size())) {
        Valj(index);
        return;
    }
    // The entry that adds a player; cancelled, the current one stays chosen.
    Fyll();
    const std::optional<QString> namn = Fragare()(window());
    if (!namn || !LaggTill(*namn))
        Fyll();
}
