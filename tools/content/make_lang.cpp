// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the readable table of screen texts (lang.tsv) into lang.crp: one
// record per text number, in number order, so that the output depends on
// nothing but the table.
#include "ToolMain.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"

#include <QFile>
#include <QStringList>
#include <array>
#include <cstdio>
#include <map>

namespace {

constexpr int kTexts = 160;     // numbers 1..160
constexpr int kBasicTexts = 34; // each of 1..34 is required
constexpr int kLanguages = 8;
const QStringList kHeader = {"nr", "sv", "en", "fr", "de", "es", "it", "da", "nl"};

using Row = std::array<QString, kLanguages>;

std::map<int, Row> ReadTable(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EGlobina(QStringLiteral("Cannot read %1: %2").arg(fileName, f.errorString()));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    std::map<int, Row> rows;
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(fileName).arg(i + 1);
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (!headerSeen) {
            if (cells != kHeader)
                throw EGlobina(where + QStringLiteral("expected the header line \"%1\"")
                                           .arg(kHeader.join(QLatin1Char(' '))));
            headerSeen = true;
            continue;
        }
        if (cells.size() != 1 + kLanguages)
            throw EGlobina(
                where +
                QStringLiteral("%1 cells, expected %2").arg(cells.size()).arg(1 + kLanguages));
        bool ok = false;
        const int nr = cells[0].toInt(&ok);
        if (!ok || nr < 1 || nr > kTexts)
            throw EGlobina(
                where +
                QStringLiteral("text number \"%1\" is not 1..%2").arg(cells[0]).arg(kTexts));
        if (rows.count(nr))
            throw EGlobina(where + QStringLiteral("text %1 occurs twice").arg(nr));
        Row row;
        for (int l = 0; l < kLanguages; ++l) {
            row[l] = cells[1 + l];
            if (row[l].trimmed().isEmpty() || row[l] != row[l].trimmed())
                throw EGlobina(where + QStringLiteral("text %1 in %2 is empty or has blanks "
                                                      "at an end")
                                           .arg(nr)
                                           .arg(kHeader[1 + l]));
        }
        rows[nr] = row;
    }
    for (int nr = 1; nr <= kBasicTexts; ++nr)
        if (!rows.count(nr))
            throw EGlobina(QStringLiteral("%1: text %2 is missing").arg(fileName).arg(nr));
    return rows;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return Usage(argv[0], "lang.tsv lang.crp");
    try {
        TByteWriter w;
        for (const auto& [nr, row] : ReadTable(QString::fromLocal8Bit(argv[1]))) {
            w.WriteInt16(nr);
            for (const QString& text : row)
                w.WriteString(text);
        }
        w.SaveTo(QString::fromLocal8Bit(argv[2]));
    } catch (const EGlobina& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
