// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFile.h"

#include "data/Cp1252.h"
#include "data/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace {

constexpr int32_t kScale = 100000;

// The plain encoding, without holding the seconds in range: what old files
// hold and what ranking compares.
int64_t RawScore(int64_t percent, int64_t seconds) {
    return percent * kScale + kScale - seconds;
}

// Walks the bytes of a highscore file the way its lines were meant to be
// read: numbers after any blanks and line ends, the signature as the rest of
// its line.
class TScoreReader {
public:
    explicit TScoreReader(const QByteArray& bytes) : bytes_(bytes) {}

    // True when nothing but blanks and line ends is left.
    bool AtEnd() {
        SkipBlanks();
        return pos_ >= bytes_.size();
    }

    int32_t ReadInteger() {
        SkipBlanks();
        if (pos_ >= bytes_.size())
            throw EInOutError(QStringLiteral("Read beyond end of file"), IoCode::ReadBeyondEnd);
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) > ' ')
            ++pos_;
        const auto value = ParseInteger(bytes_.mid(start, pos_ - start));
        if (!value)
            throw EInOutError(QStringLiteral("Invalid numeric input"), IoCode::InvalidNumber);
        return *value;
    }

    // The rest of the current line, without its line end.
    QByteArray ReadRestOfLine() {
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
            ++pos_;
        return bytes_.mid(start, pos_ - start);
    }

    void SkipToNextLine() {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n')
            ++pos_;
        if (pos_ < bytes_.size())
            ++pos_;
    }

private:
    void SkipBlanks() {
        while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) <= ' ')
            ++pos_;
    }

    // Decimal with an optional sign; nothing when the text is not such a
    // number or does not fit 32 bits.
    static std::optional<int32_t> ParseInteger(const QByteArray& text) {
        qsizetype i = 0;
        bool negative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            negative = text[i++] == '-';
        if (i >= text.size())
            return std::nullopt;
        int64_t value = 0;
        for (; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            value = value * 10 + (text[i] - '0');
            if (value > int64_t{INT32_MAX} + 1)
                return std::nullopt;
        }
        if (negative)
            value = -value;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return static_cast<int32_t>(value);
    }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

// The signature as one line of the file: Windows-1252, "?" for what the code
// page cannot hold and for line ends, which would split the record.
QByteArray SignatureLine(const QString& signature) {
    QByteArray line = Cp1252::EncodeLossy(signature.left(kMaxSignature));
    std::replace(line.begin(), line.end(), '\r', '?');
    std::replace(line.begin(), line.end(), '\n', '?');
    return line;
}

// A save killed between writing its temporary file and renaming it leaves a
// whole copy named like "scores.hgh.AbC123". Only such names that hold a
// complete table are removed, so that no other file of the player's goes.
void RemoveLeftovers(const QString& fileName) {
    const QFileInfo info(fileName);
    const QRegularExpression pattern(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    const QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (!pattern.match(name).hasMatch())
            continue;
        const QString path = folder.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || f.size() > 1 << 20)
            continue;
        const QByteArray bytes = f.readAll();
        f.close();
        // A copy of a whole table: of 90 exercises from before, or of this
        // program's (with what it kept, a multiple of four lines more).
        const qsizetype lines = bytes.count("\r\n");
        if (lines < kScoreExercisesFirst * kScorePlaces * 4 || lines % 4 != 0)
            continue;
        try {
            TScoreTable table;
            ReadScores(table, path);
        } catch (const EGlobina&) {
            continue;
        }
        QFile::remove(path);
    }
}

QByteArray ReadWhole(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Cannot open \"%1\": %2").arg(fileName, file.errorString()),
            IoCode::FileNotFound);
    return file.readAll();
}

} // namespace

int32_t MakeScore(int32_t percent, int32_t seconds) {
    // At 0 % the score is 100000 - seconds, which must stay above 100, the
    // range of a bare percentage.
    const int32_t most = percent == 0 ? kScale - 101 : kNoTime - 1;
    return static_cast<int32_t>(RawScore(percent, std::clamp(seconds, 1, most)));
}

int32_t ScorePercent(int32_t score) {
    return score <= 100 ? score : score / kScale;
}

int32_t ScoreSeconds(int32_t score) {
    if (score <= 100)
        return kNoTime;
    const int32_t t = kScale - score % kScale;
    return t == kScale ? 0 : t;
}

int64_t ScoreRating(int32_t score) {
    return RawScore(ScorePercent(score), ScoreSeconds(score));
}

namespace {

// The last list number of the other ways of answering.
constexpr int kLastWayList = kTypedScores + (kAnswerWays - 1) * kScoreExercises;

// The list's index in the table; raises the range error for none.
int ListIndex(int exercise) {
    if (exercise > kTypedScores) {
        RangeCheck(exercise, kTypedScores + 1, kLastWayList);
        return kScoreExercises + exercise - kTypedScores - 1;
    }
    RangeCheck(exercise, 1, kScoreExercises);
    return exercise - 1;
}

} // namespace

int ScoreListNumber(int exercise, int way) {
    RangeCheck(way, 0, kAnswerWays - 1);
    return way == 0 ? exercise : kTypedScores + (way - 1) * kScoreExercises + exercise;
}

bool HasScoreList(int exercise) {
    return (exercise >= 1 && exercise <= kScoreExercises) ||
           (exercise > kTypedScores && exercise <= kLastWayList);
}

TScoreEntry& TScoreTable::operator()(int exercise, int place) {
    const int list = ListIndex(exercise);
    RangeCheck(place, 1, kScorePlaces);
    return entries_[list][place - 1];
}

const TScoreEntry& TScoreTable::operator()(int exercise, int place) const {
    return const_cast<TScoreTable&>(*this)(exercise, place);
}

void TScoreTable::Clear() {
    for (auto& list : entries_)
        list.fill(TScoreEntry{});
    Kept.clear();
}

void ReadScores(TScoreTable& table, const QString& fileName) {
    const QByteArray bytes = ReadWhole(fileName);
    TScoreReader reader(bytes);
    // Blank lines after the last record are no record.
    while (!reader.AtEnd()) {
        const int32_t exercise = reader.ReadInteger();
        reader.SkipToNextLine();
        const int32_t place = reader.ReadInteger();
        reader.SkipToNextLine();
        const QByteArray signature = reader.ReadRestOfLine();
        reader.SkipToNextLine();
        const int32_t score = reader.ReadInteger();
        reader.SkipToNextLine();
        if ((exercise > kScoreExercises && !HasScoreList(exercise)) || place > kScorePlaces) {
            table.Kept += QByteArray::number(exercise) + "\r\n" + QByteArray::number(place) +
                          "\r\n" + signature + "\r\n" + QByteArray::number(score) + "\r\n";
            continue;
        }
        TScoreEntry& entry = table(exercise, place);
        entry.Score = score;
        entry.Signatur = Cp1252::Decode(signature.left(kMaxSignature));
    }
}

void SaveScores(const TScoreTable& table, const QString& fileName) {
    const QFileInfo info(fileName);
    // Replacing by rename would get past a read-only file, which the player
    // may have made read-only to keep the lists as they are.
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        throw EInOutError(
            QStringLiteral("Cannot write \"%1\": the file is read-only").arg(fileName),
            IoCode::AccessDenied);

    QByteArray text;
    text.reserve(kScoreExercises * kScorePlaces * 24);
    const auto record = [&](int e, int p) {
        const TScoreEntry& entry = table(e, p);
        text += QByteArray::number(e) + "\r\n" + QByteArray::number(p) + "\r\n" +
                SignatureLine(entry.Signatur) + "\r\n" + QByteArray::number(entry.Score) + "\r\n";
    };
    for (int e = 1; e <= kScoreExercises; ++e)
        for (int p = 1; p <= kScorePlaces; ++p)
            record(e, p);
    // Few games are answered the other ways: their empty places would only
    // lengthen the file.
    for (int e = kTypedScores + 1; e <= kLastWayList; ++e)
        for (int p = 1; p <= kScorePlaces; ++p)
            if (table(e, p).Score != 0 || !table(e, p).Signatur.isEmpty())
                record(e, p);
    text += table.Kept;

    // A folder that takes no temporary file still lets a writable file be
    // rewritten in place: the read-only check above has passed.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    const auto fail = [&](int reason) {
        // Qt reports a failed flush (a full disk) as an unknown error; the
        // system's reason says what happened.
        QString why = file.errorString();
        if (reason != 0 && (why.isEmpty() || why == QLatin1String("Unknown error")))
            why = QString::fromLocal8Bit(std::strerror(reason));
        file.cancelWriting();
        throw EInOutError(QStringLiteral("Cannot write \"%1\": %2").arg(fileName, why),
                          IoCode::AccessDenied);
    };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(errno);
    // The flush comes first: commit would keep a file cut short by a failed flush.
    if (file.write(text) != text.size() || !file.flush() || file.error() != QFileDevice::NoError)
        fail(errno);
    if (!file.commit())
        fail(errno);
    RemoveLeftovers(fileName);
}

QString SetAsideDamaged(const QString& fileName, bool* isNew) {
    if (isNew)
        *isNew = false;
    const QByteArray bytes = ReadWhole(fileName);
    for (int n = 1;; ++n) {
        const QString copy =
            fileName + QStringLiteral(".damaged") + (n > 1 ? QString::number(n) : QString());
        QFile existing(copy);
        if (existing.exists()) {
            // The same damage seen again is already set aside.
            if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
                return copy;
            continue;
        }
        QFile damaged(fileName);
        if (!damaged.copy(copy))
            throw EInOutError(QStringLiteral("Cannot copy \"%1\" to \"%2\": %3")
                                  .arg(fileName, copy, damaged.errorString()),
                              IoCode::AccessDenied);
        if (isNew)
            *isNew = true;
        return copy;
    }
}

int PlaceScore(TScoreTable& table, int exercise, int32_t score) {
    ListIndex(exercise);
    int rank = 0;
    for (int r = 1; r <= kScorePlaces; ++r) {
        if (ScoreRating(table(exercise, r).Score) <= score) {
            rank = r;
            break;
        }
    }
    if (rank == 0)
        return 0;
    for (int r = kScorePlaces - 1; r >= rank; --r)
        table(exercise, r + 1) = table(exercise, r);
    table(exercise, rank) = TScoreEntry{score, QString()};
    return rank;
}
