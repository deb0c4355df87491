// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transliterate.h"

#include "data/Cp1252.h"
#include "data/Errors.h"

#include <QStringList>
#include <utility>

namespace {

// Characters that Unicode decomposition cannot reduce to a letter the code
// page holds.
const std::pair<char16_t, const char*> kTable[] = {
    {u'ł', "l"},      {u'Ł', "L"}, {u'đ', "d"}, {u'Đ', "D"},  {u'ı', "i"},  {u'ħ', "h"},
    {u'Ħ', "H"},      {u'ə', "e"}, {u'Ə', "E"}, {u'ŋ', "ng"}, {u'Ŋ', "Ng"}, {u'ŧ', "t"},
    {u'ʻ', "'"},      {u'ʼ', "'"}, {u'ʿ', "'"}, {u'ʾ', "'"},  {u'′', "'"},  {u'‐', "-"},
    {u'‑', "-"},      {u'‒', "-"}, {u'ĸ', "k"}, {u'ŀ', "l"},  {u'Ŀ', "L"},  {u'ɛ', "e"},
    {u'ɔ', "o"},      {u'Ɛ', "E"}, {u'Ɔ', "O"}, {u'ǝ', "e"},  {u'ĳ', "ij"}, {u'Ĳ', "IJ"},
    {u'\u00A0', " "},
};

bool Fits(QChar c) {
    return Cp1252::EncodeChar(c).has_value();
}

} // namespace

namespace Transliterate {

QString ToCp1252(const QString& text) {
    QString out;
    const QString nfc = text.normalized(QString::NormalizationForm_C);
    for (QChar c : nfc) {
        const char16_t u = c.unicode();
        if (u == 0x00AD || u == 0x200B || u == 0x200E || u == 0x200F || u == 0xFEFF)
            continue;
        // ß fits the code page; keep it.
        if (Fits(c)) {
            out += c;
            continue;
        }
        bool replaced = false;
        for (const auto& [from, to] : kTable)
            if (from == u) {
                out += QString::fromUtf8(to);
                replaced = true;
                break;
            }
        if (replaced)
            continue;
        const QString nfd = QString(c).normalized(QString::NormalizationForm_D);
        QString base;
        for (QChar d : nfd)
            if (d.category() != QChar::Mark_NonSpacing &&
                d.category() != QChar::Mark_SpacingCombining &&
                d.category() != QChar::Mark_Enclosing)
                base += d;
        bool ok = !base.isEmpty();
        for (QChar d : base)
            ok = ok && Fits(d);
        if (!ok)
            throw EGlobina(QStringLiteral("No Windows-1252 form for '%1' (U+%2) in \"%3\"")
                               .arg(QString(c))
                               .arg(u, 4, 16, QLatin1Char('0'))
                               .arg(text));
        out += base;
    }
    return out.simplified();
}

QStringList TableText() {
    QStringList lines;
    for (const auto& [from, to] : kTable)
        lines << QStringLiteral("%1=%2").arg(QString(QChar(from)), QString::fromUtf8(to));
    return lines;
}

} // namespace Transliterate
