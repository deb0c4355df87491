// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

// The current language, 1..8 (1 Swedish, 2 English, 3 French, 4 German,
// 5 Spanish, 6 Italian, 7 Danish, 8 Dutch).
extern int LanguageIndex;

constexpr int kLanguageCount = 8;
constexpr int kTextCount = 34;

// The screen texts: 8 languages x 34 numbered texts, empty until loaded.
class TLanguageTexts {
public:
    // Range-checked: a language outside 1..8 or a number outside 1..34 raises
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
// A file without a record for every text number 1..34 is damaged (EInOutError
// naming the file), as the controls of those texts would stay blank.
void LoadLanguageTextsFrom(const QString& fileName);

// The text number a control or window takes its caption from; 0 for none.
void SetTag(QObject* object, int tag);
int Tag(const QObject* object);

// Puts the current language's texts on a window's Tagged buttons and labels
// and, when the window has a Tag, on its title.
void ApplyLanguageTexts(QWidget* window);
