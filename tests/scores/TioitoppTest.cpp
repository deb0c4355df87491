// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Tioitopp.h"
#include "data/Errors.h"
#include "data/Helpers.h"
#include "platform/Audio.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"
#include "scores/ScoreLocation.h"
#include "scores/Spelare.h"
#include "scores/Topplista.h"
#include "support/Tables.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QByteArray Record(int e, int p, const QByteArray& signature, int32_t score) {
    return QByteArray::number(e) + "\r\n" + QByteArray::number(p) + "\r\n" + signature + "\r\n" +
           QByteArray::number(score) + "\r\n";
}

// Records message boxes and the music started, and puts both back afterwards.
class TopTenScreen : public ::testing::Test {
protected:
    void SetUp() override {
        oldHook_ = SetMessageBoxHook(
            [this](TBoxKind kind, const QString& text) { boxes.emplace_back(kind, text); });
    }
    void TearDown() override { SetMessageBoxHook(oldHook_); }

    // A screen for exercise 5 over a file holding the given records.
    std::unique_ptr<TfrmTioitopp> Open(const QByteArray& file, int32_t score) {
        dir.Write("scores.hgh", file);
        auto form = std::make_unique<TfrmTioitopp>();
        form->Audio = &audio_;
        form->ExerciseNo = 5;
        form->ExerciseName = QStringLiteral("Europas huvudstäder");
        form->EnterResult(path, score);
        return form;
    }

    std::vector<std::pair<TBoxKind, QString>> boxes;
    TMessageBoxHook oldHook_;
    TestDir dir;
    const QString path = dir.Path("scores.hgh");
    TAudio audio_;
    const TMediaPlayer& music = audio_.Music();
};

const QByteArray kThree = Record(5, 1, "A", MakeScore(90, 10)) +
                          Record(5, 2, "B", MakeScore(90, 20)) + Record(5, 3, "C", 75);

} // namespace

TEST_F(TopTenScreen, AQualifyingResultOpensTheEditOverItsRow) {
    auto form = Open(kThree, 75 * 100000 + 1); // ties the bare 75 % at place 3
    EXPECT_EQ(std::tuple(form->NewRank, form->txtNySignatur->isHidden()), std::tuple(3, false));
    EXPECT_EQ(Row(form->grdLista, 0), (QStringList{"1", "A", "90 %", "00:10"}));
    EXPECT_EQ(Row(form->grdLista, 2), (QStringList{"3", "Okänd", "75 %", ""}));
    EXPECT_EQ(Row(form->grdLista, 3), (QStringList{"4", "C", "75 %", ""}));
    EXPECT_EQ(std::tuple(music.OpenCount(), music.FileName(), boxes.size()),
              std::tuple(1, ProgramFolder() + "/good.mid", 0u));
}

TEST_F(TopTenScreen, ScoreMinusOneOnlyShowsTheListAndEscapeOrOkClosesIt) {
    auto form = Open(kThree, -1);
    EXPECT_EQ(std::tuple(form->NewRank, form->txtNySignatur->isHidden(), music.OpenCount()),
              std::tuple(0, true, 0));
    EXPECT_EQ(Row(form->grdLista, 0)[1], "A");
    form->show();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadAll(path), kThree);
    form->cmdOK->click(); // OK writes the list back in full
    TScoreTable back;
    ReadScores(back, path);
    EXPECT_EQ(back(5, 3).Score, 75);
    EXPECT_GT(ReadAll(path).size(), kThree.size());
}

TEST_F(TopTenScreen, TitleBarCloseKeepsTheFileAsItWas) {
    auto form = Open(kThree, MakeScore(99, 1));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::keyClicks(form->txtNySignatur, QStringLiteral("Lost"));
    QTest::keyClick(form.get(), Qt::Key_Escape); // no way out by accident
    EXPECT_TRUE(form->isVisible());
    form->close();
    EXPECT_EQ(std::pair(form->isVisible(), ReadAll(path)), std::pair(false, kThree));
}

TEST_F(TopTenScreen, ADamagedFileIsSetAsideOnceAndTheRecordsBeforeItAndTheNewResultSaved) {
    const QByteArray damaged = kThree + Record(5, 0, "bad", 1) + Record(5, 4, "D", 5);
    auto form = Open(damaged, MakeScore(100, 5));
    ASSERT_EQ(boxes.size(), 1u); // one note naming the copy
    EXPECT_EQ(std::pair(boxes[0].first, boxes[0].second.contains("\"scores.hgh.damaged\"")),
              std::pair(TBoxKind::Information, true));
    EXPECT_EQ(std::tuple(form->NewRank, Row(form->grdLista, 3)[1]), std::tuple(1, "C"));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::keyClicks(form->txtNySignatur, QStringLiteral("Zed"));
    QTest::mouseClick(form->cmdOK, Qt::LeftButton); // the edit loses the focus first
    EXPECT_EQ(std::tuple(form->isVisible(), boxes.size(), ReadAll(path + ".damaged")),
              std::tuple(false, 1u, damaged));
    const auto saved = Open(ReadAll(path), -1);
    EXPECT_EQ(Row(saved->grdLista, 0), (QStringList{"1", "Zed", "100 %", "00:05"}));
    EXPECT_EQ(std::tuple(Row(saved->grdLista, 3)[1], Row(saved->grdLista, 4)[1]),
              std::tuple("C", ""));

    // The same damage again is not copied twice; other damage never overwrites the first copy.
    Open(damaged, -1);
    Open(damaged + "x", -1);
    EXPECT_EQ(std::tuple(ReadAll(path + ".damaged"), ReadAll(path + ".damaged2"),
                         QFile::exists(path + ".damaged3")),
              std::tuple(damaged, damaged + "x", false));
}

TEST_F(TopTenScreen, AFileThatCannotBeWrittenIsReportedAndTheWindowCloses) {
    auto form = Open(kThree, MakeScore(100, 5));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    form->show();
    form->cmdOK->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].second.startsWith(
        QStringLiteral("Could not write to the highscore file. The following error occurred: ")));
    EXPECT_EQ(ReadAll(path), kThree);
}

// Two windows of the program over one file, as on a shared program folder:
// each places its result in the list as the file holds it when it signs. A
// lock left by a killed process does not stand in the way; a live one is
// reported and the file kept.
TEST_F(TopTenScreen, WindowsSigningInTurnKeepEveryResultAndALiveLockIsReported) {
    const QString signer = QCoreApplication::applicationDirPath() + "/score_signer";
    const auto start = [&](QProcess& child, const QStringList& args, const QByteArray& ready) {
        child.start(signer, args);
        ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().data();
        ASSERT_EQ(child.readLine().trimmed(), ready);
    };
    auto form = Open(kThree, MakeScore(96, 20));
    QProcess other;
    start(other, {"sign", path, "5", QString::number(MakeScore(95, 30)), "Bo"}, "open");
    form->txtNySignatur->setText(QStringLiteral("Ann"));
    form->cmdOK->click();
    other.write("\n");
    ASSERT_TRUE(other.waitForFinished(10000));
    EXPECT_EQ(other.readAllStandardOutput().trimmed(), "2"); // and no message box
    TScoreTable back;
    ReadScores(back, path);
    EXPECT_EQ((std::vector<QString>{back(5, 1).Signatur, back(5, 2).Signatur, back(5, 3).Signatur}),
              (std::vector<QString>{"Ann", "Bo", "A"}));

    for (bool killed : {true, false}) {
        QProcess holder;
        start(holder, {"lock", path}, "locked");
        if (killed) {
            holder.kill();
            holder.waitForFinished();
        }
        // The killed round's result stays first through the live round.
        const QByteArray before = ReadAll(path);
        boxes.clear();
        auto late = Open(before, MakeScore(97, 5));
        late->txtNySignatur->setText(QStringLiteral("Cy"));
        late->cmdOK->click();
        ReadScores(back, path);
        EXPECT_EQ(std::tuple(back(5, 1).Signatur, ReadAll(path) == before, boxes.size()),
                  killed ? std::tuple(QStringLiteral("Cy"), false, size_t(0))
                         : std::tuple(QStringLiteral("Cy"), true, size_t(1)));
        holder.kill();
        holder.waitForFinished();
    }
}

TEST_F(TopTenScreen, TheFirstSignedResultCreatesTheDataFolder) {
    const QString file = ScoreFileIn(dir.Path("missing"), dir.Path("share/Globina"));
    TfrmTioitopp form;
    form.ExerciseNo = 5;
    form.EnterResult(file, MakeScore(90, 42));
    EXPECT_FALSE(QFileInfo::exists(dir.Path("share"))); // reading alone makes nothing
    form.txtNySignatur->setText(QStringLiteral("Ann"));
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(ReadAll(file).contains("\r\n" + Record(5, 1, "Ann", MakeScore(90, 42))));
    EXPECT_TRUE(boxes.empty());
}

// Countries typed shows once its list holds a result.
const std::vector<TTopplistaRad> kRader{
    {12, "Capitals"}, {3, "Countries"}, {3, "Countries typed", 1003}, {90, "World"}};

TEST_F(TopTenScreen, TheTopListShowsEachExercisesBestResultInCatalogueOrderAlsoFromADamagedFile) {
    TfrmTopplista list;
    list.LoadScores(path, kRader); // no file yet
    ASSERT_EQ(list.grdLista->rowCount(), 3);
    EXPECT_EQ(Row(list.grdLista, 2), (QStringList{"90", "World", "", "", ""}));
    list.show(); // Escape closes it
    list.grdLista->setFocus();
    QTest::keyClick(list.grdLista, Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());

    TScoreTable table;
    table(3, 1) = {MakeScore(95, 60), "QRS"};
    table(12, 1) = {75, "Old"}; // a bare percentage has no time
    table(12, 2) = {MakeScore(99, 1), "Second place is not shown"};
    table(1003, 1) = {MakeScore(80, 30), "Typist"};
    SaveScores(table, path);
    // A damaged file shows what was read before the damage; the setting aside
    // and its message are the top-ten screen's too (tested there).
    for (bool damaged : {false, true}) {
        if (damaged) // exercise 0: out of range
            dir.Write("scores.hgh", ReadAll(path) + "0\r\n1\r\nAfter\r\n1\r\n");
        TfrmTopplista filled;
        filled.LoadScores(path, kRader);
        EXPECT_EQ(Row(filled.grdLista, 0), (QStringList{"12", "Capitals", "Old", "75 %", ""}));
        EXPECT_EQ(Row(filled.grdLista, 1), (QStringList{"3", "Countries", "QRS", "95 %", "01:00"}));
        EXPECT_EQ(Row(filled.grdLista, 2),
                  (QStringList{"3", "Countries typed", "Typist", "80 %", "00:30"}));
        EXPECT_EQ(QFile::exists(path + ".damaged"), damaged);
    }

    TfrmTopplista beyond;
    EXPECT_THROW(beyond.LoadScores(dir.Path("none.hgh"), {{kScoreExercises + 1, "Beyond"}}),
                 ERangeError);
    boxes.clear(); // the top-ten screen reports the same instead of showing
    ShowTopTen(nullptr, kScoreExercises + 1, QStringLiteral("x"), -1);
    EXPECT_EQ(boxes,
              (std::vector<std::pair<TBoxKind, QString>>{{TBoxKind::Error, "Range check error"}}));
}

// A named player's name is offered for the signature, chosen so that typing
// replaces it; the default player's edit starts empty, as before players.
TEST_F(TopTenScreen, TheSignatureOffersTheNamedPlayersName) {
    const TSpelare standard = AktuellSpelare();
    {
        auto form = Open(kThree, 75 * 100000 + 1);
        EXPECT_EQ(form->txtNySignatur->text(), QString());
    }
    SattAktuellSpelare({QStringLiteral("Zoë \"7B\""), dir.Path("zoe.sqlite")});
    auto form = Open(kThree, 75 * 100000 + 1);
    SattAktuellSpelare(standard);
    EXPECT_EQ(std::pair(form->txtNySignatur->text(), form->txtNySignatur->selectedText()),
              std::pair(QStringLiteral("Zoë \"7B\""), QStringLiteral("Zoë \"7B\"")));
    form->cmdOK->click();
    EXPECT_TRUE(
        ReadAll(path).contains("\r\nZo\xeb \"7B\"\r\n")); // Windows-1252, as every signature
}
