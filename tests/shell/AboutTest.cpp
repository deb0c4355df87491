// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/About.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "maps/Svarsfarger.h"
#include "platform/Audio.h"
#include "support/OwnSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutTest : public OwnSettingsTest {
protected:
    void SetUp() override {
        OwnSettingsTest::SetUp();
        LanguageNames = {"",        "Swedish", "English", "French", "German",
                         "Spanish", "Italian", "Danish",  "Dutch"};
        LanguageIndex = 2;
        ShowTimer = true;
        about = std::make_unique<TfrmAbout>(nullptr, &audio);
        about->SetLanguageChanged([this] { ++redraws; });
    }

    TAudio audio;
    std::unique_ptr<TfrmAbout> about;
    int redraws = 0;
};

} // namespace

TEST_F(AboutTest, ShowsTheSortedLanguagesEscapeCancelsAndOkStoresTheFlagsAndAnyNewLanguage) {
    about->show();
    QStringList lines;
    for (int i = 0; i < about->cboLanguage->count(); ++i)
        lines << about->cboLanguage->itemText(i);
    EXPECT_EQ(lines.join(' '), "Danish Dutch English French German Italian Spanish Swedish");
    EXPECT_EQ(about->cboLanguage->currentIndex(), 2); // English, matched by its text
    // Escape cancels: the settings stay, and the next show takes them again.
    about->chkSound->setChecked(false);
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("German"));
    QTest::keyClick(about.get(), Qt::Key_Escape);
    EXPECT_EQ(std::tuple(about->isVisible(), audio.SoundsOn(), LanguageIndex, redraws),
              std::tuple(false, true, 2, 0));
    EXPECT_EQ(Stored("Options/Sounds"), "");
    about->show();
    EXPECT_TRUE(about->chkSound->isChecked());

    about->chkMusic->setChecked(false);
    about->Ok();
    EXPECT_EQ(std::pair(audio.MusicOn(), audio.SoundsOn()), std::pair(false, true));
    EXPECT_EQ((QStringList{Stored("Options/Music"), Stored("Options/Sounds"),
                           Stored("Options/Timer"), Stored("Languages/From")}),
              (QStringList{"0", "1", "1", ""}));
    EXPECT_EQ(std::tuple(redraws, about->isVisible(), boxes.size()), std::tuple(0, false, 0));
    // Another language is stored and redraws the menu.
    about->show();
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("Swedish"));
    about->Ok();
    EXPECT_EQ(std::tuple(LanguageIndex, Stored("Languages/From"), redraws), std::tuple(1, "1", 1));
}

TEST_F(AboutTest, OkHasTheFocusWhenTheDialogOpensSoSpaceConfirms) {
    for (int opening = 1; opening <= 2; ++opening) {
        about->show();
        QApplication::setActiveWindow(about.get());
        EXPECT_EQ(QApplication::focusWidget(), about->cmdOK) << opening;
        about->chkMusic->setChecked(opening == 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(std::pair(about->isVisible(), Stored("Options/Music")),
                  std::pair(false, QString::number(opening == 2)))
            << opening;
    }
}

TEST_F(AboutTest, AStoreThatCannotBeWrittenIsReported) {
    // A file where the store's folder should be stops even a privileged user.
    dir.Write("blocker", "x");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.Path("blocker/config"));
    about->show();
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("Dutch"));
    about->Ok();
    EXPECT_EQ(boxes, QStringList{"Could not write to the registry"});
    // The failure came before the language step; the dialog closes all the same.
    EXPECT_EQ(std::tuple(LanguageIndex, redraws, about->isVisible()), std::tuple(2, 0, false));
}

TEST_F(AboutTest, TheCreditsFollowTheLanguageChosenSinceTheLastOpening) {
    for (int l : {1, 2})
        for (int n = TextNo::Sources; n <= TextNo::HelpLine; ++n)
            LanguageTexts(l, n) = QStringLiteral("w%1-%2").arg(n).arg(l);
    LanguageTexts(1, TextNo::Copyright) = "w73 GPL-3.0-or-later";
    about->show();
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("Swedish"));
    about->Ok();
    about->show();
    // The licence's name reads the same but gives no room for a line break.
    const QString copyright = about->lblCopyright->text();
    EXPECT_NE(copyright, LanguageTexts(1, TextNo::Copyright));
    EXPECT_EQ(QString(copyright).remove(QChar(0x2060)), LanguageTexts(1, TextNo::Copyright));
    // The names and licences as their owners write them, the rest Swedish.
    for (size_t i = 0; i < TfrmAbout::kSources.size(); ++i)
        EXPECT_TRUE(about->lblSources[i]->text().contains(
            LanguageTexts(1, TextNo::FirstSourceGave + int(i))))
            << about->lblSources[i]->text().toStdString();
    LanguageTexts.Clear();
}

TEST_F(AboutTest, TheColourBlindSafeColoursBringTheMarksAndBothAreStored) {
    about->show();
    EXPECT_FALSE(about->chkFargblind->isChecked() || about->chkMarken->isChecked());
    about->chkMarken->setChecked(true);
    about->Ok();
    EXPECT_EQ(std::tuple(Svarsfarger::Fargblind, Svarsfarger::Marken, Stored("Options/ColourBlind"),
                         Stored("Options/AnswerMarks")),
              std::tuple(false, true, "0", "1"));
    // With the safe colours the marks come anyway: shown ticked, not to untick.
    about->show();
    about->chkFargblind->setChecked(true);
    EXPECT_TRUE(about->chkMarken->isChecked() && !about->chkMarken->isEnabled());
    about->Ok();
    EXPECT_TRUE(Svarsfarger::Fargblind && Svarsfarger::MarkenPa());
    EXPECT_EQ(Stored("Options/ColourBlind"), "1");
    about->show();
    EXPECT_TRUE(about->chkFargblind->isChecked() && !about->chkMarken->isEnabled());
    Svarsfarger::Fargblind = Svarsfarger::Marken = false;
}
