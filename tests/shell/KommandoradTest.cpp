// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Kommandorad.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Kommandorad, ArgumentsItCannotUseEndTheProgramWithTheReasonAndTheUsage) {
    struct Case {
        QStringList args;
        const char* reason;
    };
    for (const Case& c : {
             Case{{"--print", "x", "--out", "a.pdf"}, "\"x\" is not an exercise number"},
             {{"--print", "0", "--out", "a.pdf"}, "\"0\" is not an exercise number"},
             {{"--print", "3"}, "--out needs the name of the PDF file"},
             {{"--print", "3", "--out"}, "--out needs a value"},
             {{"--print", "--out", "a.pdf"}, "--print needs a value"},
             {{"--print", "3", "--paper", "a5", "--out", "a.pdf"}, "Unknown paper \"a5\""},
             {{"--print", "3", "--lang", "xx", "--out", "a.pdf"}, "Unknown language \"xx\""},
             {{"--print", "3", "--numbers", "--names", "--out", "a.pdf"}, "exclude each other"},
             {{"--print", "3", "--colour", "--out", "a.pdf"}, "Unknown argument \"--colour\""},
             {{"--export-record"}, "takes the name of one CSV file"},
             {{"--export-record", "a.csv", "b.csv"}, "takes the name of one CSV file"},
             {{"--export-record", "a.csv", "--player"}, "--player the name of one player"},
             {{"--export-record", "a.csv", "--player", "A", "--player", "B"}, "one player"},
             {{"--print", "3", "--export-record", "a.csv"}, "separate tasks"},
         }) {
        QString out, err;
        QTextStream ut(&out), fel(&err);
        const std::optional<int> code = KorKommandorad(QStringList{"globina"} + c.args, ut, fel);
        fel.flush();
        EXPECT_EQ(code, std::optional<int>(2)) << c.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(c.reason) && err.contains("Usage: globina --print"))
            << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
    // Anything else starts the program as usual.
    QString out, err;
    QTextStream ut(&out), fel(&err);
    EXPECT_EQ(KorKommandorad({"globina", "-style", "fusion"}, ut, fel), std::nullopt);
    // A player the computer does not know is named, and nothing is written.
    EXPECT_EQ(KorKommandorad({"globina", "--export-record", "never.csv", "--player", "Nobody 7Z"},
                             ut, fel),
              std::optional<int>(1));
    fel.flush();
    EXPECT_TRUE(err.contains("There is no player \"Nobody 7Z\".")) << err.toStdString();
    EXPECT_FALSE(QFile::exists("never.csv"));
}
