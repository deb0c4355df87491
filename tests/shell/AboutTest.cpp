// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/About.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <QUrl>
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
    QStringList lines;
    for (int i = 0; i < about->cboLanguage->count(); ++i)
        lines << about->cboLanguage->itemText(i);
    EXPECT_EQ(lines.join(' '), "Danish Dutch English French German Italian Spanish Swedish");
    EXPECT_EQ(about->cboLanguage->currentIndex(), 2); // English, matched by its text
    EXPECT_EQ(about->lblVersion->text(), "Globina version  3.00");
    // Cancel keeps the globals, and the next show takes them again.
    about->chkSound->setChecked(false);
    about->hide();
    EXPECT_TRUE(SoundsOn);
    about->show();
    EXPECT_TRUE(about->chkSound->isChecked());

    about->chkMusic->setChecked(false);
    about->Ok();
    EXPECT_EQ(std::pair(MusicOn, SoundsOn), std::pair(false, true));
    EXPECT_EQ((QStringList{Stored("Options/Music"), Stored("Options/Sounds"),
                           Stored("Options/Timer"), Stored("Languages/From")}),
              (QStringList{"0", "1", "1", ""}));
    EXPECT_EQ(std::tuple(redraws, about->isVisible(), boxes.size()), std::tuple(0, false, 0));
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

TEST_F(AboutTest, ChangingTheLanguageStoresItAndRedrawsTheMenu) {
    about->show();
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("Swedish"));
    about->Ok();
    EXPECT_EQ(std::tuple(LanguageIndex, Stored("Languages/From"), redraws), std::tuple(1, "1", 1));
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

TEST_F(AboutTest, EscapeClosesAsCancelAndTheDialogHasNoTitleBarButtons) {
    about->show();
    about->chkSound->setChecked(false);
    about->cboLanguage->setCurrentIndex(about->cboLanguage->findText("German"));
    QTest::keyClick(about.get(), Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(std::tuple(SoundsOn, LanguageIndex, redraws), std::tuple(true, 2, 0));
    EXPECT_EQ(Stored("Options/Sounds"), "");
    // A title only: the frame offers neither system menu nor a button.
    const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    EXPECT_TRUE(about->windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_FALSE(about->windowFlags() & buttons);
}

TEST_F(AboutTest, EverySourceIsCreditedWithItsLicenceAndALinkToItsPage) {
    QStringList opened;
    const TShellHook oldShell = SetShellHook([&](const QString& url) { opened << url; });
    about->show();
    ASSERT_EQ(about->lblSources.size(), TfrmAbout::kSources.size());
    for (QLabel* label : about->lblSources) {
        QTest::mouseClick(label, Qt::LeftButton);
        // Every line fits the dialog between its two dark bands.
        EXPECT_LE(label->geometry().right(), 468) << label->text().toStdString();
    }
    SetShellHook(oldShell);
    ASSERT_EQ(opened.size(), qsizetype(TfrmAbout::kSources.size()));
    QSet<QString> hosts;
    for (size_t i = 0; i < TfrmAbout::kSources.size(); ++i) {
        const TfrmAbout::TSource& source = TfrmAbout::kSources[i];
        const QUrl url(opened[i]);
        EXPECT_EQ(url.scheme(), "https") << opened[i].toStdString();
        // Hosts reserved for examples lead nowhere.
        for (const char* reserved : {"example.org", "example.com", "example.net", "localhost"})
            EXPECT_FALSE(url.host().endsWith(reserved)) << opened[i].toStdString();
        hosts << url.host();
        const QString shown = about->lblSources[i]->text();
        EXPECT_TRUE(shown.contains(source.Name.toHtmlEscaped()) && shown.contains(source.Licence))
            << shown.toStdString();
    }
    EXPECT_EQ(hosts.size(), opened.size());
    EXPECT_TRUE(about->lblCopyright->text().contains("GPL"));
}
