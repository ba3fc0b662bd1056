#include "support/guiapplication.h"
#include "support/tempdir.h"

#include "render/htmlpage.h"
#include "storage/settings.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

HtmlSettings emptyBlocks()
{
    HtmlSettings s;
    s.firstHeader.text.clear();
    return s;
}

} // namespace

TEST(HtmlPageTest, AllBlocksEmptyGiveTheFifteenLineFrameWithOnlyThePicture)
{
    HtmlSettings s = emptyBlocks();
    s.webTitle = QStringLiteral("Word Search Puzzle");
    EXPECT_EQ(htmlPage(s, QStringLiteral("PAGE.JPG")),
              QByteArray("<HTML>\r\n"
                         " <HEAD>\r\n"
                         "  <TITLE>Word Search Puzzle</TITLE>\r\n"
                         "  <META NAME=\"GENERATOR\" CONTENT=\"Tamberlyn / Quillmaze 97\">\r\n"
                         " </HEAD>\r\n"
                         " <BODY>\r\n"
                         "  <CENTER><IMG SRC=\"PAGE.JPG\" ALT=\"Quillmaze 97 Puzzle\"></CENTER><P>\r\n"
                         " </BODY>\r\n"
                         "</HTML>\r\n"));

    // Every block and both rules, in their order.
    s.firstHeader = {QStringLiteral("H1"), true, false, true, 4};
    s.secondHeader = {QStringLiteral("H2"), false, true, false, 3};
    s.firstFooter = {QStringLiteral("F1"), true, true, true, 1};
    s.secondFooter = {QStringLiteral("F2"), false, false, false, 7};
    s.horizontalUpper = s.horizontalLower = true;
    const QList<QByteArray> lines = htmlPage(s, QStringLiteral("P.JPG")).split('\n');
    ASSERT_EQ(lines.size(), 16); // 15 lines and the empty rest after the last break
    EXPECT_EQ(lines[6], "  <CENTER><B><FONT SIZE=4>H1</FONT></B></CENTER><P>\r");
    EXPECT_EQ(lines[7], "  <I><FONT SIZE=3>H2</FONT></I><P>\r");
    EXPECT_EQ(lines[8], "  <HR><P>\r");
    EXPECT_EQ(lines[10], "  <HR><P>\r");
    EXPECT_EQ(lines[11], "  <CENTER><I><B><FONT SIZE=1>F1</FONT></B></I></CENTER><P>\r");
    EXPECT_EQ(lines[12], "  <FONT SIZE=7>F2</FONT><P>\r");
}

TEST(HtmlPageTest, TextsAreWrittenUnchanged)
{
    HtmlSettings s = emptyBlocks();
    s.firstHeader = {QStringLiteral("Fish & <Chips> caf\u00e9\r\nSecond line"), false, false, false, 3};
    s.webTitle = QStringLiteral("A < B & C");
    const QByteArray page = htmlPage(s, QStringLiteral("x.JPG"));
    EXPECT_TRUE(page.contains("  <TITLE>A < B & C</TITLE>\r\n"));
    // One block line holding the line break; the page is in the ANSI code page.
    EXPECT_TRUE(page.contains("  <FONT SIZE=3>Fish & <Chips> caf\xE9\r\nSecond line</FONT><P>\r\n"));
    EXPECT_EQ(webTitle(QStringLiteral("  My   title  ")), QStringLiteral("My   title"));
    EXPECT_EQ(webTitle(QString(150, u'x')).size(), 100);
}

TEST(HtmlPageTest, PictureNameReplacesTheExtensionWhatEverItsLength)
{
    const struct {
        const char* html;
        const char* picture;
    } cases[] = {
        {"/tmp/web/PUZZLE.htm", "PUZZLE.JPG"}, {"page.html", "page.JPG"}, {"a.b.htm", "a.b.JPG"},
        {"/x.y/page", "page.JPG"},            {"page.h", "page.JPG"},    {"/dir/.htm", ".JPG"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(htmlPictureName(QString::fromLatin1(c.html)), QString::fromLatin1(c.picture)) << c.html;
}

TEST(HtmlPageTest, PageAndPictureAreWrittenSideBySide)
{
    ensureGuiApplication();
    TestFolders folders;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString html = folders.path(QStringLiteral("PAGE.htm"));
    ASSERT_TRUE(writeHtmlExport(html, HtmlSettings(), image, 50));
    EXPECT_TRUE(TestFolders::readFile(html).contains("<IMG SRC=\"PAGE.JPG\""));
    EXPECT_EQ(QImage(folders.path(QStringLiteral("PAGE.JPG"))).size(), QSize(40, 30));

    // A folder that does not exist: nothing is written.
    EXPECT_FALSE(writeHtmlExport(folders.path(QStringLiteral("missing/PAGE.htm")), HtmlSettings(), image, 50));
    EXPECT_FALSE(QFile::exists(folders.path(QStringLiteral("missing/PAGE.JPG"))));
}
