#include "shell/About.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.Path("config"));
        const char* names[] = {"",        "Swedish", "English", "French", "German",
                               "Spanish", "Italian", "Danish",  "Dutch"};
        for (int i = 1; i <= 8; ++i)
            LanguageNames[i] = names[i];
        LanguageIndex = 2;
        SoundsOn = MusicOn = ShowTimer = true;
        about = std::make_unique<TfrmAbout>();
        about->SetLanguageChanged([this] { ++redraws; });
        old = SetMessageBoxHook([this](TBoxKind, const QString& text) { boxes << text; });
    }
    void TearDown() override { SetMessageBoxHook(old); }

    QString Stored(const QString& key) const {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Globina");
        return s.value(key).toString();
    }

    TestDir dir;
    std::unique_ptr<TfrmAbout> about;
    int redraws = 0;
    QStringList boxes;
    TMessageBoxHook old;
};

} // namespace

TEST_F(AboutTest, ShowsTheSortedLanguagesAndOkWithTheSameLanguageWritesTheFlagsOnly) {
    about->show();
    ASSERT_EQ(about->cboLanguage->count(), 8);
    EXPECT_EQ(about->cboLanguage->itemText(0), "Danish");
    EXPECT_EQ(about->cboLanguage->itemText(7), "Swedish");
    EXPECT_EQ(about->cboLanguage->currentText(), "English");
    EXPECT_EQ(about->lblVersion->text(), "Globina version  3.00");
    // Cancel keeps the globals, and the next show takes them again.
    about->chkSound->setChecked(false);
    about->hide();
    EXPECT_TRUE(SoundsOn);
    about->show();
    EXPECT_TRUE(about->chkSound->isChecked());

    about->chkMusic->setChecked(false);
    about->Ok();
    EXPECT_FALSE(MusicOn);
    EXPECT_TRUE(SoundsOn);
    EXPECT_EQ((QStringList{Stored("Options/Music"), Stored("Options/Sounds"),
                           Stored("Options/Timer"), Stored("Languages/From")}),
              (QStringList{"0", "1", "1", ""}));
    EXPECT_EQ(redraws, 0);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(AboutTest, ChangingTheLanguageStoresItAndRedrawsTheMenu) {
    about->show();
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("Swedish"));
    about->Ok();
    EXPECT_EQ(LanguageIndex, 1);
    EXPECT_EQ(Stored("Languages/From"), "1");
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(TfrmAbout::MakerPage().endsWith("/program/?from=Globina&lang=1"));
    LanguageIndex = 4;
    EXPECT_TRUE(TfrmAbout::MakerPage().endsWith("/software/?from=Globina&lang=4"));
}

TEST_F(AboutTest, AStoreThatCannotBeWrittenIsReported) {
    // A file where the store's folder should be stops even a privileged user.
    dir.Write("blocker", "x");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.Path("blocker/config"));
    about->show();
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("Dutch"));
    about->Ok();
    EXPECT_EQ(boxes, QStringList{"Could not write to the registry"});
    EXPECT_EQ(LanguageIndex, 2); // the failure came before the language step
    EXPECT_EQ(redraws, 0);
    EXPECT_FALSE(about->isVisible());
}

TEST(SettingsStore, ReadsNumbersAndTreatsTheRestAsMissing) {
    TestDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.Path("config"));
    TSettingsStore store;
    EXPECT_FALSE(store.ReadNumber("Options", "Music"));
    store.WriteText("Options", "Music", "0");
    store.WriteText("Options", "Sounds", "yes");
    store.WriteText("Languages", "From", "7");
    EXPECT_EQ(store.ReadNumber("Options", "Music"), 0);
    EXPECT_FALSE(store.ReadNumber("Options", "Sounds"));
    EXPECT_EQ(store.ReadNumber("Languages", "From"), 7);
}
