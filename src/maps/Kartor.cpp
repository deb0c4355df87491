// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Kartor.h"

#include "data/Errors.h"

#include <array>

namespace {

const std::array<TKartinfo, kAntalKartor> kKartor = {{
    {"Vatten.crp", true, true},     // 1 the world
    {"Vatten.crp", true, true},     // 2
    {"Vatten.crp", true, true},     // 3
    {"Vatten.crp", true, true},     // 4
    {"Vatten.crp", true, true},     // 5
    {"Vatten.crp", false, true},    // 6
    {"Vatten7.crp", false, false},  // the United States
    {"Vatten8.crp", false, false},  // Canada
    {"Vatten9.crp", false, true},   // Norden
    {"Vatten10.crp", false, false}, // Brazil
    {"Vatten11.crp", false, false}, // Australia
    {"Vatten12.crp", false, false}, // Germany
    {"Vatten13.crp", false, false}, // Sweden
    {"Vatten14.crp", false, false}, // Poland
    {"Vatten15.crp", false, false}, // Switzerland and Austria
    {"Vatten16.crp", false, false}, // Norway
    {"Vatten17.crp", false, false}, // Finland
    {"Vatten18.crp", false, false}, // Denmark
    {"Vatten19.crp", false, false}, // Italy
    {"Vatten20.crp", false, false}, // Mexico
    {"Vatten21.crp", false, false}, // France
    {"Vatten22.crp", false, false}, // Japan
    {"Vatten23.crp", false, false}, // Spain
    {"Vatten24.crp", false, false}, // United Kingdom
    {"Vatten25.crp", false, false}, // India
    {"Vatten26.crp", false, false}, // China
}};

} // namespace

const TKartinfo& Kartinfo(int nummer) {
    RangeCheck(nummer, 1, kAntalKartor);
    return kKartor[nummer - 1];
}

bool ArKarta(int nummer) {
    return nummer >= 1 && nummer <= kAntalKartor;
}

QString AreaFil(int nummer) {
    return QStringLiteral("AREA") + QString::number(nummer) + QStringLiteral(".crp");
}

QString DetaljFil(int nummer) {
    return QStringLiteral("Detalj") + QString::number(nummer) + QStringLiteral(".crp");
}

QString HavFil(int nummer) {
    return QStringLiteral("Hav") + QString::number(nummer) + QStringLiteral(".crp");
}

QString OrtFil(int nummer) {
    return QStringLiteral("Ort") + QString::number(nummer) + QStringLiteral(".crp");
}

QString VattenFil(int nummer) {
    return QString::fromLatin1(Kartinfo(nummer).Vatten);
}

const TVarldsdel* Varldsdel(const QString& kod) {
    for (const TVarldsdel& del : kVarldsdelar)
        if (kod == QLatin1String(del.Kod))
            return &del;
    return nullptr;
}
