// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Huvudmeny.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/OvningBlandad.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "exercises/Ovningar.h"
#include "exercises/Ovningsslag.h"
#include "exercises/Random.h"
#include "exercises/Svarssatt.h"
#include "maps/Kartor.h"
#include "maps/Svarsfarger.h"
#include "platform/Audio.h"
#include "platform/Color.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/Shape.h"
#include "platform/WidgetHelpers.h"
#include "scores/Idag.h"
#include "scores/Misstagsregister.h"
#include "scores/Repetition.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreLocation.h"
#include "scores/Topplista.h"
#include "screens/Utskriftsdialog.h"
#include "shell/About.h"
#include "shell/MinaMisstag.h"
#include "shell/Spelarval.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>

namespace {

// The way an exercise is answered, as the settings keep it, where the
// exercise offers it; clicking otherwise.
TSvarssatt Svarssatt(const COvning& ovning, const COvningar* katalog) {
    const QByteArray namn = QByteArray::number(ovning.Nummer);
    const int satt = TSettingsStore()
                         .ReadNumber(TSetting{Setting::kAnsweringGroup, namn.constData()})
                         .value_or(0);
    for (TSvarssatt s : Svarssatter(ovning, katalog))
        if (static_cast<int>(s) == satt)
            return s;
    return TSvarssatt::Klicka;
}

void SparaSvarssatt(int nummer, int satt) {
    const QByteArray namn = QByteArray::number(nummer);
    try {
        TSettingsStore().WriteText(TSetting{Setting::kAnsweringGroup, namn.constData()},
                                   QString::number(satt));
    } catch (const EStoreError&) {
        // Not kept: the choice still holds until the menu shows another exercise.
    }
}

const QColor kHav(0, 0, 128);

// The world pictures of the parts overlap; a click on a pixel that several
// hold goes to the last of them in this order.
constexpr int kDelarITraffordning[] = {5, 3, 2, 4, 1, 6};

QPushButton* MakeButton(QWidget* parent, int tag, int x, int y, int w, int h, int pixels = 13) {
    auto* b = new QPushButton(parent);
    SetTag(b, tag);
    b->setGeometry(x, y, w, h);
    b->setFont(Arial(pixels));
    return b;
}

QListWidget* MakeList(QWidget* parent, int x, int y, int w, int h, const QFont& font,
                      int lineHeight) {
    auto* l = new QListWidget(parent);
    l->setGeometry(x, y, w, h);
    l->setFont(font);
    l->setUniformItemSizes(true);
    l->setStyleSheet(QStringLiteral("QListWidget { background: white; color: black; }"
                                    "QListWidget::item { height: %1px; padding: 0px; }")
                         .arg(lineHeight));
    return l;
}

// Holds the hourglass for as long as it lives, also when a failure escapes.
class TVanta {
public:
    TVanta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TVanta() { Klar(); }
    void Klar() {
        if (on_) {
            QApplication::restoreOverrideCursor();
            on_ = false;
        }
    }

private:
    bool on_ = true;
};

QString FelText(const std::exception& e) {
    if (auto* g = dynamic_cast<const EGlobina*>(&e))
        return g->Message();
    return QString::fromUtf8(e.what());
}

} // namespace

TfrmHuvudmeny::TfrmHuvudmeny(QWidget* parent, TSkarmStartare startare, TAudio* audio)
    : QWidget(parent, kFastFonster), audio_(audio), startare_(std::move(startare)) {
    setWindowTitle(QStringLiteral("Globina"));
    setFixedSize(598, 558);
    setAutoFillBackground(true);

    panPanel = new QWidget(this);
    panPanel->resize(583, 547);
    panPanel->setAutoFillBackground(true);
    QPalette white = panPanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panPanel->setPalette(white);

    Shape3 = new TShape(panPanel);
    Shape3->setGeometry(8, 6, 151, 531);
    Image1 = new TImage(panPanel);
    Image1->setGeometry(24, 71, 120, 423);
    Shape1 = new TShape(panPanel);
    Shape1->setGeometry(176, 6, 401, 531);
    Shape4 = new TShape(panPanel);
    Shape4->setGeometry(176, 12, 385, 132);
    Shape4->SetBrushClear();
    imgMap = new TImage(panPanel);
    imgMap->setGeometry(183, 12, 386, 136);
    imgMap->SetPicture(QImage(386, 136, QImage::Format_RGB32));

    // The instruction lies under the lists, so that sliding down it disappears.
    lblInstruktion = new QLabel(panPanel);
    SetTag(lblInstruktion, TextNo::ClickOnAPart);
    lblInstruktion->setGeometry(185, 118, 381, 29);
    lblInstruktion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInstruktion->setWordWrap(true);
    lblInstruktion->setFont(Arial(12));
    lblInstruktion->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lblInstruktion->setAttribute(Qt::WA_TransparentForMouseEvents);

    lstParts = MakeList(panPanel, 183, 148, 106, 253, Arial(13, true), 16);
    cboOvningar = MakeList(panPanel, 288, 148, 281, 253, Arial(12), 15);
    // A part may list twenty exercises and more: the list scrolls up and
    // down, and its lines take the width left beside the scroll bar, so a
    // name is never cut under it nor pushed sideways.
    cboOvningar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cboOvningar->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // Explore shares the start's place, so that it is seen beside it.
    cmdStarta = MakeButton(panPanel, TextNo::Start, 184, 411, 110, 28);
    cmdUtforska = MakeButton(panPanel, TextNo::Explore, 296, 411, 81, 28);
    cmdTioitopp = MakeButton(panPanel, TextNo::HighScores, 380, 411, 191, 28);
    // Under Start, in the gap above Help.
    cboSvarssatt = new QComboBox(panPanel);
    cboSvarssatt->setGeometry(184, 440, 186, 19);
    cboSvarssatt->setFont(Arial(11));
    cboSvarssatt->setEnabled(false);
    Shape2 = new TShape(panPanel, TShape::Kind::Ellipse);
    Shape2->setGeometry(372, 439, 11, 17);
    Shape2->SetBrushColor(Qt::red);
    cmdHjalp = MakeButton(panPanel, TextNo::Help, 184, 460, 193, 28);
    cmdOm = MakeButton(panPanel, TextNo::Options, 380, 460, 191, 28, 12);
    cmdOm->setToolTip(QStringLiteral("Click here to change languages"));
    // The last row shares its width with Print…, which prints the chosen exercise.
    cmdMisstag = MakeButton(panPanel, TextNo::MyMistakes, 184, 492, 127, 28);
    cmdSkrivUt = MakeButton(panPanel, TextNo::Print, 314, 492, 127, 28);
    cmdAvsluta = MakeButton(panPanel, TextNo::Quit, 444, 492, 127, 28);
    cmdStarta->setText(QStringLiteral("S T A R T A"));
    // Today's review sits under the logo, apart from the exercise's buttons.
    cmdRepetera = MakeButton(panPanel, kNoText, 16, 498, 135, 34);
    lblRepetera = new QLabel(cmdRepetera);
    lblRepetera->setGeometry(cmdRepetera->rect().adjusted(4, 2, -4, -2));
    lblRepetera->setAlignment(Qt::AlignCenter);
    lblRepetera->setWordWrap(true);
    lblRepetera->setFont(Arial(11));
    lblRepetera->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Who is playing sits above the logo, as today's review sits under it.
    cboSpelare = new TSpelarval(panPanel);
    cboSpelare->setGeometry(16, 16, 135, 22);

    tmrInstruktion = new QTimer(this);
    tmrInstruktion->setInterval(200);

    connect(imgMap, &TImage::MouseDown, this,
            [this](int x, int y, Qt::MouseButton) { imgMapMouseDown(x, y); });
    lstParts->viewport()->installEventFilter(this);
    lstParts->installEventFilter(this);
    cboOvningar->installEventFilter(this);
    connect(cboOvningar, &QListWidget::itemClicked, this, [this] { cmdStarta->setEnabled(true); });
    connect(cboOvningar, &QListWidget::itemDoubleClicked, this, [this] { StartaOvning(); });
    connect(cmdStarta, &QPushButton::clicked, this, [this] { StartaOvning(); });
    connect(cmdUtforska, &QPushButton::clicked, this, [this] { Utforska(); });
    connect(cmdTioitopp, &QPushButton::clicked, this, [this] { VisaTopplista(); });
    connect(cmdHjalp, &QPushButton::clicked, this, [this] { OpenHelp(); });
    connect(cmdOm, &QPushButton::clicked, this, [] {
        if (frmAbout)
            frmAbout->show();
    });
    connect(cmdMisstag, &QPushButton::clicked, this, [this] { VisaMinaMisstag(); });
    connect(cmdSkrivUt, &QPushButton::clicked, this, [this] { SkrivUt(); });
    // Only a map exercise prints.
    connect(cboOvningar, &QListWidget::currentRowChanged, this, [this] {
        QListWidgetItem* item = cboOvningar->currentItem();
        const auto ovning = item && ovningar_ ? ovningar_->HittaOvning(item->text()) : nullptr;
        cmdSkrivUt->setEnabled(!ovning || KanSkrivasUt(*ovning));
        VisaSvarssatt();
    });
    connect(cboSvarssatt, &QComboBox::activated, this, [this](int satt) {
        QListWidgetItem* item = cboOvningar->currentItem();
        if (const auto ovning = item && ovningar_ ? ovningar_->HittaOvning(item->text()) : nullptr)
            SparaSvarssatt(ovning->Nummer, cboSvarssatt->itemData(satt).toInt());
    });
    connect(cmdAvsluta, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdRepetera, &QPushButton::clicked, this, [this] { StartaRepetition(); });
    connect(cboSpelare, &TSpelarval::Bytt, this, [this] { VisaRepetition(); });
    connect(Shape2, &TShape::MouseDown, this, [this] { Shape2MouseDown(); });
    connect(tmrInstruktion, &QTimer::timeout, this, [this] { tmrInstruktionTimer(); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(); });

    FormCreate();
}

void TfrmHuvudmeny::Dodsfall(const QString& vad, const std::exception& e) {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    ShowMessageBox(this, TBoxKind::Error,
                   vad + QStringLiteral("\r\nThe following problem occurred: ") + FelText(e) +
                       QStringLiteral("\r\nGlobina will be terminated."));
    // Closed once the current event is done, as the menu may be inside its own show.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmHuvudmeny::FormCreate() {
    const char* names[] = {"Swedish", "English", "French", "German",
                           "Spanish", "Italian", "Danish", "Dutch"};
    for (int i = 1; i <= kLanguageCount; ++i)
        LanguageNames[i] = QString::fromLatin1(names[i - 1]);
    ChooseColorScheme();
    try {
        if (!QDir::setCurrent(ProgramFolder()))
            throw EInOutError(
                QStringLiteral("Cannot change to the folder \"%1\"").arg(ProgramFolder()), 3);
        for (auto& s : skarmar_)
            s = nullptr;
        LoadTemplateBitmap(ProgramFolder() + QStringLiteral("/bmptest.bmp"));
    } catch (const EGlobina& e) {
        ShowMessageBox(this, TBoxKind::Error, e.Message());
    }
}

const QImage& TfrmHuvudmeny::Varldsbild(int n) const {
    QImage& bild = varldsbilder_[n - 1];
    if (std::exchange(avkodad_[n - 1], true))
        return bild;
    const QString file = QString::fromLatin1(kVarldsdelar[n - 1].Bild);
    try {
        bild = DecodeGif(ProgramFolder() + QLatin1Char('/') + file);
    } catch (const std::exception&) {
        // Without it the map shows sea; one message says what is missing.
        bild = QImage(396, 155, QImage::Format_RGB32);
        bild.fill(kHav);
        if (!std::exchange(bildfelVisat_, true))
            ShowMessageBox(const_cast<TfrmHuvudmeny*>(this), TBoxKind::Plain,
                           QStringLiteral("Kunde inte visa bilden ") + file + QLatin1Char('.'));
    }
    return bild;
}

void TfrmHuvudmeny::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // Centred on the screen, as the window manager may not do it.
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
        FormShow();
    }
}

void TfrmHuvudmeny::FormShow() {
    TVanta vanta;
    Shape3->SetBrushColor(FrameColor);
    Shape1->SetBrushColor(FrameColor);
    const QImage& afrika = Varldsbild(5);
    MapOffsetX = (imgMap->width() - afrika.width()) / 2;
    MapOffsetY = (imgMap->height() - afrika.height()) / 2;
    // Centred on what holds it: the window, or the page of a window that
    // scrolls in projector mode.
    const QWidget* flade = panPanel->parentWidget();
    panPanel->move((flade->width() - panPanel->width()) / 2,
                   (flade->height() - panPanel->height()) / 2);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    imgMap->Picture().fill(kHav);
    imgMap->update();

    TSettingsStore store;
    const auto flag = [&store](const TSetting& s) { return store.ReadNumber(s).value_or(1) == 1; };
    if (audio_) {
        audio_->SetMusicOn(flag(Setting::Music));
        audio_->SetSoundsOn(flag(Setting::Sounds));
    }
    ShowTimer = flag(Setting::Timer);
    Svarsfarger::Fargblind = store.ReadNumber(Setting::ColourBlind).value_or(0) == 1;
    Svarsfarger::Marken = store.ReadNumber(Setting::AnswerMarks).value_or(0) == 1;
    LanguageIndex = store.ReadNumber(Setting::Language).value_or(2);
    if (LanguageIndex != 42 && (LanguageIndex < 1 || LanguageIndex > kLanguageCount)) {
        // A damaged setting must not lock the player out: the default is
        // stored in its place, so the message comes once.
        LanguageIndex = 2;
        try {
            store.WriteText(Setting::Language, QString::number(LanguageIndex));
        } catch (const EStoreError&) {
        }
        vanta.Klar();
        ShowMessageBox(this, TBoxKind::Information,
                       QStringLiteral("The stored language was not valid. English is used; "
                                      "another can be chosen in the settings."));
    }

    if (LanguageIndex == 42) {
        // A hidden way out: the program ends without a word.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    } else {
        try {
            TVanta inner;
            auto ny = std::make_shared<COvningar>();
            ovningar_ = ny; // the old catalogue goes; entries in play live on
            ny->LasOvningar(QStringLiteral("Ovning.crp"));
            VarldsdelNr = 1;
            FyllOvningslista(1);
            RitaVarldsbild(1);
            LoadLanguageTexts();
            ApplyLanguageTexts(this);
            cmdMisstag->setToolTip(LangText(TextNo::MyMistakesHint));
            cmdUtforska->setToolTip(LangText(TextNo::ExploreHint));
            cboSpelare->Fyll();
            VisaRepetition();
            cboSvarssatt->setToolTip(LangText(TextNo::WayOfAnsweringHint));
            VisaSvarssatt();
            inner.Klar();
            lstParts->clear();
            for (int n = TextNo::FirstPart; n <= TextNo::LastPart; ++n) {
                auto* item = new QListWidgetItem(LangText(n), lstParts);
                item->setSizeHint(QSize(lstParts->width() - 4, 16));
            }
        } catch (const std::exception& e) {
            vanta.Klar();
            Dodsfall(QStringLiteral("Oops! I failed to open the main menu."), e);
        }
    }
    vanta.Klar();
    LoadPicture(Image1, QStringLiteral("logo.gif"));
}

void TfrmHuvudmeny::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void TfrmHuvudmeny::FormActivate() {
    VisaRepetition(); // a game may have been played meanwhile
    for (auto& s : skarmar_) {
        if (s) {
            s->close();
            s->deleteLater();
        }
        s = nullptr;
    }
}

QWidget* TfrmHuvudmeny::OppenSkarm(int kind) const {
    return skarmar_[kind];
}

void TfrmHuvudmeny::RitaVarldsbild(int n) {
    if (n < 1 || n > kAntalVarldsdelar)
        return;
    QPainter p(&imgMap->Picture());
    p.drawImage(MapOffsetX, MapOffsetY, Varldsbild(n));
    p.end();
    imgMap->update();
}

void TfrmHuvudmeny::SattVarldsdel(int n) {
    VarldsdelNr = n;
    RitaVarldsbild(n);
    if (n >= 1 && n <= kAntalVarldsdelar)
        lstParts->setCurrentRow(n - 1);
    FyllOvningslista(n);
    VisaRepetition(); // before the first game it offers this part's start
    PlayEffect(audio_, TAudio::TEffect::Select);
}

void TfrmHuvudmeny::FyllOvningslista(int n) {
    cboOvningar->clear();
    const QString kod =
        n >= 1 && n <= kAntalVarldsdelar ? QString::fromLatin1(kVarldsdelar[n - 1].Kod) : QString();
    if (kod != QLatin1String("EUR"))
        tmrInstruktion->start();
    if (!ovningar_)
        return;
    for (std::shared_ptr<COvning> e = ovningar_->Forsta; e; e = e->Nasta)
        if (e->Varldsdel == kod) {
            auto* item = new QListWidgetItem(e->NamnNu(), cboOvningar);
            item->setSizeHint(QSize(0, 15)); // as wide as the list lets it be
        }
    cboOvningar->setCurrentRow(-1);
}

void TfrmHuvudmeny::imgMapMouseDown(int x, int y) {
    const int px = x - MapOffsetX;
    const int py = y - MapOffsetY;
    const auto pixel = [px, py](const QImage& image) {
        return image.valid(px, py) ? image.pixel(px, py) : QRgb(0);
    };
    if (pixel(Varldsbild(6)) == kHav.rgb()) {
        SattVarldsdel(7);
    } else {
        const QRgb hela = pixel(Varldsbild(7));
        for (int n : kDelarITraffordning)
            if (pixel(Varldsbild(n)) == hela)
                SattVarldsdel(n);
    }
    lstParts->setCurrentRow(VarldsdelNr - 1);
}

bool TfrmHuvudmeny::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboOvningar && event->type() == QEvent::KeyPress) {
        // Enter on a selected exercise starts it, as a double click does.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cboOvningar->currentItem() &&
            cboOvningar->currentItem()->isSelected()) {
            StartaOvning();
            return true;
        }
    }
    const bool release =
        (watched == lstParts->viewport() && event->type() == QEvent::MouseButtonRelease) ||
        (watched == lstParts && event->type() == QEvent::KeyRelease);
    if (release) {
        const bool result = QWidget::eventFilter(watched, event);
        // Let the list take the click or key first, then follow its line.
        QMetaObject::invokeMethod(
            this, [this] { SattVarldsdel(lstParts->currentRow() + 1); }, Qt::QueuedConnection);
        return result;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmHuvudmeny::tmrInstruktionTimer() {
    lblInstruktion->move(lblInstruktion->x(), lblInstruktion->y() + 2);
    if (lblInstruktion->y() > cboOvningar->y()) {
        tmrInstruktion->stop();
        Shape2->SetBrushColor(QColor(255, 255, 0));
    }
}

void TfrmHuvudmeny::Shape2MouseDown() {
    const auto value =
        static_cast<uint32_t>(3840 + static_cast<int64_t>(GlobinaRandom::Random() * 16773375));
    Shape2->SetBrushColor(ColorFromBgr(value));
}

void TfrmHuvudmeny::StartaOvning() {
    // A start lets events run; a second Start (or double click) queued
    // meanwhile would make a second screen for the same exercise.
    std::shared_ptr<COvning> ovning;
    QString text;
    if (!startar_ && ValdOvning(ovning, text))
        Starta(ovning, text, {});
}

bool TfrmHuvudmeny::ValdOvning(std::shared_ptr<COvning>& ovning, QString& text) {
    QListWidgetItem* item = cboOvningar->currentItem();
    if (!item || cboOvningar->currentRow() < 0) {
        ShowMessageBox(this, TBoxKind::Information, LangText(TextNo::ChooseAnExercise));
        return false;
    }
    text = item->text();
    ovning = ovningar_ ? ovningar_->HittaOvning(text) : nullptr;
    return true;
}

std::shared_ptr<COvning> TfrmHuvudmeny::Katalogovning(int nummer) const {
    return ovningar_ ? ovningar_->HittaNummer(nummer) : nullptr;
}

bool TfrmHuvudmeny::StartaOvningsspel(int nummer, const QStringList& objekt, bool repetition) {
    const std::shared_ptr<COvning> ovning = Katalogovning(nummer);
    if (!ovning || objekt.isEmpty())
        return false;
    Starta(ovning, QString::number(nummer), objekt, repetition);
    return true;
}

bool TfrmHuvudmeny::StartaRepetitionsspel(const TRepetitionsspel& spel) {
    const std::shared_ptr<COvning> en = Katalogovning(spel.Ovning);
    const std::shared_ptr<COvning> andra = spel.Med != 0 ? Katalogovning(spel.Med) : nullptr;
    // The two in either order: the most overdue item may be a place.
    const COvningLandArea* areor = dynamic_cast<const COvningLandArea*>(en.get());
    if (!areor)
        areor = dynamic_cast<const COvningLandArea*>(andra.get());
    const COvningOrt* orter = dynamic_cast<const COvningOrt*>(en.get());
    if (!orter)
        orter = dynamic_cast<const COvningOrt*>(andra.get());
    if (!areor || !orter || spel.Objekt.isEmpty())
        // One exercise, or one of two that the catalogue still holds: its
        // game leaves out the other's items.
        return StartaOvningsspel(en ? spel.Ovning : spel.Med, spel.Objekt, true);
    Starta(std::make_shared<COvningBlandad>(*areor, *orter), QString::number(spel.Ovning),
           spel.Objekt, true);
    return true;
}

std::shared_ptr<COvning> TfrmHuvudmeny::ForstaOvning() const {
    const QString kod = VarldsdelNr >= 1 && VarldsdelNr <= kAntalVarldsdelar
                            ? QString::fromLatin1(kVarldsdelar[VarldsdelNr - 1].Kod)
                            : QString();
    for (auto e = ovningar_ ? ovningar_->Forsta : nullptr; e; e = e->Nasta)
        if (e->Varldsdel == kod)
            return e;
    return nullptr;
}

void TfrmHuvudmeny::VisaRepetition() {
    // The menu is also activated while the stored language is being checked.
    if (!cmdRepetera || LanguageIndex < 1 || LanguageIndex > kLanguageCount)
        return;
    TMisstagsregister& record = Misstagsregister();
    QString text;
    QString tips;
    bool pa = false;
    if (!record.HarSpelat()) {
        const std::shared_ptr<COvning> forsta = ForstaOvning();
        text = LangText(TextNo::NothingPlayedYet);
        const QString mall = LangText(TextNo::NothingPlayedHint);
        if (forsta && !mall.isEmpty())
            tips = mall.arg(forsta->NamnNu());
        pa = forsta != nullptr;
    } else if (const int32_t n = record.AntalForfallna(Idag()); n > 0) {
        text = LangText(TextNo::ReviewDue);
        text = text.isEmpty() ? QString::number(n) : text.arg(n);
        tips = LangText(TextNo::ReviewHint);
        pa = true;
    } else {
        text = LangText(TextNo::NothingDue);
    }
    lblRepetera->setText(text);
    cmdRepetera->setToolTip(tips);
    cmdRepetera->setEnabled(pa);
    // The caption greys with the button, as a button's own text does.
    lblRepetera->setEnabled(pa);
}

void TfrmHuvudmeny::StartaRepetition() {
    if (startar_)
        return;
    TMisstagsregister& record = Misstagsregister();
    if (!record.HarSpelat()) {
        if (const std::shared_ptr<COvning> forsta = ForstaOvning())
            Starta(forsta, forsta->NamnNu(), {});
        return;
    }
    const std::vector<TMinnesrad> due = record.Forfallna(Idag());
    std::vector<std::pair<QString, QString>> forvaxlade;
    QStringList delar;
    for (const TMinnesrad& m : due)
        if (!delar.contains(m.Varldsdel)) {
            delar << m.Varldsdel;
            for (const TForvaxling& f : record.Forvaxlingar(m.Varldsdel, {}, 1000))
                forvaxlade.emplace_back(f.Objekt, f.Givet);
        }
    // Areas and places of one map are one game.
    const auto slag = [this](int32_t nummer) {
        TRepetitionsslag s;
        const std::shared_ptr<COvning> e = Katalogovning(nummer);
        if (!e || !ArKarta(e->Kartnummer))
            return s;
        if (dynamic_cast<const COvningLandArea*>(e.get()))
            s.Slag = TRepetitionsslag::Areor;
        else if (dynamic_cast<const COvningOrt*>(e.get()))
            s.Slag = TRepetitionsslag::Platser;
        s.Karta = e->Kartnummer;
        s.Varldsdel = e->Varldsdel;
        return s;
    };
    // An exercise the catalogue no longer holds gives way to the next map.
    for (const TRepetitionsspel& spel : Repetitionsplan(due, forvaxlade, slag))
        if (StartaRepetitionsspel(spel))
            return;
}

void TfrmHuvudmeny::Starta(const std::shared_ptr<COvning>& ovning, const QString& namn,
                           const QStringList& objekt, bool repetition) {
    if (startar_)
        return;
    const QScopedValueRollback<bool> startar(startar_, true);
    TVanta vanta;
    try {
        if (!ovning)
            throw EGlobina(
                QStringLiteral("The exercise \"%1\" is not in the catalogue.").arg(namn));
        // The catalogue's entry plays the practice; a start from the list
        // plays the whole exercise again.
        ovning->Ovningsobjekt = objekt;
        ovning->Repetition = repetition && !objekt.isEmpty();
        const int kind = static_cast<int>(SkarmFor(ovning->Typ));
        ovning->Svarssatt = Svarssatt(*ovning, ovningar_.get());
        ovning->Huvudstader = ovning->Svarssatt == TSvarssatt::Huvudstad
                                  ? HuvudstaderFor(*ovning, ovningar_.get())
                                  : THuvudstader();
        if (!startare_)
            throw EGlobina(QStringLiteral("No exercise screens are available."));
        // Stored before the start, so that activating the menu meanwhile releases it.
        ovning->Ljud = audio_;
        startare_(ovning, this, [this, kind](QWidget* skarm) { skarmar_[kind] = skarm; });
        vanta.Klar();
    } catch (const std::exception& e) {
        vanta.Klar();
        Dodsfall(QStringLiteral("Oops! I failed to start the exercise."), e);
    }
}

void TfrmHuvudmeny::VisaSvarssatt() {
    QListWidgetItem* item = cboOvningar->currentItem();
    const auto ovning = item && ovningar_ ? ovningar_->HittaOvning(item->text()) : nullptr;
    const QList<TSvarssatt> satt =
        ovning ? Svarssatter(*ovning, ovningar_.get()) : QList<TSvarssatt>{TSvarssatt::Klicka};
    cboSvarssatt->clear();
    for (TSvarssatt s : satt)
        cboSvarssatt->addItem(SvarssattText(s), static_cast<int>(s));
    cboSvarssatt->setEnabled(satt.size() > 1);
    if (ovning)
        cboSvarssatt->setCurrentIndex(std::max(
            0, cboSvarssatt->findData(static_cast<int>(Svarssatt(*ovning, ovningar_.get())))));
}

void TfrmHuvudmeny::VisaMinaMisstag() {
    TfrmMinaMisstag misstag(this, Misstagsregister(), VarldsdelNr, ovningar_.get());
    if (misstag.exec() != QDialog::Accepted)
        return;
    const QStringList objekt = misstag.OvningsObjekt();
    // The menu becomes active again once the dialog is gone, and that
    // releases the open exercise screens: the practice screen opens after it.
    QElapsedTimer vantan;
    vantan.start();
    while (!isActiveWindow() && vantan.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const int nummer =
        misstag.Ovning() ? misstag.Ovning()
                         : Misstagsregister().OvningFor(misstag.Varldsdel(), misstag.Typ(), objekt);
    StartaOvningsspel(nummer, objekt);
}

void TfrmHuvudmeny::SkrivUt() {
    std::shared_ptr<COvning> ovning;
    QString text;
    if (!startar_ && ValdOvning(ovning, text) && ovning && KanSkrivasUt(*ovning))
        VisaUtskrift(this, ovning);
}

void TfrmHuvudmeny::Utforska() {
    std::shared_ptr<COvning> ovning;
    QString text;
    if (startar_ || !ValdOvning(ovning, text) || !ovning || !utforskare_)
        return;
    if (SkarmFor(ovning->Typ) != TSkarmslag::Karta) {
        ShowMessageBox(this, TBoxKind::Information, LangText(TextNo::ExploreNeedsAMap));
        return;
    }
    const QScopedValueRollback<bool> startar(startar_, true);
    TVanta vanta;
    try {
        ovning->Ljud = audio_;
        ovning->Svarssatt = TSvarssatt::Klicka; // nothing is asked
        utforskare_(ovning, this, [this](QWidget* skarm) {
            skarmar_[static_cast<int>(TSkarmslag::Karta)] = skarm;
        });
        vanta.Klar();
    } catch (const std::exception& e) {
        vanta.Klar();
        Dodsfall(QStringLiteral("Oops! I failed to start the exercise."), e);
    }
}

void TfrmHuvudmeny::VisaTopplista() {
    TfrmTopplista lista(this);
    try {
        std::vector<TTopplistaRad> rader;
        if (ovningar_)
            for (std::shared_ptr<COvning> e = ovningar_->Forsta; e; e = e->Nasta) {
                rader.push_back({e->Nummer, e->NamnNu()});
                for (TSvarssatt satt : Svarssatter(*e, ovningar_.get()))
                    if (satt != TSvarssatt::Klicka)
                        rader.push_back(
                            {e->Nummer,
                             e->NamnNu() + QStringLiteral(" \u2013 ") + SvarssattText(satt),
                             ScoreListNumber(e->Nummer, static_cast<int>(satt))});
            }
        lista.LoadScores(ScoreFileName(), rader);
    } catch (const std::exception& e) {
        ShowMessageBox(this, TBoxKind::Error, FelText(e));
        return;
    }
    lista.exec();
}
