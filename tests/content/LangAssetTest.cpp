// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped screen texts: every number in every language, and the pieces
// that other code joins with names read as questions.
#include "AssetPath.h"
#include "data/ByteFile.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr int kTexts = 34;
constexpr int kLanguages = 8;

std::map<int, std::vector<QString>> ReadLang() {
    std::map<int, std::vector<QString>> texts;
    TByteFile f(AssetPath("lang.crp"));
    while (!f.Eof()) {
        const int nr = f.ReadInt16();
        std::vector<QString> row;
        for (int l = 0; l < kLanguages; ++l)
            row.push_back(f.ReadString());
        EXPECT_FALSE(texts.count(nr)) << "text " << nr << " occurs twice";
        texts[nr] = row;
    }
    return texts;
}

TEST(LangAsset, HasEveryTextInEveryLanguage) {
    const auto texts = ReadLang();
    ASSERT_EQ(texts.size(), size_t(kTexts));
    for (const auto& [nr, row] : texts) {
        EXPECT_GE(nr, 1);
        EXPECT_LE(nr, kTexts);
        for (int l = 0; l < kLanguages; ++l) {
            EXPECT_FALSE(row[l].trimmed().isEmpty()) << "text " << nr << " language " << l + 1;
            EXPECT_EQ(row[l], row[l].trimmed()) << "text " << nr << " language " << l + 1;
        }
    }
}

TEST(LangAsset, KeepsTheSwedishCaptionsAndQuestionsReadWithAnyBareName) {
    auto texts = ReadLang();
    EXPECT_EQ(texts[11][0], "Tio-i-topp");
    EXPECT_EQ(texts[12][0], "Avsluta");
    EXPECT_EQ(texts[23][0], "Starta om");
    EXPECT_EQ(texts[9][0], QString::fromUtf8("Klicka på"));
    EXPECT_EQ(texts[27][1], "Europe");
    EXPECT_TRUE(texts[33][1].contains("world"));
    // The question pieces end in a question mark.
    for (int l = 0; l < kLanguages; ++l) {
        EXPECT_TRUE(texts[10][l].endsWith('?')) << "language " << l + 1;
        EXPECT_TRUE(texts[14][l].endsWith('?')) << "language " << l + 1;
        EXPECT_FALSE(texts[13][l].endsWith('?')) << "language " << l + 1;
    }
    // Names come bare: where a language puts an article or a case before a
    // name, a colon keeps the name apart ("Click on: United Kingdom").
    for (int l : {1, 2, 3, 4, 5, 7})
        EXPECT_TRUE(texts[9][l].endsWith(':')) << "language " << l + 1;
    for (int l = 0; l < kLanguages; ++l)
        EXPECT_TRUE(texts[13][l].endsWith(':')) << "language " << l + 1;
    EXPECT_EQ(texts[9][1] + " United Kingdom", "Click on: United Kingdom");
    EXPECT_EQ(texts[13][1] + " United States " + texts[14][1],
              QString::fromUtf8("Country: United States – which city is the capital?"));
    EXPECT_EQ("Stockholm " + texts[10][1], "Stockholm is the capital of which country?");
    // Spanish opens a question with its inverted mark, where the question starts.
    EXPECT_EQ("Estocolmo " + texts[10][4],
              QString::fromUtf8("Estocolmo – ¿de qué país es la capital?"));
    EXPECT_EQ(texts[33][4], "Mundo entero");
}

} // namespace
