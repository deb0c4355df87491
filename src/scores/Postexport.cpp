// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Postexport.h"

#include "data/Errors.h"
#include "scores/Misstagsregister.h"

#include <QDir>
#include <QSaveFile>

const QStringList kPostKolumner = {QStringLiteral("player"),        QStringLiteral("date"),
                                   QStringLiteral("exercise"),      QStringLiteral("part"),
                                   QStringLiteral("way of asking"), QStringLiteral("item"),
                                   QStringLiteral("name"),          QStringLiteral("tries"),
                                   QStringLiteral("given"),         QStringLiteral("given names")};

namespace {
// Several wrong answers to one question share a field.
const QString kLista = QStringLiteral("; ");
} // namespace

QString SpelarNamn() {
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QDir::home().dirName() : user;
}

QString CsvFalt(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString q = text;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

std::vector<QStringList> LasCsv(const QString& text, int* felrad) {
    std::vector<QStringList> rader;
    QStringList rad;
    QString falt;
    bool citerat = false, inom = false, sattFalt = false;
    int linje = 1, start = 1;
    if (felrad)
        *felrad = 0;
    const auto fel = [&] {
        if (felrad)
            *felrad = start;
        return rader;
    };
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (inom) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"'))
                    falt += c, ++i;
                else
                    inom = false;
            } else {
                if (c == QLatin1Char('\n'))
                    ++linje;
                falt += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (sattFalt || citerat)
                return fel(); // a quote inside an unquoted field
            citerat = inom = sattFalt = true;
        } else if (c == QLatin1Char(',')) {
            rad << falt, falt.clear(), citerat = sattFalt = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            rad << falt, falt.clear(), citerat = sattFalt = false;
            rader.push_back(rad), rad.clear();
            start = ++linje;
        } else {
            if (citerat)
                return fel(); // text after a closing quote
            falt += c, sattFalt = true;
        }
    }
    if (inom)
        return fel();
    if (sattFalt || !rad.isEmpty())
        rad << falt, rader.push_back(rad);
    return rader;
}

int ExporteraPost(TMisstagsregister& registret, const QString& spelare, const QString& fileName) {
    const std::vector<TPostFraga> fragor = registret.AllaFragor();
    QString text;
    const auto rad = [&text](const QStringList& falt) {
        QStringList f;
        for (const QString& s : falt)
            f << CsvFalt(s);
        text += f.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    rad(kPostKolumner);
    for (const TPostFraga& f : fragor)
        rad({spelare, f.Spelat, QString::number(f.Ovning), f.Varldsdel, f.Typ, f.Objekt, f.Namn,
             QString::number(f.Forsok), f.Givet.join(kLista), f.GivetNamn.join(kLista)});
    QSaveFile fil(fileName);
    if (!fil.open(QIODevice::WriteOnly) || fil.write(text.toUtf8()) < 0 || !fil.commit())
        throw EGlobina(QStringLiteral("Cannot write \"%1\": %2")
                           .arg(QDir::toNativeSeparators(fileName), fil.errorString()));
    return static_cast<int>(fragor.size());
}
