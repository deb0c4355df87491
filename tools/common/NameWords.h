// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The words of a name, lower case and without accents: "Kongo-Brazzaville"
// gives kongo, brazzaville.
inline QStringList NameWords(const QString& name) {
    QString plain;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c.isLetter() ? c.toLower() : QChar(' ');
    return plain.split(' ', Qt::SkipEmptyParts);
}

// Whether one name holds the other as whole words: "Kuwait City" and
// "Kuwait", "Kongo-Brazzaville" and "Brazzaville", "Monaco" and "Monaco".
// Such a capital answers its own multiple-choice question.
inline bool ShareAName(const QString& a, const QString& b) {
    const QStringList x = NameWords(a), y = NameWords(b);
    const auto holds = [](const QStringList& whole, const QStringList& part) {
        for (qsizetype i = 0; !part.isEmpty() && i + part.size() <= whole.size(); ++i)
            if (whole.mid(i, part.size()) == part)
                return true;
        return false;
    };
    return holds(x, y) || holds(y, x);
}
