// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Language.h"

#include "data/ByteFile.h"
#include "data/Errors.h"
#include "data/Helpers.h"

#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <array>

int LanguageIndex = 2;
TLanguageTexts LanguageTexts;

QString& TLanguageTexts::operator()(int language, int number) {
    RangeCheck(language, 1, kLanguageCount);
    RangeCheck(number, 1, kTextCount);
    return texts_[language - 1][number - 1];
}

void TLanguageTexts::Clear() {
    for (auto& row : texts_)
        for (auto& t : row)
            t.clear();
}

const QString& LangText(int number) {
    return LanguageTexts(LanguageIndex, number);
}

void LoadLanguageTexts() {
    LoadLanguageTextsFrom(ProgramFolder() + QStringLiteral("/lang.crp"));
}

void LoadLanguageTextsFrom(const QString& fileName) {
    std::array<bool, kTextCount> seen{};
    TByteFile file(fileName);
    while (!file.Eof()) {
        const int number = file.ReadInt16();
        RangeCheck(number, 1, kTextCount);
        for (int language = 1; language <= kLanguageCount; ++language)
            LanguageTexts(language, number) = file.ReadString();
        seen[number - 1] = true;
    }
    // An empty or cut table would leave buttons blank: a damaged installation.
    for (int number = 1; number <= kTextCount; ++number)
        if (!seen[number - 1])
            throw EInOutError(
                QStringLiteral("The language table \"%1\" is damaged: text %2 is missing.")
                    .arg(fileName)
                    .arg(number),
                100);
}

void SetTag(QObject* object, int tag) {
    object->setProperty("Tag", tag);
}

int Tag(const QObject* object) {
    return object->property("Tag").toInt();
}

void ApplyLanguageTexts(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const int tag = Tag(child);
        if (tag == 0)
            continue;
        if (auto* button = qobject_cast<QPushButton*>(child))
            button->setText(LangText(tag));
        if (auto* label = qobject_cast<QLabel*>(child))
            label->setText(LangText(tag));
    }
    if (const int tag = Tag(window); tag != 0)
        window->setWindowTitle(LangText(tag));
}
