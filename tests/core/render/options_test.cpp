#include "support/puzzlebuilder.h"

#include "render/printoptions.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

TEST(PrintOptionsTest, ComeFromTheReportsSettingsAndGoBack)
{
    const ReportSettings defaults;
    const PrintOptions options = PrintOptions::fromSettings(defaults);
    EXPECT_EQ(options, PrintOptions());

    ReportSettings changed;
    changed.printBonus = false;
    changed.answerKey = true;
    changed.wordOption = 4;
    changed.partialUnderscore = true;
    changed.firstLetters = 3;
    changed.numColumns = 2;
    PrintOptions read = PrintOptions::fromSettings(changed);
    EXPECT_FALSE(read.PartBonus);
    EXPECT_TRUE(read.AnswerKey);
    EXPECT_EQ(read.WordStyle, PartialWords);
    EXPECT_EQ(read.FirstLets, 3);
    ReportSettings written;
    read.toSettings(written);
    EXPECT_EQ(written, changed);
}

TEST(PrintOptionsTest, LayoutDecidesGridLowerCaseAndColumns)
{
    PrintOptions options;
    options.NumColumns = 7;
    options.UseGrid = true;
    LayoutBuilder layout;
    layout.add(ObjectKind::Title, 0, 0, 10, 10);
    options.takeLayoutSettings(layout.layout());
    EXPECT_EQ(options.NumColumns, 3); // no list object
    EXPECT_TRUE(options.UseGrid);     // no puzzle object

    LayoutObject& grid = layout.add(ObjectKind::Puzzle, 0, 0, 10, 10);
    grid.Transparent = 0;
    grid.LowerCaseLetters = 1;
    layout.add(ObjectKind::WordList, 0, 0, 10, 10).NumColumns = 2;
    options.takeLayoutSettings(layout.layout());
    EXPECT_EQ(options.NumColumns, 2);
    EXPECT_FALSE(options.UseGrid);
    EXPECT_TRUE(options.LowerCase);

    // What the renderer makes of values a settings file or layout may hold.
    options.NumColumns = 0;
    options.WordStyle = 9;
    EXPECT_EQ(options.numColumns(), 1);
    EXPECT_EQ(options.wordStyle(), NormalWords);
    options.NumColumns = 500;
    EXPECT_EQ(options.numColumns(), 50);
}
