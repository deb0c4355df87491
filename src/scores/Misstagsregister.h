// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/GameLog.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class QSqlQuery;

// The lasting record of mistakes: every finished game's questions, whether
// each was right at the first try and what was given instead, in an SQLite
// database in the player's data folder. The highscores never depend on it: a
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

class TMisstagsregister {
public:
    // What the record tells the player when it must start anew or cannot be
    // written; shown once per trouble and run.
    using TMeddelare = std::function<void(const QString&)>;

    explicit TMisstagsregister(QString fileName, TMeddelare meddelare = nullptr);
    ~TMisstagsregister();
    TMisstagsregister(const TMisstagsregister&) = delete;
    TMisstagsregister& operator=(const TMisstagsregister&) = delete;

    // Stores the game in one transaction; a practice game is not stored.
    // Never throws: a damaged database is copied aside (SetAsideDamaged) and
    // a new one started; a locked or unwritable one is left alone and this
    // game goes unrecorded. Returns whether the game was stored.
    bool Spara(const TSpelLogg& spel);

    // The items of the part of the world (and kind, empty for every kind)
    // that were missed at the first try at least once: most misses first,
    // then the lower first-try share.
    std::vector<TMissatObjekt> MestMissade(const QString& varldsdel, const QString& typ = {},
                                           int antal = 10);
    // The wrong answers that named another item, most frequent first.
    std::vector<TForvaxling> Forvaxlingar(const QString& varldsdel, const QString& typ = {},
                                          int antal = 10);
    // The exercise of the part and kind whose games hold the most misses of
    // the given items; 0 when none does.
    int32_t OvningFor(const QString& varldsdel, const QString& typ, const QStringList& objekt);

    // Every question of every stored game, oldest game first, in the order
    // asked; none when the record cannot be read.
    std::vector<TPostFraga> AllaFragor();

    const QString& FileName() const { return fileName_; }

private:
    bool Oppna();
    void Stang();
    // Runs a query over the games of the part and kind (%1 in sql stands for
    // their condition); binda adds the values after theirs, rad takes each
    // row. A failure reads as no rows: the next game's save deals with the file.
    void Las(const QString& sql, const QString& varldsdel, const QString& typ,
             const std::function<void(QSqlQuery&)>& binda,
             const std::function<void(const QSqlQuery&)>& rad);
    void Meddela(int text, const QString& arg);

    QString fileName_;
    QString connection_;
    TMeddelare meddelare_;
    bool oppen_ = false;
    bool meddelat_[2] = {false, false}; // started anew; could not write
};

// Where the record lives: the data folder, beside the highscores of an
// installed program; beside the program when no data folder is known.
QString MisstagFileIn(const QString& programFolder, const QString& dataFolder);
QString MisstagFileName();

// The program's one record, opened at its first use.
TMisstagsregister& Misstagsregister();
// Stores a finished game in the program's record.
void SparaMisstag(const TSpelLogg& spel);
