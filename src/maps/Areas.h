// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/MapMath.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

constexpr int kMaxAreor = 500;

// One outlined region of a map: a country, a region or a body of water.
class CArea {
public:
    virtual ~CArea() = default;

    // True when the key equals Nyckel, Grupp1 or Grupp2 (exact, case-sensitive).
    bool Matchar(const QString& key) const;

    QString Nyckel;
    std::array<QString, 9> Namn; // languages 1..8; slot 0 unused
    QString Grupp1;
    QString Grupp2;
    QString Flaggfil;
    double Nord = 0;
    double Syd = 0;
    double Ost = 0;
    double Vast = 0;
    TLatLon Fyllpunkt1;
    TLatLon Fyllpunkt2;
    bool Deltar = false;
    bool Besvarad = false;
    int32_t Forsok = 0;
    int32_t Antal = 0;
    TPunkter Punkter{}; // points 1..Antal
};

// The areas of one area file, in file order (1..Antal), owned.
class CAreor {
public:
    virtual ~CAreor() = default;

    // Appends one area per record of the file. A 501st record or an outline of
    // more than 500 points raises ERangeError; Antal is set only when the
    // whole file has been read.
    void LasAreor(const QString& fileName);
    void Nollstall();
    // Makes every area with an outline that matches the key take part.
    void Markera(const QString& key);
    // Marks every matching area answered, taking part or not.
    void SattBesvarad(const QString& key, int32_t forsok);
    // The last area whose Nyckel (not group key) equals the key, or null.
    CArea* Hitta(const QString& key) const;

    // Area i, 1..Antal; outside that range ERangeError.
    CArea& Area(int i) const;
    // Appends an area built in memory (generators, tests). ERangeError when full.
    CArea& Lagg(std::unique_ptr<CArea> area);

    std::array<std::unique_ptr<CArea>, kMaxAreor + 1> Areor; // slot 0 unused
    int32_t Antal = 0;
};
