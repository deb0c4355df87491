// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Klassresultat.h"

#include "scores/Postexport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>

namespace {

// The columns by their place in kPostKolumner.
enum { kSpelare, kDatum, kOvning, kDel, kSatt, kObjekt, kNamn, kForsok, kGivet, kGivetNamn };

QStringList Lista(const QString& falt) {
    return falt.isEmpty() ? QStringList() : falt.split(kPostLista);
}

} // namespace

QString CKlassresultat::LasFil(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(fileName), f.errorString());
    return LasText(QDir::toNativeSeparators(fileName), QString::fromUtf8(f.readAll()));
}

QString CKlassresultat::LasText(const QString& name, const QString& text) {
    const auto fel = [&name](int line, const QString& why) {
        return QStringLiteral("%1, line %2: %3").arg(name).arg(line).arg(why);
    };
    int felrad = 0;
    const std::vector<QStringList> rader = LasCsv(text, &felrad);
    if (rader.empty() || rader[0] != kPostKolumner)
        return fel(1, QStringLiteral("not a record exported by Globina (its first line must be "
                                     "\"%1\").")
                          .arg(kPostKolumner.join(QLatin1Char(','))));
    std::vector<TRad> nya;
    nya.reserve(rader.size());
    // Lines of the file, counted as LasCsv does: a field may span lines.
    int linje = 1;
    for (size_t i = 1; i < rader.size(); ++i) {
        const QStringList& r = rader[i];
        linje += 1;
        for (const QString& falt : rader[i - 1])
            linje += static_cast<int>(falt.count(QLatin1Char('\n')));
        if (r.size() != kPostKolumner.size())
            return fel(linje, QStringLiteral("%1 fields where %2 belong.")
                                  .arg(r.size())
                                  .arg(kPostKolumner.size()));
        bool ok1 = false, ok2 = false;
        TRad rad{r[kSpelare], r[kOvning].toInt(&ok1), r[kDel],   r[kSatt],     r[kObjekt],
                 r[kNamn],    r[kForsok].toInt(&ok2), r[kGivet], r[kGivetNamn]};
        if (!ok1 || !ok2 || rad.Forsok < 1)
            return fel(linje, QStringLiteral("the exercise and the tries must be numbers."));
        nya.push_back(std::move(rad));
    }
    if (felrad > 0)
        return fel(felrad, QStringLiteral("a quote is out of place or never closed."));
    rader_.insert(rader_.end(), std::make_move_iterator(nya.begin()),
                  std::make_move_iterator(nya.end()));
    return QString();
}

std::vector<TMissatObjekt> CKlassresultat::MestMissade(const QString& varldsdel, const QString& typ,
                                                       int antal) const {
    QHash<QString, TMissatObjekt> per;
    for (const TRad& r : rader_) {
        if (!Valjs(r, varldsdel, typ))
            continue;
        TMissatObjekt& o = per[r.Objekt];
        o.Objekt = r.Objekt, o.Namn = r.Namn;
        ++o.Fragad;
        o.ForstaForsok += r.Forsok == 1;
    }
    std::vector<TMissatObjekt> lista;
    for (const TMissatObjekt& o : per)
        if (o.Missar() > 0)
            lista.push_back(o);
    std::sort(lista.begin(), lista.end(), [](const TMissatObjekt& a, const TMissatObjekt& b) {
        if (a.Missar() != b.Missar())
            return a.Missar() > b.Missar();
        // The lower first-try share: a/A < b/B.
        const qint64 x = qint64(a.ForstaForsok) * b.Fragad, y = qint64(b.ForstaForsok) * a.Fragad;
        return x != y ? x < y : a.Namn < b.Namn;
    });
    if (static_cast<int>(lista.size()) > antal)
        lista.resize(antal);
    return lista;
}

std::vector<TKlassForvaxling> CKlassresultat::Forvaxlingar(const QString& varldsdel,
                                                           const QString& typ, int antal) const {
    QHash<QString, TKlassForvaxling> per;
    for (const TRad& r : rader_) {
        if (!Valjs(r, varldsdel, typ))
            continue;
        if (r.Givet.isEmpty())
            continue;
        const QStringList givet = Lista(r.Givet), namn = Lista(r.GivetNamn);
        for (int i = 0; i < givet.size(); ++i) {
            TKlassForvaxling& f = per[r.Objekt + QLatin1Char('\n') + givet[i]];
            f.Namn = r.Namn, f.GivetNamn = namn.value(i, givet[i]);
            ++f.Antal;
        }
    }
    std::vector<TKlassForvaxling> lista(per.begin(), per.end());
    std::sort(lista.begin(), lista.end(), [](const auto& a, const auto& b) {
        return a.Antal != b.Antal ? a.Antal > b.Antal
               : a.Namn != b.Namn ? a.Namn < b.Namn
                                  : a.GivetNamn < b.GivetNamn;
    });
    if (static_cast<int>(lista.size()) > antal)
        lista.resize(antal);
    return lista;
}

std::vector<TElev> CKlassresultat::Elever() const {
    QHash<QString, TElev> per;
    for (const TRad& r : rader_) {
        TElev& e = per[r.Spelare];
        auto& [fragad, forsta] = e.PerDel[r.Varldsdel];
        ++fragad;
        forsta += r.Forsok == 1;
    }
    std::vector<TElev> lista;
    for (auto it = per.begin(); it != per.end(); ++it) {
        it->Spelare = it.key();
        lista.push_back(std::move(*it));
    }
    std::sort(lista.begin(), lista.end(),
              [](const TElev& a, const TElev& b) { return a.Spelare < b.Spelare; });
    return lista;
}

int CKlassresultat::OvningFor(const QString& varldsdel, const QString& typ,
                              const QStringList& objekt) const {
    std::map<int, int> missar;
    for (const TRad& r : rader_)
        if (Valjs(r, varldsdel, typ) && r.Forsok > 1 && objekt.contains(r.Objekt))
            ++missar[r.Ovning];
    int best = 0, flest = 0;
    for (const auto& [ovning, n] : missar)
        if (n > flest)
            best = ovning, flest = n;
    return best;
}
