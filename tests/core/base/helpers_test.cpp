#include "base/ansi.h"
#include "base/copyname.h"
#include "base/latin1.h"
#include "base/numbers.h"
#include "base/random.h"
#include "base/shortstring.h"

#include <gtest/gtest.h>

TEST(Trim, RemovesOnlyBlanks)
{
    EXPECT_EQ(Trim("  cat  "), QByteArray("cat"));
    EXPECT_EQ(Trim("\tcat "), QByteArray("\tcat"));
    EXPECT_EQ(Trim("   "), QByteArray());
    EXPECT_EQ(Trim("ice cream"), QByteArray("ice cream"));
}

TEST(Latin1Case, UpperAndLowerAreInverseOnLetters)
{
    EXPECT_EQ(UpperLatin1('a'), 'A');
    EXPECT_EQ(UpperLatin1(0xE4), 0xC4); // a umlaut
    EXPECT_EQ(UpperLatin1(0xF7), 0xF7); // division sign stays
    EXPECT_EQ(UpperLatin1(0xFF), 0xFF); // y diaeresis has no capital here
    EXPECT_EQ(UpperLatin1(0xDF), 0xDF); // sharp s stays
    EXPECT_EQ(LowerLatin1(196), 228);
    EXPECT_EQ(LowerLatin1(215), 215); // multiplication sign stays
    for (int ch = 0; ch < 256; ++ch) {
        const unsigned char upper = UpperLatin1(static_cast<unsigned char>(ch));
        if (upper != ch) {
            EXPECT_EQ(LowerLatin1(upper), ch) << ch;
        }
    }
    EXPECT_EQ(UpperAscii(0xE4), 0xE4);
    EXPECT_EQ(UpperAscii(QByteArray("abz\xe9")), QByteArray("ABZ\xe9"));
}

TEST(Ansi, Windows1252RoundTripAndUnknownCharacters)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(unicodeToAnsi(ansiToUnicode(all)), all);
    EXPECT_EQ(ansiToUnicode(QByteArray("\x80")), QString(QChar(0x20AC)));
    EXPECT_EQ(unicodeToAnsi(QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac")), QByteArray("caf\xe9 \x80"));
    EXPECT_EQ(unicodeToAnsi(QString::fromUtf8("\xe4\xb8\xad")), QByteArray("?"));
    EXPECT_EQ(unicodeToAnsi(QString::fromUtf8("\xf0\x9f\x98\x80")), QByteArray("?")); // one emoji, one "?"
}

TEST(ShortString, ClampsDamagedLengthAndCutsLongInput)
{
    ShortString<5> s{};
    s.assign("abcdefgh");
    EXPECT_EQ(s.bytes(), QByteArray("abcde"));
    s.length = 200; // as a damaged file may hold
    EXPECT_EQ(s.size(), 5);
    s.setText(QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(s.bytes(), QByteArray("\xe9t\xe9"));
}

TEST(IntegerSetting, ReadsLikeTheConfigurationFile)
{
    EXPECT_EQ(readIntegerSetting("640"), 640);
    EXPECT_EQ(readIntegerSetting("  -12"), -12);
    EXPECT_EQ(readIntegerSetting("+7"), 7);
    EXPECT_EQ(readIntegerSetting("12abc"), 12);
    EXPECT_EQ(readIntegerSetting("-12abc"), 12); // stops early: no sign
    EXPECT_EQ(readIntegerSetting("abc"), 0);
    EXPECT_EQ(readIntegerSetting(""), 0);
    EXPECT_EQ(readIntegerSetting("$1F"), 31);
    EXPECT_EQ(readIntegerSetting("1234567890123x"), 2147483647); // clamped to 32 bits
    EXPECT_EQ(readIntegerSetting("12345678901234567"), 2147483647); // cut to 14, then clamped
    EXPECT_EQ(readIntegerSetting("             -7"), 0);            // the digit lies past 14
    EXPECT_EQ(readIntegerSetting("99999999999999"), 2147483647);
}

TEST(FormatNumber, GroupsAndPads)
{
    EXPECT_EQ(formatNumber(0), QStringLiteral("0"));
    EXPECT_EQ(formatNumber(999), QStringLiteral("999"));
    EXPECT_EQ(formatNumber(1000), QStringLiteral("1,000"));
    EXPECT_EQ(formatNumber(1234567, 12), QStringLiteral("   1,234,567"));
    EXPECT_EQ(formatNumber(-12345), QStringLiteral("-12,345"));
}

TEST(CopyName, CountsUpABracketedNumberOrAppendsTwo)
{
    EXPECT_EQ(copyName("Animals", 35), QByteArray("Animals (2)"));
    EXPECT_EQ(copyName("  Animals (2) ", 35), QByteArray("Animals (3)"));
    EXPECT_EQ(copyName("Animals(9)", 35), QByteArray("Animals(10)"));
    EXPECT_EQ(copyName("Animals (0)", 35), QByteArray("Animals (0) (2)"));
    EXPECT_EQ(copyName("Animals (big)", 35), QByteArray("Animals (big) (2)"));
    EXPECT_EQ(copyName("(a) and (3)", 35), QByteArray("(a) and (3) (2)")); // first "(" decides
    const QByteArray full(35, 'x');
    EXPECT_EQ(copyName(full, 35), full); // the suffix is lost to the cut
    EXPECT_EQ(copyName("Star", 20), QByteArray("Star (2)"));
}

TEST(Random, FollowsTheFixedFormula)
{
    setRandomState(0);
    EXPECT_EQ(Random(100), 0u); // state 1: (1 * 100) >> 32
    EXPECT_EQ(randomState(), 1u);
    EXPECT_EQ(Random(8), static_cast<std::uint32_t>((134775814ull * 8) >> 32));
    EXPECT_EQ(randomState(), 134775814u);
    setRandomState(0xFFFFFFFFu);
    Random(0);
    EXPECT_EQ(randomState(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));

    setFixedRandomSeed(42);
    Randomize();
    const auto first = Random(1000);
    Randomize();
    EXPECT_EQ(Random(1000), first);
    clearFixedRandomSeed();
    for (int i = 0; i < 1000; ++i)
        ASSERT_LT(Random(7), 7u);
}
