// SPDX-License-Identifier: GPL-3.0-or-later
// mapshot: draws a map from the data files the way an exercise does and
// writes it as a PNG, so maps can be looked at without playing.
#include "Patches.h"
#include "TestMap.h"
#include "ToolMain.h"
#include "data/Errors.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "maps/Svarsfarger.h"
#include "platform/Color.h"
#include "platform/Image.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <cstdio>

namespace {

class TUsage : public std::exception {
public:
    explicit TUsage(QString m) : message(std::move(m)) {}
    QString message;
};

int ToInt(const QString& text, const char* what, int lo, int hi) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < lo || v > hi)
        throw TUsage(QString("%1 must be a whole number from %2 to %3, not \"%4\"")
                         .arg(what)
                         .arg(lo)
                         .arg(hi)
                         .arg(text));
    return v;
}

QColor ToColor(const QString& text, const char* what) {
    bool ok = false;
    const uint v = text.toUInt(&ok, 0);
    if (!ok || v > 0xFFFFFF)
        throw TUsage(QString("%1 must be a colour 0xBBGGRR, not \"%2\"").arg(what, text));
    return ColorFromBgr(v);
}

QString Need(const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!QFileInfo::exists(path))
        throw EFileNotFound(path);
    return path;
}

} // namespace

int main(int argc, char* argv[]) {
    PreferOffscreen();
    QApplication app(argc, argv);
    QApplication::setApplicationName("mapshot");

    QCommandLineParser p;
    const QString last = QString::number(kAntalKartor);
    p.setApplicationDescription(
        QStringLiteral(
            "Draws a map from the data files the way an exercise draws it and writes it as a PNG.\n"
            "Map numbers load: 1 Vatten+AREA1+Hav1 (graticule on), 2 Vatten+AREA2+Hav2,\n"
            "3 Vatten+AREA3+Hav3, 4 Vatten+AREA4+Hav4, 5 Vatten+AREA5+Hav5, 6 Vatten+AREA6+Hav6,\n"
            "7..%1 Vatten<n>+AREA<n>+Hav<n>; each with Detalj<n> (finer outlines) where present.\n"
            "Exit status: 0 written, 1 failure (message on stderr), 2 bad arguments.")
            .arg(last));
    p.addHelpOption();
    p.addPositionalArgument("output", "PNG file to write.");
    p.addOptions({
        {"data", "Folder of the data files (default: current folder).", "dir", "."},
        {"map", QStringLiteral("Map number 1..%1 (required unless --make-test-map).").arg(last),
         "n"},
        {"kind", "Drawing sequence: area (default) or place.", "kind", "area"},
        {"mark",
         "Key to mark, repeatable. Area kind: Markera(key) on the land areas; place kind: "
         "Valj(key, level) on the places. Without --mark every area (area kind) or every place "
         "(place kind) takes part.",
         "key"},
        {"answer",
         "Mark KEY answered after TRIES tries (areas by key or group, places by group), "
         "repeatable.",
         "key=tries"},
        {"view",
         "View as mid,north,south in degrees; without it the view is fitted to the "
         "taking-part areas (or to all areas when none takes part).",
         "mid,north,south"},
        {"size", "Picture size (default 1000x600).", "WxH", "1000x600"},
        {"line-width", "Pen width of the land outlines (default 1).", "n", "1"},
        {"places", "Number n of the place file Ort<n>.crp (default: the map number).", "n"},
        {"level", "Level passed to Valj for --mark in the place kind (default 99).", "n", "99"},
        {"graticule", "on or off (default: on for map 1 only).", "on|off"},
        {"language", "Language 1..8 of place labels (default 2).", "n", "2"},
        {"land", "Land colour 0xBBGGRR (default 0x808080).", "bgr"},
        {"exercise", "Exercise area colour 0xBBGGRR (default 0x008000).", "bgr"},
        {"sea", "Sea colour 0xBBGGRR (default 0x800000).", "bgr"},
        {"colour-blind", "Answered items in the colour-blind-safe colours, with marks."},
        {"marks", "Marks on answered places with the normal colours."},
        {"patches",
         "Also print the 4-connected patches of at least 3 pixels left in the land colour, "
         "with the latitude and longitude of each."},
        {"make-test-map",
         "Write a small generated map (map 1: AREA1, Vatten, Hav1, Ort1) into "
         "the folder and exit.",
         "dir"},
    });
    p.process(app);

    try {
        if (p.isSet("make-test-map")) {
            const QString dir = p.value("make-test-map");
            if (!QDir().mkpath(dir))
                throw EInOutError(QString("Cannot create the folder %1").arg(dir));
            WriteTestMap(dir, TTestMapShape{});
            std::printf("Test map written to %s\n", qPrintable(dir));
            return 0;
        }
        const QStringList pos = p.positionalArguments();
        if (pos.size() != 1)
            throw TUsage("give exactly one output file");
        if (!p.isSet("map"))
            throw TUsage("--map is required");
        const int map = ToInt(p.value("map"), "--map", 1, kAntalKartor);
        const QString kind = p.value("kind");
        if (kind != "area" && kind != "place")
            throw TUsage("--kind must be area or place");
        const QStringList size = p.value("size").split('x');
        if (size.size() != 2)
            throw TUsage("--size must look like 1000x600");
        const int w = ToInt(size[0], "width", 16, 16384);
        const int h = ToInt(size[1], "height", 16, 16384);
        const int lineWidth = ToInt(p.value("line-width"), "--line-width", 1, 50);
        const int level = ToInt(p.value("level"), "--level", 0, 32767);
        LanguageIndex = ToInt(p.value("language"), "--language", 1, 8);
        const QDir data(p.value("data"));
        if (!data.exists())
            throw TUsage(QString("no data folder %1").arg(p.value("data")));

        ChooseColorScheme(32, 1);
        Svarsfarger::Fargblind = p.isSet("colour-blind");
        Svarsfarger::Marken = p.isSet("marks");
        TImage image;
        image.resize(w, h);
        CKarta k;
        k.Bild = &image;
        k.Landareor = std::make_unique<CAreor>();
        k.Vattenareor = std::make_unique<CAreor>();
        k.Platser = std::make_unique<COrter>();
        // The files each map number loads, as the map exercise screen does.
        k.Vattenareor->LasAreor(Need(data, VattenFil(map)));
        k.Landareor->LasAreor(Need(data, AreaFil(map)));
        // The finer outlines, as the map screen loads them; it plays on
        // without a damaged file, but a picture made from one should say so.
        if (const QString detalj = data.filePath(DetaljFil(map));
            QFileInfo::exists(detalj) && !k.Landareor->LasDetaljer(detalj))
            std::fprintf(stderr, "mapshot: %s is damaged; drawn without it\n", qPrintable(detalj));
        k.LasHav(Need(data, HavFil(map)));
        k.Gradnat = map == 1;
        if (p.isSet("graticule")) {
            const QString g = p.value("graticule");
            if (g != "on" && g != "off")
                throw TUsage("--graticule must be on or off");
            k.Gradnat = g == "on";
        }
        if (p.isSet("land"))
            k.Landfarg = ToColor(p.value("land"), "--land");
        if (p.isSet("exercise"))
            k.Ovningsfarg = ToColor(p.value("exercise"), "--exercise");
        if (p.isSet("sea"))
            k.Vattenfarg = ToColor(p.value("sea"), "--sea");

        CAreor& areor = *k.Landareor;
        COrter& orter = *k.Platser;
        const QStringList marks = p.values("mark");
        if (kind == "place") {
            const int ortfil =
                p.isSet("places") ? ToInt(p.value("places"), "--places", 0, 99999) : map;
            orter.LasOrter(Need(data, OrtFil(ortfil)));
            if (marks.isEmpty()) {
                for (COrt* o = orter.Forsta.get(); o; o = o->Nasta.get())
                    o->Deltar = true;
            }
            for (const QString& key : marks)
                orter.Valj(key, level, false, false);
        } else {
            if (marks.isEmpty())
                for (int i = 1; i <= areor.Antal; ++i)
                    areor.Markera(areor.Area(i).Nyckel);
            for (const QString& key : marks)
                areor.Markera(key);
        }
        for (const QString& answer : p.values("answer")) {
            const int eq = answer.lastIndexOf('=');
            if (eq <= 0)
                throw TUsage(QString("--answer must look like KEY=TRIES, not \"%1\"").arg(answer));
            const QString key = answer.left(eq);
            const int tries = ToInt(answer.mid(eq + 1), "tries", 0, 1000);
            areor.SattBesvarad(key, tries);
            for (COrt* o = orter.Forsta.get(); o; o = o->Nasta.get())
                if (o->Grupp1 == key || o->Grupp2 == key || o->Grupp3 == key) {
                    o->Besvarad = true;
                    o->Forsok = tries;
                }
        }

        // The exercise's own view: fitted to the taking-part areas (to all
        // when none takes part). A --view closer than it is drawn as the map
        // screen draws a zoomed view, level included.
        bool any = false;
        for (int i = 1; i <= areor.Antal; ++i)
            any = any || (areor.Area(i).Deltar && areor.Area(i).Antal > 0);
        std::vector<bool> was(areor.Antal + 1);
        if (!any)
            for (int i = 1; i <= areor.Antal; ++i) {
                was[i] = areor.Area(i).Deltar;
                areor.Area(i).Deltar = true;
            }
        if (areor.Antal == 0 && !p.isSet("view"))
            throw EGlobina("No land areas to fit the view to; give --view");
        k.BeraknaSkala();
        if (areor.Antal > 0)
            k.AnpassaVy();
        if (!any)
            for (int i = 1; i <= areor.Antal; ++i)
                areor.Area(i).Deltar = was[i];
        if (p.isSet("view")) {
            const double egen = areor.Antal > 0 ? double(k.VyNord) - k.VySyd : 0;
            const QStringList v = p.value("view").split(',');
            bool ok[3] = {false, false, false};
            if (v.size() == 3) {
                k.VyMitt = v[0].toFloat(&ok[0]);
                k.VyNord = v[1].toFloat(&ok[1]);
                k.VySyd = v[2].toFloat(&ok[2]);
            }
            if (!(ok[0] && ok[1] && ok[2]) || k.VyNord == k.VySyd)
                throw TUsage("--view must be mid,north,south in degrees with north != south");
            k.BeraknaSkala();
            k.Narmare = std::fabs(double(k.VyNord) - k.VySyd) < egen * (1 - 1e-6);
        }

        if (kind == "area")
            k.RitaAreaovning(lineWidth);
        else {
            k.RitaOrtovning(lineWidth);
            // Answered places show as the game leaves them: yellow, with a label.
            for (const COrt* o = orter.Forsta.get(); o; o = o->Nasta.get())
                if (o->Deltar && o->Besvarad)
                    k.RitaOrt(*o, QColor(255, 255, 0));
        }
        if (!image.Picture().save(pos[0], "PNG"))
            throw EInOutError(QString("Cannot write %1").arg(pos[0]));
        std::printf("%s: map %d, %s, view %.4f,%.4f,%.4f, %dx%d, detail level %d\n",
                    qPrintable(pos[0]), map, qPrintable(kind), k.VyMitt, k.VyNord, k.VySyd, w, h,
                    k.Landareor->Niva);
        if (p.isSet("patches")) {
            const std::vector<TPatch> patches = FindPatches(image.Picture(), k.Landfarg.rgb(), 3);
            int pixels = 0;
            for (const TPatch& t : patches)
                pixels += t.size;
            std::printf("patches: %d, %d pixels\n", int(patches.size()), pixels);
            for (const TPatch& t : patches)
                std::printf("  %d px at %d,%d (lat %.3f lon %.3f)\n", t.size, t.deepest.x(),
                            t.deepest.y(), k.LatVid(t.deepest.y()),
                            k.LonVid(t.deepest.y(), t.deepest.x()));
        }
        return 0;
    } catch (const TUsage& e) {
        std::fprintf(stderr, "mapshot: %s (see --help)\n", qPrintable(e.message));
        return 2;
    } catch (const EGlobina& e) {
        std::fprintf(stderr, "mapshot: %s\n", qPrintable(e.Message()));
        return 1;
    }
}
