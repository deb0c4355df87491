// The whole program on the shipped assets: the main menu starts one exercise
// of each kind, a player answers every question right, signs the result in
// the top-ten screen and finds it in the highscore file and the top list.
// The binary lives in a folder of its own, so its "scores.hgh" is its own.
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "scores/ScoreFile.h"
#include "scores/Tioitopp.h"
#include "scores/Topplista.h"
#include "screens/OvningFlagga.h"
#include "screens/OvningKarta.h"
#include "screens/OvningMulti.h"
#include "screens/Skarmstart.h"
#include "shell/Huvudmeny.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Signs the top-ten screen as soon as it is up, with Enter.
void SignWhenAsked(const QString& signature, bool* signedIt) {
    QTimer::singleShot(50, [=] {
        auto* dialog = qobject_cast<TfrmTioitopp*>(QApplication::activeModalWidget());
        if (!dialog) {
            SignWhenAsked(signature, signedIt);
            return;
        }
        dialog->txtNySignatur->setText(signature);
        QTest::keyClick(dialog->txtNySignatur, Qt::Key_Return);
        *signedIt = true;
    });
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.Path("config"));
        QFile::remove(ProgramFolder() + "/scores.hgh");
        old = SetMessageBoxHook([this](TBoxKind, const QString& text) { boxes << text; });
        menu = new TfrmHuvudmeny(nullptr, StartaOvningsskarm);
        frmHuvudmeny = menu;
        menu->show();
        ASSERT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    }
    void TearDown() override {
        delete menu;
        SetMessageBoxHook(old);
    }

    // A press on the small world map at a pixel of the part's own land.
    void PressPart(int part) {
        const QImage& picture = menu->Varldsbild(part);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) == qRgb(0, 255, 0) &&
                    menu->Varldsbild(7).pixel(x, y) == qRgb(0, 255, 0)) {
                    const QPoint at(x + menu->MapOffsetX, y + menu->MapOffsetY);
                    if (menu->imgMap->rect().contains(at)) {
                        QTest::mouseClick(menu->imgMap, Qt::LeftButton, {}, at);
                        if (menu->VarldsdelNr == part)
                            return;
                    }
                }
        FAIL() << "no land pixel of part " << part;
    }

    // Picks the exercise by its English name and starts it.
    template <class Screen> Screen* Start(const QString& name) {
        const auto found = menu->cboOvningar->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        if (found.isEmpty())
            return nullptr;
        menu->cboOvningar->setCurrentItem(found[0]);
        QTest::mouseClick(menu->cmdStarta, Qt::LeftButton);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<Screen*>(w); s && s->isVisible())
                return s;
        ADD_FAILURE() << "no screen for " << name.toStdString();
        return nullptr;
    }

    void ExpectSigned(int nummer, const QString& signature) {
        TScoreTable table;
        ReadScores(table, ProgramFolder() + "/scores.hgh");
        EXPECT_EQ(table(nummer, 1).Signatur, signature);
        EXPECT_EQ(ScorePercent(table(nummer, 1).Score), 100);
    }

    TestDir dir;
    TfrmHuvudmeny* menu = nullptr;
    QStringList boxes;
    TMessageBoxHook old;
};

} // namespace

TEST_F(EndToEnd, OneGameOfEachKindEntersTheHighscoresAndTheTopList) {
    bool signedIt = false;

    // Countries: the Nordic countries on the Europe map.
    PressPart(1);
    auto* karta = Start<TfrmOvningKarta>("The Nordic countries");
    ASSERT_TRUE(karta);
    auto* area = dynamic_cast<COvningLandArea*>(karta->Ovning());
    ASSERT_TRUE(area);
    const int areaNummer = area->Nummer;
    SignWhenAsked("Countries", &signedIt);
    for (int i = 0; i < 10 && !area->Slut; ++i) {
        const CArea* asked = karta->Karta()->Landareor->Hitta(area->FragaNamn);
        ASSERT_TRUE(asked);
        const QPoint at(karta->Karta()->XKoord(asked->Fyllpunkt1.Lat, asked->Fyllpunkt1.Lon),
                        karta->Karta()->YKoord(asked->Fyllpunkt1.Lat));
        QTest::mouseClick(karta->imgKarta, Qt::LeftButton, {}, at);
    }
    EXPECT_TRUE(area->Slut);
    EXPECT_TRUE(signedIt);
    EXPECT_EQ(karta->lblFraga->text(), "-");
    karta->close();
    ExpectSigned(areaNummer, "Countries");

    // Places: the capitals of South America on the world map.
    PressPart(3);
    karta = Start<TfrmOvningKarta>("Capitals of South America");
    ASSERT_TRUE(karta);
    auto* ort = dynamic_cast<COvningOrt*>(karta->Ovning());
    ASSERT_TRUE(ort);
    signedIt = false;
    SignWhenAsked("Places", &signedIt);
    for (int i = 0; i < 30 && !ort->Slut; ++i) {
        ASSERT_TRUE(ort->Plats);
        const QPoint at(karta->Karta()->XKoord(ort->Plats->Latitud, ort->Plats->Longitud),
                        karta->Karta()->YKoord(ort->Plats->Latitud));
        QTest::mouseClick(karta->imgKarta, Qt::LeftButton, {}, at);
    }
    EXPECT_TRUE(ort->Slut);
    EXPECT_TRUE(signedIt);
    karta->close();
    ExpectSigned(ort->Nummer, "Places");

    // Flags of South America.
    auto* flaggor = Start<TfrmOvningFlagga>("Flags of South America");
    ASSERT_TRUE(flaggor);
    auto* flagga = dynamic_cast<COvningFlagga*>(flaggor->Ovning());
    ASSERT_TRUE(flagga);
    signedIt = false;
    SignWhenAsked("Flags", &signedIt);
    for (int i = 0; i < 16 && !signedIt; ++i) {
        const int cell = flagga->FragaNr - 1;
        const QPoint at(static_cast<int>((cell % 4 + 0.5) * flaggor->Rutbredd),
                        static_cast<int>((cell / 4 + 0.5) * flaggor->Ruthojd));
        QTest::mouseClick(flaggor->imgFlags, Qt::LeftButton, {}, at);
    }
    EXPECT_TRUE(signedIt);
    flaggor->close();
    ExpectSigned(flagga->Nummer, "Flags");

    // Capitals and countries of Oceania, answered with the digit keys.
    PressPart(6);
    auto* multi = Start<TfrmOvningMulti>("Oceania: capitals and countries");
    ASSERT_TRUE(multi);
    auto* fraga = dynamic_cast<COvningMulti*>(multi->Ovning());
    ASSERT_TRUE(fraga);
    signedIt = false;
    SignWhenAsked("Choices", &signedIt);
    for (int i = 0; i < 20 && !signedIt; ++i)
        QTest::keyClick(multi, static_cast<Qt::Key>(Qt::Key_0 + fraga->RattPlats));
    EXPECT_TRUE(signedIt);
    multi->close();
    ExpectSigned(fraga->Nummer, "Choices");

    // The top list shows the four results in catalogue order.
    QStringList shown;
    QTimer::singleShot(50, [&] {
        auto* list = qobject_cast<TfrmTopplista*>(QApplication::activeModalWidget());
        ASSERT_TRUE(list);
        for (int row = 0; row < list->grdLista->rowCount(); ++row)
            if (auto* item = list->grdLista->item(row, 2); item && !item->text().isEmpty())
                shown << item->text() + " " + list->grdLista->item(row, 3)->text();
        QTest::keyClick(list, Qt::Key_Return);
    });
    QTest::mouseClick(menu->cmdTioitopp, Qt::LeftButton);
    EXPECT_EQ(shown,
              (QStringList{"Countries 100 %", "Places 100 %", "Flags 100 %", "Choices 100 %"}));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
}
