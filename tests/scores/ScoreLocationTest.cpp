// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreLocation.h"
#include "data/Helpers.h"
#include "platform/MessageBox.h"
#include "scores/ScoreFile.h"
#include "scores/Tioitopp.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(ScoreLocation, BesideAWritableProgramElseInTheDataFolder) {
    TestDir dir;
    const QString root = QFileInfo(dir.Path("x")).absolutePath();
    const QString data = dir.Path("data");
    dir.Write("globina", "not a folder");
    EXPECT_EQ(ScoreFileIn(root, data), root + "/scores.hgh");
    // An installed program's folder that the player cannot write, stood in for
    // by ones that nobody can write, the superuser included.
    EXPECT_EQ(ScoreFileIn(dir.Path("missing"), data), data + "/scores.hgh");
    EXPECT_EQ(ScoreFileIn(dir.Path("globina"), data), data + "/scores.hgh");
    EXPECT_EQ(ScoreFileIn(dir.Path("missing"), ""), dir.Path("missing") + "/scores.hgh");
    // The build folder is writable: its scores stay beside the program.
    EXPECT_EQ(ScoreFileName(), ProgramFolder() + "/scores.hgh");
}

TEST(ScoreLocation, TheFirstSignedResultCreatesTheDataFolder) {
    TestDir dir;
    const QString file = ScoreFileIn(dir.Path("missing"), dir.Path("share/Globina"));
    QStringList boxes;
    const TMessageBoxHook old =
        SetMessageBoxHook([&](TBoxKind, const QString& text) { boxes << text; });
    TfrmTioitopp form;
    form.ExerciseNo = 5;
    form.EnterResult(file, MakeScore(90, 42));
    EXPECT_FALSE(QFileInfo::exists(dir.Path("share"))); // reading alone makes nothing
    form.txtNySignatur->setText(QStringLiteral("Ann"));
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    SetMessageBoxHook(old);

    TScoreTable back;
    ReadScores(back, file);
    EXPECT_EQ(std::tuple(back(5, 1).Signatur, boxes),
              std::tuple(QStringLiteral("Ann"), QStringList{}));
}
