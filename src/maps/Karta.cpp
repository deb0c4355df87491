// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Karta.h"

#include "data/ByteFile.h"
#include "data/Errors.h"
#include "maps/Kartor.h"
#include "platform/Image.h"

#include <cmath>

int CKarta::W() const {
    return Bild ? Bild->PixelWidth() : 0;
}

int CKarta::H() const {
    return Bild ? Bild->PixelHeight() : 0;
}

qreal CKarta::Pixelkvot() const {
    return Bild ? Bild->PixelRatio() : 1.0;
}

int CKarta::Px(int n) const {
    const qreal r = Pixelkvot();
    return r == 1.0 ? n : static_cast<int>(std::lround(n * r));
}

void CKarta::LasAtlaskarta(int nr, bool detaljerSenare) {
    // Every map draws its lakes: water areas change only the picture, never
    // which area a click lands in. The six continent maps share one water
    // file; each close-up map has its own with the lakes it shows. Each map
    // has its own sea points, one for every piece of sea it cuts off.
    if (Vattenareor)
        Vattenareor->LasAreor(VattenFil(nr));
    if (Landareor) {
        Landareor->LasAreor(AreaFil(nr));
        // Finer outlines for the closer views, where the map has them; without
        // them (or with a damaged file) every view plays on the records' own.
        if (detaljerSenare)
            Landareor->LasDetaljerSenare(DetaljFil(nr));
        else
            Landareor->LasDetaljer(DetaljFil(nr));
    }
    LasHav(HavFil(nr));
    Gradnat = nr == 1; // the graticule belongs to the world map alone
}

void CKarta::LasHav(const QString& fileName) {
    AntalHav = 1;
    TByteFile f(fileName);
    while (!f.Eof()) {
        const TSeaPointRecord r = TSeaPointRecord::Read(f);
        Havspunkter[AntalHav] = {static_cast<float>(r.Lat), static_cast<float>(r.Lon)};
        if (!f.Eof()) {
            // Checked before counting, so AntalHav never exceeds the array.
            RangeCheck(AntalHav + 1, 1, kMaxHav);
            ++AntalHav;
        }
    }
}

void CKarta::BeraknaSkala() {
    Langdskala = Round(std::fabs((static_cast<double>(VyNord) + VySyd) / 2) / 90 * 50) + 90;
}

double CKarta::Skala() const {
    return static_cast<float>(H() / (static_cast<double>(VyNord) - VySyd));
}

int32_t CKarta::YKoord(float lat) const {
    return Round(YKoordExakt(lat));
}

int32_t CKarta::XKoord(float lat, float lon) const {
    return Round(XKoordExakt(lat, lon));
}

double CKarta::YKoordExakt(float lat) const {
    if (VyNord == VySyd)
        throw ERangeError();
    lat = Min(Max(lat, -90), 90);
    return H() - static_cast<double>(Interpolera(lat, VyNord, VySyd, H(), 0));
}

double CKarta::XKoordExakt(float lat, float lon) const {
    if (VyNord == VySyd)
        throw ERangeError();
    const double s = Skala();
    const double d = static_cast<float>(static_cast<double>(lon) - VyMitt);
    if (lat == 90 || lat == -90)
        return W() / 2.0;
    const double l = lat;
    return std::sqrt(8100 - l * l) * d / Langdskala * s + W() / 2.0;
}

float CKarta::LatVid(int32_t y) const {
    return Min(Max(Interpolera(y, H(), 0, VySyd, VyNord), -90), 90);
}

float CKarta::LonVid(int32_t y, int32_t x) const {
    const int32_t dx = x - W() / 2;
    const double lat = LatVid(y);
    const double s = Skala();
    if (lat == 90 || lat == -90)
        return VyMitt;
    return static_cast<float>(dx / std::sqrt(8100 - lat * lat) * Langdskala / s + VyMitt);
}

bool CKarta::InomBild(int32_t x, int32_t y) const {
    return x >= 1 && x < W() && y >= 1 && y < H();
}

int32_t CKarta::Avstand(float lat, float lon, const COrt& ort) const {
    const float ortLat = static_cast<float>(ort.Latitud);
    const float ortLon = static_cast<float>(ort.Longitud);
    const double dy = static_cast<double>(YKoord(lat)) - YKoord(ortLat);
    const double dx = static_cast<double>(XKoord(lat, lon)) - XKoord(ortLat, ortLon);
    return Round(std::sqrt(dx * dx + dy * dy));
}

float CKarta::SynligHalvbredd() const {
    // A row lying at a pole shows a single point, not a width; left out, a
    // view that reaches past a pole could never be widened enough to fit.
    float result = 1000;
    for (int32_t y : {H() / 2, H()}) {
        const float lat = LatVid(y);
        if (lat == 90 || lat == -90)
            continue;
        result = Min(result, VyMitt - LonVid(y, 0));
    }
    return result;
}

double CKarta::Detaljskala() const {
    const double skala = std::fabs(static_cast<double>(VyNord) - VySyd) / H();
    const double grund = Landareor ? Landareor->GrundTolerans() : 0;
    return Narmare && grund > 0 ? std::min(skala, grund * 0.999) : skala;
}

int CKarta::Detaljniva() const {
    if (!Landareor || H() < 1 || VyNord == VySyd)
        return 0;
    return Landareor->NivaFor(Detaljskala());
}

void CKarta::AnpassaVy() {
    Narmare = false;
    float north = -10000, south = 10000, east = -10000, west = 10000;
    if (Landareor) {
        for (int i = 1; i <= Landareor->Antal; ++i) {
            const CArea& a = *Landareor->Areor[i];
            if (!a.Deltar || a.Antal < 1)
                continue;
            if (a.Ost > east)
                east = static_cast<float>(a.Ost);
            if (a.Nord > north)
                north = static_cast<float>(a.Nord);
            if (a.Vast < west)
                west = static_cast<float>(a.Vast);
            if (a.Syd < south)
                south = static_cast<float>(a.Syd);
        }
    }
    VyMitt = (west + east) / 2;
    const float m = (north - south) / 25;
    VyNord = north + m;
    VySyd = south - m;
    BeraknaSkala();
    const float need = Max(east - VyMitt, VyMitt - west);
    while (SynligHalvbredd() < need) {
        VyNord = VyNord + (VyNord - VySyd) / 100;
        VySyd = VySyd - (VyNord - VySyd) / 100;
        BeraknaSkala();
    }
}
