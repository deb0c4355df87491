// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Spelare.h"

#include "data/Errors.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {

const QString kMapp = QStringLiteral("players");

// The file's name: a digest of the kept name without regard to case, and for
// the n-th name of one digest (never seen: 64 bits) a number after it.
QString Filnamn(const QString& namn, int n) {
    const QByteArray digest =
        QCryptographicHash::hash(namn.toCaseFolded().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QString::fromLatin1(digest) + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) +
           QStringLiteral(".sqlite");
}

TSpelare& Aktuell() {
    static TSpelare spelare{QString(), MisstagFileName()};
    return spelare;
}

} // namespace

QString TSpelare::VisatNamn() const {
    return Standard() ? SpelarNamn() : Namn;
}

QString RensatSpelarnamn(const QString& namn) {
    QString s = namn.normalized(QString::NormalizationForm_C);
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph || c.isSpace())
            c = QLatin1Char(' ');
    s = s.simplified();
    if (s.size() > kLangstaSpelarnamn) {
        int n = kLangstaSpelarnamn;
        if (s.at(n - 1).isHighSurrogate())
            --n;
        s = s.left(n).trimmed();
    }
    return s;
}

bool SammaSpelare(const QString& a, const QString& b) {
    const QString x = RensatSpelarnamn(a);
    return !x.isEmpty() && x.toCaseFolded() == RensatSpelarnamn(b).toCaseFolded();
}

std::vector<TSpelare> SpelareI(const QString& mapp) {
    std::vector<TSpelare> spelare{{QString(), MisstagFileIn(QString(), mapp)}};
    const QDir dir(mapp + QLatin1Char('/') + kMapp);
    std::vector<TSpelare> namngivna;
    for (const QFileInfo& fil :
         dir.entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files, QDir::Name)) {
        const QString namn = RensatSpelarnamn(TMisstagsregister::LasSpelarnamn(fil.filePath()));
        if (!namn.isEmpty())
            namngivna.push_back({namn, fil.filePath()});
    }
    std::stable_sort(namngivna.begin(), namngivna.end(), [](const TSpelare& a, const TSpelare& b) {
        return QString::localeAwareCompare(a.Namn, b.Namn) < 0;
    });
    spelare.insert(spelare.end(), namngivna.begin(), namngivna.end());
    return spelare;
}

TSpelare SpelareMedNamn(const QString& mapp, const QString& namn) {
    const QString kept = RensatSpelarnamn(namn);
    if (kept.isEmpty())
        throw EGlobina(QStringLiteral("A player needs a name."));
    if (SammaSpelare(kept, SpelarNamn()))
        return {QString(), MisstagFileIn(QString(), mapp)};
    const QString spelarmapp = mapp + QLatin1Char('/') + kMapp;
    if (!QDir().mkpath(spelarmapp))
        throw EGlobina(QStringLiteral("Cannot make the folder \"%1\".")
                           .arg(QDir::toNativeSeparators(spelarmapp)));
    for (int n = 1;; ++n) {
        const QString fil = spelarmapp + QLatin1Char('/') + Filnamn(kept, n);
        const QString lagrat = TMisstagsregister::LasSpelarnamn(fil);
        if (!lagrat.isEmpty() && !SammaSpelare(lagrat, kept))
            continue; // another name of the same digest
        if (!lagrat.isEmpty())
            return {RensatSpelarnamn(lagrat), fil};
        // New, or left without its name by a program killed while making it:
        // made now, the layout and the name in one transaction.
        QString fel;
        TMisstagsregister registret(
            fil, [&fel](const QString& text) { fel = text; }, TMisstagsregister::kSchema, kept);
        if (!registret.Skapa())
            throw EGlobina(fel.isEmpty() ? QStringLiteral("Cannot make the record \"%1\".")
                                               .arg(QDir::toNativeSeparators(fil))
                                         : fel);
        return {kept, fil};
    }
}

std::vector<TSpelare> Spelarna() {
    return SpelareI(QFileInfo(MisstagFileName()).absolutePath());
}

TSpelare LaggTillSpelare(const QString& namn) {
    return SpelareMedNamn(QFileInfo(MisstagFileName()).absolutePath(), namn);
}

const TSpelare& AktuellSpelare() {
    return Aktuell();
}

void SattAktuellSpelare(const TSpelare& spelare) {
    Aktuell() = spelare;
}

TMisstagsregister& MisstagsregisterFor(const TSpelare& spelare) {
    // Never destroyed, as the program's one record was before players: the
    // connections would outlive the application object, and every answer is
    // committed when it is given.
    static QHash<QString, TMisstagsregister*> registren;
    const QString nyckel = QFileInfo(spelare.Fil).absoluteFilePath();
    TMisstagsregister*& r = registren[nyckel];
    if (!r)
        r = new TMisstagsregister(spelare.Fil, nullptr, TMisstagsregister::kSchema, spelare.Namn);
    return *r;
}
