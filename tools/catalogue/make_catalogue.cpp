// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the readable catalogue (catalogue.txt) into Ovning.crp, expanding the
// country lists from the atlas files and checking that every exercise can be
// played on its map.
//
//   make_catalogue SOURCE ASSETS_DIR OUTPUT
#include "NameWords.h"
#include "ToolMain.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "exercises/Ovningar.h"
#include "exercises/Ovningsslag.h"
#include "maps/Areas.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "maps/Places.h"
#include "platform/Image.h"
#include "scores/ScoreFile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

namespace {

struct Exercise {
    int line = 0;
    int number = 0;
    QString kind;
    QString part;
    int map = 0;
    int places = 1;
    int level = 0;
    bool capitals = false;
    bool cities = false;
    int lineWidth = 1;
    uint32_t land = 0, exercise = 0, water = 0;
    bool hasView = false;
    double north = 0, south = 0, centre = 0;
    QStringList items;
    QStringList except;
    QStringList names;
};

[[noreturn]] void Fail(const Exercise& e, const QString& what) {
    throw std::runtime_error(QStringLiteral("exercise %1 (line %2): %3")
                                 .arg(e.number)
                                 .arg(e.line)
                                 .arg(what)
                                 .toStdString());
}

QList<Exercise> Parse(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + fileName.toStdString());
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    QList<Exercise> list;
    Exercise* current = nullptr;
    for (int lineNo = 1; !in.atEnd(); ++lineNo) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('#'))
            continue;
        if (line.isEmpty()) {
            current = nullptr;
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            throw std::runtime_error(
                QStringLiteral("line %1: expected \"key: value\"").arg(lineNo).toStdString());
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (!current) {
            list.append(Exercise{});
            current = &list.last();
            current->line = lineNo;
        }
        Exercise& e = *current;
        const QStringList words = value.split(' ', Qt::SkipEmptyParts);
        if (key == "number")
            e.number = value.toInt();
        else if (key == "kind")
            e.kind = value;
        else if (key == "part")
            e.part = value;
        else if (key == "map")
            e.map = value.toInt();
        else if (key == "places")
            e.places = value.toInt();
        else if (key == "level")
            e.level = value.toInt();
        else if (key == "capitals")
            e.capitals = value == "yes";
        else if (key == "cities")
            e.cities = value == "yes";
        else if (key == "linewidth")
            e.lineWidth = value.toInt();
        else if (key == "view" && words.size() == 3) {
            e.hasView = true;
            e.north = words[0].toDouble();
            e.south = words[1].toDouble();
            e.centre = words[2].toDouble();
        } else if (key == "colours" && words.size() == 3) {
            e.land = words[0].toUInt(nullptr, 0);
            e.exercise = words[1].toUInt(nullptr, 0);
            e.water = words[2].toUInt(nullptr, 0);
        } else if (key == "items")
            e.items = words;
        else if (key == "except")
            e.except = words;
        else if (key == "names") {
            for (const QString& n : value.split('|'))
                e.names << n.trimmed();
        } else
            throw std::runtime_error(
                QStringLiteral("line %1: unknown key \"%2\"").arg(lineNo).arg(key).toStdString());
    }
    return list;
}

// The atlas as the exercises see it: one area file per map and the places.
class Atlas {
public:
    explicit Atlas(QString dir) : dir_(std::move(dir)) {}
    const CAreor& Map(int n) { return Read(maps_, n, AreaFil(n), "area", &CAreor::LasAreor); }
    // Ort<n>.crp; Ort1 holds the capitals that make an area a country.
    const COrter& Places(int n) { return Read(places_, n, OrtFil(n), "place", &COrter::LasOrter); }
    QString Dir() const { return dir_; }
    bool HasCapital(const QString& code) {
        for (const COrt* o = Places(1).Forsta.get(); o; o = o->Nasta.get())
            if (o->Klass1 && o->Grupp1 == code)
                return true;
        return false;
    }

private:
    // A file of the folder, read the first time it is asked for.
    template <class Files>
    const Files& Read(std::map<int, std::unique_ptr<Files>>& read, int n, const QString& name,
                      const char* what, void (Files::*load)(const QString&)) {
        auto& slot = read[n];
        if (!slot) {
            const QString file = dir_ + QLatin1Char('/') + name;
            if (!QFileInfo::exists(file))
                throw std::runtime_error(std::string("no ") + what + " file " + file.toStdString());
            slot = std::make_unique<Files>();
            ((*slot).*load)(file);
        }
        return *slot;
    }

    QString dir_;
    std::map<int, std::unique_ptr<CAreor>> maps_;
    std::map<int, std::unique_ptr<COrter>> places_;
};

bool IsCountry(const CArea& a, Atlas& atlas) {
    return a.Antal > 0 && !a.Nyckel.contains('.') && atlas.HasCapital(a.Nyckel);
}

// Area on the sphere of a country's outlines (all of its pieces), in square degrees.
double Size(const CAreor& areor, const QString& code) {
    double total = 0;
    for (int i = 1; i <= areor.Antal; ++i) {
        const CArea& a = areor.Area(i);
        if (a.Nyckel != code && a.Grupp1 != code)
            continue;
        double sum = 0;
        for (int k = 1; k <= a.Antal; ++k) {
            const TLatLon& p = a.Punkter[k];
            const TLatLon& q = a.Punkter[k % a.Antal + 1];
            sum += (q.Lon - p.Lon) * (std::sin(q.Lat * M_PI / 180) + std::sin(p.Lat * M_PI / 180));
        }
        total += std::abs(sum) / 2;
    }
    return total;
}

QStringList Expand(Exercise& e, Atlas& atlas) {
    QStringList out;
    for (int i = 0; i < e.items.size(); ++i) {
        const QString& item = e.items[i];
        if (item == "@countries" && i + 1 < e.items.size()) {
            const QString part = e.items[++i];
            const CAreor& areor = atlas.Map(e.map);
            for (int k = 1; k <= areor.Antal; ++k) {
                const CArea& a = areor.Area(k);
                if (a.Grupp2 == part && IsCountry(a, atlas) && !out.contains(a.Nyckel))
                    out << a.Nyckel;
            }
        } else if (item == "@largest" && i + 1 < e.items.size()) {
            const int n = e.items[++i].toInt();
            const CAreor& areor = atlas.Map(e.map);
            QList<QPair<double, QString>> sizes;
            for (int k = 1; k <= areor.Antal; ++k)
                if (IsCountry(areor.Area(k), atlas))
                    sizes.append({-Size(areor, areor.Area(k).Nyckel), areor.Area(k).Nyckel});
            std::sort(sizes.begin(), sizes.end());
            for (int k = 0; k < n && k < sizes.size(); ++k)
                out << sizes[k].second;
        } else if (e.kind == "AREA" && !atlas.Map(e.map).Hitta(item)) {
            // A country drawn as its states or provinces: the country's code
            // (their Grupp2) asks each of them.
            const CAreor& areor = atlas.Map(e.map);
            bool any = false;
            for (int k = 1; k <= areor.Antal; ++k) {
                const CArea& a = areor.Area(k);
                if (a.Grupp2 == item && a.Antal > 0 && !a.Nyckel.contains('.') &&
                    !out.contains(a.Nyckel)) {
                    out << a.Nyckel;
                    any = true;
                }
            }
            if (!any)
                out << item; // reported by the check
        } else {
            out << item;
        }
    }
    for (const QString& code : e.except)
        out.removeAll(code);
    std::sort(out.begin(), out.end());
    return out;
}

// The places of an exercise that an item selects; all of them without one.
QList<const COrt*> Selected(const Exercise& e, Atlas& atlas, const QString& only = QString()) {
    QList<const COrt*> out;
    for (const COrt* o = atlas.Places(e.places).Forsta.get(); o; o = o->Nasta.get()) {
        if (o->Niva > e.level || (e.capitals && !o->Klass1) || (e.cities && !o->Klass2))
            continue;
        const QStringList keys{o->Grupp1, o->Grupp2, o->Grupp3};
        if (only.isEmpty() ? std::any_of(keys.begin(), keys.end(),
                                         [&](const QString& k) { return e.items.contains(k); })
                           : keys.contains(only))
            out << o;
    }
    return out;
}

// A multiple-choice question shows its own answer when the capital's name and
// the country's name hold one another as whole words in some language
// (Luxembourg, Djibouti, Kuwait City, Kongo-Brazzaville, Guinea-Bissau).
QString SelfAnswering(const Exercise& e, Atlas& atlas, const CAreor& areor, const QString& item) {
    const CArea* area = areor.Hitta(item);
    for (const COrt* o : Selected(e, atlas, item))
        for (int l = 1; l <= 8 && area; ++l) {
            if (ShareAName(area->Namn[l], o->Namn[l]))
                return o->Namn[l] + " / " + area->Namn[l];
        }
    return QString();
}

// Pairs of places whose markers would lie closer than 8 pixels on the map of a
// place exercise at 1024 x 700 (the map screen on a 1024 x 768 desktop): the
// player could not tell which one a click means. The map is set up as the
// exercise sets it up, with the program's own projection.
QStringList ClosePlaces(const Exercise& e, Atlas& atlas) {
    CKarta karta;
    karta.Landareor = std::make_unique<CAreor>();
    karta.Landareor->LasAreor(QStringLiteral("%1/AREA%2.crp").arg(atlas.Dir()).arg(e.map));
    TImage picture;
    picture.resize(1024, 700);
    karta.Bild = &picture;
    karta.VyNord = static_cast<float>(e.north);
    karta.VySyd = static_cast<float>(e.south);
    karta.VyMitt = static_cast<float>(e.centre);
    karta.BeraknaSkala();
    if (e.north == 0 && e.south == 0) {
        for (const QString& item : e.items)
            karta.Landareor->Markera(item);
        karta.AnpassaVy();
    }
    const QList<const COrt*> places = Selected(e, atlas);
    QStringList close;
    for (qsizetype i = 0; i < places.size(); ++i)
        for (qsizetype j = i + 1; j < places.size(); ++j) {
            const COrt& a = *places[i];
            const COrt& b = *places[j];
            const int dx =
                karta.XKoord(a.Latitud, a.Longitud) - karta.XKoord(b.Latitud, b.Longitud);
            const int dy = karta.YKoord(a.Latitud) - karta.YKoord(b.Latitud);
            if (dx * dx + dy * dy < 64)
                close << QStringLiteral("%1 (%2) and %3 (%4)")
                             .arg(a.Namn[2], a.Grupp1, b.Namn[2], b.Grupp1);
        }
    return close;
}

// A place exercise without a view whose items name no area (seas, lakes,
// islands) would fit its view to nothing: it gets the view that fits the
// whole map, found the way the map fits areas.
void FitToMap(Exercise& e, Atlas& atlas) {
    if (e.kind != "ORT" || e.hasView)
        return;
    CKarta karta;
    karta.Landareor = std::make_unique<CAreor>();
    karta.Landareor->LasAreor(QStringLiteral("%1/AREA%2.crp").arg(atlas.Dir()).arg(e.map));
    CAreor& areor = *karta.Landareor;
    for (int k = 1; k <= areor.Antal; ++k)
        for (const QString& item : e.items)
            if (areor.Area(k).Antal > 0 && areor.Area(k).Matchar(item))
                return;
    for (int k = 1; k <= areor.Antal; ++k)
        areor.Area(k).Deltar = true;
    TImage picture;
    picture.resize(1024, 700);
    karta.Bild = &picture;
    karta.AnpassaVy();
    e.north = karta.VyNord;
    e.south = karta.VySyd;
    e.centre = karta.VyMitt;
    e.hasView = true;
}

int SelectedPlaces(const Exercise& e, Atlas& atlas, QSet<QString>* names = nullptr) {
    const QList<const COrt*> places = Selected(e, atlas);
    for (const COrt* o : places)
        if (names)
            names->insert(o->Namn[2]);
    return static_cast<int>(places.size());
}

// What can be told before the atlas is read: the kind, the part, and a map
// and place file that exist for the kind.
void CheckKind(const Exercise& e) {
    if (std::none_of(kOvningsslag.begin(), kOvningsslag.end(),
                     [&](const TOvningsslag& k) { return e.kind == QLatin1String(k.Nyckelord); }))
        Fail(e, "unknown kind " + e.kind);
    if (!Varldsdel(e.part))
        Fail(e, "unknown part " + e.part);
    // Flags are shown only for maps with flags; multiple choice asks about
    // countries, so not on the maps of states and provinces.
    if (!ArKarta(e.map) || (e.kind == "FLAGG" && !Kartinfo(e.map).Flaggor) ||
        (e.kind == "MULTI" && !Kartinfo(e.map).Lander))
        Fail(e, "no such map for this kind");
    if (e.places < 1 || e.places > 5)
        Fail(e, "no such place file; places are 1 to 5");
}

void Check(const Exercise& e, Atlas& atlas, QSet<int>& numbers) {
    // The number is the exercise's top-ten list in the highscore file.
    if (e.number < 1 || e.number > kScoreExercises || numbers.contains(e.number))
        Fail(e, "the number must be unique within 1.." + QString::number(kScoreExercises));
    numbers.insert(e.number);
    if (e.names.size() != 8 || e.names.contains(QString()))
        Fail(e, "eight non-empty names are needed");
    if (e.items.isEmpty() || e.items.size() > 100)
        Fail(e, QStringLiteral("%1 items; 1 to 100 are allowed").arg(e.items.size()));
    const CAreor& areor = atlas.Map(e.map);
    if (e.kind == "AREA" || e.kind == "FLAGG" || e.kind == "MULTI") {
        QSet<QString> names;
        for (const QString& item : e.items) {
            const CArea* a = areor.Hitta(item);
            if (!a || a->Antal == 0)
                Fail(e, item + " has no outline on map " + QString::number(e.map));
            names.insert(a->Namn[2]);
            if (e.kind == "FLAGG" && (a->Flaggfil.isEmpty() ||
                                      !QFileInfo::exists(atlas.Dir() + "/flags/" + a->Flaggfil)))
                Fail(e, item + " has no flag picture");
        }
        if (e.kind == "MULTI" && names.size() < 4)
            Fail(e, "fewer than four distinct country names");
    }
    if (e.kind == "ORT" && SelectedPlaces(e, atlas) < 5)
        Fail(e, "fewer than five places take part");
    if (e.kind == "ORT")
        for (const QString& item : e.items)
            if (Selected(e, atlas, item).isEmpty())
                Fail(e, QStringLiteral("%1 selects no place of Ort%2.crp").arg(item).arg(e.places));
    if (e.kind == "ORT") {
        const QStringList close = ClosePlaces(e, atlas);
        if (!close.isEmpty())
            Fail(e, "markers closer than 8 pixels at 1024 x 700; leave one of each pair to "
                    "another exercise with except: " +
                        close.join(", "));
    }
    if (e.kind == "MULTI") {
        QSet<QString> names;
        SelectedPlaces(e, atlas, &names);
        if (names.size() < 4)
            Fail(e, "fewer than four distinct place names");
        QStringList selfAnswering;
        for (const QString& item : e.items) {
            const QString pair = SelfAnswering(e, atlas, areor, item);
            if (!pair.isEmpty())
                selfAnswering << item + " (" + pair + ")";
        }
        if (!selfAnswering.isEmpty())
            Fail(e, "questions that show their own answer; add to except: " +
                        selfAnswering.join(", "));
        for (const QString& item : e.items) {
            Exercise one = e;
            one.items = QStringList{item};
            if (SelectedPlaces(one, atlas) == 0)
                Fail(e, item + " has no place that takes part");
        }
    }
}

void Write(TByteWriter& w, const Exercise& e) {
    std::array<QString, 8> namn;
    std::copy(e.names.begin(), e.names.end(), namn.begin()); // Check made them eight
    TCatalogueRecord{.Typ = e.kind,
                     .Namn = namn,
                     .Nummer = e.number,
                     .Niva = e.level,
                     .Linjebredd = e.lineWidth,
                     .KravPlats1 = e.capitals,
                     .KravPlats2 = e.cities,
                     .Kartnummer = e.map,
                     .Ortfil = e.places,
                     .Varldsdel = e.part,
                     .Landfarg = e.land,
                     .Ovningsfarg = e.exercise,
                     .Vattenfarg = e.water,
                     .VyNord = e.north,
                     .VySyd = e.south,
                     .VyMitt = e.centre,
                     .Objekt = e.items}
        .Write(w);
}

} // namespace

int main(int argc, char* argv[]) {
    // The map's projection measures a picture control, which needs a GUI
    // application; none is shown.
    PreferOffscreen();
    QApplication app(argc, argv);
    if (argc != 4)
        return Usage("make_catalogue", "SOURCE ASSETS_DIR OUTPUT");
    try {
        QList<Exercise> list = Parse(QString::fromLocal8Bit(argv[1]));
        Atlas atlas(QString::fromLocal8Bit(argv[2]));
        QSet<int> numbers;
        std::map<QString, int> names; // "language:name" -> number

        TByteWriter w;
        QMap<QString, QMap<QString, int>> summary;
        for (Exercise& e : list) {
            CheckKind(e);
            e.items = Expand(e, atlas);
            FitToMap(e, atlas);
            Check(e, atlas, numbers);
            // The menu finds the picked exercise by its name.
            for (int l = 0; l < e.names.size(); ++l) {
                const QString key = QString::number(l + 1) + ':' + e.names[l];
                if (names.count(key))
                    Fail(e, QStringLiteral("the name \"%1\" is also exercise %2's")
                                .arg(e.names[l])
                                .arg(names[key]));
                names[key] = e.number;
            }
            Write(w, e);
            ++summary[e.part][e.kind];
        }
        w.SaveTo(QString::fromLocal8Bit(argv[3]));
        std::printf("%lld exercises written\n", static_cast<long long>(list.size()));
        for (auto p = summary.begin(); p != summary.end(); ++p) {
            std::printf("  %-4s", qPrintable(p.key()));
            for (auto k = p->begin(); k != p->end(); ++k)
                std::printf(" %s %d", qPrintable(k.key()), k.value());
            std::printf("\n");
        }
    } catch (const EGlobina& e) {
        std::fprintf(stderr, "make_catalogue: %s\n", qPrintable(e.Message()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_catalogue: %s\n", e.what());
        return 1;
    }
    return 0;
}
