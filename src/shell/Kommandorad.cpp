// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Kommandorad.h"

#include "data/Errors.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/Ovningar.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"
#include "scores/Spelare.h"
#include "screens/Utskrift.h"

#include <QDir>
#include <algorithm>
#include <optional>

namespace {

const char* const kAnvandning =
    "Usage: globina --print EXERCISE_NUMBER [--lang sv|en|fr|de|es|it|da|nl]\n"
    "               [--paper a4|letter] [--key] [--numbers|--names] --out FILE.pdf\n"
    "       globina --export-record FILE.csv [--player NAME]\n";

struct TFel {
    QString text;
};

int Utskrift(const QStringList& args, QTextStream& ut) {
    TUtskriftsval val;
    int nummer = 0;
    QString fil;
    bool nummerlista = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto varde = [&]() -> QString {
            if (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--")))
                throw TFel{QStringLiteral("%1 needs a value.").arg(a)};
            return args[++i];
        };
        if (a == QLatin1String("--print")) {
            const QString v = varde();
            bool ok = false;
            nummer = v.toInt(&ok);
            if (!ok || nummer < 1)
                throw TFel{QStringLiteral("\"%1\" is not an exercise number.").arg(v)};
        } else if (a == QLatin1String("--lang")) {
            const QString v = varde().toLower();
            val.Sprak = 0;
            for (int s = 0; s < kLanguageCount; ++s)
                if (v == QLatin1String(kSprakkoder[s]))
                    val.Sprak = s + 1;
            if (val.Sprak == 0)
                throw TFel{QStringLiteral("Unknown language \"%1\".").arg(v)};
        } else if (a == QLatin1String("--paper")) {
            const QString v = varde().toLower();
            if (v == QLatin1String("a4"))
                val.Papper = QPageSize::A4;
            else if (v == QLatin1String("letter"))
                val.Papper = QPageSize::Letter;
            else
                throw TFel{QStringLiteral("Unknown paper \"%1\": a4 or letter.").arg(v)};
        } else if (a == QLatin1String("--key")) {
            val.Namnkarta = true;
        } else if (a == QLatin1String("--numbers")) {
            nummerlista = true;
        } else if (a == QLatin1String("--names")) {
            val.Namnlista = true;
        } else if (a == QLatin1String("--out")) {
            fil = varde();
        } else {
            throw TFel{QStringLiteral("Unknown argument \"%1\".").arg(a)};
        }
    }
    if (nummerlista && val.Namnlista)
        throw TFel{QStringLiteral("--numbers and --names exclude each other.")};
    if (nummer == 0)
        throw TFel{QStringLiteral("--print needs an exercise number.")};
    if (fil.isEmpty())
        throw TFel{QStringLiteral("--out needs the name of the PDF file to write.")};
    // Relative to where the program was started, before the data folder is made current.
    fil = QDir::current().absoluteFilePath(fil);
    if (!QDir::setCurrent(ProgramFolder()))
        throw EGlobina(
            QStringLiteral("Cannot open the program folder \"%1\".").arg(ProgramFolder()));
    LoadLanguageTexts();
    COvningar ovningar;
    ovningar.LasOvningar(QStringLiteral("Ovning.crp"));
    const std::shared_ptr<COvning> ovning = ovningar.HittaNummer(nummer);
    if (!ovning)
        throw EGlobina(QStringLiteral("There is no exercise %1.").arg(nummer));
    const int sidor = SkrivUt(*ovning, val, fil);
    ut << QStringLiteral("%1: exercise %2, \"%3\", %4 pages\n")
              .arg(QDir::toNativeSeparators(fil))
              .arg(nummer)
              .arg(ovning->Namn[val.Sprak])
              .arg(sidor);
    return 0;
}

int Export(const QStringList& args, QTextStream& ut) {
    QString fil;
    std::optional<QString> namn;
    for (int i = 0; i < args.size(); ++i) {
        const bool sista = i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"));
        if (args[i] == QLatin1String("--export-record") && !sista && fil.isEmpty())
            fil = args[++i];
        else if (args[i] == QLatin1String("--player") && !sista && !namn)
            namn = args[++i];
        else
            throw TFel{QStringLiteral("--export-record takes the name of one CSV file, and "
                                      "--player the name of one player.")};
    }
    if (fil.isEmpty())
        throw TFel{QStringLiteral("--export-record takes the name of one CSV file.")};
    fil = QDir::current().absoluteFilePath(fil);
    // The default player's record, or the named player's, which must exist.
    TSpelare spelare{QString(), MisstagFileName()};
    if (namn) {
        const auto alla = Spelarna();
        const auto hittad = std::find_if(alla.begin(), alla.end(), [&](const TSpelare& s) {
            return SammaSpelare(s.VisatNamn(), *namn);
        });
        if (hittad == alla.end())
            throw EGlobina(QStringLiteral("There is no player \"%1\".").arg(*namn));
        spelare = *hittad;
    }
    TMisstagsregister registret(
        spelare.Fil, [](const QString&) {}, TMisstagsregister::kSchema, spelare.Namn);
    const int rader = ExporteraPost(registret, fil);
    ut << QStringLiteral("%1: %2 questions\n").arg(QDir::toNativeSeparators(fil)).arg(rader);
    return 0;
}

} // namespace

std::optional<int> KorKommandorad(const QStringList& args, QTextStream& ut, QTextStream& fel) {
    const QStringList egna = args.mid(1);
    const bool skriv = egna.contains(QLatin1String("--print"));
    const bool exportera = egna.contains(QLatin1String("--export-record"));
    if (!skriv && !exportera)
        return std::nullopt;
    try {
        if (skriv && exportera)
            throw TFel{QStringLiteral("--print and --export-record are separate tasks.")};
        return skriv ? Utskrift(egna, ut) : Export(egna, ut);
    } catch (const TFel& f) {
        fel << "globina: " << f.text << "\n" << kAnvandning;
        return 2;
    } catch (const EGlobina& e) {
        fel << "globina: " << e.Message() << "\n";
        return 1;
    }
}
