// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

// The current language, 1..8 (1 Swedish, 2 English, 3 French, 4 German,
// 5 Spanish, 6 Italian, 7 Danish, 8 Dutch).
extern int LanguageIndex;

constexpr int kLanguageCount = 8;
// The languages' ISO 639-1 codes, languages 1..8 at 0..7: the command line
// names them so, and printing sorts by their locales.
inline constexpr const char* kSprakkoder[kLanguageCount] = {"sv", "en", "fr", "de",
                                                            "es", "it", "da", "nl"};
// Text numbers run from 1 to kTextCount; every table has the first
// kBasicTextCount, the texts of the first screens. The later ones belong to
// screens added since, and a table may lack them (they stay empty). A table
// written before with fewer numbers reads unchanged.
constexpr int kTextCount = 160;
constexpr int kBasicTextCount = 34;

// The tag of a control that keeps its own caption.
constexpr int kNoText = 0;

// The numbers of the texts the screens show.
namespace TextNo {
constexpr int Start = 1;
constexpr int HighScores = 2;
constexpr int Quit = 3;
constexpr int Back = 4;
constexpr int Options = 5;
constexpr int BestResults = 8;
constexpr int ClickOn = 9;      // + " " + a name
constexpr int IsCapitalOf = 10; // a place + " " + this
constexpr int CountryLead = 13; // this + " " + an area + " " + WhichCityIsCapital
constexpr int WhichCityIsCapital = 14;
constexpr int TopTen = 11;
constexpr int Close = 12;
constexpr int MultipleChoice = 17;
constexpr int Help = 18;
constexpr int Restart = 23;
constexpr int ClickOnAPart = 25;
constexpr int ChooseAnExercise = 26;
constexpr int FirstPart = 27; // the seven parts of the world, in the menu's order
constexpr int LastPart = 33;
constexpr int MyMistakes = 35;
constexpr int MostOftenMissed = 36;
constexpr int RightFirstTime = 37;
constexpr int FrequentConfusions = 38;
constexpr int PractiseThese = 39;
constexpr int FirstKind = 40; // the four kinds of exercise, in the order of the table of kinds
constexpr int NothingMissedYet = 44;
constexpr int MistakesStartedAfresh = 45; // %1: the name of the damaged record's copy
constexpr int MistakesNotSaved = 46;      // %1: the reason
constexpr int TimesAsked = 47;
constexpr int MyMistakesHint = 48;
constexpr int PractiseTheseHint = 49;
constexpr int Review = 50;
constexpr int Asked = 51;
constexpr int Tries = 52;
constexpr int GivenInstead = 53;
constexpr int PractiseTheMissed = 54;
constexpr int Practice = 55;
constexpr int Explore = 56;
constexpr int ExploreQuestion = 57;
constexpr int CapitalLead = 58; // this + " " + a place
constexpr int ExploreHint = 59;
constexpr int NothingToPractise = 60;
constexpr int ExploreNeedsAMap = 61;
constexpr int Sources = 65;
constexpr int FirstSourceGave = 66; // what each source of the shipped data gave, in the About order
constexpr int PublicDomain = 72;
constexpr int Copyright = 73;
constexpr int HelpLine = 74;
constexpr int WholeMap = 75; // the tooltip of the map's house button
constexpr int Print = 88;
constexpr int PrintThisView = 89;
constexpr int PrintName = 90; // the pupil's line on a printed map
constexpr int PrintDate = 91;
constexpr int AnswerKey = 92;
constexpr int Paper = 93;
constexpr int NamesOnTheMap = 94;
constexpr int NumbersOnTheMap = 95;
constexpr int NamesToNumber = 96;
constexpr int File = 97;
constexpr int ExportRecord = 98;
constexpr int ClassResults = 99;
constexpr int ReviewDue = 76; // %1: how many items are due
constexpr int NothingDue = 77;
constexpr int NothingPlayedYet = 78;
constexpr int ReviewHint = 79;
constexpr int NothingPlayedHint = 80; // %1: the exercise that starts the part of the world
constexpr int TodaysReview = 81;      // the title of a review game's screen, after its own
constexpr int RecallToday = 82;       // the knowledge map's legend
constexpr int NeverAsked = 83;
constexpr int KnowledgeTip = 84; // %1 the item, %2 its recall in per cent, %3 its last answer
constexpr int NTries = 85;       // %1: how many
constexpr int RightAtFirstTry = 86;
constexpr int FirstTryPerGame = 87; // the title of My mistakes' plot
constexpr int AnswerByClicking = 110;
constexpr int AnswerByTyping = 111;
constexpr int TypeTheArea = 112;
constexpr int TypeThePlace = 113;
constexpr int SuggestNames = 114;
constexpr int AnswerByChoosing = 115;   // the way of answering: four choices on the map
constexpr int CapitalsFromTheMap = 116; // the way of answering: the marked area's capital
constexpr int WhichAreaIsMarked = 117;  // a four-choice question
constexpr int ClickTheCapital = 118;    // a capitals-from-the-map question
constexpr int WayOfAnsweringHint = 119; // the main menu's choice of the way
// Playing without colour and without a mouse (128-139).
constexpr int ColourBlindColours = 128;
constexpr int AnswerMarks = 129;
// Said by a screen reader: the result of an answer, the map's name when it asks nothing.
constexpr int SayRight = 130;
constexpr int SayWrong = 131; // + ": " + what was given
constexpr int SayAnswerShown = 132;
constexpr int SayNotCounted = 133;
constexpr int MapName = 134;
constexpr int FlagSheetName = 135;
// Players by name (146..159).
constexpr int NewPlayer = 146;        // the player choice's last entry
constexpr int PlayerHint = 147;       // its tooltip
constexpr int NewPlayerTitle = 148;   // the title of the window that asks the name
constexpr int PlayerNamePrompt = 149; // and its question
} // namespace TextNo

// The screen texts: 8 languages x 160 numbered texts, empty until loaded.
class TLanguageTexts {
public:
    // Range-checked: a language outside 1..8 or a number outside 1..160 raises
    // the range error.
    QString& operator()(int language, int number);
    void Clear();

private:
    QString texts_[kLanguageCount][kTextCount];
};

extern TLanguageTexts LanguageTexts;

// Text number n in the current language.
const QString& LangText(int number);

// Reads ProgramFolder() + "/lang.crp" into LanguageTexts.
void LoadLanguageTexts();
// Reads the named file into LanguageTexts (records may overwrite earlier ones).
// A file without a record for every text number 1..kBasicTextCount is damaged (EInOutError
// naming the file), as the controls of those texts would stay blank.
void LoadLanguageTextsFrom(const QString& fileName);

// The text number a control or window takes its caption from; kNoText for none.
void SetTag(QObject* object, int tag);
int Tag(const QObject* object);

// Puts the current language's texts on a window's Tagged buttons and labels
// and, when the window has a Tag, on its title.
void ApplyLanguageTexts(QWidget* window);
