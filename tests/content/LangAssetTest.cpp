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

TEST(LangAsset, KeepsTheSwedishCaptionsAndEnglishInColumnTwoAndQuestionsReadWell) {
    auto texts = ReadLang();
    EXPECT_EQ(texts[11][0], "Tio-i-topp");
    EXPECT_EQ(texts[12][0], "Avsluta");
    EXPECT_EQ(texts[23][0], "Starta om");
    EXPECT_EQ(texts[9][0], QString::fromUtf8("Klicka på"));
    EXPECT_EQ(texts[9][1], "Click on");
    EXPECT_EQ(texts[27][1], "Europe");
    EXPECT_TRUE(texts[33][1].contains("world"));
    // The question pieces end in a question mark.
    for (int l = 0; l < kLanguages; ++l) {
        EXPECT_TRUE(texts[10][l].endsWith('?')) << "language " << l + 1;
        EXPECT_TRUE(texts[14][l].endsWith('?')) << "language " << l + 1;
        EXPECT_FALSE(texts[13][l].endsWith('?')) << "language " << l + 1;
    }
    // The English question reads with the name in the middle.
    EXPECT_EQ(texts[13][1] + " Sweden " + texts[14][1], "Which city in Sweden is the capital?");
    EXPECT_EQ("Stockholm " + texts[10][1], "Stockholm is the capital of which country?");
}

} // namespace
