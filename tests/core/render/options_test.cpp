#include "support/puzzlebuilder.h"

#include "render/printoptions.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

TEST(PrintOptionsTest, ComeFromTheReportsSettingsAndGoBack)
{
    EXPECT_EQ(PrintOptions::fromSettings(ReportSettings()), PrintOptions());
    ReportSettings changed;
    changed.printBonus = false;
    changed.wordOption = 4;
    changed.firstLetters = 3;
    ReportSettings written;
    PrintOptions::fromSettings(changed).toSettings(written);
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
