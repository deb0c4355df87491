// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Misstagsregister.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// What a class got wrong, from the records its pupils exported as CSV
// (Postexport): the items missed most, the confusions made most, and each
// pupil's share right at the first try per part of the world.

struct TKlassForvaxling {
    QString Namn;
    QString GivetNamn;
    int Antal = 0;
};

struct TElev {
    QString Spelare;
    // Part of the world's code: questions asked, right at the first try.
    std::map<QString, std::pair<int, int>> PerDel;
};

class CKlassresultat {
public:
    // Adds the questions of an exported record. A file that cannot be read,
    // is not such a record or is damaged adds nothing; the message says
    // which file and, where it can, which line.
    QString LasFil(const QString& fileName);
    // The same for the file's text, named as given.
    QString LasText(const QString& name, const QString& text);

    // Of the part and kind (empty: every kind), the items missed at the
    // first try at least once, most misses first, then the lower share.
    std::vector<TMissatObjekt> MestMissade(const QString& varldsdel, const QString& typ,
                                          int antal = 10) const;
    std::vector<TKlassForvaxling> Forvaxlingar(const QString& varldsdel, const QString& typ,
                                               int antal = 10) const;
    // The pupils by name.
    std::vector<TElev> Elever() const;
    // The exercise of the part and kind whose questions hold the most misses
    // of the items; 0 when none does.
    int OvningFor(const QString& varldsdel, const QString& typ, const QStringList& objekt) const;
    int Fragor() const { return static_cast<int>(rader_.size()); }

private:
    struct TRad {
        QString Spelare;
        int Ovning = 0;
        QString Varldsdel, Typ, Objekt, Namn;
        int Forsok = 0;
        QString Givet, GivetNamn; // as the file holds them: split when asked for
    };
    bool Valjs(const TRad& r, const QString& varldsdel, const QString& typ) const {
        return r.Varldsdel == varldsdel && (typ.isEmpty() || r.Typ == typ);
    }
    std::vector<TRad> rader_;
};
