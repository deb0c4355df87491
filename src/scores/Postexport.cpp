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
const QString kPostLista = QStringLiteral("; ");

QString SpelarNamn() {
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QDir::home().dirName() : user;
}

QString SpelarNamn(TMisstagsregister& registret) {
    const QString namn = registret.Spelarnamn();
    return namn.isEmpty() ? SpelarNamn() : namn;
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
    if (felrad)
        *felrad = 0;
    const QChar* d = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    int linje = 1;
    QStringList rad;
    // Whole runs of plain characters at a time: a class's files are long.
    const auto vanlig = [](QChar c) {
        return c != QLatin1Char(',') && c != QLatin1Char('"') && c != QLatin1Char('\r') &&
               c != QLatin1Char('\n');
    };
    while (i < n) {
        const int start = linje;
        QString falt;
        if (d[i] == QLatin1Char('"')) {
            ++i;
            for (;;) {
                qsizetype j = i;
                while (j < n && d[j] != QLatin1Char('"')) {
                    if (d[j] == QLatin1Char('\n'))
                        ++linje;
                    ++j;
                }
                falt.append(d + i, j - i);
                if (j >= n) { // never closed
                    if (felrad)
                        *felrad = start;
                    return rader;
                }
                if (j + 1 < n && d[j + 1] == QLatin1Char('"')) {
                    falt += QLatin1Char('"');
                    i = j + 2;
                    continue;
                }
                i = j + 1;
                break;
            }
        } else {
            qsizetype j = i;
            while (j < n && vanlig(d[j]))
                ++j;
            falt = QString(d + i, j - i);
            i = j;
        }
        rad << falt;
        if (i >= n) {
            rader.push_back(rad);
            break;
        }
        if (d[i] == QLatin1Char(',')) {
            ++i;
            if (i >= n) {
                rad << QString();
                rader.push_back(rad);
            }
        } else if (d[i] == QLatin1Char('\r') || d[i] == QLatin1Char('\n')) {
            i += d[i] == QLatin1Char('\r') && i + 1 < n && d[i + 1] == QLatin1Char('\n') ? 2 : 1;
            ++linje;
            const qsizetype bredd = rad.size();
            rader.push_back(std::move(rad));
            rad = QStringList();
            rad.reserve(bredd);
        } else { // a quote inside a field, or text after a closing quote
            if (felrad)
                *felrad = linje;
            return rader;
        }
    }
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
             QString::number(f.Forsok), f.Givet.join(kPostLista), f.GivetNamn.join(kPostLista)});
    QSaveFile fil(fileName);
    if (!fil.open(QIODevice::WriteOnly) || fil.write(text.toUtf8()) < 0 || !fil.commit())
        throw EGlobina(QStringLiteral("Cannot write \"%1\": %2")
                           .arg(QDir::toNativeSeparators(fileName), fil.errorString()));
    return static_cast<int>(fragor.size());
}

int ExporteraPost(TMisstagsregister& registret, const QString& fileName) {
    return ExporteraPost(registret, SpelarNamn(registret), fileName);
}
