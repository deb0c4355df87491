// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Tillganglighet.h"

#include "data/Language.h"
#include "exercises/Ovning.h"
#include "screens/Ovningsskarm.h"

#include <QAccessible>
#include <QWidget>

namespace {

// A text of the table, or the English one where the table has none.
QString Text(int nummer, const char* reserv) {
    const QString& t = LangText(nummer);
    return t.isEmpty() ? QString::fromLatin1(reserv) : t;
}

} // namespace

void Beskriv(QWidget* widget, const QString& text) {
    if (!widget)
        return;
    widget->setAccessibleDescription(text);
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString Svarsbesked(const COvning& ovning, TOvningsformular::TSvar svar, int32_t svaratFore,
                    const QString& givet) {
    QString text;
    if (svar != TOvningsformular::TSvar::Fel) {
        text = Text(TextNo::SayRight, "Right") + QLatin1Char('.');
    } else if (ovning.Svarat == svaratFore) {
        text = Text(TextNo::SayNotCounted, "Already answered") + QLatin1Char('.');
    } else {
        text = Text(TextNo::SayWrong, "Wrong");
        if (!givet.trimmed().isEmpty())
            text += QStringLiteral(": ") + givet.trimmed();
        text += QLatin1Char('.');
        if (ovning.FelDenna >= 3)
            text += QLatin1Char(' ') + Text(TextNo::SayAnswerShown, "The answer is shown") +
                    QLatin1Char('.');
    }
    return text + QLatin1Char(' ') + Skarm::ProcentText(ovning.Procent);
}
