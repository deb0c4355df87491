// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Areas.h"

#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"

#include <algorithm>

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
    // Any finer outlines were of the records before.
    Toleranser.clear();
    Niva = 0;
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

TKontur CArea::Kontur(int niva) const {
    for (int l = std::min(niva, static_cast<int>(Finare.size())); l >= 1; --l) {
        const TFinKontur& f = Finare[static_cast<size_t>(l - 1)];
        if (!f.Ringar.empty())
            return {&f.Ringar, nullptr, 0, f.Nord, f.Syd, f.Ost, f.Vast};
    }
    return {nullptr, Punkter.data() + 1, std::min(Antal, kMaxPunkter), Nord, Syd, Ost, Vast};
}

bool TKontur::Haller(float lat, float lon) const {
    bool inne = false;
    VarjeRing([&](const TLatLon* p, int n) { inne ^= PunktIRing(lat, lon, p, n); });
    return inne;
}

namespace {

// "DETALJ" and the format's version, so that a file of another kind or a
// later format is refused rather than misread.
const QString kDetaljMarke = QStringLiteral("DETALJ1");
constexpr int kMaxNivaer = 16;
constexpr int32_t kMaxFinaPunkter = 10'000'000;

// Tolerances in millionths of a degree: finer than the points' ten-thousandths,
// since a level's tolerance is a fraction of a pixel of the closest view.
int32_t EncodeTolerans(double grad) {
    return Round(grad * 1e6);
}
double DecodeTolerans(int32_t stored) {
    return stored / 1e6;
}

[[noreturn]] void Skadad(const QString& vad) {
    throw EInOutError(QStringLiteral("The detail file is damaged: %1").arg(vad));
}

} // namespace

TDetaljer TDetaljer::Read(TByteFile& f) {
    if (f.ReadString() != kDetaljMarke)
        Skadad(QStringLiteral("not a detail file of this version"));
    TDetaljer d;
    d.BasTolerans = DecodeTolerans(f.ReadInt32());
    const int nivaer = f.ReadInt16();
    const int poster = f.ReadInt16();
    if (nivaer < 1 || nivaer > kMaxNivaer || poster > kMaxAreor)
        Skadad(QStringLiteral("%1 levels of %2 records").arg(nivaer).arg(poster));
    double grovre = d.BasTolerans;
    for (int l = 0; l < nivaer; ++l) {
        TNiva& niva = d.Nivaer.emplace_back();
        niva.Tolerans = DecodeTolerans(f.ReadInt32());
        // Each level is finer than the one before, or choosing one means nothing.
        if (niva.Tolerans <= 0 || niva.Tolerans >= grovre)
            Skadad(QStringLiteral("level %1 is not finer than the one before").arg(l + 1));
        grovre = niva.Tolerans;
        niva.Poster.resize(static_cast<size_t>(poster));
        for (TRingar& ringar : niva.Poster) {
            ringar.resize(static_cast<size_t>(f.ReadInt16()));
            for (auto& ring : ringar) {
                const int32_t n = f.ReadInt32();
                if (n < 3 || n > kMaxFinaPunkter)
                    Skadad(QStringLiteral("a ring of %1 points").arg(n));
                ring.reserve(static_cast<size_t>(n));
                for (int32_t k = 0; k < n; ++k)
                    ring.push_back(TPointRecord::Read(f));
            }
        }
    }
    if (!f.Eof())
        Skadad(QStringLiteral("bytes after its last level"));
    return d;
}

void TDetaljer::Write(TByteWriter& w) const {
    const size_t poster = Nivaer.empty() ? 0 : Nivaer.front().Poster.size();
    w.WriteString(kDetaljMarke);
    w.WriteInt32(EncodeTolerans(BasTolerans));
    w.WriteInt16(static_cast<int>(Nivaer.size()));
    w.WriteInt16(static_cast<int>(poster));
    for (const TNiva& niva : Nivaer) {
        if (niva.Poster.size() != poster)
            throw EInOutError(QStringLiteral("Every level of a detail file has every record"));
        w.WriteInt32(EncodeTolerans(niva.Tolerans));
        for (const TRingar& ringar : niva.Poster) {
            w.WriteInt16(static_cast<int>(ringar.size()));
            for (const auto& ring : ringar) {
                w.WriteInt32(static_cast<int32_t>(ring.size()));
                for (const TPointRecord& p : ring)
                    p.Write(w);
            }
        }
    }
}

bool CAreor::LasDetaljer(const QString& fileName) {
    for (int i = 1; i <= Antal; ++i)
        Areor[i]->Finare.clear();
    Toleranser.clear();
    Niva = 0;
    TDetaljer d;
    try {
        TByteFile f(fileName);
        d = TDetaljer::Read(f);
    } catch (const EGlobina&) {
        return false;
    }
    // Written for another area file: its outlines would belong to other areas.
    if (static_cast<int>(d.Nivaer.front().Poster.size()) != Antal)
        return false;
    Toleranser.push_back(d.BasTolerans);
    for (const TDetaljer::TNiva& niva : d.Nivaer) {
        Toleranser.push_back(niva.Tolerans);
        for (int i = 1; i <= Antal; ++i) {
            TFinKontur& k = Areor[i]->Finare.emplace_back();
            k.Nord = k.Ost = -1000, k.Syd = k.Vast = 1000;
            for (const auto& ring : niva.Poster[static_cast<size_t>(i - 1)]) {
                auto& r = k.Ringar.emplace_back();
                for (const TPointRecord& p : ring) {
                    const TLatLon q = Single(p);
                    r.push_back(q);
                    k.Nord = std::max<double>(k.Nord, q.Lat),
                    k.Syd = std::min<double>(k.Syd, q.Lat);
                    k.Ost = std::max<double>(k.Ost, q.Lon),
                    k.Vast = std::min<double>(k.Vast, q.Lon);
                }
            }
        }
    }
    return true;
}

int CAreor::NivaFor(double gradPerPixel) const {
    for (size_t l = 0; l < Toleranser.size(); ++l)
        if (Toleranser[l] <= gradPerPixel)
            return static_cast<int>(l);
    return Toleranser.empty() ? 0 : static_cast<int>(Toleranser.size()) - 1;
}
