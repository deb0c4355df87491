// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class TByteFile;
class TByteWriter;

// One record of a place file, as stored: the names without their fallback.
struct TPlaceRecord {
    QString Id;                  // identifies the record in the tools; the program ignores it
    std::array<QString, 8> Namn; // languages 1..8 at 0..7
    int32_t Niva = 0;
    bool Klass1 = false;
    bool Klass2 = false;
    QString Grupp1;
    QString Grupp2;
    QString Grupp3;
    double Latitud = 0;
    double Longitud = 0;

    static TPlaceRecord Read(TByteFile& f);
    void Write(TByteWriter& w) const;
    bool operator==(const TPlaceRecord&) const = default;
};

// One point feature of a map: a city, a mountain, a river mouth...
class COrt {
public:
    virtual ~COrt() = default;

    std::array<QString, 9> Namn; // languages 1..8; slot 0 unused
    // The keys the place is chosen by, and what a game may require of it.
    QString Grupp1;
    QString Grupp2;
    QString Grupp3;
    int32_t Niva = 0;
    bool Klass1 = false;
    bool Klass2 = false;
    double Latitud = 0;
    double Longitud = 0;
    std::unique_ptr<COrt> Nasta; // next place in file order
    bool Deltar = false;
    bool Besvarad = false;
    int32_t Forsok = 0;
};

// The places of one place file as a singly linked list, with the counts of
// the running game.
class COrter {
public:
    COrter() = default;
    virtual ~COrter();
    COrter(const COrter&) = delete;
    COrter& operator=(const COrter&) = delete;

    // Loads the file; an empty file gives one blank place. Places read
    // completely before a failure stay in the list.
    void LasOrter(const QString& fileName);
    // Makes the places that match the key, level and class requirements take
    // part; Valda becomes Kvar afterwards.
    void Valj(const QString& key, int32_t niva, bool klass1, bool klass2);
    void Nollstall();
    // The places still to ask (taking part, not answered): the k-th from 0
    // in file order, and the one whose key comes first in the order given;
    // none where there is no such place.
    COrt* Vantande(int32_t k) const;
    COrt* ForstIOrdning(const QStringList& ordning,
                        const std::function<QString(const COrt&)>& nyckel) const;
    // Destroys every place (iteratively, so long lists cannot exhaust the stack).
    void Destroy();

    std::unique_ptr<COrt> Forsta;
    int32_t Valda = 0;
    int32_t Kvar = 0;
};
