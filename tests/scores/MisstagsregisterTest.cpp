// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Misstagsregister.h"
#include "Skrivaren.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

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
    // Game by game, the share right at the first try.
    EXPECT_EQ(r.ForstaForsokPerSpel("EUR", "AREA"), (std::vector<double>{1.0 / 3, 0.5}));
    EXPECT_EQ(r.ForstaForsokPerSpel("EUR"), (std::vector<double>{1.0 / 3, 0.5, 0.5}));
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

namespace {

// The version and the number of games and memory states of a file, read
// with a connection of the test's own.
struct TFilinnehall {
    int version = -1;
    int games = -1;
    int states = -1;
};

TFilinnehall Innehall(const QString& path) {
    TFilinnehall i;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "inspect");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec("PRAGMA user_version") && q.next())
                i.version = q.value(0).toInt();
            if (q.exec("SELECT COUNT(*) FROM games") && q.next())
                i.games = q.value(0).toInt();
            if (q.exec("SELECT COUNT(*) FROM memory") && q.next())
                i.states = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase("inspect");
    return i;
}

void Exec(const QString& path, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "edit");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase("edit");
}

// A first-layout file of three games of Europe's areas on three days and
// one flag game: SI Good, then Again two days later, then Hard a day later.
QString ForstaLagetsFil(const TestDir& dir) {
    const QString path = dir.Path("v1.sqlite");
    TMisstagsregister v1(path, nullptr, TMisstagsregister::kForstaSchema);
    EXPECT_TRUE(v1.Spara(Spel("EUR", "AREA", {Fraga("SI", 1), Fraga("SK", 2, {"SI"})})));
    EXPECT_TRUE(v1.Spara(Spel("EUR", "AREA", {Fraga("SI", 3, {"SK", "SK"}), Fraga("SK", 1)})));
    EXPECT_TRUE(v1.Spara(Spel("EUR", "AREA", {Fraga("SI", 2, {"HR"})})));
    EXPECT_TRUE(v1.Spara(Spel("EUR", "FLAGG", {Fraga("SI", 1)}, 5)));
    // Played on 1, 3 and 4 March, shown in the order stored.
    for (auto [id, played] : {std::pair{1, "2026-03-01T10:00:00Z"},
                              {2, "2026-03-03T10:00:00Z"},
                              {3, "2026-03-04T10:00:00Z"},
                              {4, "2026-03-04T11:00:00Z"}})
        Exec(path, QString("UPDATE games SET played = '%1' WHERE id = %2").arg(played).arg(id));
    return path;
}

std::optional<TMinnesrad> Rad(const std::vector<TMinnesrad>& rader, const QString& objekt,
                              const QString& satt) {
    for (const TMinnesrad& r : rader)
        if (r.Objekt == objekt && r.Satt == satt)
            return r;
    return std::nullopt;
}

} // namespace

TEST(Misstagsregister, AFirstLayoutFileIsMigratedWithItsAnswersInTheOrderPlayed) {
    TestDir dir;
    const QString path = ForstaLagetsFil(dir);
    ASSERT_EQ(Innehall(path).version, 1);
    QStringList messages;
    TMisstagsregister r(path, [&](const QString& m) { messages << m; });
    const std::vector<TMinnesrad> rader = r.Minnen("EUR");
    const TFilinnehall after = Innehall(path);
    EXPECT_EQ(after.version, 2);
    EXPECT_EQ(after.games, 4);
    EXPECT_EQ(Missade(r, "EUR", "AREA"),
              (std::vector<Missad>{{"SI", "si", 3, 1}, {"SK", "sk", 2, 1}}));
    ASSERT_EQ(rader.size(), 3u); // SI and SK on the map, SI's flag
    const TFsrs f;
    TMinne si = f.Efter({}, TBetyg::Good, 0);
    si = f.Efter(si, TBetyg::Again, 2);
    si = f.Efter(si, TBetyg::Hard, 1);
    const auto map = Rad(rader, "SI", "map");
    ASSERT_TRUE(map);
    EXPECT_DOUBLE_EQ(map->Minne.Stabilitet, si.Stabilitet);
    EXPECT_DOUBLE_EQ(map->Minne.Svarighet, si.Svarighet);
    EXPECT_EQ(map->Senast,
              QDateTime::fromString("2026-03-04T10:00:00Z", Qt::ISODate).toLocalTime().date());
    EXPECT_EQ(map->Forfaller, map->Senast.addDays(f.Intervall(si.Stabilitet)));
    EXPECT_EQ(map->SenastForsok, 2);
    const auto flag = Rad(rader, "SI", "flag");
    ASSERT_TRUE(flag);
    EXPECT_EQ(flag->Ovning, 5);
    EXPECT_DOUBLE_EQ(flag->Minne.Stabilitet, f.Efter({}, TBetyg::Good, 0).Stabilitet);
    EXPECT_TRUE(messages.isEmpty());
}

TEST(Misstagsregister, EveryAnswerMovesItsStateAndDueItemsComeMostOverdueFirst) {
    TestDir dir;
    TMisstagsregister r(dir.Path("m.sqlite"));
    const QDate today = QDate::currentDate();
    EXPECT_FALSE(r.HarSpelat());
    EXPECT_EQ(r.AntalForfallna(today.addDays(100)), 0);
    ASSERT_TRUE(r.Spara(Spel("EUR", "AREA",
                             {Fraga("SE", 1), Fraga("SI", 4, {"SK", "SK", "HR"}),
                              Fraga("NO", 0)}))); // NO never answered
    // A practice game is no stored game, but its answers count.
    TSpelLogg practice = Spel("EUR", "FLAGG", {Fraga("SK", 2, {"SI"})}, 5);
    practice.Ovningsspel = true;
    EXPECT_FALSE(r.Spara(practice));
    EXPECT_TRUE(r.HarSpelat());
    // SI failed: due tomorrow; SK (Hard) tomorrow too, SE (Good) in two days.
    EXPECT_EQ(r.AntalForfallna(today), 0);
    EXPECT_EQ(r.AntalForfallna(today.addDays(1)), 2);
    EXPECT_EQ(r.AntalForfallna(today.addDays(2)), 3);
    QStringList order;
    for (const TMinnesrad& m : r.Forfallna(today.addDays(2)))
        order << m.Objekt + "/" + m.Satt;
    EXPECT_EQ(order, (QStringList{"SI/map", "SK/flag", "SE/map"}));
    EXPECT_EQ(Missade(r, "EUR", "FLAGG"), std::vector<Missad>{});
}

TEST(Misstagsregister, AMigrationThatFailsHalfwayLeavesTheFirstLayoutWhole) {
    TestDir dir;
    const QString path = ForstaLagetsFil(dir);
    int answers = 0;
    TMisstagsregister::SetMigreringskrok([&answers] { return ++answers == 4; });
    QStringList messages;
    {
        TMisstagsregister r(path, [&](const QString& m) { messages << m; });
        EXPECT_FALSE(r.Spara(Spel("EUR", "AREA", {Fraga("SE", 1)})));
    }
    TMisstagsregister::SetMigreringskrok(nullptr);
    EXPECT_EQ(messages.size(), 1);
    const TFilinnehall failed = Innehall(path);
    EXPECT_EQ(failed.version, 1);
    EXPECT_EQ(failed.games, 4);
    EXPECT_EQ(failed.states, -1); // no memory table
    TMisstagsregister r(path);
    EXPECT_TRUE(r.Spara(Spel("EUR", "AREA", {Fraga("SE", 1)})));
    const TFilinnehall migrated = Innehall(path);
    EXPECT_EQ(migrated.version, 2);
    EXPECT_EQ(migrated.games, 5);
    EXPECT_EQ(migrated.states, 4);
}

TEST(Misstagsregister, KilledDuringTheMigrationTheFileOpensAsOneVersionOrTheOther) {
    TestDir dir;
    const QString writer = QCoreApplication::applicationDirPath() + "/misstag_writer";
    const QString original = dir.Path("v1.sqlite");
    ASSERT_EQ(QProcess::execute(writer, {original, "v1", "100"}), 0); // 4,000 answers
    const QByteArray v1 = ReadAll(original);
    int versions[3] = {0, 0, 0};
    for (int round = 0; round < 8; ++round) {
        const QString path = dir.Write("m.sqlite", v1);
        QFile::remove(path + "-journal");
        // Once the transaction has begun, about half a second of migration:
        // the kill falls within it, or after.
        DodadSkrivare({path, "migrate"}, 1, 600000);
        const TFilinnehall i = Innehall(path);
        ASSERT_TRUE(i.version == 1 || i.version == 2) << i.version;
        ++versions[i.version];
        EXPECT_EQ(i.games, 100);
        EXPECT_EQ(i.states, i.version == 2 ? 40 : -1);
    }
    EXPECT_GT(versions[1], 0); // some kills fell inside the transaction
}

// Each answer moves its state as it is given; the game's end stores the game
// and leaves those states as they are.
TEST(Misstagsregister, AnAnswerIsStoredAsItIsGivenAndTheEndOfTheGameDoesNotMoveItAgain) {
    TestDir dir;
    const QString path = dir.Path("m.sqlite");
    TMisstagsregister r(path);
    TSpelLogg spel = Spel("EUR", "AREA", {Fraga("SI", 1), Fraga("SK", 3, {"SI", "CZ"})});
    // A question that another exercise of the game asked is that one's.
    spel.Fragor[1].Ovning = 2;
    spel.Fragor[1].Typ = "ORT";
    ASSERT_TRUE(r.Svara(spel, spel.Fragor[0]));
    spel.Fragor[0].Minne = true;
    const TFsrs f;
    const TMinne good = f.Efter({}, TBetyg::Good, 0);
    {
        // Another program sees the answer at once, and no game yet.
        TMisstagsregister annan(path);
        const std::vector<TMinnesrad> rader = annan.Minnen("EUR");
        ASSERT_EQ(rader.size(), 1u);
        EXPECT_EQ(rader[0].Objekt, "SI");
        EXPECT_DOUBLE_EQ(rader[0].Minne.Stabilitet, good.Stabilitet);
        EXPECT_FALSE(annan.HarSpelat());
    }
    // Unanswered questions are not stored; asked again, SI would move.
    EXPECT_FALSE(r.Svara(spel, Fraga("NO", 0)));
    ASSERT_TRUE(r.Spara(spel));
    const std::vector<TMinnesrad> rader = r.Minnen("EUR");
    ASSERT_EQ(rader.size(), 2u);
    for (const TMinnesrad& m : rader) {
        EXPECT_DOUBLE_EQ(m.Minne.Stabilitet,
                         (m.Objekt == "SI" ? good : f.Efter({}, TBetyg::Again, 0)).Stabilitet)
            << m.Objekt.toStdString();
        EXPECT_EQ(m.Ovning, m.Objekt == "SI" ? 1 : 2) << m.Objekt.toStdString();
    }
    EXPECT_EQ(Missade(r, "EUR"), (std::vector<Missad>{{"SK", "sk", 1, 0}}));
}

// Before, a game's answers entered the record only at its end: a game killed
// halfway lost them all. Now each answer given is kept.
TEST(Misstagsregister, AGameKilledHalfwayKeepsTheAnswersGiven) {
    TestDir dir;
    const QString path = dir.Path("m.sqlite");
    const int reported = SistRapporterat(DodadSkrivare({path, "answers"}, 5, 20000));
    TMisstagsregister r(path);
    const std::vector<TMinnesrad> rader = r.Minnen("EUR");
    EXPECT_GE(int(rader.size()), reported);
    EXPECT_LE(int(rader.size()), reported + 1);
    EXPECT_FALSE(r.HarSpelat()); // no game was finished
    const TFsrs f;
    for (const TMinnesrad& m : rader) {
        const int n = m.Objekt.mid(1).toInt();
        EXPECT_DOUBLE_EQ(m.Minne.Stabilitet, f.Efter({}, BetygFor(1 + n % 3), 0).Stabilitet);
    }
}
