// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovningsslag.h"

#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"

namespace {

template <class Ovning> std::shared_ptr<COvning> Ny() {
    return std::make_shared<Ovning>();
}

const TOvningsslag* Slag(const QString& keyword) {
    for (const TOvningsslag& s : kOvningsslag)
        if (keyword == QLatin1String(s.Nyckelord))
            return &s;
    return nullptr;
}

} // namespace

const std::array<TOvningsslag, 4> kOvningsslag = {{
    {"AREA", &Ny<COvningLandArea>, TSkarmslag::Karta},
    {"ORT", &Ny<COvningOrt>, TSkarmslag::Karta},
    {"FLAGG", &Ny<COvningFlagga>, TSkarmslag::Flagga},
    {"MULTI", &Ny<COvningMulti>, TSkarmslag::Multi},
}};

std::shared_ptr<COvning> SkapaOvning(const QString& keyword) {
    const TOvningsslag* s = Slag(keyword);
    return s ? s->Skapa() : Ny<COvningMulti>();
}

TSkarmslag SkarmFor(const QString& keyword) {
    const TOvningsslag* s = Slag(keyword);
    return s ? s->Skarm : TSkarmslag::Karta;
}
