// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The ten best results of every exercise, kept in "scores.hgh" (where it lies:
// ScoreLocation.h): records of four CR LF lines (exercise, place, signature,
// score).
//
// The table holds exercises 1..200. The first 900 records are always
// exercises 1..90, so a reader that knows only those finds them where it
// looks and skips the rest; a file of 90 exercises reads unchanged.

constexpr int kScoreExercises = 200;
// The exercises that files written before held, 900 records.
constexpr int kScoreExercisesFirst = 90;
// The top tens of the other ways of answering a map exercise, way 1 typing
// the name, 2 four choices, 3 capitals from the map: exercise n's list is
// kept as exercise kTypedScores + (way - 1) x 200 + n (typed 1001..1200,
// four choices 1201..1400, capitals 1401..1600), in records after the 2000
// of the clicked games, so that a program that knows fewer lists keeps the
// others as records beyond its table and writes them back.
constexpr int kTypedScores = 1000;
constexpr int kAnswerWays = 4; // clicking, then the three above
// The number of exercise n's list for the way of answering (0 clicking:
// n itself). Raises the range error for a way outside 0..3; an exercise
// outside 1..200 gives a number of no list, which the table refuses.
int ScoreListNumber(int exercise, int way);
constexpr int kScorePlaces = 10;
constexpr int kMaxSignature = 50;
// The seconds of a result without a recorded time.
constexpr int32_t kNoTime = 99999;

// A result is one number: percent x 100000 + 100000 - seconds. A score of at
// most 100 is a bare percentage without time; 0 marks an empty place; -1 is
// what a caller passes when there is no new result.
//
// The seconds are held within 1..99998 (1..99899 at 0 %) so that every result
// decodes to the same percentage and a real time: 0 seconds would read back as
// one percent more, the clock's cap of 100000 as 0 seconds, and a 0 % result
// of 99900 seconds or more as a bare percentage.
int32_t MakeScore(int32_t percent, int32_t seconds);
int32_t ScorePercent(int32_t score);
int32_t ScoreSeconds(int32_t score);
// The number a stored score ranks by: a higher percentage first, then fewer
// seconds; a bare percentage q rates q x 100000 + 1, an empty place 1.
int64_t ScoreRating(int32_t score);

struct TScoreEntry {
    int32_t Score = 0;
    QString Signatur; // at most kMaxSignature characters of Windows-1252
};

// Whether the table has a list for the number: 1..200 or 1001..1600.
bool HasScoreList(int exercise);

// Scores[1..200 and 1001..1600][1..10], indexed by list number (the other
// ways of answering above kTypedScores) and place (1 is the best).
class TScoreTable {
public:
    // Range-checked: raises the range error outside 1..200, 1001..1600 or 1..10.
    TScoreEntry& operator()(int exercise, int place);
    const TScoreEntry& operator()(int exercise, int place) const;

    // Every score 0, every signature empty, nothing kept.
    void Clear();

    // Records of exercises or places beyond the table's (a later program's),
    // as read: saving writes them back after the table, so that they outlive
    // a save by this program.
    QByteArray Kept;

private:
    std::array<std::array<TScoreEntry, kScorePlaces>, kAnswerWays * kScoreExercises> entries_{};
};

// Reads the file into the table over what it holds. Records may come in any
// order; exercise numbers above 200 that name no other way's list and
// places above 10 go to Kept. A number
// that does not read, an exercise or place below 1 (range error) or a file
// that ends inside a record stops the reading with an EGlobina; the places
// read so far stay. The caller empties the table first and decides what a
// missing file means.
void ReadScores(TScoreTable& table, const QString& fileName);

// Writes all 2000 records (8000 CR LF lines, exercise 1 to 200 and within each
// place 1 to 10), then the other ways' places that hold a result (in the
// same order, list 1001 to 1600), then the kept records, replacing the file as a whole:
// the records go to a temporary file in the same folder that is renamed over
// the old one, so a failure leaves the old file intact. A file that is
// read-only is not replaced; a writable file in a folder that takes no new
// file is rewritten in place. Whole copies that an interrupted save left
// beside the file are removed after a save. Throws EInOutError with the
// system's reason.
void SaveScores(const TScoreTable& table, const QString& fileName);

// Copies a highscore file that cannot be read to fileName + ".damaged" (or
// ".damaged2", ... : an earlier copy is never overwritten; a copy with the
// same bytes is reused) and returns the copy's name; isNew, when given, tells
// whether the copy was made now. Throws EInOutError.
QString SetAsideDamaged(const QString& fileName, bool* isNew = nullptr);

// Puts the score v into the list of the exercise: above the first place whose
// rating is at most v, the lower places moved down and the last one dropped.
// Returns the place taken (1..10), or 0 when the score does not enter the list
// and nothing changed. The new place keeps the signature it had; the caller
// sets it. Raises the range error for an exercise the table has no list of.
int PlaceScore(TScoreTable& table, int exercise, int32_t score);
