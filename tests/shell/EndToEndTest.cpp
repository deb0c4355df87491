// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on the shipped assets: the main menu starts one exercise
// of each kind, a player answers every question right, signs the result in
// the top-ten screen and finds it in the highscore file and the top list.
// The binary lives in a folder of its own, so its "scores.hgh" is its own.
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"
#include "platform/Image.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreLocation.h"
#include "scores/Tioitopp.h"
#include "scores/Topplista.h"
#include "screens/OvningFlagga.h"
#include "screens/OvningKarta.h"
#include "screens/OvningMulti.h"
#include "screens/Skarmstart.h"
#include "shell/Huvudmeny.h"
#include "support/OwnSettings.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
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

class EndToEnd : public OwnSettingsTest {
protected:
    void SetUp() override {
        OwnSettingsTest::SetUp();
        QFile::remove(ScoreFileName());
        menu = new TfrmHuvudmeny(nullptr, StartaOvningsskarm);
        menu->show();
        ASSERT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    }
    void TearDown() override {
        delete menu;
        OwnSettingsTest::TearDown();
    }

    // A click on the part's line in the parts list.
    void PressPart(int part) {
        const QRect line = menu->lstParts->visualItemRect(menu->lstParts->item(part - 1));
        QTest::mouseClick(menu->lstParts->viewport(), Qt::LeftButton, {}, line.center());
        QCoreApplication::processEvents();
        ASSERT_EQ(menu->VarldsdelNr, part);
    }

    // Starts the exercise with this English name from its part of the world
    // and answers right until the top-ten screen has been signed.
    template <class Screen>
    void Play(int part, const QString& name, const QString& signature,
              const std::function<void(Screen*, COvning&)>& answer) {
        SCOPED_TRACE(name.toStdString());
        PressPart(part);
        const auto found = menu->cboOvningar->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        menu->cboOvningar->setCurrentItem(found[0]);
        QTest::mouseClick(menu->cmdStarta, Qt::LeftButton);
        Screen* screen = nullptr;
        for (int kind = 0; kind < 3 && !screen; ++kind)
            screen = qobject_cast<Screen*>(menu->OppenSkarm(kind));
        ASSERT_TRUE(screen && screen->isVisible());
        COvning* ovning = screen->Ovning();
        bool signedIt = false;
        SignWhenAsked(signature, &signedIt);
        for (int i = 0; i < 40 && !signedIt; ++i)
            answer(screen, *ovning);
        EXPECT_TRUE(signedIt);
        screen->close();
        TScoreTable table;
        ReadScores(table, ScoreFileName());
        EXPECT_EQ(table(ovning->Nummer, 1).Signatur, signature);
        EXPECT_EQ(ScorePercent(table(ovning->Nummer, 1).Score), 100);
    }

    // How many lines of the top list, opened from the menu, hold a result.
    int ResultsListed() {
        int shown = 0;
        QTimer::singleShot(50, [&] {
            auto* list = qobject_cast<TfrmTopplista*>(QApplication::activeModalWidget());
            ASSERT_TRUE(list);
            for (int row = 0; row < list->grdLista->rowCount(); ++row)
                shown +=
                    list->grdLista->item(row, 2) && !list->grdLista->item(row, 2)->text().isEmpty();
            QTest::keyClick(list, Qt::Key_Return);
        });
        QTest::mouseClick(menu->cmdTioitopp, Qt::LeftButton);
        return shown;
    }

    TfrmHuvudmeny* menu = nullptr;
};

// A click on the map screen on the asked area's seed or the asked place.
void ClickAsked(TfrmOvningKarta* screen, COvning& e) {
    const auto* area = dynamic_cast<COvningLandArea*>(&e);
    const CArea* a = area ? screen->Karta()->Landareor->Hitta(area->FragaNamn) : nullptr;
    const COrt* p = area ? nullptr : dynamic_cast<COvningOrt&>(e).Plats;
    const float lat = a ? a->Fyllpunkt1.Lat : float(p->Latitud);
    const float lon = a ? a->Fyllpunkt1.Lon : float(p->Longitud);
    QTest::mouseClick(screen->imgKarta, Qt::LeftButton, {},
                      QPoint(screen->Karta()->XKoord(lat, lon), screen->Karta()->YKoord(lat)));
}

} // namespace

TEST_F(EndToEnd, OneGameOfEachKindEntersTheHighscoresAndTheTopList) {
    Play<TfrmOvningKarta>(1, "The Nordic countries", "Countries", ClickAsked);
    Play<TfrmOvningKarta>(3, "Capitals of South America", "Places", ClickAsked);
    Play<TfrmOvningFlagga>(3, "Flags of South America", "Flags", [](auto* sheet, COvning& e) {
        const int cell = dynamic_cast<COvningFlagga&>(e).FragaNr - 1;
        QTest::mouseClick(sheet->imgFlags, Qt::LeftButton, {},
                          QPoint(static_cast<int>((cell % 4 + 0.5) * sheet->Rutbredd),
                                 static_cast<int>((cell / 4 + 0.5) * sheet->Ruthojd)));
    });
    Play<TfrmOvningMulti>(
        6, "Oceania: capitals and countries", "Choices", [](auto* screen, COvning& e) {
            QTest::keyClick(
                screen, static_cast<Qt::Key>(Qt::Key_0 + dynamic_cast<COvningMulti&>(e).RattPlats));
        });

    // The list's order and texts are the top list's own tests' business.
    EXPECT_EQ(ResultsListed(), 4);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
}
