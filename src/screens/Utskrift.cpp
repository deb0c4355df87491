// SPDX-License-Identifier: GPL-3.0-or-later
// The printed exercise: the map drawn as vector paths from the same outlines
// and projection the screen uses, with real text, so that the PDF stays sharp
// at any size and its names can be read out and searched.
#include "screens/Utskrift.h"

#include "data/Errors.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "platform/Image.h"

#include <QCollator>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

// The exercise's own view is laid out on a picture of this height and twice
// as wide, wider than any screen, then cut to what the exercise asks.
constexpr int kNominellHojd = 1000;
constexpr double kMarginal = 34; // points, 12 mm
constexpr double kRubrik = 16;   // point sizes
constexpr double kRadText = 11;
constexpr double kNummer = 7.5;
constexpr double kNamn = 6.5;

const QColor kHav(221, 233, 245);
const QColor kLand(230, 230, 230);
const QColor kFragad(255, 255, 255);
const QColor kGrans(128, 128, 128);

// One asked item: its name and where its number goes, in map pixels.
struct TPost {
    QString Namn;
    QPointF Punkt;
    bool Ring = false;
    bool Plats = false;
    int Nr = 0;
};

enum class TMarkning { Ingen, Nummer, Namn };

QFont Typsnitt(double punkter, bool fet = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkter);
    f.setBold(fet);
    return f;
}

QString Text(int sprak, int nr) {
    return LanguageTexts(sprak, nr);
}

// The map of the exercise, read afresh, with the exercise's items taking part.
struct TUtskriftskarta {
    CKarta Karta;
    TImage Yta; // never shown: only its size, which the projection works in
    bool Areor = false;
};

void Ladda(TUtskriftskarta& u, const COvning& ovning) {
    CKarta& k = u.Karta;
    k.Landareor = std::make_unique<CAreor>();
    k.Vattenareor = std::make_unique<CAreor>();
    k.Platser = std::make_unique<COrter>();
    k.Platser->LasOrter(OrtFil(ovning.Ortfil));
    if (ArKarta(ovning.Kartnummer))
        k.LasAtlaskarta(ovning.Kartnummer);
    u.Areor = dynamic_cast<const COvningLandArea*>(&ovning) != nullptr;
    // As the game marks them, without lending the map to the catalogue's
    // entry: a place exercise's keys mark the land its own view fits.
    for (int i = 1; i <= ovning.Antal; ++i) {
        k.Landareor->Markera(ovning.Objekt(i));
        if (!u.Areor)
            k.Platser->Valj(ovning.Objekt(i), ovning.Niva, ovning.KravPlats1, ovning.KravPlats2);
    }
    if (u.Areor)
        for (int i = 1; i <= ovning.Antal; ++i)
            k.Stater << ovning.Objekt(i);
    k.Bild = &u.Yta;
}

QPointF Punkt(const CKarta& k, float lat, float lon) {
    return {k.XKoordExakt(lat, lon), k.YKoordExakt(lat)};
}

// The area of a record's own outline, in square degrees of latitude.
double Yta(const CArea& a) {
    double yta = 0;
    const double kos = std::cos((a.Nord + a.Syd) / 2 * M_PI / 180);
    for (int i = 1; i <= a.Antal; ++i) {
        const TLatLon& p = a.Punkter[i];
        const TLatLon& q = a.Punkter[i % a.Antal + 1];
        yta += (static_cast<double>(p.Lon) * q.Lat - static_cast<double>(q.Lon) * p.Lat) * kos;
    }
    return std::fabs(yta) / 2;
}

// Where an area's number goes: the middle of its bounds where that lies in
// the area and in no enclave of it (Germany), else its seed, which always
// lies inside (Norway, whose middle is in Sweden).
QPointF Inre(const CKarta& k, const CArea& a) {
    const auto lat = static_cast<float>((a.Nord + a.Syd) / 2);
    const auto lon = static_cast<float>((a.Ost + a.Vast) / 2);
    if (k.Landareor->Under(lat, lon, [](const CArea&) { return true; }) == &a)
        return Punkt(k, lat, lon);
    return Punkt(k, a.Fyllpunkt1.Lat, a.Fyllpunkt1.Lon);
}

// The items asked, each once, with the point its number goes at: a state's
// inside point is the seed of its largest record.
std::vector<TPost> Poster(const TUtskriftskarta& u, const COvning& ovning, int sprak) {
    const CKarta& k = u.Karta;
    std::vector<TPost> poster;
    if (!u.Areor) {
        for (const COrt* o = k.Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar)
                poster.push_back(
                    {o->Namn[sprak],
                     Punkt(k, static_cast<float>(o->Latitud), static_cast<float>(o->Longitud)),
                     false, true});
        return poster;
    }
    QStringList sedda;
    for (int i = 1; i <= ovning.Antal; ++i) {
        const QString& key = ovning.Objekt(i);
        const CArea* namngiven = k.Landareor->Hitta(key);
        if (!namngiven || sedda.contains(key))
            continue;
        // The record of the largest land, the frame of an inset (Alaska's box,
        // four corners round the land in it) last.
        const CArea* storst = nullptr;
        const auto storre = [](const CArea& a, const CArea& b) {
            const bool ramA = a.Antal <= 5, ramB = b.Antal <= 5;
            return ramA != ramB ? ramB : Yta(a) > Yta(b);
        };
        for (int n = 1; n <= k.Landareor->Antal; ++n) {
            const CArea& a = k.Landareor->Area(n);
            if (a.Deltar && a.Antal > 0 && a.Matchar(key) && (!storst || storre(a, *storst)))
                storst = &a;
        }
        if (!storst)
            continue; // names no area of this map: never asked
        sedda << key;
        const bool ring =
            std::any_of(k.Ringar.Lista().begin(), k.Ringar.Lista().end(),
                        [&](const CKartaRingar::TRing& r) { return r.Nyckel == key; });
        poster.push_back({namngiven->Namn[sprak], Inre(k, *storst), ring});
    }
    return poster;
}

// What the exercise asks, in map pixels: the outlines of its areas, or its
// places, with room round them.
QRectF Innehall(const TUtskriftskarta& u) {
    const CKarta& k = u.Karta;
    QRectF box;
    const auto lagg = [&box](QPointF p) {
        box = box.isNull() ? QRectF(p, QSizeF(1e-3, 1e-3))
                           : box.united(QRectF(p, QSizeF(1e-3, 1e-3)));
    };
    if (u.Areor) {
        for (int n = 1; n <= k.Landareor->Antal; ++n) {
            const CArea& a = k.Landareor->Area(n);
            if (!a.Deltar || a.Nord < k.VySyd || a.Syd > k.VyNord)
                continue;
            a.Kontur(0).VarjeRing([&](const TLatLon* p, int antal) {
                for (int i = 0; i < antal; ++i)
                    lagg(Punkt(k, p[i].Lat, p[i].Lon));
            });
        }
    } else {
        for (const COrt* o = k.Platser->Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar)
                lagg(Punkt(k, static_cast<float>(o->Latitud), static_cast<float>(o->Longitud)));
    }
    const QRectF bild(0, 0, k.W(), k.H());
    if (box.isNull())
        return bild;
    const double rum = 0.05 * std::max(box.width(), box.height()) + 0.02 * k.H();
    box.adjust(-rum, -rum, rum, rum);
    box = box.intersected(bild);
    return box.isEmpty() ? bild : box;
}

QPainterPath Vag(const CKarta& k, const CArea& a, int niva) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    a.Kontur(niva).VarjeRing([&](const TLatLon* p, int antal) {
        if (antal < 2)
            return;
        path.moveTo(Punkt(k, p[0].Lat, p[0].Lon));
        for (int i = 1; i < antal; ++i)
            path.lineTo(Punkt(k, p[i].Lat, p[i].Lon));
        path.closeSubpath();
    });
    return path;
}

// The box of a number or a name centred on the point, moved inside the
// bounds where they would cut it.
QRectF Ruta(const QFontMetricsF& fm, QPointF mitt, const QString& text, const QRectF& inom) {
    const double w = fm.horizontalAdvance(text) + 2.4, h = fm.ascent() + fm.descent() + 0.6;
    QRectF r(mitt.x() - w / 2, mitt.y() - h / 2, w, h);
    r.moveLeft(
        std::clamp(r.left(), inom.left() + 1, std::max(inom.left() + 1, inom.right() - w - 1)));
    r.moveTop(std::clamp(r.top(), inom.top() + 1, std::max(inom.top() + 1, inom.bottom() - h - 1)));
    return r;
}

// Where each label goes: at its point where it is clear of those placed
// before it, else at the nearest place around that is, else at its point.
std::vector<QRectF> Placera(const QFontMetricsF& fm, const std::vector<QPointF>& punkter,
                            const QStringList& texter, const QRectF& inom) {
    std::vector<QRectF> lagda;
    for (size_t i = 0; i < punkter.size(); ++i) {
        const QRectF hem = Ruta(fm, punkter[i], texter[i], inom);
        const double w = hem.width(), h = hem.height();
        QRectF vald = hem;
        for (int steg = 0; steg <= 3; ++steg) {
            bool fri = false;
            for (const QPointF d :
                 {QPointF(0, 0), QPointF(0, -h), QPointF(0, h), QPointF(w, 0), QPointF(-w, 0),
                  QPointF(w, -h), QPointF(-w, -h), QPointF(w, h), QPointF(-w, h)}) {
                if (steg == 0 && !d.isNull())
                    continue;
                const QRectF r = Ruta(fm, hem.center() + d * steg, texter[i], inom);
                if (std::none_of(lagda.begin(), lagda.end(),
                                 [&](const QRectF& l) { return l.intersects(r); })) {
                    vald = r, fri = true;
                    break;
                }
            }
            if (fri)
                break;
        }
        lagda.push_back(vald);
    }
    return lagda;
}

// A number or a name in a white box; moved off its point, a thin line leads
// back to it.
void Etikett(QPainter& p, const QRectF& r, QPointF punkt, bool flyttad, const QString& text,
             bool fet, double storlek) {
    if (flyttad) {
        p.setPen(QPen(Qt::black, 0.3));
        const QPointF na(std::clamp(punkt.x(), r.left(), r.right()),
                         std::clamp(punkt.y(), r.top(), r.bottom()));
        p.drawLine(punkt, na);
    }
    p.setFont(Typsnitt(storlek, fet));
    p.setPen(QPen(Qt::black, 0.35));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(r, 1.2, 1.2);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

// The map: the part `utsnitt` of the map's picture, one pixel a point, into
// the rectangle `ruta` of the page.
void RitaKarta(QPainter& p, const TUtskriftskarta& u, const std::vector<TPost>& poster, QRectF ruta,
               QRectF utsnitt, TMarkning markning) {
    const CKarta& k = u.Karta;
    p.save();
    p.setClipRect(ruta);
    p.fillRect(ruta, kHav);
    p.translate(ruta.topLeft() - utsnitt.topLeft());
    p.setRenderHint(QPainter::Antialiasing);
    const int niva = k.Landareor->Niva;
    std::vector<std::pair<QPainterPath, bool>> land;
    for (int n = 1; n <= k.Landareor->Antal; ++n) {
        const CArea& a = k.Landareor->Area(n);
        if (a.Antal < 1 || a.Nord < k.VySyd || a.Syd > k.VyNord)
            continue;
        QPainterPath path = Vag(k, a, niva);
        if (path.boundingRect().intersects(utsnitt))
            land.emplace_back(std::move(path), u.Areor && a.Deltar);
    }
    for (const auto& [path, fragad] : land)
        p.fillPath(path, fragad ? kFragad : kLand);
    for (int n = 1; n <= k.Vattenareor->Antal; ++n) {
        const CArea& a = k.Vattenareor->Area(n);
        if (a.Antal < 3)
            continue;
        const QPainterPath path = Vag(k, a, 0);
        if (path.boundingRect().intersects(utsnitt)) {
            p.fillPath(path, kHav);
            p.strokePath(path, QPen(kGrans, 0.25));
        }
    }
    // The asked outlines last, so that no neighbour's grey runs over them.
    for (const bool fragad : {false, true})
        for (const auto& [path, f] : land)
            if (f == fragad)
                p.strokePath(path, fragad ? QPen(Qt::black, 0.7) : QPen(kGrans, 0.35));
    p.setBrush(Qt::NoBrush);
    const double radie = CKartaRingar::kRadie;
    for (const TPost& post : poster) {
        if (post.Ring) {
            p.setPen(QPen(Qt::black, 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(post.Punkt, radie, radie);
        } else if (post.Plats) {
            p.setPen(QPen(Qt::white, 0.6));
            p.setBrush(Qt::black);
            p.drawEllipse(post.Punkt, 2.2, 2.2);
        }
    }
    if (markning != TMarkning::Ingen) {
        const bool nummer = markning == TMarkning::Nummer;
        const double storlek = nummer ? kNummer : kNamn;
        const QFontMetricsF fm(Typsnitt(storlek, nummer), p.device());
        std::vector<QPointF> var;
        QStringList texter;
        for (const TPost& post : poster) {
            texter << (nummer ? QString::number(post.Nr) : post.Namn);
            // Beside a ring or a dot, so that the state or place stays seen.
            const double halv = fm.horizontalAdvance(texter.back()) / 2 + 1.2;
            var.push_back(post.Punkt + (post.Ring    ? QPointF(radie + halv, -radie)
                                        : post.Plats ? QPointF(3 + halv, -4)
                                                     : QPointF()));
        }
        const std::vector<QRectF> rutor = Placera(fm, var, texter, utsnitt);
        for (size_t i = 0; i < poster.size(); ++i)
            Etikett(p, rutor[i], poster[i].Punkt, rutor[i] != Ruta(fm, var[i], texter[i], utsnitt),
                    texter[i], nummer, storlek);
    }
    p.restore();
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ruta);
}

// The list of numbers and names in columns; its height at that width.
struct TLista {
    double Storlek = kRadText;
    int Kolumner = 1;
    int Rader = 0;
    double Kolumnbredd = 0;
    double Radhojd = 0;
    double Hojd() const { return Rader * Radhojd; }
};

TLista MatLista(QPaintDevice* d, const std::vector<TPost>& poster, double bredd, double storlek) {
    TLista l;
    l.Storlek = storlek;
    const QFontMetricsF fm(Typsnitt(storlek), d);
    double widest = 0;
    for (const TPost& post : poster)
        widest = std::max(widest, fm.horizontalAdvance(QString::number(post.Nr) +
                                                       QStringLiteral("   ") + post.Namn));
    l.Kolumnbredd = widest + 2 * fm.averageCharWidth();
    l.Kolumner = std::max(1, static_cast<int>(bredd / l.Kolumnbredd));
    l.Rader = static_cast<int>((poster.size() + l.Kolumner - 1) / l.Kolumner);
    l.Kolumnbredd = bredd / l.Kolumner;
    l.Radhojd = fm.lineSpacing() * 1.15;
    return l;
}

// The largest size from `storlek` down at which the list fits the height.
TLista PassaLista(QPaintDevice* d, const std::vector<TPost>& poster, double bredd, double hojd,
                  double storlek) {
    TLista l = MatLista(d, poster, bredd, storlek);
    while (l.Hojd() > hojd && l.Storlek > 5)
        l = MatLista(d, poster, bredd, l.Storlek - 0.5);
    return l;
}

void RitaLista(QPainter& p, const std::vector<TPost>& poster, const TLista& l, QPointF horn) {
    std::vector<const TPost*> ordning;
    for (const TPost& post : poster)
        ordning.push_back(&post);
    std::sort(ordning.begin(), ordning.end(), [](auto a, auto b) { return a->Nr < b->Nr; });
    const QFont f = Typsnitt(l.Storlek);
    const QFontMetricsF fm(f, p.device());
    const double nrBredd = fm.horizontalAdvance(QStringLiteral("000"));
    p.setPen(Qt::black);
    for (size_t i = 0; i < ordning.size(); ++i) {
        const int kol = static_cast<int>(i) / l.Rader, rad = static_cast<int>(i) % l.Rader;
        const QPointF bas = horn + QPointF(kol * l.Kolumnbredd, rad * l.Radhojd + fm.ascent());
        p.setFont(Typsnitt(l.Storlek, true));
        const QString nr = QString::number(ordning[i]->Nr);
        p.drawText(bas + QPointF(nrBredd - fm.horizontalAdvance(nr), 0), nr);
        p.setFont(f);
        p.drawText(bas + QPointF(nrBredd + fm.averageCharWidth() * 1.5, 0), ordning[i]->Namn);
    }
}

// The title and, for the pupil, the lines for the name and the date; returns
// the height they take.
double RitaHuvud(QPainter& p, QRectF sida, const QString& rubrik, int sprak, bool elev) {
    p.setPen(Qt::black);
    p.setFont(Typsnitt(kRubrik, true));
    const QFontMetricsF fr(p.font(), p.device());
    p.drawText(QPointF(sida.left(), sida.top() + fr.ascent()), rubrik);
    double y = sida.top() + fr.lineSpacing() + 6;
    if (!elev)
        return y - sida.top() + 4;
    p.setFont(Typsnitt(kRadText));
    const QFontMetricsF fm(p.font(), p.device());
    const double bas = y + fm.ascent();
    const QString namn = Text(sprak, TextNo::PrintName), datum = Text(sprak, TextNo::PrintDate);
    const double datumX = sida.left() + sida.width() * 0.68;
    p.drawText(QPointF(sida.left(), bas), namn);
    p.drawText(QPointF(datumX, bas), datum);
    p.setPen(QPen(Qt::black, 0.5));
    const double l1 = sida.left() + fm.horizontalAdvance(namn) + 4;
    const double l2 = datumX + fm.horizontalAdvance(datum) + 4;
    p.drawLine(QPointF(l1, bas + 2), QPointF(datumX - 16, bas + 2));
    p.drawLine(QPointF(l2, bas + 2), QPointF(sida.right(), bas + 2));
    return bas + fm.descent() + 10 - sida.top();
}

} // namespace

bool KanSkrivasUt(const COvning& ovning) {
    return dynamic_cast<const COvningLandArea*>(&ovning) ||
           dynamic_cast<const COvningOrt*>(&ovning);
}

int SkrivUt(const COvning& ovning, const TUtskriftsval& val, const QString& fileName,
            const TUtskriftsvy* vy) {
    if (!KanSkrivasUt(ovning))
        throw EGlobina(QStringLiteral("Exercise %1 is not played on a map and cannot be printed.")
                           .arg(ovning.Nummer));
    RangeCheck(val.Sprak, 1, kLanguageCount);
    TUtskriftskarta u;
    Ladda(u, ovning);
    CKarta& k = u.Karta;
    if (vy && vy->Hojd > 0 && vy->Bredd > 0 && vy->Nord != vy->Syd) {
        k.VyMitt = vy->Mitt, k.VyNord = vy->Nord, k.VySyd = vy->Syd;
        k.Narmare = vy->Narmare;
        u.Yta.resize(vy->Bredd, vy->Hojd);
    } else {
        k.VyMitt = static_cast<float>(ovning.VyMitt);
        k.VyNord = static_cast<float>(ovning.VyNord);
        k.VySyd = static_cast<float>(ovning.VySyd);
        u.Yta.resize(2 * kNominellHojd, kNominellHojd);
    }
    k.BeraknaSkala();
    if (k.VyNord == 0 && k.VySyd == 0)
        k.AnpassaVy();
    const QRectF utsnitt0 = vy ? QRectF(0, 0, k.W(), k.H()) : Innehall(u);

    // The names, so that a worksheet's list can be measured: only then
    // needed before the map's printed size is known.
    std::vector<TPost> poster;
    if (val.Namnlista)
        poster = Poster(u, ovning, val.Sprak);
    QPdfWriter pdf(fileName);
    pdf.setResolution(72); // one unit a point
    pdf.setCreator(QStringLiteral("Globina"));
    pdf.setTitle(ovning.Namn[val.Sprak]);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);

    // The orientation in which the map comes out larger.
    const QPageSize papper(val.Papper);
    struct TLayout {
        QPageLayout::Orientation riktning;
        QRectF sida, karta;
        TLista lista;
        double skala = 0;
    };
    const auto layout = [&](QPageLayout::Orientation riktning) {
        TLayout l{riktning, {}, {}, {}};
        QSizeF s = papper.size(QPageSize::Point);
        if (riktning == QPageLayout::Landscape)
            s.transpose();
        l.sida = QRectF(QPointF(), s).adjusted(kMarginal, kMarginal, -kMarginal, -kMarginal);
        const double huvud = 62;
        double listHojd = 0;
        if (val.Namnlista) {
            l.lista = PassaLista(&pdf, poster, l.sida.width(), l.sida.height() * 0.3, 10);
            listHojd = l.lista.Hojd() + 8;
        }
        const QRectF rum = l.sida.adjusted(0, huvud, 0, -listHojd);
        l.skala = std::min(rum.width() / utsnitt0.width(), rum.height() / utsnitt0.height());
        const QSizeF storlek = utsnitt0.size() * l.skala;
        l.karta =
            QRectF(QPointF(rum.left() + (rum.width() - storlek.width()) / 2, rum.top()), storlek);
        return l;
    };
    const TLayout a = layout(QPageLayout::Portrait), b = layout(QPageLayout::Landscape);
    const TLayout& l = b.skala > a.skala * 1.02 ? b : a;
    pdf.setPageLayout(QPageLayout(papper, l.riktning, QMarginsF(), QPageLayout::Point));

    // The map at its printed size, one pixel a point: rings and outlines are
    // chosen for the paper, as the screen chooses them for its pixels.
    u.Yta.resize(std::max(1, static_cast<int>(std::lround(k.W() * l.skala))),
                 std::max(1, static_cast<int>(std::lround(k.H() * l.skala))));
    const QRectF utsnitt(utsnitt0.topLeft() * l.skala, l.karta.size());
    // Outlines within a third of a point of the source: finer than print shows.
    k.Landareor->Niva = k.Landareor->NivaFor(k.Detaljskala() / 3);
    if (u.Areor)
        k.Ringar.Berakna(k);
    poster = Poster(u, ovning, val.Sprak);
    poster.erase(std::remove_if(poster.begin(), poster.end(),
                                [&](const TPost& p) { return !utsnitt.contains(p.Punkt); }),
                 poster.end());
    if (val.Namnlista) {
        // The pupil finds a name in alphabetical order.
        QCollator ordning{QLocale(QString::fromLatin1(kSprakkoder[val.Sprak - 1]))};
        std::sort(poster.begin(), poster.end(), [&](const TPost& x, const TPost& y) {
            return ordning.compare(x.Namn, y.Namn) < 0;
        });
    } else {
        // In reading order, bands from the top and each band from the left,
        // so that a number is easy to find in the key.
        const double band = std::max(1.0, utsnitt.height() / 12);
        std::sort(poster.begin(), poster.end(), [&](const TPost& x, const TPost& y) {
            const int bx = static_cast<int>(x.Punkt.y() / band),
                      by = static_cast<int>(y.Punkt.y() / band);
            return bx != by ? bx < by : x.Punkt.x() < y.Punkt.x();
        });
    }
    for (size_t i = 0; i < poster.size(); ++i)
        poster[i].Nr = static_cast<int>(i) + 1;

    QPainter p;
    if (!p.begin(&pdf))
        throw EGlobina(QStringLiteral("Cannot write \"%1\".").arg(fileName));
    const QString namn = ovning.Namn[val.Sprak];
    const QString facit = Text(val.Sprak, TextNo::AnswerKey) + QStringLiteral(" \u2013 ") + namn;
    int sidor = 1;
    RitaHuvud(p, l.sida, namn, val.Sprak, true);
    if (val.Namnlista) {
        RitaKarta(p, u, poster, l.karta, utsnitt, TMarkning::Ingen);
        RitaLista(p, poster, l.lista, QPointF(l.sida.left(), l.karta.bottom() + 8));
        pdf.newPage(), ++sidor;
        RitaHuvud(p, l.sida, facit, val.Sprak, false);
        RitaKarta(p, u, poster, l.karta, utsnitt, TMarkning::Nummer);
        RitaLista(p, poster, l.lista, QPointF(l.sida.left(), l.karta.bottom() + 8));
    } else {
        RitaKarta(p, u, poster, l.karta, utsnitt, TMarkning::Nummer);
        pdf.newPage(), ++sidor;
        const double huvud = RitaHuvud(p, l.sida, facit, val.Sprak, false);
        const TLista lista =
            PassaLista(&pdf, poster, l.sida.width(), l.sida.height() - huvud, kRadText);
        RitaLista(p, poster, lista, l.sida.topLeft() + QPointF(0, huvud));
    }
    if (val.Namnkarta) {
        pdf.newPage(), ++sidor;
        RitaHuvud(p, l.sida, facit, val.Sprak, false);
        RitaKarta(p, u, poster, l.karta, utsnitt, TMarkning::Namn);
    }
    p.end();
    return sidor;
}
