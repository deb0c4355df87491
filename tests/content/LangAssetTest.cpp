// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped screen texts: every number in every language, and the pieces
// that other code joins with names read as questions.
#include "AssetPath.h"
#include "data/ByteFile.h"
#include "data/Language.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr int kLanguages = kLanguageCount;

// Every text a screen names, the ranges by their first and count.
std::vector<int> NamedTexts() {
    using namespace TextNo;
    std::vector<int> named{Start,
                           HighScores,
                           Quit,
                           Back,
                           Options,
                           BestResults,
                           ClickOn,
                           IsCapitalOf,
                           CountryLead,
                           WhichCityIsCapital,
                           TopTen,
                           Close,
                           MultipleChoice,
                           Help,
                           Restart,
                           ClickOnAPart,
                           ChooseAnExercise,
                           MyMistakes,
                           MostOftenMissed,
                           RightFirstTime,
                           FrequentConfusions,
                           PractiseThese,
                           NothingMissedYet,
                           MistakesStartedAfresh,
                           MistakesNotSaved,
                           TimesAsked,
                           MyMistakesHint,
                           PractiseTheseHint,
                           Review,
                           Asked,
                           Tries,
                           GivenInstead,
                           PractiseTheMissed,
                           Practice,
                           Explore,
                           ExploreQuestion,
                           CapitalLead,
                           ExploreHint,
                           NothingToPractise,
                           ExploreNeedsAMap,
                           Sources,
                           PublicDomain,
                           Copyright,
                           HelpLine,
                           WholeMap};
    for (int n = FirstPart; n <= LastPart; ++n)
        named.push_back(n);
    // The kinds of exercise and the About box's sources run up to the next named text.
    for (int n = FirstKind; n < NothingMissedYet; ++n)
        named.push_back(n);
    for (int n = FirstSourceGave; n < PublicDomain; ++n)
        named.push_back(n);
    return named;
}

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

// Every text in every language; the question pieces read with any bare name.
TEST(LangAsset, HasEveryTextInEveryLanguageAndQuestionsReadWithAnyBareName) {
    auto texts = ReadLang();
    for (int nr = 1; nr <= kBasicTextCount; ++nr)
        EXPECT_TRUE(texts.count(nr)) << "text " << nr << " is missing";
    for (int nr : NamedTexts())
        EXPECT_TRUE(texts.count(nr)) << "text " << nr << ", which a screen shows, is missing";
    for (const auto& [nr, row] : texts) {
        EXPECT_TRUE(nr >= 1 && nr <= kTextCount) << "text " << nr;
        for (int l = 0; l < kLanguages; ++l)
            EXPECT_TRUE(!row[l].isEmpty() && row[l] == row[l].trimmed())
                << "text " << nr << " language " << l + 1;
    }
    for (int l = 0; l < kLanguages; ++l) {
        SCOPED_TRACE(l + 1);
        // Question pieces: a name before 10 and between 13 and 14 makes a
        // question, and a colon ends 13 so that the name comes bare.
        EXPECT_TRUE(texts[10][l].endsWith('?') && texts[14][l].endsWith('?') &&
                    texts[13][l].endsWith(':'));
        // Where a language puts an article or a case before a name, a colon
        // keeps the name apart ("Click on: United Kingdom").
        EXPECT_TRUE(l == 0 || l == 6 || texts[9][l].endsWith(':'));
    }
    // Spanish opens a question with its inverted mark, where the question starts.
    EXPECT_EQ("Estocolmo " + texts[10][4],
              QString::fromUtf8("Estocolmo – ¿de qué país es la capital?"));
}

} // namespace
