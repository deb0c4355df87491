// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Misstagsregister.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TFragaLogg Fraga(const QString& item, int tries, const QStringList& given = {}) {
    QStringList names;
    for (const QString& g : given)
        names << g.toLower();
    return {item, item.toLower(), tries, given, names};
}

TSpelLogg Spel(const QString& part, const QString& kind, std::vector<TFragaLogg> fragor,
               int32_t ovning = 1) {
    return {ovning, kind, part, false, std::move(fragor)};
}

using Missad = std::tuple<QString, QString, int32_t, int32_t>;
std::vector<Missad> Missade(TMisstagsregister& r, const QString& part, const QString& kind = {}) {
    std::vector<Missad> rows;
    for (const TMissatObjekt& m : r.MestMissade(part, kind))
        rows.emplace_back(m.Objekt, m.Namn, m.Fragad, m.ForstaForsok);
    return rows;
}

using Forvaxlad = std::tuple<QString, QString, int32_t>;
std::vector<Forvaxlad> Forvaxlade(TMisstagsregister& r, const QString& part,
                                  const QString& kind = {}) {
    std::vector<Forvaxlad> rows;
    for (const TForvaxling& f : r.Forvaxlingar(part, kind))
        rows.emplace_back(f.Namn, f.GivetNamn, f.Antal);
    return rows;
}

} // namespace

TEST(Misstagsregister, ScriptedGamesGiveTheMissesAndConfusionsOfTheirPartAndKind) {
    TestDir dir;
    QStringList messages;
    TMisstagsregister r(dir.Path("sub/m.sqlite"), [&](const QString& m) { messages << m; });
    // SI asked three times: right first once; twice taken for SK, once for
    // HR; the click on no area ("") and the asked item itself are no confusion.
    ASSERT_TRUE(
        r.Spara(Spel("EUR", "AREA",
                     {Fraga("SI", 3, {"SK", "", "SI"}), Fraga("SE", 1), Fraga("SK", 2, {"SI"})})));
    ASSERT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga("SK", 1), Fraga("SI", 3, {"SK", "HR"})})));
    ASSERT_TRUE(r.Spara(Spel("EUR", "FLAGG", {Fraga("SI", 1), Fraga("FR", 2, {"IT"})}, 5)));
    // Neither a practice game nor another part counts here.
    TSpelLogg practice = Spel("EUR", "AREA", {Fraga("SE", 4, {"NO"})});
    practice.Ovningsspel = true;
    EXPECT_FALSE(r.Spara(practice));
    ASSERT_TRUE(r.Spara(Spel("AFR", "AREA", {Fraga("EG", 2, {"LY"})})));

    EXPECT_EQ(Missade(r, "EUR", "AREA"),
              (std::vector<Missad>{{"SI", "si", 2, 0}, {"SK", "sk", 2, 1}}));
    EXPECT_EQ(Missade(r, "EUR"),
              (std::vector<Missad>{{"SI", "si", 3, 1}, {"FR", "fr", 1, 0}, {"SK", "sk", 2, 1}}));
    EXPECT_EQ(Forvaxlade(r, "EUR", "AREA"),
              (std::vector<Forvaxlad>{{"si", "sk", 2}, {"si", "hr", 1}, {"sk", "si", 1}}));
    EXPECT_EQ(Forvaxlade(r, "AFR"), (std::vector<Forvaxlad>{{"eg", "ly", 1}}));
    EXPECT_TRUE(Missade(r, "ASI").empty());
    EXPECT_EQ(r.OvningFor("EUR", "FLAGG", {"FR", "SI"}), 5);
    EXPECT_EQ(r.OvningFor("EUR", "AREA", {"SI"}), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST(Misstagsregister, DamagedFileIsCopiedAsideOnceAndTheGameIsStoredInANewOne) {
    TestDir dir;
    const QString path = dir.Path("m.sqlite");
    QByteArray real;
    {
        TMisstagsregister r(path);
        for (int i = 0; i < 50; ++i)
            ASSERT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga(QString("I%1").arg(i), 2, {"X"})})));
        real = ReadAll(path);
    }
    const std::pair<const char*, QByteArray> damages[] = {
        {"not a database", QByteArray(4096, 'x')},
        {"cut short", real.left(real.size() / 2)},
        {"pages overwritten", real.left(4096) + QByteArray(real.size() - 4096, '\x5a')},
    };
    for (const auto& [what, bytes] : damages) {
        SCOPED_TRACE(what);
        dir.Write("m.sqlite", bytes);
        QFile::remove(path + ".damaged");
        QStringList messages;
        TMisstagsregister r(path, [&](const QString& m) { messages << m; });
        EXPECT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga("SI", 2, {"SK"})})));
        EXPECT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga("SI", 1)})));
        EXPECT_EQ(ReadAll(path + ".damaged"), bytes);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains("m.sqlite.damaged")) << messages[0].toStdString();
        EXPECT_EQ(Missade(r, "EUR"), (std::vector<Missad>{{"SI", "si", 2, 1}}));
    }
}

TEST(Misstagsregister, KilledInTheMiddleOfAGameLosesNoEarlierGame) {
    TestDir dir;
    const QString path = dir.Path("m.sqlite");
    const QString writer = QCoreApplication::applicationDirPath() + "/misstag_writer";
    int reported = 0;
    for (int round = 0; round < 200; ++round) {
        QProcess child;
        child.start(writer, {path});
        ASSERT_TRUE(child.waitForStarted());
        // Two games stored tell how long one takes; the kill then falls
        // anywhere in the next two.
        QByteArray out;
        QElapsedTimer clock;
        while (out.count('\n') < 2) {
            ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().data();
            out += child.readAllStandardOutput();
            if (!clock.isValid())
                clock.start();
        }
        const qint64 game = std::max<qint64>(clock.nsecsElapsed(), 1000000);
        QThread::usleep(QRandomGenerator::global()->bounded(2 * game) / 1000);
        child.kill();
        child.waitForFinished();
        out += child.readAllStandardOutput();
        reported += out.trimmed().split('\n').last().toInt();
        ASSERT_EQ(child.readAllStandardError(), QByteArray());
    }
    TMisstagsregister r(path);
    const std::vector<TMissatObjekt> items = r.MestMissade("EUR", {}, 100);
    ASSERT_EQ(items.size(), 40u);
    // Every game whole: each of its 40 items asked once more; at most one
    // game per round committed before its count was printed.
    for (const TMissatObjekt& m : items) {
        EXPECT_EQ(m.Fragad, items[0].Fragad);
        EXPECT_GE(m.Fragad, reported);
        EXPECT_LE(m.Fragad, reported + 200);
    }
}

// A commit that another program's open read keeps waiting is no stored game:
// it is reported once, nothing of it stays, and the next game stores.
TEST(Misstagsregister, AGameThatCannotBeCommittedIsReportedAndLeavesNothing) {
    TestDir dir;
    const QString path = dir.Path("m.sqlite");
    QStringList messages;
    TMisstagsregister r(path, [&](const QString& m) { messages << m; });
    ASSERT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga("SI", 2, {"SK"})})));
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "reader");
        reader.setDatabaseName(path);
        ASSERT_TRUE(reader.open());
        ASSERT_TRUE(reader.transaction());
        QSqlQuery hold(reader);
        ASSERT_TRUE(hold.exec("SELECT count(*) FROM games") && hold.next());
        EXPECT_FALSE(r.Spara(Spel("EUR", "AREA", {Fraga("HR", 3, {"RS"})})));
        hold.finish();
        reader.rollback();
        reader.close();
    }
    QSqlDatabase::removeDatabase("reader");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga("SI", 1)})));
    EXPECT_EQ(Missade(r, "EUR"), (std::vector<Missad>{{"SI", "si", 2, 1}}));
}
