// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaceFiles.h"

#include "MapRender.h"
#include "Transliterate.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "maps/Places.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

QString Text(const json& j, const char* key) {
    return QString::fromStdString(j.value(key, std::string()));
}

bool FitsCp1252(const QString& s) {
    QStringEncoder enc("windows-1252");
    const QByteArray bytes = enc.encode(s);
    if (enc.hasError())
        return false;
    QStringDecoder dec("windows-1252");
    return QString(dec.decode(bytes)) == s;
}

} // namespace

bool PlaceFileExercise::Asks(const FilePlace& p) const {
    if (p.Niva > level)
        return false;
    for (const QString& k : items)
        if (k == p.Grupp1 || k == p.Grupp2 || k == p.Grupp3)
            return true;
    return false;
}

std::vector<PlaceFile> LoadPlaceFiles(const QString& jsonFile) {
    const json j = ReadJsonFile(jsonFile);
    std::vector<PlaceFile> files;
    if (!j.contains("placeFiles"))
        return files;
    for (const auto& pf : j.at("placeFiles")) {
        PlaceFile file;
        file.file = Text(pf, "file");
        for (const auto& p : pf.at("places")) {
            FilePlace q;
            q.Id = Text(p, "id");
            const auto& names = p.at("names");
            if (names.size() != 8)
                throw EGlobina(QStringLiteral("%1 %2: not 8 names").arg(file.file, q.Id));
            for (int i = 0; i < 8; ++i)
                q.Namn[size_t(i)] = Transliterate::ToCp1252(
                    QString::fromStdString(names.at(size_t(i)).get<std::string>()));
            q.Niva = p.at("niva").get<int>();
            q.Klass1 = p.value("klass1", false);
            q.Klass2 = p.value("klass2", false);
            q.Grupp1 = Text(p, "g1");
            q.Grupp2 = Text(p, "g2");
            q.Grupp3 = Text(p, "g3");
            q.Latitud = FromFixed(ToFixed(p.at("lat").get<double>()));
            q.Longitud = FromFixed(ToFixed(p.at("lon").get<double>()));
            q.surface = Text(p, "surface");
            file.places.push_back(q);
        }
        for (const auto& e : pf.value("exercises", json::array())) {
            PlaceFileExercise x;
            x.number = e.at("number").get<int>();
            x.map = e.at("map").get<int>();
            x.level = e.at("level").get<int>();
            for (const auto& i : e.at("items"))
                x.items << QString::fromStdString(i.get<std::string>());
            const auto& v = e.at("view");
            x.north = v.at(0).get<float>(), x.south = v.at(1).get<float>();
            x.centre = v.at(2).get<float>();
            file.exercises.push_back(x);
        }
        files.push_back(std::move(file));
    }
    return files;
}

QStringList CheckPlaceRecords(const PlaceFile& f) {
    QStringList problems;
    if (f.places.size() > 500)
        problems << QStringLiteral("%1 has %2 places").arg(f.file).arg(f.places.size());
    QSet<QString> ids;
    for (const FilePlace& p : f.places) {
        const QString where = f.file + " " + p.Id;
        if (p.Id.isEmpty() || ids.contains(p.Id))
            problems << where + ": empty or repeated identifier";
        ids.insert(p.Id);
        for (const QString& n : p.Namn)
            if (n.trimmed().isEmpty() || !FitsCp1252(n) || n.toLatin1().size() > 255)
                problems
                    << QStringLiteral("%1: name \"%2\" is empty or not Windows-1252").arg(where, n);
        if (p.Niva < 0 || p.Niva > 32767)
            problems << where + QStringLiteral(": level %1").arg(p.Niva);
        if (std::abs(p.Latitud) > 90 || std::abs(p.Longitud) > 360)
            problems << where + ": position off the globe";
    }
    return problems;
}

QStringList CheckPlacesOnMaps(const PlaceFile& f, const std::vector<AtlasMap>& maps,
                              const std::vector<AtlasArea>& lakes,
                              const std::map<int, std::vector<LatLon>>& sea,
                              const std::map<int, const std::vector<AtlasArea>*>& waterByMap) {
    QStringList problems;
    for (const PlaceFileExercise& e : f.exercises) {
        if (e.map < 1 || e.map > int(maps.size())) {
            problems << QStringLiteral("%1: exercise %2 has no map %3")
                            .arg(f.file)
                            .arg(e.number)
                            .arg(e.map);
            continue;
        }
        const AtlasMap& m = maps[size_t(e.map - 1)];
        std::vector<const FilePlace*> asked;
        for (const FilePlace& p : f.places)
            if (e.Asks(p))
                asked.push_back(&p);
        for (auto [w, h] : {std::pair{1024, 700}, std::pair{1920, 1048}}) {
            MapRender r(w, h);
            r.SattVy(e.north, e.south, e.centre);
            r.Rensa();
            r.RitaGranser(m.areas, 1);
            const auto own = waterByMap.find(e.map);
            r.RitaVatten(own != waterByMap.end() && own->second ? *own->second : lakes);
            const auto s = sea.find(e.map);
            if (s != sea.end())
                r.FyllHav(s->second);
            const QImage& img = r.Image();
            std::vector<QPoint> spots;
            for (const FilePlace* p : asked) {
                const QString what = QStringLiteral("%1 %2 in exercise %3 at %4x%5")
                                         .arg(f.file, p->Id)
                                         .arg(e.number)
                                         .arg(w)
                                         .arg(h);
                const LatLon ll{float(p->Latitud), float(p->Longitud)};
                const QPoint q = r.Project(ll);
                if (!r.InomBild(q)) {
                    problems << what + ": outside the view";
                    continue;
                }
                if (w == 1024)
                    for (const QPoint& o : spots)
                        if (std::lround(std::hypot(o.x() - q.x(), o.y() - q.y())) < 8)
                            problems << what + ": within 8 px of another place";
                spots.push_back(q);
                // The marker's pixel and its four neighbours, so that a view a
                // pixel off does not put a marker on the coast line.
                auto cross = [&](QPoint c, bool wantSea) {
                    for (QPoint d :
                         {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                        if (!r.InomBild(c + d) || (img.pixel(c + d) == MapRender::kSea) != wantSea)
                            return false;
                    return true;
                };
                bool inLand = false;
                for (const AtlasArea& a : m.areas)
                    inLand = inLand || (a.points.size() >= 3 && PunktIYta(ll, a.points));
                const bool wantSea = p->surface == "sea";
                if (p->surface.isEmpty() || (cross(q, wantSea) && (wantSea || inLand)))
                    continue;
                // The nearest pixel that would do, to say where the marker could go.
                QString hint;
                for (int d = 1; d <= 12 && hint.isEmpty(); ++d)
                    for (int dy = -d; dy <= d && hint.isEmpty(); ++dy)
                        for (int dx = -d; dx <= d && hint.isEmpty(); ++dx)
                            if (cross(q + QPoint(dx, dy), wantSea))
                                hint = QStringLiteral(" (try %1, %2)")
                                           .arg(r.LatVid(q.y() + dy), 0, 'f', 2)
                                           .arg(r.LonVid(q.y() + dy, q.x() + dx), 0, 'f', 2);
                problems << what + (wantSea ? ": not on the drawn sea" : ": not on land") + hint;
            }
        }
    }
    return problems;
}

void WritePlaceRecords(const QString& file, const std::vector<FilePlace>& places) {
    TByteWriter w;
    for (const FilePlace& p : places)
        p.Write(w);
    w.SaveTo(file);
}
