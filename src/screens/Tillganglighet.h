// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovningsformular.h"

#include <QString>
#include <cstdint>

class COvning;
class QWidget;

// What the exercise screens tell a screen reader. The question is the name
// of the control the player answers with (the map, the flag sheet); the
// result of the last answer and the percentage are its description, which
// each answer changes, so that the reader says them at once.

// Sets the accessible description and tells assistive technology, also
// when the text is the one it had (the same result twice is said twice).
void Beskriv(QWidget* widget, const QString& text);

// The result of an answer for a screen reader: "Right.", "Wrong: Estonia."
// (the name given, where the screen showed one), "Already answered." for an
// answer that was not counted, and after the third wrong answer that the
// answer is shown; then the percentage. svaratFore: the exercise's Svarat
// before the answer.
QString Svarsbesked(const COvning& ovning, TOvningsformular::TSvar svar, int32_t svaratFore,
                    const QString& givet);
