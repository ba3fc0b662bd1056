#include "render/previewrules.h"

#include <gtest/gtest.h>

TEST(PreviewRules, ZoomTextShowsOneDecimal)
{
    EXPECT_EQ(formatZoom(100), QStringLiteral("100.0"));
    EXPECT_EQ(formatZoom(33.3), QStringLiteral("33.3"));
    EXPECT_EQ(formatZoom(77.26), QStringLiteral("77.3"));
}

TEST(PreviewRules, TypedZoomAppliesOnlyANewNumber)
{
    EXPECT_EQ(typedZoom(QStringLiteral(" 5 "), 100), 5.0);
    EXPECT_EQ(typedZoom(QStringLiteral("150.5"), 100), 150.5);
    EXPECT_EQ(typedZoom(QStringLiteral("100"), 100), std::nullopt);
    EXPECT_EQ(typedZoom(QStringLiteral("100.0"), 100), std::nullopt);
    for (const char* text : {"", "  ", "large", "12abc", "1,5", "inf", "nan"})
        EXPECT_EQ(typedZoom(QString::fromLatin1(text), 100), std::nullopt) << text;
}

TEST(PreviewRules, CopiesMustBeAPositiveWholeNumber)
{
    EXPECT_EQ(parseCopies(QStringLiteral(" 3 ")), 3);
    EXPECT_EQ(parseCopies(QStringLiteral("999")), 999);
    for (const char* text : {"", "0", "-2", "two", "1.5"})
        EXPECT_EQ(parseCopies(QString::fromLatin1(text)), std::nullopt) << text;
}

TEST(PreviewRules, CopiesGoAsOneJobWhenTheDriverAllows)
{
    EXPECT_EQ(planCopies(3, 99), (CopyJobs{1, 3}));
    EXPECT_EQ(planCopies(98, 99), (CopyJobs{1, 98}));
    // At or above the driver's limit every copy is a job of its own.
    EXPECT_EQ(planCopies(99, 99), (CopyJobs{99, 1}));
    EXPECT_EQ(planCopies(3, 1), (CopyJobs{3, 1}));
    EXPECT_EQ(planCopies(0, 99), (CopyJobs{1, 1}));
}
