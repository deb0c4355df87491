// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

class TByteFile;
class TByteWriter;

// One record of the catalogue file, as stored. A record begins with its kind
// keyword, which the catalogue reads ahead to choose the entry's class, so
// Read takes the keyword and reads what follows it; Write writes it all.
struct TCatalogueRecord {
    QString Typ;
    std::array<QString, 8> Namn; // languages 1..8 at 0..7
    int32_t Nummer = 0;
    int32_t Niva = 0;
    int32_t Linjebredd = 0;
    bool KravPlats1 = false;
    bool KravPlats2 = false;
    bool Reserv = false;
    int32_t Kartnummer = 0;
    int32_t Ortfil = 0;
    QString Varldsdel;
    uint32_t Landfarg = 0; // 0xBBGGRR
    uint32_t Ovningsfarg = 0;
    uint32_t Vattenfarg = 0;
    double VyNord = 0; // degrees
    double VySyd = 0;
    double VyMitt = 0;
    QStringList Objekt; // a 101st item raises ERangeError on reading

    static TCatalogueRecord Read(TByteFile& f, const QString& typ);
    void Write(TByteWriter& w) const;
    bool operator==(const TCatalogueRecord&) const = default;
};

// The catalogue of every exercise the program offers, in file order. Entries
// are shared: a screen that still plays an entry keeps it alive after a new
// catalogue has replaced this one.
class COvningar {
public:
    COvningar() = default;
    ~COvningar();
    COvningar(const COvningar&) = delete;
    COvningar& operator=(const COvningar&) = delete;

    // Reads the catalogue file. Failures are passed on; the entries linked
    // before a failure stay in the list.
    void LasOvningar(const QString& fileName);
    // The first entry whose name in the current language is exactly the name.
    std::shared_ptr<COvning> HittaOvning(const QString& name) const;
    // The entry of that number (its top-ten list's); none when there is none.
    std::shared_ptr<COvning> HittaNummer(int32_t nummer) const;

    // An entry of the class that a kind keyword names.
    static std::shared_ptr<COvning> Skapa(const QString& keyword);

    std::shared_ptr<COvning> Forsta;
};
