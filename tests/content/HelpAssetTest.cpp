// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped help document: a compiled help file with every page in every
// language, whose first page picks the language and whose every page leads
// back to it.
#include "AssetPath.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

const QStringList kLanguages{"sv", "en", "fr", "de", "es", "it", "da", "nl"};
const QStringList kPages{"index", "areas",  "answer",   "places", "flags",   "multi",
                         "score", "topten", "settings", "keys",   "sources", "progress"};

QString HelpSource(const QString& name) {
    QFile f(QStringLiteral(GLOBINA_HELP_DIR "/") + name);
    QStringDecoder cp1252("windows-1252");
    return f.open(QIODevice::ReadOnly) ? cp1252(f.readAll()) : QString();
}

QStringList Links(const QString& page) {
    QStringList links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)"));
    for (auto m = href.globalMatch(page); m.hasNext();)
        links << m.next().captured(1);
    return links;
}

// Every page in every language is in the compiled help file, whose
// directory chunks (uncompressed) name every file with its path.
TEST(HelpAsset, IsACompiledHelpFileWhoseFirstPagePicksALanguageAndEveryPageLeadsBackToIt) {
    QFile f(AssetPath("globina.chm"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray chm = f.readAll();
    ASSERT_TRUE(chm.startsWith(QByteArray("ITSF\x03\x00\x00\x00", 8)));
    EXPECT_TRUE(chm.contains("/index.html") && chm.contains("/globina.hhc"));
    QStringList first = Links(HelpSource("index.html"));
    first.removeAll("style.css");
    // One click per language, nothing else.
    EXPECT_EQ(first.join(' '), "index_" + kLanguages.join(".html index_") + ".html");

    for (const QString& l : kLanguages)
        for (const QString& p : kPages) {
            const QString name = p + "_" + l + ".html";
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(chm.contains(("/" + name).toLatin1()));
            const QString page = HelpSource(name);
            ASSERT_FALSE(page.isEmpty());
            EXPECT_TRUE(page.contains("<html lang=\"" + l + "\">"));
            EXPECT_FALSE(page.contains(QChar(0xFFFD)));
            const QStringList links = Links(page);
            EXPECT_TRUE(links.contains("index.html"));
            // Links stay in the page's language and lead to pages that exist.
            for (const QString& link : links)
                EXPECT_TRUE(link == "index.html" || link == "style.css" ||
                            link.startsWith("https://") ||
                            (link.endsWith("_" + l + ".html") &&
                             QFile::exists(QStringLiteral(GLOBINA_HELP_DIR "/") + link)))
                    << link.toStdString();
        }
}

} // namespace
