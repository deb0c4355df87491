// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFile.h"
#include "data/Errors.h"
#include "data/Helpers.h"
#include "scores/ScoreLocation.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::pair<int32_t, QString> Entry(const TScoreTable& t, int e, int p) {
    return {t(e, p).Score, t(e, p).Signatur};
}

class ScoreFile : public ::testing::Test {
protected:
    TestDir dir;
    const QString path = dir.Path("scores.hgh");
    TScoreTable table;
};

} // namespace

TEST(ScoreCoding, SecondsAreHeldInRangeSoEveryResultDecodes) {
    for (int percent : {0, 1, 50, 100}) {
        const int32_t most = percent == 0 ? 99899 : 99998;
        for (int32_t seconds : {0, 1, 99899, 99900, 99998, 99999, 100000}) {
            const int32_t score = MakeScore(percent, seconds);
            EXPECT_EQ(std::pair(ScorePercent(score), ScoreSeconds(score)),
                      std::pair(percent, std::clamp(seconds, 1, most)))
                << percent << " " << seconds;
        }
    }
    // Files written before may hold a 0-second result: one percent more.
    EXPECT_EQ(std::pair(ScorePercent(8800000), ScoreSeconds(8800000)), std::pair(88, 0));
    // A bare percentage, 100 % among them, has no time.
    for (int32_t bare : {0, 75, 100})
        EXPECT_EQ(std::pair(ScorePercent(bare), ScoreSeconds(bare)), std::pair(bare, kNoTime));
}

TEST_F(ScoreFile, WritesEveryPlaceAsFourCrLfLines) {
    table(1, 1) = {MakeScore(87, 65), QStringLiteral("XYZ")};
    table(90, 10) = {MakeScore(3, 99998), QStringLiteral("Okänd")};
    table(120, 3) = {MakeScore(50, 7), QStringLiteral("New")};
    SaveScores(table, path);

    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("1\r\n1\r\nXYZ\r\n8799935\r\n1\r\n2\r\n\r\n0\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    // A reader of 90 exercises finds them in the first 900 records, in order,
    // and only higher exercises after them, which it skips.
    const QList<QByteArray> lines = bytes.split('\n');
    EXPECT_EQ(lines[3596] + lines[3597] + lines[3598] + lines[3599], "90\r10\rOk\xe4nd\r300002\r");
    for (qsizetype i = 0; i + 4 < lines.size(); i += 4) {
        const int e = lines[i].trimmed().toInt(), p = lines[i + 1].trimmed().toInt();
        if (i < 3600)
            ASSERT_EQ(std::pair(e, p), std::pair(int(i / 40 + 1), int(i / 4 % 10 + 1))) << i;
        else
            ASSERT_GT(e, 90) << i;
    }

    // Signatures come back as written, but as one line of at most 50 bytes of
    // the code page.
    table(2, 1).Signatur = QString(60, QLatin1Char('a'));
    table(2, 2).Signatur = QStringLiteral("Ж€\nx");
    SaveScores(table, path);
    TScoreTable back;
    ReadScores(back, path);
    table(2, 1).Signatur.truncate(50);
    table(2, 2).Signatur = QStringLiteral("?€?x");
    for (int e = 1; e <= kScoreExercises; ++e)
        for (int p = 1; p <= kScorePlaces; ++p)
            EXPECT_EQ(Entry(back, e, p), Entry(table, e, p));
}

TEST_F(ScoreFile, AFileOfNinetyExercisesReadsAndSavesUnchanged) {
    // The layout files had before the table grew: 900 records, every place.
    QByteArray old;
    for (int e = 1; e <= 90; ++e)
        for (int p = 1; p <= 10; ++p)
            old += QByteArray::number(e) + "\r\n" + QByteArray::number(p) + "\r\n" +
                   (p == 1 ? "Sig" + QByteArray::number(e) : QByteArray()) + "\r\n" +
                   (p == 1 ? QByteArray::number(MakeScore(e, 30)) : "0") + "\r\n";
    dir.Write("scores.hgh", old);
    ReadScores(table, path);
    EXPECT_EQ(Entry(table, 90, 1), std::pair(MakeScore(90, 30), QStringLiteral("Sig90")));
    SaveScores(table, path);
    EXPECT_TRUE(ReadAll(path).startsWith(old));
}

TEST_F(ScoreFile, ReadsRecordsInAnyOrderAndSkipsOutOfRangeOnes) {
    dir.Write("scores.hgh", "3\r\n1\r\nQRS\r\n9599940\r\n"
                            "201\r\n1\r\nFAR\r\n5\r\n"
                            "120\r\n1\r\nNEAR\r\n6\r\n"
                            "  3 \r\n\r\n 11\r\n\r\n7\r\n"
                            "2\n4\n  lf only  \n-7\n"
                            "2\r\n4\r\nlater\r\n8\r\n"
                            "5\r\n5\r\n" +
                                QByteArray(60, 'b') + "\r\n700000\r\n\r\n\r\n");
    ReadScores(table, path);
    EXPECT_EQ(Entry(table, 3, 1), std::pair(9599940, QStringLiteral("QRS")));
    EXPECT_EQ(Entry(table, 2, 4), std::pair(8, QStringLiteral("later")));
    EXPECT_EQ(table(5, 5).Signatur, QString(50, QLatin1Char('b')));
    EXPECT_EQ(std::pair(table(3, 2).Score, table(90, 1).Score), std::pair(0, 0));
    EXPECT_EQ(Entry(table, 120, 1), std::pair(6, QStringLiteral("NEAR")));
    // What lies beyond the table (a later program's records) outlives a save.
    SaveScores(table, path);
    EXPECT_TRUE(ReadAll(path).endsWith("\r\n0\r\n201\r\n1\r\nFAR\r\n5\r\n3\r\n11\r\n\r\n7\r\n"));
}

TEST_F(ScoreFile, TypedGamesListsComeAfterTheClickedOnesAndSurviveBothWays) {
    table(5, 1) = {MakeScore(70, 40), QStringLiteral("Click")};
    SaveScores(table, path);
    const QByteArray clicked = ReadAll(path);
    const int typed = kTypedScores + 5;
    EXPECT_EQ(PlaceScore(table, typed, MakeScore(80, 50)), 1);
    table(typed, 1).Signatur = QStringLiteral("Typed");
    EXPECT_EQ(PlaceScore(table, typed, MakeScore(60, 50)), 2);
    SaveScores(table, path);
    // The clicked lists stay where they were; after them only the places
    // that hold a result, as numbers beyond 200 that a reader of 200
    // exercises keeps and writes back.
    EXPECT_EQ(ReadAll(path), clicked + "1005\r\n1\r\nTyped\r\n" +
                                 QByteArray::number(MakeScore(80, 50)) + "\r\n1005\r\n2\r\n\r\n" +
                                 QByteArray::number(MakeScore(60, 50)) + "\r\n");
    TScoreTable back;
    ReadScores(back, path);
    EXPECT_EQ(Entry(back, typed, 1), std::pair(MakeScore(80, 50), QStringLiteral("Typed")));
    EXPECT_EQ(Entry(back, 5, 1), std::pair(MakeScore(70, 40), QStringLiteral("Click")));
    EXPECT_TRUE(back.Kept.isEmpty());

    // Today's file, with a record beyond both ranges, reads with the typed
    // lists empty and keeps that record.
    dir.Write("scores.hgh", clicked + "1601\r\n1\r\nFAR\r\n5\r\n");
    TScoreTable today;
    ReadScores(today, path);
    EXPECT_EQ(Entry(today, typed, 1), std::pair(0, QString()));
    EXPECT_EQ(today.Kept, QByteArray("1601\r\n1\r\nFAR\r\n5\r\n"));
    for (int beyond : {kTypedScores, kTypedScores + (kAnswerWays - 1) * kScoreExercises + 1})
        EXPECT_THROW(PlaceScore(today, beyond, 5), ERangeError) << beyond;
}

namespace {

// What today's program (lists 1..200 and the typed 1001..1200) makes of a
// file when it reads it and writes it back: those lists in order, the typed
// places that hold a result, then every other record as it came.
QByteArray TodaysRoundTrip(const QByteArray& file) {
    std::map<std::pair<int, int>, std::pair<QByteArray, QByteArray>> lists;
    QByteArray kept;
    const QList<QByteArray> lines = file.split('\n');
    for (int i = 0; i + 3 < lines.size(); i += 4) {
        const auto line = [&](int k) { return lines[i + k].chopped(1); }; // without the CR
        const int e = line(0).toInt(), p = line(1).toInt();
        if ((e > 200 && (e <= 1000 || e > 1200)) || p > 10)
            kept += line(0) + "\r\n" + line(1) + "\r\n" + line(2) + "\r\n" + line(3) + "\r\n";
        else
            lists[{e, p}] = {line(2), line(3)};
    }
    QByteArray out;
    for (int e = 1; e <= 1200; e = e == 200 ? 1001 : e + 1)
        for (int p = 1; p <= 10; ++p) {
            const auto [sig, score] =
                lists.count({e, p}) ? lists[{e, p}] : std::pair<QByteArray, QByteArray>("", "0");
            if (e <= 200 || score != "0" || !sig.isEmpty())
                out += QByteArray::number(e) + "\r\n" + QByteArray::number(p) + "\r\n" + sig +
                       "\r\n" + score + "\r\n";
        }
    return out + kept;
}

} // namespace

TEST_F(ScoreFile, EveryWayOfAnsweringHasItsListAndTodaysProgramKeepsThemBothWays) {
    EXPECT_EQ((std::vector<int>{ScoreListNumber(5, 0), ScoreListNumber(5, 1), ScoreListNumber(5, 2),
                                ScoreListNumber(200, 3)}),
              (std::vector<int>{5, 1005, 1205, 1600}));
    for (int w : {-1, 4})
        EXPECT_THROW(ScoreListNumber(5, w), ERangeError) << w;
    table(5, 1) = {MakeScore(70, 40), QStringLiteral("Click")};
    table(1005, 1) = {MakeScore(60, 40), QStringLiteral("Typed")};
    table(1205, 1) = {MakeScore(50, 40), QStringLiteral("Four")};
    table(1405, 2) = {MakeScore(40, 40), QStringLiteral("Capital")};
    SaveScores(table, path);
    const QByteArray ours = ReadAll(path);
    // Today's program reads it, keeps the lists it does not know as they
    // are and writes back the very same file; read again, nothing is lost.
    EXPECT_EQ(TodaysRoundTrip(ours), ours);
    TScoreTable back;
    ReadScores(back, path);
    for (auto [e, p, sig] :
         {std::tuple{5, 1, "Click"}, {1005, 1, "Typed"}, {1205, 1, "Four"}, {1405, 2, "Capital"}})
        EXPECT_EQ(back(e, p).Signatur, sig) << e;
    EXPECT_TRUE(back.Kept.isEmpty());

    // And a file of today's program, with a record beyond every list, reads
    // with the new lists empty and is written back unchanged.
    TScoreTable todays;
    todays(5, 1) = table(5, 1);
    todays(1005, 1) = table(1005, 1);
    SaveScores(todays, path);
    const QByteArray theirs = TodaysRoundTrip(ReadAll(path) + "1601\r\n1\r\nFAR\r\n5\r\n");
    dir.Write("scores.hgh", theirs);
    TScoreTable read;
    ReadScores(read, path);
    EXPECT_EQ(std::pair(Entry(read, 1005, 1), Entry(read, 1205, 1)),
              std::pair(Entry(todays, 1005, 1), std::pair(0, QString())));
    EXPECT_EQ(read.Kept, QByteArray("1601\r\n1\r\nFAR\r\n5\r\n"));
    SaveScores(read, path);
    EXPECT_EQ(ReadAll(path), theirs);
}

TEST_F(ScoreFile, ReadingStopsAtABadRecordKeepingWhatCameBefore) {
    const QByteArray next = "1\r\n2\r\nB\r\n6\r\n";
    const std::pair<QByteArray, bool> cases[] = {// what follows a good record; a range error?
                                                 {"0\r\n1\r\nX\r\n5\r\n" + next, true},
                                                 {"4\r\n0\r\nX\r\n5\r\n" + next, true},
                                                 {"4\r\n1\r\nX\r\nlots\r\n" + next, false},
                                                 {"4\r\n1\r\nX\r\n99999999999\r\n" + next, false},
                                                 {"4\r\n1\r\nX\r\n", false}}; // cut short
    for (const auto& [tail, rangeError] : cases) {
        dir.Write("scores.hgh", "1\r\n1\r\nA\r\n5\r\n" + tail);
        table = TScoreTable();
        if (rangeError)
            EXPECT_THROW(ReadScores(table, path), ERangeError) << tail.constData();
        else
            EXPECT_THROW(ReadScores(table, path), EInOutError) << tail.constData();
        EXPECT_EQ(std::tuple(table(1, 1).Score, table(1, 2).Score, table(4, 1).Score),
                  std::tuple(5, 0, 0));
    }
}

TEST_F(ScoreFile, AWritableFileInAFolderThatTakesNoNewFileIsRewrittenInPlace) {
    const QString folder = dir.Path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString locked = dir.Write("locked/scores.hgh", "1\r\n1\r\nOLD\r\n5\r\n");
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                     QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(dir.Path(""), all);
    QFile::setPermissions(locked, all | QFileDevice::WriteOther);
    QFile::setPermissions(folder, all & ~QFileDevice::WriteOwner);
    // In a child process as an ordinary user: the superuser writes past any folder permission.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    table(1, 1) = {MakeScore(100, 10), QStringLiteral("NEW")};
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                std::_Exit(3);
            try {
                SaveScores(table, locked);
                TScoreTable back;
                ReadScores(back, locked);
                std::_Exit(back(1, 1).Signatur == "NEW" ? 0 : 1);
            } catch (const EGlobina&) {
                std::_Exit(2);
            }
        },
        ::testing::ExitedWithCode(0), "");
    QFile::setPermissions(folder, all);
}

// A disk that fills while the table is written (here a limit on the size of
// files): the save is reported and the old file stays as it was.
TEST_F(ScoreFile, ASaveThatFailsAfterOpeningIsReportedAndKeepsTheOldFile) {
    const QByteArray old = "1\r\n1\r\nOLD\r\n5\r\n";
    dir.Write("scores.hgh", old);
    table(1, 1) = {MakeScore(100, 10), QStringLiteral("NEW")};
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            signal(SIGXFSZ, SIG_IGN);
            rlimit small;
            small.rlim_cur = small.rlim_max = 1000;
            setrlimit(RLIMIT_FSIZE, &small);
            try {
                SaveScores(table, path);
            } catch (const EInOutError&) {
                std::_Exit(ReadAll(path) == old ? 0 : 1);
            }
            std::_Exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ScoreFile, WholeCopiesLeftByAnInterruptedSaveGoAfterTheNextSave) {
    table(2, 1) = {MakeScore(50, 10), QStringLiteral("Kept")};
    SaveScores(table, path);
    const QByteArray whole = ReadAll(path);
    // Only the first two are whole copies named like one: the player's other files stay.
    for (const char* name : {"scores.hgh.a1B2c3", "scores.hgh.Zz9Yy8", "scores.hgh.damaged",
                             "scores.hgh.a1B2c", "other.hgh.a1B2c3"})
        dir.Write(name, whole);
    dir.Write("scores.hgh.Q1w2E3", whole.left(whole.size() / 2));
    table(2, 1).Signatur = QStringLiteral("Next");
    SaveScores(table, path);
    EXPECT_EQ(QDir(dir.Path("")).entryList(QDir::Files, QDir::Name),
              (QStringList{"other.hgh.a1B2c3", "scores.hgh", "scores.hgh.Q1w2E3",
                           "scores.hgh.a1B2c", "scores.hgh.damaged"}));
}

TEST(ScorePlacing, RanksByPercentThenTimeTiesGoAboveAndAFullListDropsItsLast) {
    TScoreTable table;
    // 90 % in 10 s, 90 % in 20 s, a bare 90 %, 80 % in 5 s, then empty places.
    const int32_t stored[] = {MakeScore(90, 10), MakeScore(90, 20), 90, MakeScore(80, 5)};
    for (int i = 0; i < 4; ++i)
        table(7, i + 1) = {stored[i], QString::number(i + 1)};
    const std::pair<int32_t, int> cases[] = {
        {MakeScore(90, 20), 2},    // a tie goes above
        {MakeScore(90, 99998), 3}, // any timed 90 % beats a bare 90 %
        {MakeScore(89, 1), 4},
        {MakeScore(0, 99899), 5}, // an empty place takes anything
        {-1, 0},
    };
    for (auto [score, rank] : cases) {
        TScoreTable t = table;
        EXPECT_EQ(PlaceScore(t, 7, score), rank) << score;
        if (rank > 0) {
            EXPECT_EQ(t(7, rank).Score, score);
            EXPECT_EQ(t(7, rank + 1).Signatur, rank <= 4 ? QString::number(rank) : QString());
        }
    }

    for (int p = 1; p <= kScorePlaces; ++p)
        table(1, p) = {MakeScore(100 - p, 30), QString::number(p)};
    EXPECT_EQ(PlaceScore(table, 1, MakeScore(50, 30)), 0);
    EXPECT_EQ(PlaceScore(table, 1, MakeScore(90, 29)), 10);
    EXPECT_EQ(std::pair(table(1, 9).Signatur, table(1, 10).Score),
              std::pair(QStringLiteral("9"), MakeScore(90, 29)));
    EXPECT_THROW(PlaceScore(table, kScoreExercises + 1, 5), ERangeError);
}

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
