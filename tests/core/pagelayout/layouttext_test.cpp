#include "pagelayout/layoutlibrary.h"
#include "pagelayout/layouttext.h"
#include "storage/recordfile.h"
#include "support/shippedsources.h"
#include "support/tempdir.h"

#include <QMap>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

QByteArray readAll(const QString& path) { return TestFolders::readFile(path); }

bool insidePage(const PageLayoutRecord& layout)
{
    for (int n = 1; n <= layout.objectCount(); ++n) {
        const LayoutObject& o = layout.object(n);
        if (o.left() < 0 || o.top() < 0 || o.right() > layout.PageWidthPixels
            || o.bottom() > layout.PageHeightPixels || o.left() >= o.right() || o.top() >= o.bottom())
            return false;
    }
    return true;
}

const LayoutObject* findKind(const PageLayoutRecord& layout, ObjectKind kind)
{
    for (int n = 1; n <= layout.objectCount(); ++n) {
        if (layout.object(n).ObjKind == static_cast<int>(kind))
            return &layout.object(n);
    }
    return nullptr;
}

// The bordered rectangle around an object, or null.
const LayoutObject* frameAround(const PageLayoutRecord& layout, const LayoutObject& o)
{
    for (int n = 1; n <= layout.objectCount(); ++n) {
        const LayoutObject& f = layout.object(n);
        if (f.ObjKind == static_cast<int>(ObjectKind::Rectangle) && f.UseBorder && o.left() >= f.left()
            && o.right() <= f.right() && o.top() >= f.top() && o.bottom() <= f.bottom())
            return &f;
    }
    return nullptr;
}

// Whether text that starts at the left of its box (left-aligned text, every
// word or clue list) has a border of its own or lies within 1/12 inch of the
// left of a frame; and whether a text object with its text lies in a frame.
struct FramedText {
    bool touching = false;
    bool framed = false;
};
FramedText framedText(const PageLayoutRecord& layout)
{
    const double inchesPerPixel = layout.PageWidth / layout.PageWidthPixels / (layout.UnitsInches ? 1 : 2.54);
    FramedText result;
    for (int n = 1; n <= layout.objectCount(); ++n) {
        const LayoutObject& o = layout.object(n);
        const auto kind = static_cast<ObjectKind>(int(o.ObjKind));
        const LayoutObject* frame = frameAround(layout, o);
        result.framed |= kind == ObjectKind::Text && !o.text().isEmpty() && frame;
        const bool leftText = (kind == ObjectKind::Title || kind == ObjectKind::Bonus || kind == ObjectKind::Text)
                              && o.TextAlign == 1;
        if (kind == ObjectKind::WordList || leftText)
            result.touching |= o.UseBorder || (frame && (o.left() - frame->left()) * inchesPerPixel < 1.0 / 12);
    }
    return result;
}

} // namespace

TEST(ShippedLayouts, SourcesDescribeUsablePagesAndTheBuiltLibraryMatches)
{
    const QStringList sources = shippedSources("layouts");
    ASSERT_GE(sources.size(), 6);
    QByteArray expected;
    bool a4InCentimetres = false, landscape = false, bonusWithFramedText = false;
    QMap<QByteArray, QStringList> kinds; // paper -> landscape, large print, name line
    auto layout = std::make_unique<PageLayoutRecord>();
    for (const QString& path : sources) {
        QString error;
        ASSERT_TRUE(parseLayoutText(readAll(path), *layout, &error)) << qPrintable(path + ": " + error);
        EXPECT_TRUE(insidePage(*layout)) << qPrintable(path);
        EXPECT_NE(findKind(*layout, ObjectKind::Puzzle), nullptr) << qPrintable(path);
        EXPECT_NE(findKind(*layout, ObjectKind::WordList), nullptr) << qPrintable(path);
        a4InCentimetres |= layout->PaperName.view() == "A4" && layout->UnitsInches == 0
                           && layout->PageWidthPixels == 420 && layout->PageHeightPixels == 594;
        landscape |= layout->Portrait == 0 && layout->PageWidth > layout->PageHeight;
        const FramedText text = framedText(*layout);
        bonusWithFramedText |= findKind(*layout, ObjectKind::Bonus) && text.framed;
        EXPECT_FALSE(text.touching) << qPrintable(path);
        QStringList& kindsOfPaper = kinds[layout->PaperName.bytes()];
        if (!layout->Portrait)
            kindsOfPaper << QStringLiteral("landscape");
        if (layout->LayoutName.text().contains(QStringLiteral("Large Print"))) {
            kindsOfPaper << QStringLiteral("large print");
            // Its grid draws its lines.
            EXPECT_EQ(findKind(*layout, ObjectKind::Puzzle)->Transparent, 1) << qPrintable(path);
        }
        if (text.framed)
            kindsOfPaper << QStringLiteral("name line");
        expected.append(reinterpret_cast<const char*>(layout.get()), sizeof *layout);
    }
    EXPECT_TRUE(a4InCentimetres);
    EXPECT_TRUE(landscape);
    EXPECT_TRUE(bonusWithFramedText);
    // Letter and A4 each have a landscape, a large print and a name line page.
    for (const QByteArray& paper : {QByteArray("Letter"), QByteArray("A4")}) {
        QStringList found = kinds.value(paper);
        found.sort();
        EXPECT_TRUE(found.join(u',') == QStringLiteral("landscape,large print,name line"))
            << paper.constData() << ": " << qPrintable(found.join(u','));
    }

    // Record 0, the default: Letter portrait with a three-column word list.
    ASSERT_TRUE(parseLayoutText(readAll(sources.first()), *layout, nullptr));
    EXPECT_EQ(layout->PaperName.bytes(), QByteArray("Letter"));
    EXPECT_EQ(layout->PageWidthPixels, 408);
    EXPECT_EQ(findKind(*layout, ObjectKind::WordList)->numColumns(), 3);

    EXPECT_EQ(readAll(QStringLiteral(QM_DATA_DIR "/QZFPAGE.DAT")), expected);
}

TEST(LayoutText, ObjectsStartAsTheDesignerMakesThem)
{
    const char* text = "[Page]\nLayoutName = Two Texts\nPaperName = Custom\nUnits = centimetres\n"
                       "PageWidth = 10.55\nPageHeight = 20\nPortrait = no\nDesignZoom = 2\n"
                       "[Text]\nObjRect = 1, 2, 3, 4\nObjText = one\\ntwo\nFontColor = #102030\n"
                       "[Text]\nObjRect = 5, 6, 7, 8\nTextAlign = right\nUseBorder = no\n";
    auto layout = std::make_unique<PageLayoutRecord>();
    QString error;
    ASSERT_TRUE(parseLayoutText(text, *layout, &error)) << qPrintable(error);
    EXPECT_EQ(layout->PageWidthPixels, 316); // trunc(10.55 * 30)
    EXPECT_EQ(layout->PageHeightPixels, 600);
    EXPECT_EQ(layout->ObjectCount, 2);
    EXPECT_EQ(layout->object(1).ObjName.bytes(), QByteArray("Text 1"));
    EXPECT_EQ(layout->object(2).ObjName.bytes(), QByteArray("Text 2"));
    EXPECT_EQ(layout->object(1).text(), QByteArray("one\r\ntwo"));
    EXPECT_EQ(layout->object(1).FontColor, 0x302010);
    EXPECT_EQ(layout->object(1).UseBorder, 1);
    EXPECT_EQ(layout->object(2).UseBorder, 0);
    EXPECT_EQ(layout->object(2).TextAlign, 3);
    EXPECT_EQ(layout->object(2).Transparent, 1);
    EXPECT_EQ(layout->object(2).bottom(), 8);
}

TEST(LayoutText, MistakesAreReportedWithTheirLine)
{
    const QByteArray page = "[Page]\nLayoutName = P\nPaperName = Letter\nUnits = inches\n"
                            "PageWidth = 8.5\nPageHeight = 11\n";
    struct Case {
        QByteArray text;
        QString error;
    };
    const Case cases[] = {
        {page + "[Title]\nObjRect = 0, 0, 409, 20\n", "object 1 (Title) does not lie inside the page of 408 x 528 pixels"},
        {page + "[Title]\n[Title]\n", "line 8: a page holds one Title at most"},
        {page + "[Puzzle]\nFontsize = 3\n", "line 8: unknown key \"Fontsize\""},
        {page + "[Words]\nNumColumns = 0\n", "line 8: bad value \"0\" for NumColumns"},
        {page + "[Shape]\n", "line 7: unknown section \"Shape\""},
        {"[Page]\nLayoutName = A name of twenty-one c\n", "line 2: bad value \"A name of twenty-one c\" for LayoutName"},
        {"[Page]\nLayoutName = P\n", "[Page] needs LayoutName, PaperName, PageWidth and PageHeight"},
    };
    auto layout = std::make_unique<PageLayoutRecord>();
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(parseLayoutText(c.text, *layout, &error)) << c.text.constData();
        EXPECT_EQ(error, c.error);
    }
    QByteArray crowded = page;
    for (int n = 0; n < 21; ++n)
        crowded += "[Rectangle]\nObjRect = 1, 1, 2, 2\n";
    QString error;
    EXPECT_FALSE(parseLayoutText(crowded, *layout, &error));
    EXPECT_EQ(error, QStringLiteral("line 47: more than 20 objects"));
}
