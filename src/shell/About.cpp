// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/About.h"

#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "maps/Svarsfarger.h"
#include "platform/Audio.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/Projector.h"
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

// Each licence asks for this credit; the OpenStreetMap page also offers the
// licence of the derived lakes. Names and licences stay as their owners write
// them; only what each source gave is a screen text.
const std::vector<TfrmAbout::TSource> TfrmAbout::kSources = {
    {QStringLiteral("Natural Earth"), QString(),
     QStringLiteral("https://www.naturalearthdata.com/")},
    {QStringLiteral("\u00a9 OpenStreetMap contributors"), QStringLiteral("ODbL 1.0"),
     QStringLiteral("https://www.openstreetmap.org/copyright")},
    {QStringLiteral("GeoNames"), QStringLiteral("CC BY 4.0"),
     QStringLiteral("https://www.geonames.org/")},
    {QStringLiteral("SimpleMaps World Cities"), QStringLiteral("CC BY 4.0"),
     QStringLiteral("https://simplemaps.com/data/world-cities")},
    {QStringLiteral("Unicode CLDR"), QStringLiteral("Unicode License v3"),
     QStringLiteral("https://cldr.unicode.org/")},
    {QStringLiteral("svg-country-flags"), QString(),
     QStringLiteral("https://www.npmjs.com/package/svg-country-flags")},
};

namespace {

// The height of the row of the answers' colours, which pushes the rest down.
constexpr int kFargrad = 26;

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

// Projector mode's texts: its label, the normal size, 1.5 times, the tooltip
// and what OK says when the size has changed.
constexpr int kProjectorText = 140;
constexpr int kNormalText = 141;
constexpr int kOneAndAHalfText = 142;
constexpr int kProjectorHint = 143;
constexpr int kAtNextStartText = 144;

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
    setFixedSize(529, 378 + kFargrad);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Shape4 = new TShape(this);
    Shape4->setGeometry(8, 12, 53, 353 + kFargrad);
    Shape5 = new TShape(this);
    Shape5->setGeometry(468, 12, 53, 357 + kFargrad);

    lblVersion = MakeLabel(this, QStringLiteral("Globina version "), 71, 14, 13, true);
    MakeLabel(this, QStringLiteral("Freeware"), 215, 14, 13, true);
    MakeLine(this, 72, 36, 389);
    // The licence line may take two lines in the longer languages.
    lblCopyright = MakeLabel(this, QString(), 71, 41, 13, false, 389, 32);
    SetTag(MakeLabel(this, QString(), 71, 76, 13, false, 389, 16), TextNo::HelpLine);
    MakeLine(this, 72, 99, 389);
    MakeLabel(this, QStringLiteral("Language:"), 72, 112, 13, true);

    cboLanguage = new QComboBox(this);
    cboLanguage->setGeometry(160, 109, 120, 24);
    cboLanguage->setFont(Arial(13));
    cboLanguage->setMaxVisibleItems(14);
    connect(cboLanguage, &QComboBox::activated, this, [this] { languagePicked_ = true; });
    // Projector mode shares the row: the size the next start draws at.
    lblProjector = MakeLabel(this, QString(), 290, 112, 13, true, 88, 18);
    lblProjector->setWordWrap(false);
    lblProjector->setAlignment(Qt::AlignLeft | Qt::AlignTop); // on the line of "Language:"
    SetTag(lblProjector, kProjectorText);
    cboProjector = new QComboBox(this);
    cboProjector->setGeometry(380, 109, 79, 24);
    cboProjector->setFont(Arial(13));
    for (int size : Projector::kSizes)
        cboProjector->addItem(QString(), size);
    MakeLine(this, 71, 144, 389);

    chkSound = new QCheckBox(QStringLiteral("Sound Effects"), this);
    chkSound->setGeometry(72, 160, 113, 21);
    chkMusic = new QCheckBox(QStringLiteral("Music"), this);
    chkMusic->setGeometry(201, 160, 112, 21);
    chkShowTimer = new QCheckBox(QStringLiteral("Display timer"), this);
    chkShowTimer->setGeometry(321, 160, 120, 21);
    // A row of its own for the answers' colours and marks (Svarsfarger.h).
    chkFargblind = new QCheckBox(QStringLiteral("Colour-blind-safe colours"), this);
    SetTag(chkFargblind, TextNo::ColourBlindColours);
    chkFargblind->setGeometry(72, 186, 200, 21);
    chkMarken = new QCheckBox(QStringLiteral("Marks on answers"), this);
    SetTag(chkMarken, TextNo::AnswerMarks);
    chkMarken->setGeometry(280, 186, 180, 21);
    // With the colour-blind-safe colours the marks come anyway.
    connect(chkFargblind, &QCheckBox::toggled, chkMarken, &QWidget::setDisabled);
    for (QCheckBox* c : {chkSound, chkMusic, chkShowTimer, chkFargblind, chkMarken})
        c->setFont(Arial(12));
    auto* line = MakeLine(this, 70, 192 + kFargrad, 390);
    line->setGeometry(70, 192 + kFargrad, 390, 1);
    SetTag(MakeLabel(this, QString(), 71, 202 + kFargrad, 13, false, 389, 16), TextNo::Sources);

    // The name is the link; the label is only as wide as its text, so a click
    // beside it opens nothing. A dash, not a colon, follows the name: French
    // would want a blank before a colon.
    int y = 221 + kFargrad;
    for (const TSource& source : kSources) {
        auto* l = new QLabel(this);
        l->setFont(Arial(13));
        l->setTextFormat(Qt::RichText);
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip(source.Url);
        l->move(71, y);
        l->installEventFilter(this);
        lblSources.push_back(l);
        y += 18;
    }

    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setGeometry(72, 330 + kFargrad, 193, 33);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(272, 330 + kFargrad, 189, 33);
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
    if (event->type() == QEvent::MouseButtonPress)
        for (size_t i = 0; i < lblSources.size(); ++i)
            if (watched == lblSources[i]) {
                ShellOpenUrl(kSources[i].Url);
                return true;
            }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::ApplyTexts() {
    ApplyLanguageTexts(this);
    // Check boxes keep their captions unless the table has them.
    for (QCheckBox* c : {chkFargblind, chkMarken})
        if (const QString& t = LangText(Tag(c)); !t.isEmpty())
            c->setText(t);
    // A line break inside the licence's name would read as two words: a word
    // joiner after each of its hyphens keeps it whole.
    const QString program = QStringLiteral("GPL-3.0-or-later");
    QString copyright = LangText(TextNo::Copyright);
    lblCopyright->setText(copyright.replace(
        program, QString(program).replace(QLatin1Char('-'), QStringLiteral("-\u2060"))));
    cboProjector->setItemText(0, LangText(kNormalText));
    cboProjector->setItemText(1, LangText(kOneAndAHalfText));
    cboProjector->setItemText(2, QStringLiteral("2 \u00d7"));
    for (QWidget* w : std::initializer_list<QWidget*>{lblProjector, cboProjector})
        w->setToolTip(LangText(kProjectorHint));
    for (size_t i = 0; i < kSources.size(); ++i) {
        const TSource& source = kSources[i];
        const QString licence =
            source.Licence.isEmpty() ? LangText(TextNo::PublicDomain) : source.Licence;
        lblSources[i]->setText(
            QStringLiteral("<span style=\"color: blue; font-weight: bold; "
                           "text-decoration: underline\">%1</span> \u2013 %2, %3")
                .arg(source.Name.toHtmlEscaped(),
                     LangText(TextNo::FirstSourceGave + static_cast<int>(i)).toHtmlEscaped(),
                     licence.toHtmlEscaped()));
        lblSources[i]->adjustSize();
    }
}

void TfrmAbout::showEvent(QShowEvent* event) {
    languagePicked_ = false;
    // The language may have changed since the last opening.
    ApplyTexts();
    Shape4->SetBrushColor(FrameColor);
    Shape5->SetBrushColor(FrameColor);
    chkShowTimer->setChecked(ShowTimer);
    chkFargblind->setChecked(Svarsfarger::Fargblind);
    chkMarken->setChecked(Svarsfarger::Marken || Svarsfarger::Fargblind);
    chkMarken->setDisabled(Svarsfarger::Fargblind);
    chkSound->setChecked(audio_ && audio_->SoundsOn());
    chkMusic->setChecked(audio_ && audio_->MusicOn());
    SelectCurrentLanguage();
    cboProjector->setCurrentIndex(cboProjector->findData(Projector::StoredSize()));
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
        store.WriteText(Setting::Music, flag(music));
        store.WriteText(Setting::Sounds, flag(sounds));
        store.WriteText(Setting::Timer, flag(ShowTimer));
        Svarsfarger::Fargblind = chkFargblind->isChecked();
        Svarsfarger::Marken = chkMarken->isChecked() && !Svarsfarger::Fargblind;
        store.WriteText(Setting::ColourBlind, flag(Svarsfarger::Fargblind));
        store.WriteText(Setting::AnswerMarks, flag(Svarsfarger::Marken));
        int n = 0;
        for (int i = 1; i <= kLanguageCount; ++i)
            if (LanguageNames[i] == cboLanguage->currentText())
                n = i;
        if (n != 0 && n != LanguageIndex) {
            LanguageIndex = n;
            store.WriteText(Setting::Language, QString::number(n));
            if (languageChanged_)
                languageChanged_();
        }
        const int size = cboProjector->currentData().toInt();
        if (size != Projector::StoredSize()) {
            store.WriteText(Setting::Projector, QString::number(size));
            ShowMessageBox(this, TBoxKind::Information, LangText(kAtNextStartText));
        }
    } catch (const EStoreError&) {
        ShowMessageBox(this, TBoxKind::Information,
                       QStringLiteral("Could not write to the registry"));
    }
    hide();
}
