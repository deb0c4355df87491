#include "shell/About.h"

#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "platform/Audio.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/Shape.h"
#include "platform/Shell.h"
#include "platform/WidgetHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

TfrmAbout* frmAbout = nullptr;

// The sources of the geography: the country outlines and the places.
const QString TfrmAbout::kMapSource = QStringLiteral("https://www.naturalearthdata.com/");
const QString TfrmAbout::kPlaceSource = QStringLiteral("https://www.geonames.org/");

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int pixels, bool bold,
                  int w = 0, int h = 0) {
    auto* l = new QLabel(text, parent);
    l->setFont(Arial(pixels, bold));
    if (w > 0) {
        l->setGeometry(x, y, w, h);
        l->setWordWrap(true);
    } else {
        l->move(x, y);
        l->adjustSize();
    }
    return l;
}

TShape* MakeLine(QWidget* parent, int x, int y, int w) {
    auto* s = new TShape(parent);
    s->setGeometry(x, y, w, 1);
    s->SetPen(Qt::black, 0);
    s->SetBrushColor(Qt::black);
    return s;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent, TAudio* audio)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), audio_(audio) {
    setWindowTitle(QStringLiteral("About Globina"));
    setFixedSize(529, 378);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Shape4 = new TShape(this);
    Shape4->setGeometry(8, 12, 53, 353);
    Shape5 = new TShape(this);
    Shape5->setGeometry(468, 12, 53, 357);

    lblVersion = MakeLabel(this, QStringLiteral("Globina version "), 71, 14, 13, true);
    MakeLabel(this, QStringLiteral("Freeware"), 215, 14, 13, true);
    MakeLine(this, 72, 36, 389);
    MakeLabel(this, QStringLiteral("Maps: Natural Earth, OpenStreetMap, GeoNames, CLDR."), 71, 47,
              13, false, 358, 16);
    MakeLabel(this, QStringLiteral("Flags: public-domain drawings of the svg-country-flags set."),
              71, 71, 13, false, 371, 16);
    MakeLine(this, 72, 99, 389);
    MakeLabel(this, QStringLiteral("Language:"), 72, 112, 13, true);

    cboLanguage = new QComboBox(this);
    cboLanguage->setGeometry(160, 109, 299, 24);
    cboLanguage->setFont(Arial(13));
    cboLanguage->setMaxVisibleItems(14);
    connect(cboLanguage, &QComboBox::activated, this, [this] { languagePicked_ = true; });
    MakeLine(this, 71, 144, 389);

    chkSound = new QCheckBox(QStringLiteral("Sound Effects"), this);
    chkSound->setGeometry(72, 160, 113, 21);
    chkMusic = new QCheckBox(QStringLiteral("Music"), this);
    chkMusic->setGeometry(201, 160, 112, 21);
    chkShowTimer = new QCheckBox(QStringLiteral("Display timer"), this);
    chkShowTimer->setGeometry(321, 160, 120, 21);
    for (QCheckBox* c : {chkSound, chkMusic, chkShowTimer})
        c->setFont(Arial(12));
    auto* line = MakeLine(this, 70, 192, 390);
    line->setGeometry(70, 192, 390, 1);
    MakeLabel(this, QStringLiteral("The maps and places come from:"), 71, 202, 13, false, 350, 16);

    auto link = [this](const QString& text, int y, int h) {
        auto* l = new QLabel(text, this);
        QFont f = Arial(13, true);
        f.setUnderline(true);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: blue"));
        l->setCursor(Qt::PointingHandCursor);
        l->setGeometry(71, y, 269, h);
        l->installEventFilter(this);
        return l;
    };
    // Each label shows its address without the scheme and the closing slash.
    const auto shown = [](QString url) {
        return url.remove(QStringLiteral("https://")).remove(QLatin1Char('/'));
    };
    lblWeb = link(shown(kMapSource), 229, 21);
    lblLumora = link(shown(kPlaceSource), 252, 22);

    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setGeometry(72, 330, 193, 33);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(272, 330, 189, 33);
    cmdOK->setDefault(true);
    setTabOrder(cmdOK, cboLanguage);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmAbout::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::hide);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });

    // Creation: the version number, then the language names, shown sorted.
    lblVersion->setText(lblVersion->text() + QStringLiteral(" ") + QStringLiteral("3.00"));
    lblVersion->adjustSize();
    for (int n = 1; n <= kLanguageCount; ++n)
        cboLanguage->addItem(LanguageNames[n]);
    cboLanguage->model()->sort(0);
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == lblWeb) {
            ShellOpenUrl(kMapSource);
            return true;
        }
        if (watched == lblLumora) {
            ShellOpenUrl(kPlaceSource);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    languagePicked_ = false;
    Shape4->SetBrushColor(FrameColor);
    Shape5->SetBrushColor(FrameColor);
    chkShowTimer->setChecked(ShowTimer);
    chkSound->setChecked(audio_ && audio_->SoundsOn());
    chkMusic->setChecked(audio_ && audio_->MusicOn());
    SelectCurrentLanguage();
    QDialog::showEvent(event);
    // OK comes first: Space or Enter right after opening confirms.
    cmdOK->setFocus();
}

void TfrmAbout::changeEvent(QEvent* event) {
    // The language list's own popup also re-activates the dialog: a line the
    // player has just picked is kept until the dialog closes.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !languagePicked_)
        SelectCurrentLanguage();
    QDialog::changeEvent(event);
}

void TfrmAbout::SelectCurrentLanguage() {
    if (LanguageIndex >= 1 && LanguageIndex <= kLanguageCount)
        cboLanguage->setCurrentIndex(cboLanguage->findText(LanguageNames[LanguageIndex]));
}

void TfrmAbout::Ok() {
    try {
        TSettingsStore store;
        const bool music = chkMusic->isChecked();
        const bool sounds = chkSound->isChecked();
        if (audio_) {
            audio_->SetMusicOn(music);
            audio_->SetSoundsOn(sounds);
        }
        ShowTimer = chkShowTimer->isChecked();
        auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
        store.WriteText(QStringLiteral("Options"), QStringLiteral("Music"), flag(music));
        store.WriteText(QStringLiteral("Options"), QStringLiteral("Sounds"), flag(sounds));
        store.WriteText(QStringLiteral("Options"), QStringLiteral("Timer"), flag(ShowTimer));
        int n = 0;
        for (int i = 1; i <= kLanguageCount; ++i)
            if (LanguageNames[i] == cboLanguage->currentText())
                n = i;
        if (n != 0 && n != LanguageIndex) {
            LanguageIndex = n;
            store.WriteText(QStringLiteral("Languages"), QStringLiteral("From"),
                            QString::number(n));
            if (languageChanged_)
                languageChanged_();
        }
    } catch (const EStoreError&) {
        ShowMessageBox(this, TBoxKind::Information,
                       QStringLiteral("Could not write to the registry"));
    }
    hide();
}
