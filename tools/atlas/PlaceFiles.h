// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AtlasModel.h"
#include "maps/Places.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// Place files other than Ort1.crp, written record by record as the prepared
// JSON gives them (`placeFiles`): each place with its own level, class flags
// and three group keys.
struct FilePlace : TPlaceRecord {
    QString surface; // "sea", "land" or empty: where its marker must lie
};

// An exercise that asks places of the file, for the checks: its map, level,
// items and view (north, south, centre).
struct PlaceFileExercise {
    int number = 0, map = 0, level = 0;
    QStringList items;
    float north = 0, south = 0, centre = 0;
    bool Asks(const FilePlace& p) const;
};

struct PlaceFile {
    QString file;
    std::vector<FilePlace> places;
    std::vector<PlaceFileExercise> exercises;
};

// Reads `placeFiles` of the prepared JSON (none when it has no such key);
// names are fitted to Windows-1252 as every name of the atlas is. Throws
// EGlobina.
std::vector<PlaceFile> LoadPlaceFiles(const QString& jsonFile);

// What is wrong with the records themselves: an empty name, a name that
// Windows-1252 cannot hold, a repeated identifier, a level outside 0..32767,
// a position off the globe, more than 500 places.
QStringList CheckPlaceRecords(const PlaceFile& f);

// What is wrong with the places as the exercises show them, each map drawn by
// the program's own map at 1024 x 700 and 1920 x 1048 in the exercise's
// view: a marker outside the view, two markers of one exercise closer than 8
// pixels at 1024 x 700, a sea marker not on the drawn sea, a land marker not
// on land (its pixel and the four beside it). `sea` holds each map's sea points;
// a map with its own water file names it in `waterByMap`, the others draw `lakes`.
QStringList CheckPlacesOnMaps(const PlaceFile& f, const std::vector<AtlasMap>& maps,
                              const std::vector<AtlasArea>& lakes,
                              const std::map<int, std::vector<LatLon>>& sea,
                              const std::map<int, const std::vector<AtlasArea>*>& waterByMap = {});

// Writes the records in the program's place file format.
void WritePlaceRecords(const QString& file, const std::vector<FilePlace>& places);
