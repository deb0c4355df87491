// SPDX-License-Identifier: GPL-3.0-or-later
#include "Measure.h"

#include "AtlasModel.h"
#include "CoastMeasure.h"
#include "maps/Karta.h"

#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

TRing Ring(const json& j) {
    TRing r;
    for (const auto& p : j)
        r.push_back({p.at(1).get<float>(), p.at(0).get<float>()});
    return r;
}

TReferenceMap Frame(const json& m) {
    const json& f = m.at("frame");
    TReferenceMap r{m.at("id").get<int>(),   f.at("w").get<double>(), f.at("e").get<double>(),
                    f.at("s").get<double>(), f.at("n").get<double>(), {}};
    for (const auto& b : m.value("insets", json::array())) {
        const double w = b.at("w"), e = b.at("e"), s = b.at("s"), n = b.at("n");
        r.insets.push_back(QRectF(w, s, e - w, n - s));
    }
    return r;
}

} // namespace

TReference LoadReference(const QString& jsonFile) {
    const json j = ReadJsonFile(jsonFile);
    TReference r;
    for (const char* list : {"maps", "subMaps"})
        for (const auto& m : j.at(list))
            r.maps.push_back(Frame(m));
    for (const auto& u : j.at("reference").at("countries")) {
        TReferenceUnit unit{
            QString::fromStdString(u.at("code").get<std::string>()), u.at("state").get<bool>(), {}};
        for (const auto& ring : u.at("rings"))
            unit.rings.push_back(Ring(ring));
        r.units.push_back(std::move(unit));
    }
    // The admin-1 maps bring their own source, each country whole.
    for (const auto& m : j.at("subMaps"))
        for (const auto& u : m.value("reference", json::array())) {
            TReferenceUnit unit{QString::fromStdString(u.at("code").get<std::string>()),
                                u.at("state").get<bool>(),
                                {},
                                m.at("id").get<int>()};
            for (const auto& ring : u.at("rings"))
                unit.rings.push_back(Ring(ring));
            r.units.push_back(std::move(unit));
        }
    for (const auto& lake : j.at("reference").at("lakes")) {
        std::vector<TRing> rings;
        for (const auto& ring : lake)
            rings.push_back(Ring(ring));
        r.lakes.push_back(std::move(rings));
    }
    return r;
}

QStringList MeasureMaps(const QString& assets, const TReference& reference, QTextStream& out,
                        const QString& preview) {
    QStringList left;
    for (const TReferenceMap& frame : reference.maps)
        for (auto [w, h] : {std::pair{1920, 1048}, std::pair{1024, 700}}) {
            const auto k = LoadMap(assets, frame.id);
            QImage diff;
            const TMapFigures f =
                MeasureMap(*k, reference, frame, w, h, preview.isEmpty() ? nullptr : &diff);
            const QString line = QStringLiteral("map %1 at %2x%3 against the reference: %4")
                                     .arg(frame.id)
                                     .arg(w)
                                     .arg(h)
                                     .arg(Describe(f));
            out << line << "\n";
            if (!preview.isEmpty())
                diff.save(QStringLiteral("%1/measure%2_%3.png").arg(preview).arg(frame.id).arg(w));
            if (w == 1920 && f.Blobs() > 0)
                left << line;
        }
    return left;
}
