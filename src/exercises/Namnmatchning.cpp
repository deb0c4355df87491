// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Namnmatchning.h"

#include "data/Language.h"

#include <algorithm>
#include <limits>

namespace {

// Articles that atlases put before a name in the program's languages; "l"
// is what is left of "l'" once the apostrophe is a space.
const QStringList& Artiklar() {
    static const QStringList artiklar{
        QStringLiteral("the"), QStringLiteral("le"),  QStringLiteral("la"),  QStringLiteral("les"),
        QStringLiteral("l"),   QStringLiteral("el"),  QStringLiteral("los"), QStringLiteral("las"),
        QStringLiteral("il"),  QStringLiteral("lo"),  QStringLiteral("gli"), QStringLiteral("de"),
        QStringLiteral("het"), QStringLiteral("der"), QStringLiteral("die"), QStringLiteral("das"),
        QStringLiteral("den")};
    return artiklar;
}

// Letters that decomposition leaves whole.
QString Utskrivet(QChar c) {
    switch (c.unicode()) {
    case 0x00DF:
        return QStringLiteral("ss"); // ß
    case 0x00E6:
        return QStringLiteral("ae"); // æ
    case 0x0153:
        return QStringLiteral("oe"); // œ
    case 0x00F8:
        return QStringLiteral("o"); // ø
    case 0x0111:
        return QStringLiteral("d"); // đ
    case 0x0142:
        return QStringLiteral("l"); // ł
    case 0x0131:
        return QStringLiteral("i"); // ı
    case 0x00FE:
        return QStringLiteral("th"); // þ
    default:
        return QString(c);
    }
}

int Tillatna(const QString& namn) {
    return static_cast<int>(namn.size()) / 6;
}

} // namespace

QString NormaliseraNamn(const QString& namn) {
    const QString nfd = namn.toCaseFolded().normalized(QString::NormalizationForm_D);
    QString bokstaver;
    bokstaver.reserve(nfd.size());
    for (const QChar c : nfd) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        bokstaver += c.isLetterOrNumber() ? Utskrivet(c) : QStringLiteral(" ");
    }
    QStringList ord = bokstaver.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (ord.size() > 1 && Artiklar().contains(ord.front()))
        ord.removeFirst();
    return ord.join(QString());
}

int Redigeringsavstand(const QString& a, const QString& b) {
    const auto n = a.size(), m = b.size();
    // Three rows: the one before the previous is needed for a transposition.
    std::vector<int> forra2(m + 1), forra(m + 1), rad(m + 1);
    for (qsizetype j = 0; j <= m; ++j)
        forra[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= n; ++i) {
        rad[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= m; ++j) {
            const int kostnad = a[i - 1] == b[j - 1] ? 0 : 1;
            rad[j] = std::min({forra[j] + 1, rad[j - 1] + 1, forra[j - 1] + kostnad});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                rad[j] = std::min(rad[j], forra2[j - 2] + 1);
        }
        std::swap(forra2, forra);
        std::swap(forra, rad);
    }
    return forra[m];
}

const std::vector<QStringList>& Namnvarianter() {
    static const std::vector<QStringList> varianter{
        {QStringLiteral("Côte d'Ivoire"), QStringLiteral("Ivory Coast"),
         QStringLiteral("Elfenbeinküste"), QStringLiteral("Costa de Marfil"),
         QStringLiteral("Costa d'Avorio"), QStringLiteral("Elfenbenskusten"),
         QStringLiteral("Elfenbenskysten"), QStringLiteral("Ivoorkust")},
        {QStringLiteral("Czechia"), QStringLiteral("Czech Republic"), QStringLiteral("Tschechien"),
         QStringLiteral("Tschechische Republik"), QStringLiteral("Tjeckien"),
         QStringLiteral("Tjekkiet"), QStringLiteral("Tsjechië"), QStringLiteral("Tchéquie"),
         QStringLiteral("République tchèque"), QStringLiteral("Chequia"),
         QStringLiteral("República Checa"), QStringLiteral("Cechia"),
         QStringLiteral("Repubblica Ceca")},
        {QStringLiteral("Myanmar"), QStringLiteral("Burma"), QStringLiteral("Birma"),
         QStringLiteral("Birmanie"), QStringLiteral("Birmania"), QStringLiteral("Burma")},
        {QStringLiteral("Netherlands"), QStringLiteral("Holland"), QStringLiteral("Nederland"),
         QStringLiteral("Hollande"), QStringLiteral("Holanda"), QStringLiteral("Olanda")},
        {QStringLiteral("Eswatini"), QStringLiteral("Swaziland"), QStringLiteral("Swasiland")},
        {QStringLiteral("North Macedonia"), QStringLiteral("Macedonia"),
         QStringLiteral("Nordmazedonien"), QStringLiteral("Mazedonien"),
         QStringLiteral("Macédoine du Nord"), QStringLiteral("Macédoine"),
         QStringLiteral("Nordmakedonien"), QStringLiteral("Makedonien"),
         QStringLiteral("Noord-Macedonië"), QStringLiteral("Macedonië")},
        {QStringLiteral("Cape Verde"), QStringLiteral("Cabo Verde"), QStringLiteral("Kap Verde"),
         QStringLiteral("Kapverden")},
        {QStringLiteral("Timor-Leste"), QStringLiteral("East Timor"), QStringLiteral("Osttimor"),
         QStringLiteral("Östtimor"), QStringLiteral("Østtimor"), QStringLiteral("Oost-Timor")},
        {QStringLiteral("Democratic Republic of the Congo"), QStringLiteral("DR Congo"),
         QStringLiteral("Congo-Kinshasa"), QStringLiteral("Zaire"),
         QStringLiteral("Kongo-Kinshasa")},
        {QStringLiteral("Republic of the Congo"), QStringLiteral("Congo-Brazzaville"),
         QStringLiteral("Kongo-Brazzaville")},
        {QStringLiteral("United Kingdom"), QStringLiteral("Great Britain"),
         QStringLiteral("Britain"), QStringLiteral("Großbritannien"),
         QStringLiteral("Grande-Bretagne"), QStringLiteral("Storbritannien"),
         QStringLiteral("Groot-Brittannië"), QStringLiteral("Gran Bretaña"),
         QStringLiteral("Gran Bretagna")},
        {QStringLiteral("United States"), QStringLiteral("USA"), QStringLiteral("America"),
         QStringLiteral("United States of America"), QStringLiteral("Amerika")},
        {QStringLiteral("Turkey"), QStringLiteral("Türkiye")},
        {QStringLiteral("Belarus"), QStringLiteral("Byelorussia"), QStringLiteral("Weißrussland"),
         QStringLiteral("Vitryssland"), QStringLiteral("Hviderusland"),
         QStringLiteral("Wit-Rusland"), QStringLiteral("Biélorussie"),
         QStringLiteral("Bielorrusia"), QStringLiteral("Bielorussia")},
        {QStringLiteral("Moldova"), QStringLiteral("Moldavia"), QStringLiteral("Moldawien"),
         QStringLiteral("Moldavie"), QStringLiteral("Moldavien")},
    };
    return varianter;
}

namespace {

// The variant groups normalised, once: every item added is looked up in them.
const std::vector<QStringList>& NormalaVarianter() {
    static const std::vector<QStringList> normala = [] {
        std::vector<QStringList> ut;
        for (const QStringList& grupp : Namnvarianter()) {
            QStringList normal;
            for (const QString& v : grupp)
                normal << NormaliseraNamn(v);
            ut.push_back(normal);
        }
        return ut;
    }();
    return normala;
}

} // namespace

int CNamnmatchning::LaggTill(const QStringList& namn) {
    TObjekt objekt;
    const auto lagg = [&objekt](const QString& normal) {
        if (!normal.isEmpty() && !objekt.Normal.contains(normal))
            objekt.Normal << normal;
    };
    for (const QString& n : namn) {
        if (objekt.Visat.isEmpty())
            objekt.Visat = n;
        lagg(NormaliseraNamn(n));
    }
    const QStringList egna = objekt.Normal;
    if (!egna.isEmpty())
        objekt.Forslag << NormaliseraNamn(objekt.Visat);
    for (const QStringList& grupp : NormalaVarianter())
        if (std::any_of(grupp.begin(), grupp.end(),
                        [&](const QString& v) { return egna.contains(v); }))
            for (const QString& v : grupp) {
                lagg(v);
                objekt.Forslag << v;
            }
    objekt_.push_back(std::move(objekt));
    return Antal() - 1;
}

int CNamnmatchning::LaggTill(const std::array<QString, 9>& namn) {
    QStringList lista{namn[static_cast<size_t>(LanguageIndex)]};
    for (int s = 1; s <= kLanguageCount; ++s)
        lista << namn[static_cast<size_t>(s)];
    return LaggTill(lista);
}

int CNamnmatchning::Matcha(const QString& text) const {
    const QString t = NormaliseraNamn(text);
    if (t.isEmpty())
        return -1;
    constexpr int kLangt = std::numeric_limits<int>::max();
    int bast = -1, bastAvstand = kLangt;
    std::vector<int> avstand(objekt_.size(), kLangt);
    for (size_t i = 0; i < objekt_.size(); ++i)
        for (const QString& n : objekt_[i].Normal) {
            const int d = Redigeringsavstand(t, n);
            avstand[i] = std::min(avstand[i], d);
            if (d <= Tillatna(n) && d < bastAvstand) {
                bastAvstand = d;
                bast = static_cast<int>(i);
            }
        }
    if (bast < 0)
        return -1;
    // Another item as close makes the text no one item's name.
    for (size_t i = 0; i < objekt_.size(); ++i)
        if (static_cast<int>(i) != bast && avstand[i] <= bastAvstand)
            return -1;
    return bast;
}

QStringList CNamnmatchning::Kompletteringar(const QString& text) const {
    const QString t = NormaliseraNamn(text);
    QStringList ut;
    if (t.size() < 2)
        return ut;
    // By the shown name normalised, which each item's first suggestion is.
    std::vector<std::pair<QString, QString>> funna;
    for (const TObjekt& o : objekt_)
        if (std::any_of(o.Forslag.begin(), o.Forslag.end(),
                        [&](const QString& n) { return n.startsWith(t); }) &&
            std::none_of(funna.begin(), funna.end(),
                         [&](const auto& f) { return f.second == o.Visat; }))
            funna.emplace_back(o.Forslag.front(), o.Visat);
    std::sort(funna.begin(), funna.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& f : funna)
        ut << f.second;
    return ut;
}
