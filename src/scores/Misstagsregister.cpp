// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Misstagsregister.h"

#include "data/Errors.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "platform/MessageBox.h"
#include "scores/Idag.h"
#include "scores/ScoreFile.h"
#include "scores/Spelare.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <memory>

namespace {

const QString kFile = QStringLiteral("mistakes.sqlite");
// A record is one player's, a file of its own (Spelare.h); the memory states
// name the player so that a shared record could hold several, and every file
// leaves the name empty.
const QString kSpelare = QStringLiteral("");
const QString kDatum = QStringLiteral("yyyy-MM-dd");

// The most missed items, most misses first. SQLite takes the bare name
// column from the row of MAX(q.game): the name as last asked.
const QString kMestMissade = QStringLiteral(
    "SELECT q.item, q.name, MAX(q.game), COUNT(*) AS asked, SUM(q.tries = 1) AS first"
    " FROM questions q JOIN games g ON g.id = q.game WHERE %1 GROUP BY q.item"
    " HAVING asked > first ORDER BY asked - first DESC, CAST(first AS REAL) / asked, q.name"
    " LIMIT ?");

// The answers given most often in place of an item.
const QString kForvaxlingar = QStringLiteral(
    "SELECT q.item, q.name, c.given, c.given_name, MAX(c.rowid), COUNT(*) AS n FROM confusions c"
    " JOIN questions q ON q.game = c.game AND q.seq = c.seq JOIN games g ON g.id = c.game"
    " WHERE %1 GROUP BY q.item, c.given ORDER BY n DESC, q.name, c.given_name LIMIT ?");

// The exercise whose memory of the item an answer moves: the question's own
// in a game of several exercises, else the game's.
int32_t OvningAv(const TSpelLogg& spel, const TFragaLogg& fraga) {
    return fraga.Ovning != 0 ? fraga.Ovning : spel.Ovning;
}
const QString& TypAv(const TSpelLogg& spel, const TFragaLogg& fraga) {
    return fraga.Ovning != 0 ? fraga.Typ : spel.Typ;
}

// Binds the most rows a list query may give.
std::function<void(QSqlQuery&)> Grans(int antal) {
    return [antal](QSqlQuery& q) { q.addBindValue(antal); };
}

// SQLite's primary result codes that mean the file is not a sound database.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADb = 26;

// A failed statement, and whether it failed because the file is damaged.
struct TSqlFel {
    QString text;
    bool skadad = false;
};

TSqlFel FelAv(const QSqlError& e) {
    const int code = e.nativeErrorCode().toInt() & 0xff;
    // SQLite's own words ("database is locked"); Qt's add nothing for the player.
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return {text, code == kSqliteCorrupt || code == kSqliteNotADb};
}

void Kor(QSqlQuery& q) {
    if (!q.exec())
        throw FelAv(q.lastError());
}

void Kor(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw FelAv(q.lastError());
}

QSqlQuery Forbered(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.prepare(sql))
        throw FelAv(q.lastError());
    return q;
}

const char* const kTabeller[] = {
    "CREATE TABLE IF NOT EXISTS games (id INTEGER PRIMARY KEY, played TEXT NOT NULL,"
    " exercise INTEGER NOT NULL, kind TEXT NOT NULL, part TEXT NOT NULL)",
    // One row per question; tries 1 is right at the first try.
    "CREATE TABLE IF NOT EXISTS questions (game INTEGER NOT NULL REFERENCES games(id),"
    " seq INTEGER NOT NULL, item TEXT NOT NULL, name TEXT NOT NULL, tries INTEGER NOT NULL,"
    " PRIMARY KEY (game, seq))",
    // One row per wrong try that named something: asked the question's item,
    // given this.
    "CREATE TABLE IF NOT EXISTS confusions (game INTEGER NOT NULL, seq INTEGER NOT NULL,"
    " given TEXT NOT NULL, given_name TEXT NOT NULL)",
    "CREATE INDEX IF NOT EXISTS games_part ON games (part, kind)",
    "CREATE INDEX IF NOT EXISTS questions_item ON questions (item)",
};

// Added by the second layout: the memory state of each item asked one way,
// and where and how it was last asked.
const char* const kMinnestabeller[] = {
    "CREATE TABLE IF NOT EXISTS memory (player TEXT NOT NULL, item TEXT NOT NULL,"
    " way TEXT NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL,"
    " last_review TEXT NOT NULL, due TEXT NOT NULL, exercise INTEGER NOT NULL,"
    " part TEXT NOT NULL, name TEXT NOT NULL, last_tries INTEGER NOT NULL,"
    " PRIMARY KEY (player, item, way))",
    "CREATE INDEX IF NOT EXISTS memory_due ON memory (player, due)",
};

// A named player's record holds the name, one row, written with its layout.
// The default player's record holds none.
const char* const kSpelartabell = "CREATE TABLE IF NOT EXISTS player (name TEXT NOT NULL)";

const QString kMinneKolumner = QStringLiteral(
    "item, name, way, exercise, part, stability, difficulty, last_review, due, last_tries");

std::function<bool()>& Migreringskrok() {
    static std::function<bool()> krok;
    return krok;
}

// The filter of games by part and, unless empty, kind.
QString Urval(const QString& typ) {
    return typ.isEmpty() ? QStringLiteral("g.part = ?")
                         : QStringLiteral("g.part = ? AND g.kind = ?");
}

// A null text binds as SQL NULL, which the columns refuse: an exercise
// without a kind or part is stored with an empty one.
QString Text(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

void BindUrval(QSqlQuery& q, const QString& varldsdel, const QString& typ) {
    q.addBindValue(Text(varldsdel));
    if (!typ.isEmpty())
        q.addBindValue(Text(typ));
}

TMinnesrad MinnesradAv(const QSqlQuery& q) {
    TMinnesrad m;
    m.Objekt = q.value(0).toString();
    m.Namn = q.value(1).toString();
    m.Satt = q.value(2).toString();
    m.Ovning = q.value(3).toInt();
    m.Varldsdel = q.value(4).toString();
    m.Minne = {q.value(5).toDouble(), q.value(6).toDouble()};
    m.Senast = QDate::fromString(q.value(7).toString(), kDatum);
    m.Forfaller = QDate::fromString(q.value(8).toString(), kDatum);
    m.SenastForsok = q.value(9).toInt();
    return m;
}

// The memory states that a run of answers changes: each read from the file
// at its first answer, all written back at the end.
class TMinnesuppdatering {
public:
    explicit TMinnesuppdatering(const QSqlDatabase& db)
        : las_(Forbered(db, QStringLiteral("SELECT %1 FROM memory WHERE player = ? AND item = ?"
                                           " AND way = ?")
                                .arg(kMinneKolumner))),
          skriv_(Forbered(db, QStringLiteral("INSERT OR REPLACE INTO memory (player, %1)"
                                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                  .arg(kMinneKolumner))) {}

    void Svar(const QString& objekt, const QString& namn, const QString& typ, int32_t ovning,
              const QString& varldsdel, int32_t forsok, const QDate& dag) {
        const QString satt = SattAttFraga(typ);
        auto it = rader_.find({objekt, satt});
        if (it == rader_.end()) {
            TMinnesrad ny;
            las_.addBindValue(kSpelare);
            las_.addBindValue(objekt);
            las_.addBindValue(satt);
            Kor(las_);
            if (las_.next())
                ny = MinnesradAv(las_);
            las_.finish();
            it = rader_.insert({objekt, satt}, ny);
        }
        TMinnesrad& m = *it;
        const int32_t dagar = m.Senast.isValid() ? std::max<qint64>(m.Senast.daysTo(dag), 0) : 0;
        m.Minne = fsrs_.Efter(m.Minne, BetygFor(forsok), dagar);
        m.Objekt = objekt;
        m.Namn = namn;
        m.Satt = satt;
        m.Ovning = ovning;
        m.Varldsdel = varldsdel;
        m.Senast = dag;
        m.Forfaller = dag.addDays(fsrs_.Intervall(m.Minne.Stabilitet));
        m.SenastForsok = forsok;
    }

    void Skriv() {
        for (const TMinnesrad& m : rader_) {
            for (const QVariant& v :
                 {QVariant(kSpelare), QVariant(Text(m.Objekt)), QVariant(Text(m.Namn)),
                  QVariant(m.Satt), QVariant(m.Ovning), QVariant(Text(m.Varldsdel)),
                  QVariant(m.Minne.Stabilitet), QVariant(m.Minne.Svarighet),
                  QVariant(m.Senast.toString(kDatum)), QVariant(m.Forfaller.toString(kDatum)),
                  QVariant(m.SenastForsok)})
                skriv_.addBindValue(v);
            Kor(skriv_);
        }
    }

private:
    TFsrs fsrs_;
    QSqlQuery las_;
    QSqlQuery skriv_;
    QHash<std::pair<QString, QString>, TMinnesrad> rader_;
};

// Carries the answers of the first layout into memory states, game by game
// in the order played.
void Overfor(const QSqlDatabase& db) {
    TMinnesuppdatering minne(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT g.played, g.exercise, g.kind, g.part, q.item, q.name, q.tries FROM questions q"
            " JOIN games g ON g.id = q.game WHERE q.tries > 0 ORDER BY g.played, g.id, q.seq")))
        throw FelAv(q.lastError());
    QString spelad;
    QDate dag;
    while (q.next()) {
        if (Migreringskrok() && Migreringskrok()())
            throw TSqlFel{QStringLiteral("The record's migration was interrupted.")};
        if (q.value(0).toString() != spelad) {
            spelad = q.value(0).toString();
            dag = QDateTime::fromString(spelad, Qt::ISODate).toLocalTime().date();
        }
        minne.Svar(q.value(4).toString(), q.value(5).toString(), q.value(2).toString(),
                   q.value(1).toInt(), q.value(3).toString(), q.value(6).toInt(), dag);
    }
    minne.Skriv();
}

} // namespace

QString SattAttFraga(const QString& typ) {
    if (typ == QLatin1String("FLAGG"))
        return QStringLiteral("flag");
    if (typ == QLatin1String("MULTI"))
        return QStringLiteral("capital");
    return QStringLiteral("map");
}

void TMisstagsregister::SetMigreringskrok(std::function<bool()> krok) {
    Migreringskrok() = std::move(krok);
}

TMisstagsregister::TMisstagsregister(QString fileName, TMeddelare meddelare, int schema,
                                     QString spelare)
    : fileName_(std::move(fileName)), meddelare_(std::move(meddelare)), schema_(schema),
      spelare_(std::move(spelare)) {
    static int nasta = 0;
    connection_ = QStringLiteral("misstag%1").arg(++nasta);
    if (!meddelare_)
        meddelare_ = [](const QString& text) {
            ShowMessageBox(QApplication::activeWindow(), TBoxKind::Information, text);
        };
}

TMisstagsregister::~TMisstagsregister() {
    Stang();
}

void TMisstagsregister::Stang() {
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    oppen_ = false;
}

void TMisstagsregister::Meddela(int text, const QString& arg) {
    bool& meddelat = meddelat_[text == TextNo::MistakesStartedAfresh ? 0 : 1];
    if (std::exchange(meddelat, true))
        return;
    QString mall = LangText(text);
    if (mall.isEmpty()) // texts not loaded
        mall = text == TextNo::MistakesStartedAfresh
                   ? QStringLiteral("The record of your mistakes was damaged. It was copied to "
                                    "\"%1\" and a new record has been started.")
                   : QStringLiteral("Your mistakes in this game could not be recorded: %1");
    meddelare_(mall.arg(arg));
}

bool TMisstagsregister::Oppna() {
    if (oppen_)
        return true;
    QDir().mkpath(QFileInfo(fileName_).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(fileName_);
    // Another Globina may be storing its game; wait a little for it.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        throw FelAv(db.lastError());
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")))
        throw FelAv(check.lastError());
    if (!check.next() || check.value(0).toString() != QLatin1String("ok"))
        throw TSqlFel{QStringLiteral("The database is damaged."), true};
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        throw FelAv(version.lastError());
    const int schema = version.value(0).toInt();
    if (schema > schema_)
        throw TSqlFel{QStringLiteral("\"%1\" was written by a newer Globina.").arg(fileName_)};
    if (schema < schema_) {
        // Every step and the new version in one transaction: a file stays
        // at its old version until the whole migration is committed.
        if (!db.transaction())
            throw FelAv(db.lastError());
        try {
            for (const char* sql : kTabeller)
                Kor(db, QString::fromLatin1(sql));
            if (schema_ >= 2) {
                for (const char* sql : kMinnestabeller)
                    Kor(db, QString::fromLatin1(sql));
                Overfor(db);
            }
            if (!spelare_.isEmpty()) {
                Kor(db, QString::fromLatin1(kSpelartabell));
                QSqlQuery namn = Forbered(db, QStringLiteral("INSERT INTO player (name) SELECT ?"
                                                             " WHERE NOT EXISTS (SELECT 1 FROM"
                                                             " player)"));
                namn.addBindValue(spelare_);
                Kor(namn);
            }
            Kor(db, QStringLiteral("PRAGMA user_version = %1").arg(schema_));
        } catch (const TSqlFel&) {
            db.rollback();
            throw;
        }
        if (!db.commit())
            throw FelAv(db.lastError());
    }
    oppen_ = true;
    return true;
}

bool TMisstagsregister::Skriv(const std::function<void(const QSqlDatabase&)>& arbete) {
    for (int forsok = 1;; ++forsok) {
        try {
            Oppna();
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            if (!db.transaction())
                throw FelAv(db.lastError());
            try {
                arbete(db);
            } catch (const TSqlFel&) {
                db.rollback();
                throw;
            }
            if (!db.commit())
                throw FelAv(db.lastError());
            return true;
        } catch (const TSqlFel& fel) {
            Stang();
            if (!fel.skadad || forsok > 1) {
                Meddela(TextNo::MistakesNotSaved, fel.text);
                return false;
            }
            // Damaged: the old file is kept as a copy and a new record begins.
            QString kopia;
            try {
                kopia = SetAsideDamaged(fileName_);
            } catch (const EGlobina& e) {
                Meddela(TextNo::MistakesNotSaved, e.Message());
                return false;
            }
            // A journal beside the damaged file would be played into the new one.
            for (const char* extra : {"", "-journal", "-wal", "-shm"})
                QFile::remove(fileName_ + QLatin1String(extra));
            Meddela(TextNo::MistakesStartedAfresh, QDir::toNativeSeparators(kopia));
        }
    }
}

bool TMisstagsregister::Skapa() {
    return Skriv([](const QSqlDatabase&) {});
}

bool TMisstagsregister::Svara(const TSpelLogg& spel, const TFragaLogg& fraga) {
    if (fraga.Forsok <= 0 || schema_ < 2)
        return false;
    return Skriv([&](const QSqlDatabase& db) {
        TMinnesuppdatering minne(db);
        minne.Svar(fraga.Objekt, fraga.Namn, TypAv(spel, fraga), OvningAv(spel, fraga),
                   spel.Varldsdel, fraga.Forsok, Idag());
        minne.Skriv();
    });
}

bool TMisstagsregister::Spara(const TSpelLogg& spel) {
    if (spel.Fragor.empty() || (spel.Ovningsspel && schema_ < 2))
        return false;
    const bool sparat = Skriv([&](const QSqlDatabase& db) {
        if (schema_ >= 2) {
            TMinnesuppdatering minne(db);
            const QDate dag = Idag();
            for (const TFragaLogg& fraga : spel.Fragor)
                // Asked, never answered: the game ended first. Answered and
                // stored at once: moved already.
                if (fraga.Forsok > 0 && !fraga.Minne)
                    minne.Svar(fraga.Objekt, fraga.Namn, TypAv(spel, fraga), OvningAv(spel, fraga),
                               spel.Varldsdel, fraga.Forsok, dag);
            minne.Skriv();
        }
        if (spel.Ovningsspel)
            return;
        QSqlQuery g = Forbered(db, QStringLiteral("INSERT INTO games (played, exercise, "
                                                  "kind, part) VALUES (?, ?, ?, ?)"));
        g.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        g.addBindValue(spel.Ovning);
        g.addBindValue(Text(spel.Typ));
        g.addBindValue(Text(spel.Varldsdel));
        Kor(g);
        const QVariant id = g.lastInsertId();
        QSqlQuery f = Forbered(db, QStringLiteral("INSERT INTO questions VALUES (?, ?, ?, ?, ?)"));
        QSqlQuery c = Forbered(db, QStringLiteral("INSERT INTO confusions VALUES (?, ?, ?, ?)"));
        int seq = 0;
        for (const TFragaLogg& fraga : spel.Fragor) {
            ++seq;
            f.addBindValue(id);
            f.addBindValue(seq);
            f.addBindValue(Text(fraga.Objekt));
            f.addBindValue(Text(fraga.Namn));
            f.addBindValue(fraga.Forsok);
            Kor(f);
            for (int i = 0; i < fraga.Givet.size(); ++i) {
                if (fraga.Givet[i].isEmpty() || fraga.Givet[i] == fraga.Objekt)
                    continue; // a click beside every named area
                c.addBindValue(id);
                c.addBindValue(seq);
                c.addBindValue(Text(fraga.Givet[i]));
                c.addBindValue(Text(fraga.GivetNamn.value(i)));
                Kor(c);
            }
        }
    });
    return sparat && !spel.Ovningsspel;
}

namespace {

// The name a record holds; the default player's has no such table: none.
QString NamnI(const QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM player LIMIT 1")) || !q.next())
        return QString();
    return q.value(0).toString();
}

} // namespace

QString TMisstagsregister::Spelarnamn() {
    try {
        Oppna();
        return NamnI(QSqlDatabase::database(connection_, false));
    } catch (const TSqlFel&) {
        Stang();
        return QString();
    }
}

QString TMisstagsregister::LasSpelarnamn(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        return QString();
    static int nasta = 0;
    const QString namn = QStringLiteral("spelarnamn%1").arg(++nasta);
    QString spelare;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), namn);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (db.open())
            spelare = NamnI(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(namn);
    return spelare;
}

void TMisstagsregister::Las(const QString& sql, const QString& varldsdel, const QString& typ,
                            const std::function<void(QSqlQuery&)>& binda,
                            const std::function<void(const QSqlQuery&)>& rad) {
    try {
        Oppna();
        QSqlQuery q = Forbered(QSqlDatabase::database(connection_, false), sql.arg(Urval(typ)));
        BindUrval(q, varldsdel, typ);
        binda(q);
        Kor(q);
        while (q.next())
            rad(q);
    } catch (const TSqlFel&) {
        Stang();
    }
}

std::vector<TMissatObjekt> TMisstagsregister::MestMissade(const QString& varldsdel,
                                                          const QString& typ, int antal) {
    std::vector<TMissatObjekt> rader;
    Las(kMestMissade, varldsdel, typ, Grans(antal), [&rader](const QSqlQuery& q) {
        rader.push_back(
            {q.value(0).toString(), q.value(1).toString(), q.value(3).toInt(), q.value(4).toInt()});
    });
    return rader;
}

std::vector<TForvaxling> TMisstagsregister::Forvaxlingar(const QString& varldsdel,
                                                         const QString& typ, int antal) {
    std::vector<TForvaxling> rader;
    Las(kForvaxlingar, varldsdel, typ, Grans(antal), [&rader](const QSqlQuery& q) {
        rader.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString(), q.value(5).toInt()});
    });
    return rader;
}

std::vector<double> TMisstagsregister::ForstaForsokPerSpel(const QString& varldsdel,
                                                           const QString& typ) {
    std::vector<double> andelar;
    Las(
        QStringLiteral("SELECT AVG(q.tries = 1) FROM games g JOIN questions q ON q.game = g.id"
                       " WHERE %1 GROUP BY g.id ORDER BY g.played, g.id"),
        varldsdel, typ, [](QSqlQuery&) {},
        [&andelar](const QSqlQuery& q) { andelar.push_back(q.value(0).toDouble()); });
    return andelar;
}

int32_t TMisstagsregister::OvningFor(const QString& varldsdel, const QString& typ,
                                     const QStringList& objekt) {
    if (objekt.isEmpty())
        return 0;
    const QStringList platser(objekt.size(), QStringLiteral("?"));
    int32_t ovning = 0;
    Las(
        QStringLiteral("SELECT g.exercise, SUM(q.tries > 1) AS missed"
                       " FROM questions q JOIN games g ON g.id = q.game"
                       " WHERE %1 AND q.item IN (%2)"
                       " GROUP BY g.exercise ORDER BY missed DESC, g.exercise LIMIT 1")
            .arg(QStringLiteral("%1"), platser.join(QLatin1Char(','))),
        varldsdel, typ,
        [&objekt](QSqlQuery& q) {
            for (const QString& o : objekt)
                q.addBindValue(Text(o));
        },
        [&ovning](const QSqlQuery& q) { ovning = q.value(0).toInt(); });
    return ovning;
}

std::vector<TPostFraga> TMisstagsregister::AllaFragor() {
    std::vector<TPostFraga> fragor;
    int64_t spel = -1, nr = -1;
    // Every part: the condition of one part, or always.
    Las(
        QStringLiteral("SELECT g.played, g.exercise, g.kind, g.part, q.item, q.name, q.tries,"
                       " q.game, q.seq, c.given, c.given_name FROM questions q"
                       " JOIN games g ON g.id = q.game"
                       " LEFT JOIN confusions c ON c.game = q.game AND c.seq = q.seq"
                       " WHERE (%1) OR ? ORDER BY q.game, q.seq, c.rowid"),
        QString(), QString(), [](QSqlQuery& q) { q.addBindValue(1); },
        [&](const QSqlQuery& q) {
            const int64_t g = q.value(7).toLongLong(), s = q.value(8).toLongLong();
            if (g != spel || s != nr) {
                spel = g, nr = s;
                fragor.push_back({q.value(0).toString(),
                                  q.value(1).toInt(),
                                  q.value(2).toString(),
                                  q.value(3).toString(),
                                  q.value(4).toString(),
                                  q.value(5).toString(),
                                  q.value(6).toInt(),
                                  {},
                                  {}});
            }
            if (!q.value(9).isNull()) {
                fragor.back().Givet << q.value(9).toString();
                fragor.back().GivetNamn << q.value(10).toString();
            }
        });
    return fragor;
}

std::vector<TMinnesrad> TMisstagsregister::Minnesrader(const QString& villkor,
                                                       const QVariant& varde) {
    std::vector<TMinnesrad> rader;
    if (schema_ < 2)
        return rader;
    try {
        Oppna();
        QSqlQuery q = Forbered(QSqlDatabase::database(connection_, false),
                               QStringLiteral("SELECT %1 FROM memory WHERE player = ? AND %2"
                                              " ORDER BY due, stability, item")
                                   .arg(kMinneKolumner, villkor));
        q.setForwardOnly(true);
        q.addBindValue(kSpelare);
        q.addBindValue(varde);
        Kor(q);
        while (q.next())
            rader.push_back(MinnesradAv(q));
    } catch (const TSqlFel&) {
        Stang();
    }
    return rader;
}

int32_t TMisstagsregister::AntalForfallna(const QDate& dag) {
    if (schema_ < 2)
        return 0;
    try {
        Oppna();
        QSqlQuery q = Forbered(QSqlDatabase::database(connection_, false),
                               QStringLiteral("SELECT COUNT(*) FROM memory WHERE player = ?"
                                              " AND due <= ?"));
        q.addBindValue(kSpelare);
        q.addBindValue(dag.toString(kDatum));
        Kor(q);
        return q.next() ? q.value(0).toInt() : 0;
    } catch (const TSqlFel&) {
        Stang();
        return 0;
    }
}

std::vector<TMinnesrad> TMisstagsregister::Forfallna(const QDate& dag) {
    return Minnesrader(QStringLiteral("due <= ?"), dag.toString(kDatum));
}

std::vector<TMinnesrad> TMisstagsregister::Minnen(const QString& varldsdel) {
    return Minnesrader(QStringLiteral("part = ?"), Text(varldsdel));
}

bool TMisstagsregister::HarSpelat() {
    try {
        Oppna();
        QSqlQuery q(QSqlDatabase::database(connection_, false));
        if (!q.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM games)")) || !q.next())
            throw FelAv(q.lastError());
        return q.value(0).toBool();
    } catch (const TSqlFel&) {
        Stang();
        return false;
    }
}

QString MisstagFileIn(const QString& programFolder, const QString& dataFolder) {
    return (dataFolder.isEmpty() ? programFolder : dataFolder) + QLatin1Char('/') + kFile;
}

QString MisstagFileName() {
    return MisstagFileIn(ProgramFolder(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

TMisstagsregister& Misstagsregister() {
    return MisstagsregisterFor(AktuellSpelare());
}

void SparaMisstag(const TSpelLogg& spel) {
    (spel.Post ? *spel.Post : Misstagsregister()).Spara(spel);
}

void SparaSvar(const TSpelLogg& spel, TFragaLogg& fraga) {
    if (!fraga.Minne && (spel.Post ? *spel.Post : Misstagsregister()).Svara(spel, fraga))
        fraga.Minne = true;
}
