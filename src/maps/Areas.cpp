// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Areas.h"

#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"

#include <algorithm>
#include <cmath>

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
    vantandeDetaljer_.clear();
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
        if (!f.Ringar.empty()) {
            // Rings built without their bounds (in memory) are tested whole.
            const bool granser = f.Granser.size() == f.Ringar.size();
            return {&f.Ringar,
                    granser ? &f.Granser : nullptr,
                    granser ? &f : nullptr,
                    nullptr,
                    0,
                    f.Nord,
                    f.Syd,
                    f.Ost,
                    f.Vast};
        }
    }
    return {nullptr, nullptr, nullptr, Punkter.data() + 1, std::min(Antal, kMaxPunkter), Nord,
            Syd,     Ost,     Vast};
}

namespace {

// Whether the edge from a to b crosses the parallel east of the point: the
// test of PunktIRing, step for step.
bool KorsarOster(float lat, float lon, const TLatLon& a, const TLatLon& b) {
    if ((a.Lat <= lat) == (b.Lat <= lat))
        return false;
    const double lonA = a.Lon;
    const double x = (static_cast<double>(lat) - a.Lat) * (static_cast<double>(b.Lon) - lonA) /
                         (static_cast<double>(b.Lat) - a.Lat) +
                     lonA;
    return lon < x;
}

constexpr size_t kKortRing = 64; // shorter rings are tested edge by edge

size_t BandAv(const TFinKontur::TBand& b, double lat) {
    const double k = b.Hojd > 0 ? std::floor((lat - b.Syd) / b.Hojd) : 0;
    return static_cast<size_t>(std::clamp(k, 0.0, static_cast<double>(b.Start.size() - 2)));
}

} // namespace

bool TFinKontur::RingHaller(size_t r, float lat, float lon) const {
    const std::vector<TLatLon>& p = Ringar[r];
    const size_t n = p.size();
    if (n < kKortRing)
        return PunktIRing(lat, lon, p.data(), static_cast<int>(n));
    if (Band.size() != Ringar.size())
        Band.resize(Ringar.size());
    TBand& b = Band[r];
    if (b.Start.empty()) {
        const size_t band = n / 8;
        b.Syd = Granser[r].Syd;
        b.Hojd = (static_cast<double>(Granser[r].Nord) - b.Syd) / static_cast<double>(band);
        b.Start.assign(band + 1, 0);
        // Each edge in every band its latitudes reach: counted, then placed.
        auto varje = [&](auto f) {
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                const float lo = std::min(p[i].Lat, p[j].Lat), hi = std::max(p[i].Lat, p[j].Lat);
                for (size_t k = BandAv(b, lo); k <= BandAv(b, hi); ++k)
                    f(k, i);
            }
        };
        varje([&](size_t k, size_t) { ++b.Start[k + 1]; });
        for (size_t k = 1; k < b.Start.size(); ++k)
            b.Start[k] += b.Start[k - 1];
        b.Kanter.resize(b.Start.back());
        std::vector<uint32_t> next(b.Start.begin(), b.Start.end() - 1);
        varje([&](size_t k, size_t i) { b.Kanter[next[k]++] = static_cast<uint32_t>(i); });
    }
    bool inne = false;
    const size_t k = BandAv(b, lat);
    for (uint32_t e = b.Start[k]; e < b.Start[k + 1]; ++e) {
        const size_t i = b.Kanter[e];
        inne ^= KorsarOster(lat, lon, p[i], p[i == 0 ? n - 1 : i - 1]);
    }
    return inne;
}

bool TKontur::Haller(float lat, float lon) const {
    bool inne = false;
    // A ring that no parallel through the point crosses east of it cannot
    // change the count.
    if (Fin) {
        for (size_t r = 0; r < Ringar->size(); ++r) {
            const TRingGrans& g = (*Granser)[r];
            if (lat <= g.Nord && lat >= g.Syd && lon <= g.Ost)
                inne ^= Fin->RingHaller(r, lat, lon);
        }
        return inne;
    }
    VarjeRingMedGrans([&](const TLatLon* p, int n, const TRingGrans& g) {
        if (lat <= g.Nord && lat >= g.Syd && lon <= g.Ost)
            inne ^= PunktIRing(lat, lon, p, n);
    });
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

namespace {

// Reads a detail file's parts in order and checks them: huvud(base tolerance,
// levels, records), then per level niva(tolerance), per record post(rings)
// and per ring ring(stored ten-thousandths, latitude then longitude, points).
template <class Huvud, class Niva, class Post, class Ring>
void LasDetaljfil(TByteFile& f, Huvud huvud, Niva niva, Post post, Ring ring) {
    if (f.ReadString() != kDetaljMarke)
        Skadad(QStringLiteral("not a detail file of this version"));
    const double bas = DecodeTolerans(f.ReadInt32());
    const int nivaer = f.ReadInt16();
    const int poster = f.ReadInt16();
    if (nivaer < 1 || nivaer > kMaxNivaer || poster > kMaxAreor)
        Skadad(QStringLiteral("%1 levels of %2 records").arg(nivaer).arg(poster));
    huvud(bas, nivaer, poster);
    double grovre = bas;
    std::vector<int32_t> koder;
    for (int l = 0; l < nivaer; ++l) {
        const double tolerans = DecodeTolerans(f.ReadInt32());
        // Each level is finer than the one before, or choosing one means nothing.
        if (tolerans <= 0 || tolerans >= grovre)
            Skadad(QStringLiteral("level %1 is not finer than the one before").arg(l + 1));
        grovre = tolerans;
        niva(tolerans);
        for (int p = 0; p < poster; ++p) {
            const int ringar = f.ReadInt16();
            post(ringar);
            for (int r = 0; r < ringar; ++r) {
                const int32_t n = f.ReadInt32();
                if (n < 3 || n > kMaxFinaPunkter)
                    Skadad(QStringLiteral("a ring of %1 points").arg(n));
                koder.resize(2 * static_cast<size_t>(n));
                f.ReadInt32s(koder.data(), koder.size());
                ring(koder.data(), static_cast<size_t>(n));
            }
        }
    }
    if (!f.Eof())
        Skadad(QStringLiteral("bytes after its last level"));
}

} // namespace

TDetaljer TDetaljer::Read(TByteFile& f) {
    TDetaljer d;
    size_t nasta = 0; // the next ring of the record being read
    LasDetaljfil(
        f, [&](double bas, int, int) { d.BasTolerans = bas; },
        [&](double tolerans) {
            d.Nivaer.push_back({tolerans, {}});
        },
        [&](int ringar) {
            d.Nivaer.back().Poster.emplace_back(static_cast<size_t>(ringar));
            nasta = 0;
        },
        [&](const int32_t* koder, size_t n) {
            auto& punkter = d.Nivaer.back().Poster.back()[nasta++];
            punkter.resize(n);
            for (size_t k = 0; k < n; ++k)
                punkter[k] = {DecodeDegrees(koder[2 * k]), DecodeDegrees(koder[2 * k + 1])};
        });
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

void CAreor::LasDetaljerSenare(const QString& fileName) {
    LasDetaljer(QString()); // none until the file is read
    try {
        TByteFile f(fileName);
        if (f.ReadString() == kDetaljMarke) {
            vantandeTolerans_ = DecodeTolerans(f.ReadInt32());
            vantandeDetaljer_ = fileName;
        }
    } catch (const EGlobina&) {
    }
}

void CAreor::LasDetaljerOmBehovs(double gradPerPixel) {
    if (!vantandeDetaljer_.isEmpty() && gradPerPixel < vantandeTolerans_)
        LasDetaljer(QString(vantandeDetaljer_)); // a copy: reading clears the name
}

double CAreor::GrundTolerans() const {
    return !vantandeDetaljer_.isEmpty() ? vantandeTolerans_
           : Toleranser.empty()         ? 0
                                        : Toleranser.front();
}

bool CAreor::LasDetaljer(const QString& fileName) {
    for (int i = 1; i <= Antal; ++i)
        Areor[i]->Finare.clear();
    Toleranser.clear();
    vantandeDetaljer_.clear();
    Niva = 0;
    if (fileName.isEmpty())
        return false;
    // Read whole into the areas' own form, and taken only when all is well.
    std::vector<double> toleranser;
    std::vector<std::vector<TFinKontur>> nivaer; // per level, per record
    try {
        TByteFile f(fileName);
        LasDetaljfil(
            f,
            [&](double bas, int, int poster) {
                // Written for another area file: its outlines would belong to other areas.
                if (poster != Antal)
                    Skadad(QStringLiteral("written for %1 records").arg(poster));
                toleranser.push_back(bas);
            },
            [&](double tolerans) {
                toleranser.push_back(tolerans);
                nivaer.emplace_back().reserve(static_cast<size_t>(Antal));
            },
            [&](int ringar) {
                TFinKontur& k = nivaer.back().emplace_back();
                k.Nord = k.Ost = -1000, k.Syd = k.Vast = 1000;
                k.Ringar.reserve(static_cast<size_t>(ringar));
                k.Granser.reserve(static_cast<size_t>(ringar));
            },
            [&](const int32_t* koder, size_t n) {
                TFinKontur& k = nivaer.back().back();
                auto& r = k.Ringar.emplace_back(n);
                TRingGrans& g = k.Granser.emplace_back(TRingGrans{-1000, 1000, -1000, 1000});
                for (size_t i = 0; i < n; ++i) {
                    // As Single(TPointRecord::Read(f)).
                    const TLatLon q{static_cast<float>(DecodeDegrees(koder[2 * i])),
                                    static_cast<float>(DecodeDegrees(koder[2 * i + 1]))};
                    r[i] = q;
                    g.Nord = std::max(g.Nord, q.Lat), g.Syd = std::min(g.Syd, q.Lat);
                    g.Ost = std::max(g.Ost, q.Lon), g.Vast = std::min(g.Vast, q.Lon);
                }
                k.Nord = std::max<double>(k.Nord, g.Nord), k.Syd = std::min<double>(k.Syd, g.Syd);
                k.Ost = std::max<double>(k.Ost, g.Ost), k.Vast = std::min<double>(k.Vast, g.Vast);
            });
    } catch (const EGlobina&) {
        return false;
    }
    Toleranser = std::move(toleranser);
    for (auto& niva : nivaer)
        for (int i = 1; i <= Antal; ++i)
            Areor[i]->Finare.push_back(std::move(niva[static_cast<size_t>(i - 1)]));
    return true;
}

int CAreor::NivaFor(double gradPerPixel) const {
    for (size_t l = 0; l < Toleranser.size(); ++l)
        if (Toleranser[l] <= gradPerPixel)
            return static_cast<int>(l);
    return Toleranser.empty() ? 0 : static_cast<int>(Toleranser.size()) - 1;
}
