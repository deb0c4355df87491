// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Areas.h"

#include "data/ByteFile.h"
#include "data/Errors.h"

namespace {

double Degrees(int32_t stored) {
    return stored / 10000.0;
}

TLatLon ReadPoint(TByteFile& f) {
    TLatLon p;
    p.Lat = static_cast<float>(Degrees(f.ReadInt32()));
    p.Lon = static_cast<float>(Degrees(f.ReadInt32()));
    return p;
}

} // namespace

bool CArea::Matchar(const QString& key) const {
    return key == Nyckel || key == Grupp1 || key == Grupp2;
}

void CAreor::LasAreor(const QString& fileName) {
    TByteFile f(fileName);
    int count = 0;
    while (!f.Eof()) {
        RangeCheck(count + 1, 1, kMaxAreor);
        auto area = std::make_unique<CArea>();
        CArea& a = *area;
        Areor[count + 1] = std::move(area);
        a.Nyckel = f.ReadString();
        a.Grupp1 = f.ReadString();
        a.Grupp2 = f.ReadString();
        for (int lang = 1; lang <= 8; ++lang)
            a.Namn[lang] = f.ReadString();
        // Languages 2 to 6 fall back on the first; 7 and 8 stay as stored.
        for (int lang = 2; lang <= 6; ++lang)
            if (a.Namn[lang].isEmpty())
                a.Namn[lang] = a.Namn[1];
        a.Flaggfil = f.ReadString();
        f.ReadInt16(); // reserved
        const int n = f.ReadInt16();
        RangeCheck(n, 0, kMaxPunkter);
        a.Antal = n;
        a.Nord = Degrees(f.ReadInt32());
        a.Syd = Degrees(f.ReadInt32());
        a.Ost = Degrees(f.ReadInt32());
        a.Vast = Degrees(f.ReadInt32());
        a.Fyllpunkt1 = ReadPoint(f);
        a.Fyllpunkt2 = ReadPoint(f);
        for (int k = 1; k <= n; ++k)
            a.Punkter[k] = ReadPoint(f);
        a.Deltar = false;
        ++count;
    }
    Antal = count;
}

void CAreor::Nollstall() {
    for (int i = 1; i <= Antal; ++i) {
        Areor[i]->Deltar = false;
        Areor[i]->Besvarad = false;
    }
}

void CAreor::Markera(const QString& key) {
    for (int i = 1; i <= Antal; ++i) {
        CArea& a = *Areor[i];
        if (a.Antal > 0 && a.Matchar(key))
            a.Deltar = true;
    }
}

void CAreor::SattBesvarad(const QString& key, int32_t forsok) {
    for (int i = 1; i <= Antal; ++i) {
        CArea& a = *Areor[i];
        if (a.Matchar(key)) {
            a.Besvarad = true;
            a.Forsok = forsok;
        }
    }
}

CArea* CAreor::Hitta(const QString& key) const {
    CArea* found = nullptr;
    for (int i = 1; i <= Antal; ++i)
        if (Areor[i]->Nyckel == key)
            found = Areor[i].get();
    return found;
}

CArea& CAreor::Area(int i) const {
    RangeCheck(i, 1, Antal);
    return *Areor[i];
}

CArea& CAreor::Lagg(std::unique_ptr<CArea> area) {
    RangeCheck(Antal + 1, 1, kMaxAreor);
    Areor[Antal + 1] = std::move(area);
    return *Areor[++Antal];
}
