// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Utskriftsdialog.h"

#include "data/Errors.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "screens/Ovningsskarm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The texts of the first screens that the dialog shares.
constexpr int kSprakText = 34; // "Language"
constexpr int kAvbrytText = 7; // "Cancel"

// A text that opens a dialog ends in an ellipsis; the button that does the
// deed does not.
QString UtanEllips(QString text) {
    if (text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text.trimmed();
}

QLabel* Etikett(QWidget* parent, int tag) {
    auto* l = new QLabel(LangText(tag), parent);
    SetTag(l, tag);
    return l;
}

} // namespace

TfrmUtskrift::TfrmUtskrift(QWidget* parent, std::shared_ptr<COvning> ovning,
                           std::optional<TUtskriftsvy> vy)
    : QDialog(parent), ovning_(std::move(ovning)), vy_(vy) {
    setFont(Arial(12));
    setWindowTitle(UtanEllips(LangText(vy_ ? TextNo::PrintThisView : TextNo::Print)) +
                   QStringLiteral(" \u2013 ") + ovning_->NamnNu());
    auto* form = new QFormLayout;
    cboSprak = new QComboBox(this);
    for (int l = 1; l <= kLanguageCount; ++l)
        cboSprak->addItem(LanguageNames[l].isEmpty() ? QString::number(l) : LanguageNames[l], l);
    cboSprak->setCurrentIndex(std::clamp(LanguageIndex, 1, kLanguageCount) - 1);
    form->addRow(Etikett(this, kSprakText), cboSprak);
    cboPapper = new QComboBox(this);
    cboPapper->addItem(QStringLiteral("A4"), QPageSize::A4);
    cboPapper->addItem(QStringLiteral("Letter"), QPageSize::Letter);
    // Letter where the desktop measures in inches as the United States do.
    cboPapper->setCurrentIndex(
        QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? 1 : 0);
    form->addRow(Etikett(this, TextNo::Paper), cboPapper);
    optNummer = new QRadioButton(LangText(TextNo::NumbersOnTheMap), this);
    SetTag(optNummer, TextNo::NumbersOnTheMap);
    optNummer->setChecked(true);
    optNamn = new QRadioButton(LangText(TextNo::NamesToNumber), this);
    SetTag(optNamn, TextNo::NamesToNumber);
    chkNamnkarta = new QCheckBox(LangText(TextNo::NamesOnTheMap), this);
    SetTag(chkNamnkarta, TextNo::NamesOnTheMap);
    form->addRow(QString(), optNummer);
    form->addRow(QString(), optNamn);
    form->addRow(QString(), chkNamnkarta);
    txtFil = new QLineEdit(this);
    txtFil->setText(SparaSom(ovning_->NamnNu(), QStringLiteral(".pdf"), QLatin1Char('-')));
    txtFil->setMinimumWidth(320);
    cmdBladdra = new QPushButton(QStringLiteral("\u2026"), this);
    cmdBladdra->setFixedWidth(32);
    auto* filrad = new QHBoxLayout;
    filrad->addWidget(txtFil, 1);
    filrad->addWidget(cmdBladdra);
    form->addRow(Etikett(this, TextNo::File), filrad);

    cmdSkrivUt = new QPushButton(UtanEllips(LangText(TextNo::Print)), this);
    cmdSkrivUt->setDefault(true);
    cmdAvbryt = new QPushButton(LangText(kAvbrytText), this);
    SetTag(cmdAvbryt, kAvbrytText);
    auto* knappar = new QHBoxLayout;
    knappar->addStretch(1);
    knappar->addWidget(cmdSkrivUt);
    knappar->addWidget(cmdAvbryt);
    auto* hela = new QVBoxLayout(this);
    hela->addLayout(form);
    hela->addSpacing(8);
    hela->addLayout(knappar);

    connect(cmdBladdra, &QPushButton::clicked, this, [this] {
        const QString fil = QFileDialog::getSaveFileName(this, windowTitle(), txtFil->text(),
                                                         QStringLiteral("PDF (*.pdf)"));
        if (!fil.isEmpty())
            txtFil->setText(fil);
    });
    connect(cmdSkrivUt, &QPushButton::clicked, this, [this] {
        if (SkrivUtNu())
            accept();
    });
    connect(cmdAvbryt, &QPushButton::clicked, this, &QDialog::reject);
}

TUtskriftsval TfrmUtskrift::Val() const {
    TUtskriftsval val;
    val.Sprak = cboSprak->currentData().toInt();
    val.Papper = static_cast<QPageSize::PageSizeId>(cboPapper->currentData().toInt());
    val.Namnlista = optNamn->isChecked();
    val.Namnkarta = chkNamnkarta->isChecked();
    return val;
}

bool TfrmUtskrift::SkrivUtNu() {
    QString fil = txtFil->text().trimmed();
    if (!fil.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        fil += QStringLiteral(".pdf");
    // The hourglass goes however the print ends; any failure is told, none
    // escapes into the event loop.
    try {
        const Skarm::TTimglas timglas;
        SkrivUt(*ovning_, Val(), fil, vy_ ? &*vy_ : nullptr);
    } catch (const EGlobina& e) {
        ShowMessageBox(this, TBoxKind::Error, e.Message());
        return false;
    } catch (const std::exception& e) {
        ShowMessageBox(this, TBoxKind::Error, QString::fromLocal8Bit(e.what()));
        return false;
    }
    ShellOpenFile(fil);
    return true;
}

void VisaUtskrift(QWidget* parent, const std::shared_ptr<COvning>& ovning,
                  std::optional<TUtskriftsvy> vy) {
    if (!ovning)
        return;
    TfrmUtskrift dialog(parent, ovning, vy);
    dialog.exec();
}
