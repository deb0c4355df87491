// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtlasModel.h"
#include "maps/MapMath.h"

#include "Transliterate.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "maps/Karta.h"

#include <QFile>
#include <cmath>
#include <nlohmann/json.hpp>

using nlohmann::json;

int ToFixed(double degrees) {
    return EncodeDegrees(degrees);
}
float FromFixed(int fixed) {
    return static_cast<float>(DecodeDegrees(fixed));
}

namespace {

LatLon Stored(double lat, double lon) {
    return {FromFixed(ToFixed(lat)), FromFixed(ToFixed(lon))};
}

std::array<QString, 8> Names(const json& j) {
    std::array<QString, 8> n;
    for (int i = 0; i < 8; ++i)
        n[i] = Transliterate::ToCp1252(QString::fromStdString(j.at(i).get<std::string>()));
    return n;
}

AtlasArea Area(const json& j, bool lake) {
    AtlasArea a;
    a.key = QString::fromStdString(j.at("key").get<std::string>());
    if (!lake) {
        a.group1 = QString::fromStdString(j.at("g1").get<std::string>());
        a.group2 = QString::fromStdString(j.at("g2").get<std::string>());
        a.flag = QString::fromStdString(j.at("flag").get<std::string>());
        a.marker = j.at("marker").get<bool>();
        a.home = j.at("home").get<bool>();
    }
    a.names = Names(j.at("names"));
    a.north = -1000, a.south = 1000, a.east = -1000, a.west = 1000;
    for (const auto& p : j.at("ring")) {
        const LatLon q = Stored(p.at(0).get<double>(), p.at(1).get<double>());
        a.points.push_back(q);
        a.north = std::max(a.north, double(q.lat));
        a.south = std::min(a.south, double(q.lat));
        a.east = std::max(a.east, double(q.lon));
        a.west = std::min(a.west, double(q.lon));
    }
    // Bounds as the program reads them back: through the fixed-point form.
    a.north = FromFixed(ToFixed(a.north)), a.south = FromFixed(ToFixed(a.south));
    a.east = FromFixed(ToFixed(a.east)), a.west = FromFixed(ToFixed(a.west));
    const auto& s1 = j.at("s1");
    const auto& s2 = j.at("s2");
    a.seed1 = Stored(s1.at(0).get<double>(), s1.at(1).get<double>());
    a.seed2 = Stored(s2.at(0).get<double>(), s2.at(1).get<double>());
    return a;
}

AtlasPlace Place(const json& p) {
    AtlasPlace q;
    q.id = QString::fromStdString(p.at("id").get<std::string>());
    q.names = Names(p.at("names"));
    q.level = p.at("niva").get<int>();
    q.capital = p.at("capital").get<bool>();
    q.cities = p.value("cities", false);
    q.country = QString::fromStdString(p.at("cc").get<std::string>());
    q.continent = QString::fromStdString(p.at("cont").get<std::string>());
    q.lat = FromFixed(ToFixed(p.at("lat").get<double>()));
    q.lon = FromFixed(ToFixed(p.at("lon").get<double>()));
    return q;
}

// What every map has: its number, its name and its land areas.
AtlasMap Map(const json& m) {
    AtlasMap map;
    map.id = m.at("id").get<int>();
    map.name = QString::fromStdString(m.at("name").get<std::string>());
    for (const auto& a : m.at("areas"))
        map.areas.push_back(Area(a, false));
    const json finish = m.value("finish", json::object());
    map.seaPoints = finish.value("seaPoints", map.seaPoints);
    if (finish.contains("refine")) {
        map.refineWidth = finish.at("refine").at(0).get<int>();
        map.refineHeight = finish.at("refine").at(1).get<int>();
    }
    if (finish.contains("seaView")) {
        const json& v = finish.at("seaView");
        map.seaView = std::array<float, 4>{v.at("n").get<float>(), v.at("s").get<float>(),
                                           v.at("e").get<float>(), v.at("w").get<float>()};
    }
    return map;
}

} // namespace

json ReadJsonFile(const QString& jsonFile) {
    QFile f(jsonFile);
    if (!f.open(QIODevice::ReadOnly))
        throw EGlobina(QStringLiteral("Cannot read %1").arg(jsonFile));
    return json::parse(f.readAll().toStdString());
}

Atlas LoadAtlas(const QString& jsonFile) {
    const json j = ReadJsonFile(jsonFile);
    Atlas atlas;
    for (const auto& m : j.at("maps")) {
        AtlasMap map = Map(m);
        for (const auto& c : m.at("leftOut"))
            map.leftOut << QString::fromStdString(c.get<std::string>());
        atlas.maps.push_back(std::move(map));
    }
    for (const auto& l : j.at("lakes"))
        atlas.lakes.push_back(Area(l, true));
    for (const auto& p : j.at("places"))
        atlas.places.push_back(Place(p));
    for (const auto& m : j.value("subMaps", json::array())) {
        AtlasMap map = Map(m);
        for (const auto& l : m.at("water"))
            map.water.push_back(Area(l, true));
        for (const auto& p : m.at("places"))
            map.places.push_back(Place(p));
        map.placeFile = m.at("placeFile").get<int>();
        for (const auto& e : m.value("exercises", json::array())) {
            QStringList items;
            for (const auto& k : e)
                items << QString::fromStdString(k.get<std::string>());
            map.exercises.push_back(items);
        }
        atlas.subMaps.push_back(std::move(map));
    }
    for (const auto& s : j.at("seas"))
        atlas.namedSeas.push_back(Stored(s.at("lat").get<double>(), s.at("lon").get<double>()));
    for (const auto& p : j.at("picture")) {
        PicturePolygon q;
        q.code = QString::fromStdString(p.at("code").get<std::string>());
        q.continent = QString::fromStdString(p.at("cont").get<std::string>());
        for (const auto& pt : p.at("ring"))
            q.points.push_back({pt.at(0).get<float>(), pt.at(1).get<float>()});
        atlas.picture.push_back(std::move(q));
    }
    return atlas;
}

bool PunktIYta(LatLon p, const std::vector<LatLon>& pts) {
    // The program's own rule, so that what the tool checks is what is played.
    return PunktIRingAv(
        p.lat, p.lon, pts.data(), static_cast<int>(pts.size()),
        [](const LatLon& q) { return q.lat; }, [](const LatLon& q) { return q.lon; });
}

namespace {

template <class Records> void Save(const QString& file, const Records& records) {
    TByteWriter w;
    for (const auto& r : records)
        r.Write(w);
    w.SaveTo(file);
}

TPointRecord Record(LatLon p) {
    return {p.lat, p.lon};
}

} // namespace

void WriteAreaFile(const QString& file, const std::vector<AtlasArea>& areas) {
    std::vector<TAreaRecord> records;
    for (const AtlasArea& a : areas) {
        TAreaRecord r;
        r.Nyckel = a.key, r.Grupp1 = a.group1, r.Grupp2 = a.group2;
        r.Namn = a.names, r.Flaggfil = a.flag;
        r.Nord = a.north, r.Syd = a.south, r.Ost = a.east, r.Vast = a.west;
        r.Fyllpunkt1 = Record(a.seed1);
        r.Fyllpunkt2 = Record(a.seed2);
        for (const LatLon& p : a.points)
            r.Punkter.push_back(Record(p));
        records.push_back(std::move(r));
    }
    Save(file, records);
}

void WritePlaceFile(const QString& file, const std::vector<AtlasPlace>& places) {
    std::vector<TPlaceRecord> records;
    for (const AtlasPlace& p : places)
        records.push_back({.Id = p.id,
                           .Namn = p.names,
                           .Niva = p.level,
                           .Klass1 = p.capital,
                           .Klass2 = p.cities,
                           .Grupp1 = p.country,
                           .Grupp2 = p.continent,
                           .Grupp3 = QStringLiteral("ALLA"),
                           .Latitud = p.lat,
                           .Longitud = p.lon});
    Save(file, records);
}

void WriteSeaFile(const QString& file, const std::vector<LatLon>& points) {
    std::vector<TSeaPointRecord> records;
    for (const LatLon& p : points)
        records.push_back(Record(p));
    Save(file, records);
}
