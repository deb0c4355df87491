// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <vector>

// The geography as the program will load it: coordinates already rounded to
// ten-thousandths of a degree and held as singles, names in Windows-1252.
struct LatLon {
    float lat = 0;
    float lon = 0;
};

struct AtlasArea {
    QString key, group1, group2, flag;
    std::array<QString, 8> names;
    std::vector<LatLon> points;
    LatLon seed1, seed2;
    double north = 0, south = 0, east = 0, west = 0;
    bool marker = false; // a small outline standing in for a state the source lacks
    bool home = false;   // a state of the map's own continent
};

struct AtlasPlace {
    QString id;
    std::array<QString, 8> names;
    int level = 0;
    bool capital = false;
    bool cities = false; // asked in the city exercises (Klass2)
    QString country, continent;
    double lat = 0, lon = 0;
};

struct AtlasMap {
    int id = 0;
    QString name;
    std::vector<AtlasArea> areas;
    QStringList leftOut;
    std::vector<LatLon> sea;
    // Maps of states and provinces only: their own lakes (Vatten<id>.crp),
    // their places and the number of the place file that holds them.
    std::vector<AtlasArea> water;
    std::vector<AtlasPlace> places;
    int placeFile = 0;
    std::vector<QStringList> exercises; // the items of each exercise of the map
    // How the map is finished (the map's `finish` in tables.mjs): the spread
    // sea points it starts with, the patches filling the rest; the size its
    // second seeds are placed at; and a further view its sea points serve.
    int seaPoints = 10;
    int refineWidth = 1024, refineHeight = 700;
    std::optional<std::array<float, 4>> seaView; // north, south, east, west
};

struct PicturePolygon {
    QString code, continent;
    std::vector<LatLon> points;
};

struct Atlas {
    std::vector<AtlasMap> maps;    // maps 1..6 in order
    std::vector<AtlasMap> subMaps; // the maps of states and provinces, 7 onwards
    std::vector<AtlasArea> lakes;
    std::vector<AtlasPlace> places;
    std::vector<PicturePolygon> picture;
    std::vector<LatLon> namedSeas; // hand-placed points in seas that outlines cut off
};

// Reads the prepared JSON; transliterates every name. Throws EGlobina.
Atlas LoadAtlas(const QString& jsonFile);

// A JSON file parsed whole, for the loaders of its parts. Throws EGlobina
// when the file cannot be read.
nlohmann::json ReadJsonFile(const QString& jsonFile);

// Coordinates as stored: degrees x 10000 rounded half to even.
int ToFixed(double degrees);
float FromFixed(int fixed);

// The program's even-odd test (ray to the east, half-open latitude rule).
bool PunktIYta(LatLon p, const std::vector<LatLon>& outline);

// Writers in the program's file formats.
void WriteAreaFile(const QString& file, const std::vector<AtlasArea>& areas);
void WritePlaceFile(const QString& file, const std::vector<AtlasPlace>& places);
void WriteSeaFile(const QString& file, const std::vector<LatLon>& points);
