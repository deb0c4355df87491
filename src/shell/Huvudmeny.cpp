// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Huvudmeny.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "data/Sound.h"
#include "exercises/Ovningar.h"
#include "exercises/Random.h"
#include "platform/Color.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/Shape.h"
#include "scores/ScoreLocation.h"
#include "scores/Topplista.h"
#include "shell/About.h"

#include <QApplication>
#include <QDir>
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

TfrmHuvudmeny* frmHuvudmeny = nullptr;

namespace {

constexpr int kMapKind = 0;
constexpr int kFlagKind = 1;
constexpr int kMultiKind = 2;

// Part n of the world: its code in the catalogue and its picture file.
struct TVarldsdel {
    const char* kod;
    const char* bild;
};
const TVarldsdel kVarldsdelar[7] = {{"EUR", "Europa.gif"},     {"NOR", "NordAmerika.gif"},
                                    {"SYD", "SydAmerika.gif"}, {"ASI", "Asien.gif"},
                                    {"AFR", "Afrika.gif"},     {"AUS", "Australien.gif"},
                                    {"*", "Hela.gif"}};

const QColor kHav(0, 0, 128);

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

TfrmHuvudmeny::TfrmHuvudmeny(QWidget* parent, TSkarmStartare startare)
    : QWidget(parent, kFastFonster),
      mplMIDI_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Music)),
      mplWAV1_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 0)),
      mplWAV2_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 1)),
      startare_(std::move(startare)) {
    setWindowTitle(QStringLiteral("Globina"));
    setFixedSize(598, 558);
    setAutoFillBackground(true);
    mplMIDI = mplMIDI_.get();
    mplWAV1 = mplWAV1_.get();
    mplWAV2 = mplWAV2_.get();

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
    SetTag(lblInstruktion, 25);
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

    cmdStarta = MakeButton(panPanel, 1, 184, 411, 193, 28);
    cmdTioitopp = MakeButton(panPanel, 2, 380, 411, 191, 28);
    Shape2 = new TShape(panPanel, TShape::Kind::Ellipse);
    Shape2->setGeometry(372, 439, 11, 17);
    Shape2->SetBrushColor(Qt::red);
    cmdHjalp = MakeButton(panPanel, 18, 184, 460, 193, 28);
    cmdOm = MakeButton(panPanel, 5, 380, 460, 191, 28, 12);
    cmdOm->setToolTip(QStringLiteral("Click here to change languages"));
    cmdAvsluta = MakeButton(panPanel, 3, 184, 492, 386, 28);
    cmdStarta->setText(QStringLiteral("S T A R T A"));

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
    connect(cmdTioitopp, &QPushButton::clicked, this, [this] { VisaTopplista(); });
    connect(cmdHjalp, &QPushButton::clicked, this, [this] { OpenHelp(this); });
    connect(cmdOm, &QPushButton::clicked, this, [] {
        if (frmAbout)
            frmAbout->show();
    });
    connect(cmdAvsluta, &QPushButton::clicked, this, &QWidget::close);
    connect(Shape2, &TShape::MouseDown, this, [this] { Shape2MouseDown(); });
    connect(tmrInstruktion, &QTimer::timeout, this, [this] { tmrInstruktionTimer(); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { OpenHelp(this); });

    FormCreate();
}

TfrmHuvudmeny::~TfrmHuvudmeny() {
    mplMIDI = mplWAV1 = mplWAV2 = nullptr;
    if (frmHuvudmeny == this)
        frmHuvudmeny = nullptr;
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
    SoundsOn = true;
    MusicOn = true;
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
    const QString file = QString::fromLatin1(kVarldsdelar[n - 1].bild);
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
    panPanel->move((width() - panPanel->width()) / 2, (height() - panPanel->height()) / 2);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    imgMap->Picture().fill(kHav);
    imgMap->update();

    TSettingsStore store;
    const auto flag = [&store](const char* name) {
        return store.ReadNumber(QStringLiteral("Options"), QString::fromLatin1(name)).value_or(1) ==
               1;
    };
    MusicOn = flag("Music");
    SoundsOn = flag("Sounds");
    ShowTimer = flag("Timer");
    LanguageIndex =
        store.ReadNumber(QStringLiteral("Languages"), QStringLiteral("From")).value_or(2);
    if (LanguageIndex != 42 && (LanguageIndex < 1 || LanguageIndex > kLanguageCount)) {
        // A damaged setting must not lock the player out: the default is
        // stored in its place, so the message comes once.
        LanguageIndex = 2;
        try {
            store.WriteText(QStringLiteral("Languages"), QStringLiteral("From"),
                            QString::number(LanguageIndex));
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
            inner.Klar();
            lstParts->clear();
            for (int n = 27; n <= 33; ++n) {
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
    if (n < 1 || n > 7)
        return;
    QPainter p(&imgMap->Picture());
    p.drawImage(MapOffsetX, MapOffsetY, Varldsbild(n));
    p.end();
    imgMap->update();
}

void TfrmHuvudmeny::SattVarldsdel(int n) {
    VarldsdelNr = n;
    RitaVarldsbild(n);
    if (n >= 1 && n <= 7)
        lstParts->setCurrentRow(n - 1);
    FyllOvningslista(n);
    PlaySound(QStringLiteral("Plopp.WAV"), 2);
}

void TfrmHuvudmeny::FyllOvningslista(int n) {
    cboOvningar->clear();
    const QString kod = n >= 1 && n <= 7 ? QString::fromLatin1(kVarldsdelar[n - 1].kod) : QString();
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
        for (int n : {5, 3, 2, 4, 1, 6})
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
    if (startar_)
        return;
    QListWidgetItem* item = cboOvningar->currentItem();
    if (!item || cboOvningar->currentRow() < 0) {
        ShowMessageBox(this, TBoxKind::Information, LangText(26));
        return;
    }
    const QString text = item->text();
    const QScopedValueRollback<bool> startar(startar_, true);
    TVanta vanta;
    try {
        std::shared_ptr<COvning> ovning = ovningar_ ? ovningar_->HittaOvning(text) : nullptr;
        if (!ovning)
            throw EGlobina(
                QStringLiteral("The exercise \"%1\" is not in the catalogue.").arg(text));
        const int kind = ovning->Typ == QLatin1String("MULTI")   ? kMultiKind
                         : ovning->Typ == QLatin1String("FLAGG") ? kFlagKind
                                                                 : kMapKind;
        if (!startare_)
            throw EGlobina(QStringLiteral("No exercise screens are available."));
        // Stored before the start, so that activating the menu meanwhile releases it.
        startare_(ovning, this, [this, kind](QWidget* skarm) { skarmar_[kind] = skarm; });
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
            for (std::shared_ptr<COvning> e = ovningar_->Forsta; e; e = e->Nasta)
                rader.push_back({e->Nummer, e->NamnNu()});
        lista.LoadScores(ScoreFileName(), rader);
    } catch (const std::exception& e) {
        ShowMessageBox(this, TBoxKind::Error, FelText(e));
        return;
    }
    lista.exec();
}
