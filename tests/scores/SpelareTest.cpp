// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Spelare.h"
#include "Skrivaren.h"
#include "data/Errors.h"
#include "scores/Klassresultat.h"
#include "scores/Misstagsregister.h"
#include "scores/Postexport.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace {

void Tyst(const QString&) {
}

TFragaLogg Fraga(const QString& item, int tries, const QStringList& given = {}) {
    return {item, item + "-name", tries, given, given};
}

TSpelLogg Spel(std::vector<TFragaLogg> fragor, const QString& part = "EUR") {
    return {1, "AREA", part, false, std::move(fragor)};
}

// The record of a player as the program opens it.
struct TPost {
    explicit TPost(const TSpelare& s) : r(s.Fil, Tyst, TMisstagsregister::kSchema, s.Namn) {}
    TMisstagsregister r;
};

QStringList Missade(TMisstagsregister& r) {
    QStringList items;
    for (const TMissatObjekt& m : r.MestMissade("EUR"))
        items << m.Objekt;
    return items;
}

QStringList Forfallna(TMisstagsregister& r) {
    QStringList items;
    for (const TMinnesrad& m : r.Forfallna(QDate::currentDate().addDays(400)))
        items << m.Objekt;
    items.sort();
    return items;
}

QStringList Namnen(const std::vector<TSpelare>& spelare) {
    QStringList namn;
    for (const TSpelare& s : spelare)
        namn << s.Namn;
    return namn;
}

// A 200-character name: Latin, Greek, Cyrillic, CJK and an emoji.
QString LangtNamn() {
    QString namn;
    while (namn.size() < 200)
        namn += QStringLiteral("Åsa Ελένη Ольга 李 \U0001F600 ");
    return namn.left(200);
}

} // namespace

TEST(Spelare, ANameIsKeptTrimmedComposedOnOneLineAndAtMostFortyCharacters) {
    EXPECT_EQ(RensatSpelarnamn("  Åsa \t\n  Berg\r\n"), "Åsa Berg");
    EXPECT_EQ(RensatSpelarnamn(QStringLiteral("A\u030Asa")), QStringLiteral("\u00C5sa"));
    EXPECT_EQ(RensatSpelarnamn(QString(60, 'x')), QString(40, 'x'));
    // An emoji across the 40th character is left out whole, not halved.
    const QString emoji = QString(39, 'x') + QStringLiteral("\U0001F600");
    EXPECT_EQ(RensatSpelarnamn(emoji), QString(39, 'x'));
    EXPECT_EQ(RensatSpelarnamn(QString(38, 'x') + QStringLiteral("\U0001F600")),
              QString(38, 'x') + QStringLiteral("\U0001F600"));
    EXPECT_EQ(RensatSpelarnamn(QStringLiteral("a\u0007b\u2028c")), "a b c");
    EXPECT_EQ(RensatSpelarnamn(" \t\n "), QString());
    EXPECT_TRUE(SammaSpelare("ÅSA  berg", "åsa Berg"));
    EXPECT_TRUE(SammaSpelare(QStringLiteral("A\u030Asa"), QStringLiteral("\u00E5sa")));
    EXPECT_FALSE(SammaSpelare("Åsa", "Asa"));
    EXPECT_FALSE(SammaSpelare("", ""));
}

TEST(Spelare, OddNamesGetRecordsOfTheirOwnThatHoldTheNameAndGiveNoPartOfAPath) {
    TestDir dir;
    const QString data = dir.Path("data");
    const QStringList namn{"7B/Åsa",           "O'Brien \"Ted\", 7C", "Ньюка", "李小龍",
                           "../../etc/passwd", "a\\b:c*?<>|",         "",      LangtNamn()};
    std::vector<TSpelare> spelare;
    for (const QString& n : namn) {
        if (RensatSpelarnamn(n).isEmpty()) {
            EXPECT_EQ(MessageOf<EGlobina>([&] { SpelareMedNamn(data, n); }),
                      "A player needs a name.");
            continue;
        }
        const TSpelare s = SpelareMedNamn(data, n);
        EXPECT_EQ(s.Namn, RensatSpelarnamn(n));
        const QFileInfo fil(s.Fil);
        // The file lies in the players' folder, named by hex digits only.
        EXPECT_EQ(fil.absolutePath(), QDir(data + "/players").absolutePath());
        EXPECT_TRUE(QRegularExpression("^[0-9a-f]{16}\\.sqlite$").match(fil.fileName()).hasMatch())
            << fil.fileName().toStdString();
        EXPECT_EQ(TMisstagsregister::LasSpelarnamn(s.Fil), s.Namn);
        spelare.push_back(s);
    }
    ASSERT_EQ(spelare.size(), 7u);
    // Cut before the emoji that the 40th character would halve, and the blank before it dropped.
    EXPECT_TRUE(LangtNamn().at(39).isHighSurrogate());
    EXPECT_EQ(RensatSpelarnamn(LangtNamn()), LangtNamn().left(38));
    // Nothing else was made: no folder of a slash, no file beside the data folder.
    EXPECT_EQ(QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"players"});
    EXPECT_EQ(QDir(dir.Path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"data"});
    EXPECT_EQ(QDir(data + "/players").entryList(QDir::Files).size(), 7);

    // The same name again, in other case and spacing, is the same player.
    EXPECT_EQ(SpelareMedNamn(data, " ньюка ").Fil, spelare[2].Fil);
    EXPECT_EQ(SpelareMedNamn(data, " ньюка ").Namn, "Ньюка"); // as first given
    // The desktop user's name is the default player's.
    const TSpelare standard = SpelareMedNamn(data, SpelarNamn());
    EXPECT_TRUE(standard.Standard());
    EXPECT_EQ(standard.Fil, data + "/mistakes.sqlite");
    EXPECT_EQ(standard.VisatNamn(), SpelarNamn());

    // The list: the default player, then the named ones by name.
    const std::vector<TSpelare> lista = SpelareI(data);
    ASSERT_EQ(lista.size(), 8u);
    EXPECT_TRUE(lista[0].Standard());
    QStringList vantade;
    for (const TSpelare& s : spelare)
        vantade << s.Namn;
    std::sort(vantade.begin(), vantade.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    EXPECT_EQ(Namnen(lista).mid(1), vantade);
}

TEST(Spelare, RecordsNeverMixAndTheDefaultPlayersFileIsReadAsItIsAndNeverWritten) {
    TestDir dir;
    const QString data = dir.Path("data");
    // The record as today's program keeps it, with a game in it.
    {
        TMisstagsregister idag(data + "/mistakes.sqlite", Tyst);
        ASSERT_TRUE(idag.Spara(Spel({Fraga("SE", 3, {"NO"}), Fraga("FI", 1)})));
    }
    const QByteArray fore = ReadAll(data + "/mistakes.sqlite");

    const TSpelare ada = SpelareMedNamn(data, "Ada, 7B");
    const TSpelare bo = SpelareMedNamn(data, "Bo \"Bosse\" Ek");
    {
        TPost a(ada), b(bo);
        ASSERT_TRUE(a.r.Spara(Spel({Fraga("SI", 2, {"SK"}), Fraga("HR", 1)})));
        ASSERT_TRUE(b.r.Spara(Spel({Fraga("NO", 4, {"SE", "DK", "FI"}), Fraga("DK", 1)})));
        TSpelLogg halv = Spel({Fraga("LV", 2, {"LT"})});
        ASSERT_TRUE(a.r.Svara(halv, halv.Fragor[0])); // a game cut short
        EXPECT_EQ(Missade(a.r), QStringList{"SI"});
        EXPECT_EQ(Missade(b.r), QStringList{"NO"});
        EXPECT_EQ(Forfallna(a.r), (QStringList{"HR", "LV", "SI"}));
        EXPECT_EQ(Forfallna(b.r), (QStringList{"DK", "NO"}));
        EXPECT_EQ(a.r.AllaFragor().size(), 2u);
        EXPECT_EQ(b.r.Forvaxlingar("EUR").size(), 3u);
        EXPECT_EQ(std::pair(a.r.Spelarnamn(), b.r.Spelarnamn()),
                  std::pair(QString("Ada, 7B"), QString("Bo \"Bosse\" Ek")));
    }
    // The default player's record reads as before, and nothing wrote to it.
    const TSpelare standard = SpelareI(data).at(0);
    TPost s(standard);
    EXPECT_EQ(Missade(s.r), QStringList{"SE"});
    EXPECT_EQ(Forfallna(s.r), (QStringList{"FI", "SE"}));
    EXPECT_EQ(s.r.Spelarnamn(), QString());
    EXPECT_EQ(ReadAll(data + "/mistakes.sqlite"), fore);

    // Each export names its pupil from the record; the class results keep them apart.
    CKlassresultat klass;
    int nr = 0;
    for (const TSpelare& p : SpelareI(data)) {
        TPost post(p);
        const QString csv = dir.Path(QString::number(++nr) + ".csv");
        ExporteraPost(post.r, csv);
        EXPECT_EQ(klass.LasFil(csv), QString());
    }
    EXPECT_EQ(ReadAll(data + "/mistakes.sqlite"), fore);
    QStringList elever;
    for (const TElev& e : klass.Elever())
        elever << e.Spelare;
    elever.sort();
    QStringList vantade{"Ada, 7B", "Bo \"Bosse\" Ek", SpelarNamn()};
    vantade.sort();
    EXPECT_EQ(elever, vantade);
    EXPECT_EQ(klass.Fragor(), 6);
}

TEST(Spelare, ARecordLeftWithoutItsNameIsNoPlayerUntilTheNameIsGivenAgain) {
    TestDir dir;
    const QString data = dir.Path("data");
    const TSpelare eva = SpelareMedNamn(data, "Eva");
    // As a kill inside the transaction that makes the file may leave it.
    ASSERT_TRUE(QFile::remove(eva.Fil));
    dir.Write("data/players/" + QFileInfo(eva.Fil).fileName(), QByteArray());
    EXPECT_EQ(Namnen(SpelareI(data)), QStringList{QString()});
    const TSpelare igen = SpelareMedNamn(data, "eva");
    EXPECT_EQ(std::pair(igen.Fil, igen.Namn), std::pair(eva.Fil, QString("eva")));
    EXPECT_EQ(Namnen(SpelareI(data)), (QStringList{QString(), "eva"}));
}

TEST(Spelare, AKillWhileAddingPlayersLeavesOnlyWholePlayers) {
    TestDir dir;
    const QString data = dir.Path("data");
    int reported = 0;
    for (int round = 0; round < 20; ++round) {
        reported = std::max(reported, SistRapporterat(DodadSkrivare({data, "players"}, 1, 20000)));
        // P1..Pk, each with its name and a record that opens.
        const std::vector<TSpelare> spelare = SpelareI(data);
        const int k = int(spelare.size()) - 1;
        ASSERT_GE(k, reported);
        ASSERT_LE(k, reported + 1);
        QStringList vantade{QString()};
        for (int n = 1; n <= k; ++n)
            vantade << QStringLiteral("P%1").arg(n);
        std::sort(vantade.begin() + 1, vantade.end(),
                  [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
        ASSERT_EQ(Namnen(spelare), vantade);
        reported = k;
    }
    for (const TSpelare& s : SpelareI(data)) {
        QStringList messages;
        TMisstagsregister r(
            s.Fil, [&](const QString& m) { messages << m; }, TMisstagsregister::kSchema, s.Namn);
        EXPECT_FALSE(r.HarSpelat());
        EXPECT_EQ(r.AntalForfallna(QDate::currentDate()), 0);
        EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    }
}

TEST(Spelare, TheProgramsRecordFollowsTheCurrentPlayerAndAGameKeepsTheOneItStartedWith) {
    const TSpelare standard = AktuellSpelare();
    ASSERT_TRUE(standard.Standard());
    EXPECT_EQ(&Misstagsregister(), &MisstagsregisterFor(standard));
    const TSpelare cleo = LaggTillSpelare("Cleo (test)");
    SattAktuellSpelare(cleo);
    TMisstagsregister& hennes = Misstagsregister();
    EXPECT_NE(&hennes, &MisstagsregisterFor(standard));
    EXPECT_EQ(hennes.FileName(), cleo.Fil);
    TSpelLogg spel = Spel({Fraga("EE", 2, {"LV"})}, "T-spelare");
    spel.Post = &hennes;
    SattAktuellSpelare(standard); // another chose meanwhile
    SparaSvar(spel, spel.Fragor[0]);
    EXPECT_TRUE(spel.Fragor[0].Minne);
    SparaMisstag(spel);
    EXPECT_EQ(hennes.MestMissade("T-spelare").size(), 1u);
    EXPECT_EQ(hennes.Minnen("T-spelare").size(), 1u);
    EXPECT_EQ(Misstagsregister().MestMissade("T-spelare").size(), 0u);
    EXPECT_EQ(Misstagsregister().Minnen("T-spelare").size(), 0u);
    EXPECT_EQ(Namnen(Spelarna()).mid(1), QStringList{"Cleo (test)"});
}
