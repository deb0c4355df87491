// The shipped help document is a compiled help file that holds every page.
#include "AssetPath.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(HelpAsset, IsACompiledHelpFileWithEveryPage) {
    QFile f(AssetPath("globina.chm"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray chm = f.readAll();
    ASSERT_TRUE(chm.startsWith(QByteArray("ITSF\x03\x00\x00\x00", 8)));
    // The directory chunks (uncompressed) name every file with its path.
    for (const char* page :
         {"/index.html", "/areas.html", "/places.html", "/flags.html", "/multi.html", "/score.html",
          "/topten.html", "/settings.html", "/keys.html", "/globina.hhc"})
        EXPECT_TRUE(chm.contains(page)) << page;
}

} // namespace
