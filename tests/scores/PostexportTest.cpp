// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Postexport.h"
#include "data/Errors.h"
#include "scores/Misstagsregister.h"
#include "support/TestFiles.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

std::string S(const QStringList& l) {
    return l.join(QStringLiteral(" | ")).toStdString();
}

} // namespace

TEST(Postexport, TheRecordComesBackFieldForFieldWithItsAwkwardNames) {
    TestDir dir;
    TMisstagsregister r(dir.Path("m.sqlite"), [](const QString&) {});
    // A name with a comma, one with quotes and one across two lines.
    ASSERT_TRUE(
        r.Spara({41,
                 "AREA",
                 "AFR",
                 false,
                 {{"CI", "Côte d'Ivoire, la", 3, {"GH", "", "LR"}, {"Ghana", "", "Liberia"}},
                  {"EG", "Égypte \"Misr\"", 1, {}, {}}}}));
    ASSERT_TRUE(
        r.Spara({2, "ORT", "EUR", false, {{"Oslo", "Oslo\nNorge", 2, {"Bergen"}, {"Bergen"}}}}));
    const QString file = dir.Path("record.csv");
    EXPECT_EQ(ExporteraPost(r, "Åsa, 7B", file), 3);

    const QByteArray bytes = ReadAll(file);
    EXPECT_TRUE(bytes.startsWith("player,date,exercise,part,way of asking,item,name,tries,given,"
                                 "given names\r\n"));
    int bad = -1;
    const std::vector<QStringList> rows = LasCsv(QString::fromUtf8(bytes), &bad);
    EXPECT_EQ(bad, 0);
    ASSERT_EQ(rows.size(), 4u);
    for (const QStringList& row : rows)
        EXPECT_EQ(row.size(), kPostKolumner.size()) << S(row);
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                    .match(rows[1][1])
                    .hasMatch())
        << rows[1][1].toStdString();
    const auto without_date = [](QStringList row) {
        row.removeAt(1);
        return S(row);
    };
    // The click beside every area named nothing and is not a confusion.
    EXPECT_EQ(without_date(rows[1]),
              "Åsa, 7B | 41 | AFR | AREA | CI | Côte d'Ivoire, la | 3 | GH; LR | Ghana; Liberia");
    EXPECT_EQ(without_date(rows[2]), "Åsa, 7B | 41 | AFR | AREA | EG | Égypte \"Misr\" | 1 |  | ");
    EXPECT_EQ(without_date(rows[3]),
              "Åsa, 7B | 2 | EUR | ORT | Oslo | Oslo\nNorge | 2 | Bergen | Bergen");

    EXPECT_TRUE(MessageOf<EGlobina>([&] {
                    ExporteraPost(r, "x", dir.Path("no/dir/r.csv"));
                }).contains("Cannot write"));
}

TEST(Postexport, ReadingCsvNamesTheLineWhereAFileGoesWrong) {
    struct Case {
        const char* text;
        const char* rows; // fields joined by |, rows by /
        int bad;
    };
    for (const Case c : {
             Case{"a,b\r\nc,d\r\n", "a|b/c|d", 0},
             {"a,b\nc,d", "a|b/c|d", 0},
             {"\"x, y\",\"say \"\"hi\"\"\"\r\n", "x, y|say \"hi\"", 0},
             {"\"two\nlines\",z\r\nnext,\r\n", "two\nlines|z/next|", 0},
             {",\r\n", "|", 0},
             {"a,b\r\nc,\"open\r\nd,e\r\n", "a|b", 2}, // a quote never closed
             {"a,b\r\nc,d\"e\r\n", "a|b", 2},          // a quote inside a field
             {"ok\r\n\"q\"x,y\r\n", "ok", 2},          // text after the closing quote
             {"\"a\nb\",c\r\nd\"\r\n", "a\nb|c", 3},   // counted past a line break in a field
         }) {
        int bad = -1;
        QStringList got;
        for (const QStringList& row : LasCsv(QString::fromUtf8(c.text), &bad))
            got << row.join('|');
        EXPECT_EQ(got.join('/').toStdString(), c.rows) << c.text;
        EXPECT_EQ(bad, c.bad) << c.text;
    }
    for (const char* plain : {"plain", "", "Åland"})
        EXPECT_EQ(CsvFalt(plain), QString::fromUtf8(plain));
    EXPECT_EQ(CsvFalt("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvFalt("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvFalt("a\nb"), "\"a\nb\"");
}
