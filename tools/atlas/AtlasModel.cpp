// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtlasModel.h"

#include "Transliterate.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"

#include <QFile>
#include <cmath>
#include <nlohmann/json.hpp>

using nlohmann::json;

int ToFixed(double degrees) {
    return static_cast<int>(std::nearbyint(degrees * 10000.0));
}
float FromFixed(int fixed) {
    return static_cast<float>(static_cast<double>(fixed) / 10000.0);
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

} // namespace

Atlas LoadAtlas(const QString& jsonFile) {
    QFile f(jsonFile);
    if (!f.open(QIODevice::ReadOnly))
        throw EGlobina(QStringLiteral("Cannot read %1").arg(jsonFile));
    const json j = json::parse(f.readAll().toStdString());
    Atlas atlas;
    for (const auto& m : j.at("maps")) {
        AtlasMap map;
        map.id = m.at("id").get<int>();
        map.name = QString::fromStdString(m.at("name").get<std::string>());
        for (const auto& a : m.at("areas"))
            map.areas.push_back(Area(a, false));
        for (const auto& c : m.at("leftOut"))
            map.leftOut << QString::fromStdString(c.get<std::string>());
        atlas.maps.push_back(std::move(map));
    }
    for (const auto& l : j.at("lakes"))
        atlas.lakes.push_back(Area(l, true));
    for (const auto& p : j.at("places"))
        atlas.places.push_back(Place(p));
    for (const auto& m : j.value("subMaps", json::array())) {
        AtlasMap map;
        map.id = m.at("id").get<int>();
        map.name = QString::fromStdString(m.at("name").get<std::string>());
        for (const auto& a : m.at("areas"))
            map.areas.push_back(Area(a, false));
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
    bool inside = false;
    const size_t n = pts.size();
    if (n == 0)
        return false;
    size_t j = n - 1;
    for (size_t i = 0; i < n; ++i) {
        const LatLon a = pts[i], b = pts[j];
        if ((a.lat <= p.lat && p.lat < b.lat) || (b.lat <= p.lat && p.lat < a.lat)) {
            const double dlon = double(b.lon) - double(a.lon);
            const double dlat = double(b.lat) - double(a.lat);
            const double x = (double(p.lat) - a.lat) * dlon / dlat + a.lon;
            if (p.lon < x)
                inside = !inside;
        }
        j = i;
    }
    return inside;
}

void WriteAreaFile(const QString& file, const std::vector<AtlasArea>& areas) {
    TByteWriter w;
    for (const AtlasArea& a : areas) {
        w.WriteString(a.key);
        w.WriteString(a.group1);
        w.WriteString(a.group2);
        for (const QString& n : a.names)
            w.WriteString(n);
        w.WriteString(a.flag);
        w.WriteInt16(0);
        w.WriteInt16(static_cast<int>(a.points.size()));
        w.WriteInt32(ToFixed(a.north));
        w.WriteInt32(ToFixed(a.south));
        w.WriteInt32(ToFixed(a.east));
        w.WriteInt32(ToFixed(a.west));
        w.WriteInt32(ToFixed(a.seed1.lat));
        w.WriteInt32(ToFixed(a.seed1.lon));
        w.WriteInt32(ToFixed(a.seed2.lat));
        w.WriteInt32(ToFixed(a.seed2.lon));
        for (const LatLon& p : a.points) {
            w.WriteInt32(ToFixed(p.lat));
            w.WriteInt32(ToFixed(p.lon));
        }
    }
    w.SaveTo(file);
}

void WritePlaceFile(const QString& file, const std::vector<AtlasPlace>& places) {
    TByteWriter w;
    for (const AtlasPlace& p : places) {
        w.WriteString(p.id);
        for (const QString& n : p.names)
            w.WriteString(n);
        w.WriteInt16(p.level);
        w.WriteByte(p.capital ? 1 : 0);
        w.WriteByte(p.cities ? 1 : 0);
        w.WriteString(p.country);
        w.WriteString(p.continent);
        w.WriteString(QStringLiteral("ALLA"));
        w.WriteInt32(ToFixed(p.lat));
        w.WriteInt32(ToFixed(p.lon));
    }
    w.SaveTo(file);
}

void WriteSeaFile(const QString& file, const std::vector<LatLon>& points) {
    TByteWriter w;
    for (const LatLon& p : points) {
        w.WriteInt32(ToFixed(p.lat));
        w.WriteInt32(ToFixed(p.lon));
    }
    w.SaveTo(file);
}
