#include "base/messageservice.h"
#include "pagelayout/layoutfile.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/layoutlist.h"
#include "support/puzzles.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

std::unique_ptr<PageLayoutRecord> namedLayout(const char* name, const char* paper = "Letter")
{
    auto layout = std::make_unique<PageLayoutRecord>(builtInDefaultLayout());
    layout->LayoutName.assign(name);
    layout->PaperName.assign(paper);
    return layout;
}

void writeLibrary(std::initializer_list<const char*> names)
{
    QFile::remove(layoutLibraryPath());
    for (const char* name : names)
        appendLayout(layoutLibraryPath(), *namedLayout(name));
}

QList<QByteArray> texts(const PageLayoutList& list)
{
    QList<QByteArray> result;
    for (const auto& entry : list.entries())
        result << entry.text;
    return result;
}

QList<qint64> indexes(const PageLayoutList& list)
{
    QList<qint64> result;
    for (const auto& entry : list.entries())
        result << entry.tag;
    return result;
}

QByteArray layoutFileBytes(const PageLayoutRecord& layout, const QByteArray& signature = "PAG1.0")
{
    return signature + QByteArray(reinterpret_cast<const char*>(&layout), sizeof layout);
}

// Each test works in its own program directory with the default layout at 0.
class LayoutListTest : public ::testing::Test {
protected:
    TestFolders folders;
    RecordingMessages messages;
    int defaultPage = 0; // the "Default Page" setting
};

} // namespace

TEST(LayoutListText, NamedAndCustomPaper)
{
    EXPECT_EQ(layoutListText(*namedLayout("Classic", "A4"), false), QByteArray("Classic (A4)"));
    EXPECT_EQ(layoutListText(*namedLayout("Classic", "A4"), true), QByteArray("Classic (A4)  <<DEFAULT>>"));

    auto custom = namedLayout("Mine", "Custom");
    custom->PageWidth = 8.25;
    custom->PageHeight = 11.75;
    EXPECT_EQ(layoutListText(*custom, false), QByteArray("Mine (Custom 8\" x 12\")"));

    custom->UnitsInches = 0; // centimetres still show the inch mark
    custom->PageWidth = 21.6;
    custom->PageHeight = 27.9;
    EXPECT_EQ(layoutListText(*custom, true), QByteArray("Mine (Custom 22\" x 28\")  <<DEFAULT>>"));

    custom->PageWidth = std::numeric_limits<double>::quiet_NaN();
    custom->PageHeight = 1e300;
    EXPECT_EQ(layoutListText(*custom, false), QByteArray("Mine (Custom 0\" x 1000000000\")"));
}

TEST_F(LayoutListTest, LoadSortsCaseInsensitivelyAndWarnsWhenEmpty)
{
    PageLayoutList list(LayoutListMode::Library, defaultPage);
    list.show();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(list.hasSelection());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Warning"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("No saved page layouts could be found."));

    writeLibrary({"beta", "Alpha", "gamma", "ALPHA"});
    defaultPage = 2;
    list.show();
    EXPECT_EQ(texts(list), (QList<QByteArray>{"Alpha (Letter)", "ALPHA (Letter)", "beta (Letter)",
                                              "gamma (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(indexes(list), (QList<qint64>{1, 3, 0, 2}));
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.layout().LayoutName.bytes(), QByteArray("Alpha"));
    list.selectRecord(0);
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.layout().LayoutName.bytes(), QByteArray("beta"));
}

TEST_F(LayoutListTest, DeleteKeepsTheDefaultIndexSoTheMarkerMoves)
{
    writeLibrary({"A", "B", "C", "D"});
    defaultPage = 2;
    PageLayoutList list(LayoutListMode::Library, defaultPage);
    list.show();
    EXPECT_EQ(list.entries()[2].text, QByteArray("C (Letter)  <<DEFAULT>>"));

    messages.answers = {MessageAnswer::No};
    list.deleteSelected();
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Delete?"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("Are you sure you want to delete \"A (Letter)\"?"));
    EXPECT_EQ(QFile(layoutLibraryPath()).size(), 4 * 28868);

    list.deleteSelected(); // Yes
    EXPECT_EQ(QFile(layoutLibraryPath()).size(), 3 * 28868);
    EXPECT_EQ(defaultPage, 2);
    EXPECT_EQ(texts(list), (QList<QByteArray>{"B (Letter)", "C (Letter)", "D (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list.selected(), 0);

    list.select(2); // the last entry: the selection stays on the new last one
    list.deleteSelected();
    EXPECT_EQ(texts(list), (QList<QByteArray>{"B (Letter)", "C (Letter)"}));
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(list.layout().LayoutName.bytes(), QByteArray("C"));

    list.select(-1);
    messages.clear();
    list.deleteSelected();
    EXPECT_EQ(messages.lastText(), QStringLiteral("No page layout selected."));
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Error"));
}

TEST_F(LayoutListTest, ImportAcceptsOnlyAWholeUpperCaseSignedRecord)
{
    writeLibrary({"Existing"});
    PageLayoutList list(LayoutListMode::Library, defaultPage);
    list.show();
    const QString file = folders.path("in.pag");
    const auto layout = namedLayout("Imported");

    struct Case {
        QByteArray bytes;
        QString message;
    };
    const QString corrupt = QStringLiteral("Page layout file is corrupt or incompatible.  Import aborted.");
    const Case rejected[] = {
        {layoutFileBytes(*layout).left(28873), corrupt},
        {layoutFileBytes(*layout, "pag1.0"), corrupt},
        {QByteArray("PAG"), corrupt},
        {QByteArray(), corrupt},
    };
    for (const Case& c : rejected) {
        TestFolders::writeFile(file, c.bytes);
        messages.clear();
        list.importFrom(file);
        EXPECT_EQ(messages.lastText(), c.message);
        EXPECT_EQ(messages.lastCaption(), QStringLiteral("Error"));
    }
    list.importFrom(folders.path("missing.PAG"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("Page layout could not be imported."));
    EXPECT_EQ(QFile(layoutLibraryPath()).size(), 28868);

    // Any version, and bytes after the record are ignored.
    TestFolders::writeFile(file, layoutFileBytes(*layout, "PAG9.9") + "trailing");
    messages.clear();
    list.importFrom(file);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(texts(list), (QList<QByteArray>{"Existing (Letter)  <<DEFAULT>>", "Imported (Letter)"}));
    EXPECT_EQ(list.selectedRecordIndex(), 1);
    EXPECT_EQ(std::memcmp(&list.layout(), layout.get(), sizeof *layout), 0);
}

TEST_F(LayoutListTest, SelectIsOfferedOnlyOutsideTheLibraryModeWithASelection)
{
    writeLibrary({"One"});
    for (LayoutListMode mode : {LayoutListMode::Library, LayoutListMode::WordListEditor, LayoutListMode::PrintOptions}) {
        PageLayoutList list(mode, defaultPage);
        list.show();
        EXPECT_EQ(list.canSelect(), mode != LayoutListMode::Library);
        list.select(-1);
        EXPECT_FALSE(list.canSelect());
        messages.clear();
        EXPECT_FALSE(list.choose());
        EXPECT_EQ(messages.lastText(), QStringLiteral("No layout has been selected."));
    }
}

TEST_F(LayoutListTest, ExtractAppendsThePuzzlesLayout)
{
    const QString collection = folders.path("c.QZ3");
    auto puzzle = makePuzzle("Animals", "Farm");
    puzzle->PageLayout.LayoutName.assign("From Farm");
    createEmptyCollection(collection);
    writePuzzle(collection, *puzzle, -1);

    PageLayoutList list(LayoutListMode::Library, defaultPage);
    list.show();
    EXPECT_FALSE(list.extractFromPuzzle(folders.path("missing.QZ3"), 0));
    EXPECT_EQ(messages.lastText(), QStringLiteral("Unable to open puzzle."));
    EXPECT_FALSE(QFile::exists(layoutLibraryPath()));

    ASSERT_TRUE(list.extractFromPuzzle(collection, 0));
    EXPECT_EQ(list.selectedRecordIndex(), 0);
    EXPECT_EQ(std::memcmp(&list.layout(), &puzzle->PageLayout, sizeof(PageLayoutRecord)), 0);
}

TEST_F(LayoutListTest, DamagedRecordsAreListed)
{
    auto damaged = namedLayout("x");
    std::memset(damaged.get(), 0xFF, sizeof *damaged); // length bytes 255, NaN sizes, counts -1
    appendLayout(layoutLibraryPath(), *damaged);
    damaged->PaperName.assign("Custom");
    appendLayout(layoutLibraryPath(), *damaged);
    {
        QFile file(layoutLibraryPath()); // a partial record at the end is no layout
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(100, 'z'));
    }
    defaultPage = 1;
    PageLayoutList list(LayoutListMode::Library, defaultPage);
    list.show();
    ASSERT_EQ(texts(list).size(), 2);
    list.selectRecord(0);
    EXPECT_EQ(list.entries()[list.selected()].text, QByteArray(20, '\xFF') + " (" + QByteArray(20, '\xFF') + ")");
    list.selectRecord(1);
    EXPECT_EQ(list.entries()[list.selected()].text, QByteArray(20, '\xFF') + " (Custom 0\" x 0\")  <<DEFAULT>>");
}
