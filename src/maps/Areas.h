// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maps/MapMath.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TByteFile;
class TByteWriter;

constexpr int kMaxAreor = 500;

// Degrees as the map files store them: an int32 of ten-thousandths. Encoding
// rounds half to even; a value beyond 32 bits raises ERangeError.
double DecodeDegrees(int32_t stored);
int32_t EncodeDegrees(double degrees);

// A point as the area and sea-point files store it: latitude, then longitude.
struct TPointRecord {
    double Lat = 0; // degrees
    double Lon = 0; // degrees

    static TPointRecord Read(TByteFile& f);
    void Write(TByteWriter& w) const;
    bool operator==(const TPointRecord&) const = default;
};

// What an area file says of an area besides its names, seeds and outline, as
// the record holds it and the area keeps it.
struct TAreaUppgifter {
    QString Nyckel;
    QString Grupp1;
    QString Grupp2;
    QString Flaggfil;
    double Nord = 0;
    double Syd = 0;
    double Ost = 0;
    double Vast = 0;

    bool operator==(const TAreaUppgifter&) const = default;
};

// One record of an area file, as stored: the names without their fallback.
// Reading refuses an outline of more than 500 points with ERangeError.
struct TAreaRecord : TAreaUppgifter {
    std::array<QString, 8> Namn; // languages 1..8 at 0..7
    TPointRecord Fyllpunkt1;
    TPointRecord Fyllpunkt2;
    std::vector<TPointRecord> Punkter;

    static TAreaRecord Read(TByteFile& f);
    void Write(TByteWriter& w) const;
    bool operator==(const TAreaRecord&) const = default;
};

// An area's outline at one level of detail: the record's own ring, or the
// rings of a finer level (its islands are rings of their own), with bounds.
// A ring's bounds in degrees, so that drawing and the point test skip rings
// far from where they look.
struct TRingGrans {
    float Nord = 0, Syd = 0, Ost = 0, Vast = 0;
};

struct TFinKontur;

struct TKontur {
    const std::vector<std::vector<TLatLon>>* Ringar = nullptr; // null: the record's
    const std::vector<TRingGrans>* Granser = nullptr;          // each ring's, or null
    const TFinKontur* Fin = nullptr;                           // with Granser
    const TLatLon* Punkter = nullptr;                          // the record's points
    int Antal = 0;
    double Nord = 0, Syd = 0, Ost = 0, Vast = 0;

    // Even-odd over all the rings, so a point is in the area when it lies in
    // one of its islands.
    bool Haller(float lat, float lon) const;
    // Calls f(points, count) for each ring.
    template <class F> void VarjeRing(F f) const {
        if (!Ringar)
            f(Punkter, Antal);
        else
            for (const auto& r : *Ringar)
                f(r.data(), static_cast<int>(r.size()));
    }
    // Calls f(points, count, bounds) for each ring; the record's own ring has
    // the outline's bounds.
    template <class F> void VarjeRingMedGrans(F f) const {
        if (!Ringar) {
            f(Punkter, Antal,
              TRingGrans{static_cast<float>(Nord), static_cast<float>(Syd), static_cast<float>(Ost),
                         static_cast<float>(Vast)});
            return;
        }
        const TRingGrans alla{static_cast<float>(Nord), static_cast<float>(Syd),
                              static_cast<float>(Ost), static_cast<float>(Vast)};
        for (size_t i = 0; i < Ringar->size(); ++i)
            f((*Ringar)[i].data(), static_cast<int>((*Ringar)[i].size()),
              Granser ? (*Granser)[i] : alla);
    }
};

// An area's rings at one finer level, with their bounds; none: the coarser
// outline stands at that level.
struct TFinKontur {
    std::vector<std::vector<TLatLon>> Ringar;
    std::vector<TRingGrans> Granser; // one per ring
    double Nord = 0, Syd = 0, Ost = 0, Vast = 0;

    // A long ring's edges by bands of latitude, so that the point test looks
    // only at the edges a parallel can cross; built at a ring's first test.
    struct TBand {
        double Syd = 0, Hojd = 0;
        std::vector<uint32_t> Start;  // per band, into Kanter; one more at the end
        std::vector<uint32_t> Kanter; // edge i joins point i to the one before
    };
    mutable std::vector<TBand> Band; // per ring, empty until needed
    // Even-odd: whether ring r holds the point, as PunktIRing tells.
    bool RingHaller(size_t r, float lat, float lon) const;
};

// One outlined region of a map: a country, a region or a body of water.
class CArea : public TAreaUppgifter {
public:
    virtual ~CArea() = default;

    // True when the key equals Nyckel, Grupp1 or Grupp2 (exact, case-sensitive).
    bool Matchar(const QString& key) const;

    std::array<QString, 9> Namn; // languages 1..8; slot 0 unused
    TLatLon Fyllpunkt1;
    TLatLon Fyllpunkt2;
    bool Deltar = false;
    bool Besvarad = false;
    int32_t Forsok = 0;
    int32_t Antal = 0;
    TPunkter Punkter{}; // points 1..Antal
    // Finer outlines from the map's detail file, level 1 first; an empty one
    // keeps the coarser outline at that level.
    std::vector<TFinKontur> Finare;

    // The outline drawn and judged at a level: the finest there or coarser.
    TKontur Kontur(int niva) const;
};

// The rule a click is judged by where outlines overlap: of candidates
// 0..n-1 that hold the point, the one with the smallest northern bound, so
// that an enclave wins over the area round it; -1 where none does. The atlas
// tool checks its maps by the same rule.
template <class Nord, class Haller> int KlickadVid(int n, Nord nord, Haller haller) {
    int best = -1;
    for (int i = 0; i < n; ++i) {
        if (best >= 0 && nord(i) >= nord(best))
            continue;
        if (haller(i))
            best = i;
    }
    return best;
}

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

    // Of the areas that pass the filter and whose outline at Niva holds the point,
    // the one with the smallest northern bound: an enclave wins over the area
    // round it. Null when none does.
    template <class Filter> CArea* Under(float lat, float lon, Filter passes) const {
        const int i = KlickadVid(
            Antal, [this](int k) { return Areor[k + 1]->Nord; },
            [&](int k) {
                const CArea& a = *Areor[k + 1];
                return passes(a) && a.Kontur(Niva).Haller(lat, lon);
            });
        return i < 0 ? nullptr : Areor[i + 1].get();
    }

    // Area i, 1..Antal; outside that range ERangeError.
    CArea& Area(int i) const;
    // Appends an area built in memory (generators, tests). ERangeError when full.
    CArea& Lagg(std::unique_ptr<CArea> area);

    // Reads the finer outlines of the areas from a detail file (DetaljFil)
    // written for this area file. A missing or damaged file, or one written
    // for other records, leaves the areas with their own outlines only and
    // returns false: the map plays on them.
    bool LasDetaljer(const QString& fileName);
    // The coarsest level whose outlines lie within a pixel of the source at
    // a view of that many degrees of latitude per pixel (0: the records').
    int NivaFor(double gradPerPixel) const;
    // Reads only the detail file's own first tolerance, under which the
    // records no longer do: the rest is read by LasDetaljerOmBehovs at the
    // first view that needs it, so a start at an exercise's own view reads
    // no more. A missing or damaged file leaves the records' own outlines.
    void LasDetaljerSenare(const QString& fileName);
    // Reads the file that LasDetaljerSenare named, once, when a view of that
    // many degrees per pixel is finer than the records' tolerance.
    void LasDetaljerOmBehovs(double gradPerPixel);
    // The records' own tolerance, read or still waiting to be read; 0
    // without a detail file.
    double GrundTolerans() const;

    std::array<std::unique_ptr<CArea>, kMaxAreor + 1> Areor; // slot 0 unused
    int32_t Antal = 0;
    // Each level's greatest distance from the source in degrees: the
    // records' outlines first, then the finer levels; empty without detail.
    std::vector<double> Toleranser;
    // The level the map was last drawn at: a click is judged on what it shows.
    int Niva = 0;

private:
    QString vantandeDetaljer_; // named by LasDetaljerSenare, not read yet
    double vantandeTolerans_ = 0;
};

// The finer outlines of an area file, as the atlas tool writes them and
// LasDetaljer reads them: per level its tolerance and, for each record of
// the area file in order, its rings at that level (none: the coarser ones).
struct TDetaljer {
    using TRingar = std::vector<std::vector<TPointRecord>>;
    double BasTolerans = 0; // the records' own outlines
    struct TNiva {
        double Tolerans = 0;
        std::vector<TRingar> Poster;
        bool operator==(const TNiva&) const = default;
    };
    std::vector<TNiva> Nivaer;

    // Reading refuses anything but a whole, consistent file with EInOutError.
    static TDetaljer Read(TByteFile& f);
    void Write(TByteWriter& w) const;
    bool operator==(const TDetaljer&) const = default;
};
