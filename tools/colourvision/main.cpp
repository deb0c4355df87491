// SPDX-License-Identifier: GPL-3.0-or-later
// colourvision: how the answer colours look under protanopia, deuteranopia
// and tritanopia.
//   colourvision table                 every pair's CIEDE2000 difference, both schemes
//   colourvision simulate IN.png OUT   OUT-protanopia.png, OUT-deuteranopia.png, OUT-tritanopia.png
//   colourvision swatch OUT.png        the answer colours of both schemes side by side
#include "maps/Fargsyn.h"
#include "maps/Svarsfarger.h"

#include <QImage>
#include <QPainter>
#include <cstdio>

using Fargsyn::TSyn;

namespace {

int Tabell() {
    for (const bool fargblind : {false, true}) {
        const auto palett = Svarsfarger::Palett(fargblind);
        std::printf("%s colours\n%-22s", fargblind ? "Colour-blind-safe" : "Normal", "pair");
        for (TSyn syn : Fargsyn::kAllaSyner)
            std::printf(" %12s", Fargsyn::Namn(syn));
        std::printf("\n");
        double minst[4] = {1e9, 1e9, 1e9, 1e9};
        for (size_t i = 0; i < palett.size(); ++i)
            for (size_t j = i + 1; j < palett.size(); ++j) {
                const QString par = QStringLiteral("%1 / %2").arg(palett[i].Namn, palett[j].Namn);
                std::printf("%-22s", qPrintable(par));
                int k = 0;
                for (TSyn syn : Fargsyn::kAllaSyner) {
                    const double d = Fargsyn::Skillnad(palett[i].Farg, palett[j].Farg, syn);
                    // Land and sea are the map's own, not answers.
                    if (!(i >= 6 && j >= 6))
                        minst[k] = std::min(minst[k], d);
                    ++k;
                    std::printf(" %12.1f", d);
                }
                std::printf("\n");
            }
        std::printf("%-22s", "least (land/sea aside)");
        for (double m : minst)
            std::printf(" %12.1f", m);
        std::printf("\n\n");
    }
    return 0;
}

int Simulera(const QString& in, const QString& ut) {
    const QImage bild = QImage(in).convertToFormat(QImage::Format_ARGB32);
    if (bild.isNull()) {
        std::fprintf(stderr, "colourvision: cannot read %s\n", qPrintable(in));
        return 1;
    }
    for (TSyn syn : {TSyn::Protanopi, TSyn::Deuteranopi, TSyn::Tritanopi}) {
        QImage sim = bild;
        for (int y = 0; y < sim.height(); ++y) {
            auto* rad = reinterpret_cast<QRgb*>(sim.scanLine(y));
            for (int x = 0; x < sim.width(); ++x)
                rad[x] = Fargsyn::SimuleraPixel(rad[x], syn);
        }
        const QString fil = ut + QLatin1Char('-') + QLatin1String(Fargsyn::Namn(syn)) + ".png";
        if (!sim.save(fil)) {
            std::fprintf(stderr, "colourvision: cannot write %s\n", qPrintable(fil));
            return 1;
        }
    }
    return 0;
}

int Prov(const QString& ut) {
    const auto normal = Svarsfarger::Palett(false);
    const auto blind = Svarsfarger::Palett(true);
    QImage bild(60 * static_cast<int>(normal.size()), 120, QImage::Format_RGB32);
    QPainter p(&bild);
    for (size_t i = 0; i < normal.size(); ++i) {
        p.fillRect(static_cast<int>(i) * 60, 0, 60, 60, normal[i].Farg);
        p.fillRect(static_cast<int>(i) * 60, 60, 60, 60, blind[i].Farg);
    }
    p.end();
    return bild.save(ut) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString verb = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (verb == QLatin1String("table") && argc == 2)
        return Tabell();
    if (verb == QLatin1String("simulate") && argc == 4)
        return Simulera(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (verb == QLatin1String("swatch") && argc == 3)
        return Prov(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: colourvision table | simulate IN.png OUT | swatch OUT.png\n");
    return 2;
}
