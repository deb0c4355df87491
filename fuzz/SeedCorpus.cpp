// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of every fuzz target: small valid files made with
// the project's own writers, one folder per target under the given folder.
#include "PictureFiles.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "scores/ScoreFile.h"
#include "support/CatalogueFiles.h"
#include "support/MapFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <vector>

namespace {

QString root;

void Write(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(root + QLatin1Char('/') + target);
    QFile f(root + QLatin1Char('/') + target + QLatin1Char('/') + name);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw EInOutError(QStringLiteral("Cannot write ") + f.fileName());
}

QByteArray Language(int texts) {
    TByteWriter w;
    for (int n = 1; n <= texts; ++n) {
        w.WriteInt16(n);
        for (int language = 1; language <= 8; ++language)
            w.WriteString(QStringLiteral("T%1 é").arg(n * 10 + language));
    }
    return w.Bytes();
}

QByteArray Catalogue() {
    TByteWriter w;
    Entry("AREA", "Länder", 1, {"SE", "NO"}).Write(w);
    Entry("ORT", "Städer", 2).Write(w);
    Entry("FLAGG", "Flaggor", 3, {"SE"}).Write(w);
    Entry("MULTI", "Val", 4, {}, "*").Write(w);
    return w.Bytes();
}

QByteArray Scores(bool full) {
    TScoreTable table;
    table(1, 1) = {MakeScore(100, 42), QStringLiteral("Åsa")};
    table(1, 2) = {75, QStringLiteral("Bo")};
    table(90, 10) = {MakeScore(0, 99), QString()};
    const QString file = root + QStringLiteral("/scores.tmp");
    SaveScores(table, file);
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    QByteArray bytes = f.readAll();
    f.close();
    QFile::remove(file);
    // A short file: only the first records, as an old or hand-made one.
    return full ? bytes : bytes.left(bytes.indexOf("1\r\n3\r\n"));
}

QByteArray Gif(bool transparent) {
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 7; ++x)
        image.setPixel(x, x % 5, x % 2 ? qRgb(200, 0, 0) : qRgb(0, 0, 128));
    const QString file = root + QStringLiteral("/picture.tmp");
    QString error;
    if (!PictureFiles::WriteGif(
            image, file, transparent ? std::optional<QColor>(Qt::white) : std::nullopt, &error))
        throw EInOutError(error);
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    f.close();
    QFile::remove(file);
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    root = QFile::decodeName(argv[1]);
    try {
        Write("lang", "full.crp", Language(34));
        Write("lang", "short.crp", Language(2));
        Write("areas", "two.crp", FileOf({Box("SE", 55, 11, 69, 24), Box("NO", 58, 4, 71, 31)}));
        TAreaRecord lake = Box("L", -1.5, -2, 1, 2.25);
        lake.Namn = {"Sjö", "Lake", "", "", "", "", "", "Meer"};
        Write("areas", "one.crp", FileOf({lake}));
        Write("places", "two.crp",
              FileOf({Place("Stockholm", 1, "SE", 59.33, 18.07),
                      Place("Oslo", 2, "NO", 59.91, 10.75)}));
        Write("seapoints", "three.crp",
              FileOf(std::vector<TSeaPointRecord>{{0, 0}, {-45.5, 170.25}, {89.9, -179.9}}));
        Write("catalogue", "four.crp", Catalogue());
        Write("scores", "full.hgh", Scores(true));
        Write("scores", "short.hgh", Scores(false));
        Write("gif", "plain.gif", Gif(false));
        Write("gif", "transparent.gif", Gif(true));
    } catch (const EGlobina& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return 0;
}
