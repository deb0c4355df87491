// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The short form of a state's name (as Unicode CLDR gives them, such as
// "St. Vincent & Grenadines"), for the few places where the full name does
// not fit. Key is the area's key, language 1..8; empty when the state has
// no short form in that language.
QString Kortnamn(const QString& key, int language);
