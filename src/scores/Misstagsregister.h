// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Fsrs.h"
#include "scores/GameLog.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

// The lasting record of mistakes: every finished game's questions, whether
// each was right at the first try and what was given instead, and the memory
// state of every item answered, in an SQLite database in the data folder,
// one file per player (Spelare.h). The highscores never depend on it: a
// record that cannot be kept costs only the record.

// An item of the record: how often it was asked, and how often it was right
// at the first try.
struct TMissatObjekt {
    QString Objekt;
    QString Namn; // as last asked
    int32_t Fragad = 0;
    int32_t ForstaForsok = 0;
    int32_t Missar() const { return Fragad - ForstaForsok; }
};

// Asked X, given Y, so many times.
struct TForvaxling {
    QString Objekt;
    QString Namn;
    QString Givet;
    QString GivetNamn;
    int32_t Antal = 0;
};

// One question of a stored game, with the game it was asked in.
struct TPostFraga {
    QString Spelat; // when the game was stored, ISO 8601 UTC
    int32_t Ovning = 0;
    QString Typ;
    QString Varldsdel;
    QString Objekt;
    QString Namn;
    int32_t Forsok = 0;
    QStringList Givet; // the wrong answers that named another item, in order
    QStringList GivetNamn;
};

// What the memory model knows of one item asked one way (map, capital,
// flag), and where it was last asked.
struct TMinnesrad {
    QString Objekt;
    QString Namn; // as last asked
    QString Satt;
    int32_t Ovning = 0;
    QString Varldsdel;
    TMinne Minne;
    QDate Senast;
    QDate Forfaller;
    int32_t SenastForsok = 0; // tries at the last answer
};

// The way of asking that the exercise kind's keyword stands for.
QString SattAttFraga(const QString& typ);

class TMisstagsregister {
public:
    // What the record tells the player when it must start anew or cannot be
    // written; shown once per trouble and run.
    using TMeddelare = std::function<void(const QString&)>;

    // The newest layout of the file, and the one the first record had.
    static constexpr int kSchema = 2;
    static constexpr int kForstaSchema = 1;

    // schema: the layout written (kForstaSchema writes files as the first
    // record did, for the tests of its migration). spelare: the name of the
    // named player whose record this is (Spelare.h), written into the file
    // with its layout; empty for the default player's record, which holds no
    // name.
    explicit TMisstagsregister(QString fileName, TMeddelare meddelare = nullptr,
                               int schema = kSchema, QString spelare = {});
    ~TMisstagsregister();
    TMisstagsregister(const TMisstagsregister&) = delete;
    TMisstagsregister& operator=(const TMisstagsregister&) = delete;

    // Stores the game in one transaction with the memory states that its
    // answers change (today, as Idag() gives it); a practice game changes
    // only the states.
    // Never throws: a damaged database is copied aside (SetAsideDamaged) and
    // a new one started; a locked or unwritable one is left alone and this
    // game goes unrecorded. Returns whether the game was stored.
    // The memory states of questions already answered (Svara) are not
    // moved again.
    bool Spara(const TSpelLogg& spel);
    // Moves the memory state of one answered question of the game at once,
    // in a transaction of its own, so that a game cut short keeps the answers
    // given (today, as Idag() gives it). Fails as Spara does; returns whether
    // the state was stored.
    bool Svara(const TSpelLogg& spel, const TFragaLogg& fraga);
    // Opens the file, making it with its layout (and the player's name) when
    // it is new; false, after a message, when it cannot be written.
    bool Skapa();

    // The items of the part of the world (and kind, empty for every kind)
    // that were missed at the first try at least once: most misses first,
    // then the lower first-try share.
    std::vector<TMissatObjekt> MestMissade(const QString& varldsdel, const QString& typ = {},
                                           int antal = 10);
    // The wrong answers that named another item, most frequent first.
    std::vector<TForvaxling> Forvaxlingar(const QString& varldsdel, const QString& typ = {},
                                          int antal = 10);
    // The share of questions right at the first try in each stored game of
    // the part and kind, 0..1, in the order played.
    std::vector<double> ForstaForsokPerSpel(const QString& varldsdel, const QString& typ = {});
    // The exercise of the part and kind whose games hold the most misses of
    // the given items; 0 when none does.
    int32_t OvningFor(const QString& varldsdel, const QString& typ, const QStringList& objekt);

    // Every question of every stored game, oldest game first, in the order
    // asked; none when the record cannot be read.
    std::vector<TPostFraga> AllaFragor();
    // How many items are due on the day; none before the first answer.
    int32_t AntalForfallna(const QDate& dag);
    // The items due on the day, the most overdue first.
    std::vector<TMinnesrad> Forfallna(const QDate& dag);
    // Every item of the part that the model knows.
    std::vector<TMinnesrad> Minnen(const QString& varldsdel);
    // Whether any game was ever stored.
    bool HarSpelat();

    // Called once per answer that a migration carries into the memory
    // states; true makes the migration fail there, as a fault would.
    static void SetMigreringskrok(std::function<bool()> krok);

    const QString& FileName() const { return fileName_; }
    // The name the file holds: its player's; empty for the default player's
    // record (and for one that cannot be read).
    QString Spelarnamn();
    // The same of a file, read without writing to it.
    static QString LasSpelarnamn(const QString& fileName);

private:
    bool Oppna();
    void Stang();
    // Runs the work in one transaction, with a damaged file set aside and the
    // work done once more in a new one; false, after a message, when it
    // cannot be done.
    bool Skriv(const std::function<void(const QSqlDatabase&)>& arbete);
    // Runs a query over the games of the part and kind (%1 in sql stands for
    // their condition); binda adds the values after theirs, rad takes each
    // row. A failure reads as no rows: the next game's save deals with the file.
    void Las(const QString& sql, const QString& varldsdel, const QString& typ,
             const std::function<void(QSqlQuery&)>& binda,
             const std::function<void(const QSqlQuery&)>& rad);
    void Meddela(int text, const QString& arg);
    std::vector<TMinnesrad> Minnesrader(const QString& villkor, const QVariant& varde);

    QString fileName_;
    QString connection_;
    TMeddelare meddelare_;
    int schema_;
    QString spelare_;
    bool oppen_ = false;
    bool meddelat_[2] = {false, false}; // started anew; could not write
};

// Where the record lives: the data folder, beside the highscores of an
// installed program; beside the program when no data folder is known.
QString MisstagFileIn(const QString& programFolder, const QString& dataFolder);
QString MisstagFileName();

// The current player's record (Spelare.h), opened at its first use.
TMisstagsregister& Misstagsregister();
// Stores a finished game in its record (TSpelLogg::Post, or the current
// player's).
void SparaMisstag(const TSpelLogg& spel);
// Moves the memory state of the game's question in the game's record, at
// once; marks it done (TFragaLogg::Minne) when it is stored.
void SparaSvar(const TSpelLogg& spel, TFragaLogg& fraga);
