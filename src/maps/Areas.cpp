// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Areas.h"

#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"

double DecodeDegrees(int32_t stored) {
    return stored / 10000.0;
}

int32_t EncodeDegrees(double degrees) {
    return Round(degrees * 10000);
}

TPointRecord TPointRecord::Read(TByteFile& f) {
    TPointRecord p;
    p.Lat = DecodeDegrees(f.ReadInt32());
    p.Lon = DecodeDegrees(f.ReadInt32());
    return p;
}

void TPointRecord::Write(TByteWriter& w) const {
    w.WriteInt32(EncodeDegrees(Lat));
    w.WriteInt32(EncodeDegrees(Lon));
}

TAreaRecord TAreaRecord::Read(TByteFile& f) {
    TAreaRecord r;
    r.Nyckel = f.ReadString();
    r.Grupp1 = f.ReadString();
    r.Grupp2 = f.ReadString();
    for (QString& namn : r.Namn)
        namn = f.ReadString();
    r.Flaggfil = f.ReadString();
    f.ReadInt16(); // reserved
    const int n = f.ReadInt16();
    RangeCheck(n, 0, kMaxPunkter);
    for (double* v : {&r.Nord, &r.Syd, &r.Ost, &r.Vast})
        *v = DecodeDegrees(f.ReadInt32());
    r.Fyllpunkt1 = TPointRecord::Read(f);
    r.Fyllpunkt2 = TPointRecord::Read(f);
    r.Punkter.reserve(n);
    for (int k = 0; k < n; ++k)
        r.Punkter.push_back(TPointRecord::Read(f));
    return r;
}

void TAreaRecord::Write(TByteWriter& w) const {
    for (const QString& s : {Nyckel, Grupp1, Grupp2})
        w.WriteString(s);
    for (const QString& namn : Namn)
        w.WriteString(namn);
    w.WriteString(Flaggfil);
    w.WriteInt16(0); // reserved
    w.WriteInt16(static_cast<int>(Punkter.size()));
    for (double v : {Nord, Syd, Ost, Vast})
        w.WriteInt32(EncodeDegrees(v));
    Fyllpunkt1.Write(w);
    Fyllpunkt2.Write(w);
    for (const TPointRecord& p : Punkter)
        p.Write(w);
}

namespace {

TLatLon Single(const TPointRecord& p) {
    return {static_cast<float>(p.Lat), static_cast<float>(p.Lon)};
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
        const TAreaRecord r = TAreaRecord::Read(f);
        auto area = std::make_unique<CArea>();
        CArea& a = *area;
        Areor[count + 1] = std::move(area);
        static_cast<TAreaUppgifter&>(a) = r;
        for (int lang = 1; lang <= 8; ++lang)
            a.Namn[lang] = r.Namn[lang - 1];
        // Languages 2 to 6 fall back on the first; 7 and 8 stay as stored.
        for (int lang = 2; lang <= 6; ++lang)
            if (a.Namn[lang].isEmpty())
                a.Namn[lang] = a.Namn[1];
        a.Antal = static_cast<int32_t>(r.Punkter.size());
        a.Fyllpunkt1 = Single(r.Fyllpunkt1);
        a.Fyllpunkt2 = Single(r.Fyllpunkt2);
        for (int k = 1; k <= a.Antal; ++k)
            a.Punkter[k] = Single(r.Punkter[k - 1]);
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
