// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names from the sources are Unicode; data files hold Windows-1252. A name is
// made to fit by, in this order: removing soft hyphens and zero-width marks,
// the replacement table (letters with no decomposition, such as ł, đ, ı, ə),
// then dropping the combining marks of any letter the code page lacks
// (ș -> s, ō -> o, İ -> I). Throws EGlobina for a character that still does
// not fit, naming it.
namespace Transliterate {

QString ToCp1252(const QString& text);

// The replacement table, one "from=to" per entry, for the documentation.
QStringList TableText();

} // namespace Transliterate
