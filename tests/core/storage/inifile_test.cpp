#include "storage/inifile.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::optional<QString> read(const QByteArray& content, const char* section, const char* key)
{
    return IniFile::fromBytes(content).value(QString::fromUtf8(section), QString::fromUtf8(key));
}

QByteArray afterSet(const QByteArray& content, const char* section, const char* key, const char* value)
{
    IniFile ini = IniFile::fromBytes(content);
    ini.setValue(QString::fromUtf8(section), QString::fromUtf8(key), QString::fromUtf8(value));
    return ini.toBytes();
}

// Deterministic junk without touching the program's random state.
QByteArray junk(std::uint32_t seed, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const char pool[] = "[]=\n\r \t;abcAB\xff\xc3\x00";
        bytes.append((seed >> 24) % 3 == 0 ? pool[(seed >> 8) % (sizeof pool)] : char(seed >> 16));
    }
    return bytes;
}

} // namespace

TEST(IniFileRead, NamesIgnoreCaseAndBlanksAndFirstOccurrenceWins)
{
    const QByteArray content = "[misc]\n  window SIZE \t=  800 \t\nWindow Size=1024\n"
                               "[MISC]\nShow Tips=No\n";
    EXPECT_EQ(read(content, "Misc", "Window Size"), QStringLiteral("800"));
    EXPECT_EQ(read(content, " MISC ", "window size"), QStringLiteral("800"));
    // A second section of the same name is never read.
    EXPECT_EQ(read(content, "Misc", "Show Tips"), std::nullopt);
}

TEST(IniFileRead, MissingFileSectionOrKeyIsNotFound)
{
    TestFolders folders;
    IniFile ini;
    EXPECT_FALSE(ini.load(folders.path(QStringLiteral("none.ini"))));
    EXPECT_EQ(ini.value(QStringLiteral("Misc"), QStringLiteral("Dictionary")), std::nullopt);

    const QByteArray content = "Dictionary=4\n[Misc]\nDictionaryX=5\n; Dictionary=6\n[Other]\nDictionary=7\n";
    EXPECT_EQ(read(content, "Misc", "Dictionary"), std::nullopt);
    EXPECT_EQ(read(content, "Nope", "Dictionary"), std::nullopt);
    EXPECT_EQ(read(content, "Misc", "DictionaryX"), QStringLiteral("5"));
}

TEST(IniFileRead, OddLinesStillParse)
{
    const QByteArray content = "\xEF\xBB\xBF[Misc]\r\nEmpty=\r\n=no key\r\nEq=a=b\r\n[Broken\nX=1\n"
                               "Path=C:\\Caf\xE9\nUtf=Caf\xC3\xA9\nLast=no newline";
    EXPECT_EQ(read(content, "Misc", "Empty"), QString());
    EXPECT_EQ(read(content, "Misc", "Eq"), QStringLiteral("a=b"));
    EXPECT_EQ(read(content, "Misc", "X"), std::nullopt);
    EXPECT_EQ(read(content, "Broken", "X"), QStringLiteral("1"));
    // Not valid UTF-8: read as Windows-1252.
    EXPECT_EQ(read(content, "Broken", "Path"), QStringLiteral("C:\\Caf\u00E9"));
    EXPECT_EQ(read(content, "Broken", "Utf"), QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(read(content, "Broken", "Last"), QStringLiteral("no newline"));
    // A lone CR ends a line too (files with old Macintosh line ends), so no
    // value holds a line break.
    EXPECT_EQ(read("[Misc]\rSep=\r:\rX=1", "Misc", "Sep"), QString());
    EXPECT_EQ(read("[Misc]\rSep=\r:\rX=1", "Misc", "X"), QStringLiteral("1"));
}

TEST(IniFileWrite, ReplacingAKeyKeepsEveryOtherByte)
{
    const QByteArray content = "; my settings\r\n[Misc]\r\nWindow Size = 640 \r\n  Unknown=keep me\r\n\r\n"
                               "[Create Options]\r\nshrink=yes\r\n# note\r\n";
    EXPECT_EQ(afterSet(content, "MISC", "window size", "1024"),
              "; my settings\r\n[Misc]\r\nwindow size=1024\r\n  Unknown=keep me\r\n\r\n"
              "[Create Options]\r\nshrink=yes\r\n# note\r\n");
}

TEST(IniFileWrite, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEndOfTheFile)
{
    const QByteArray content = "[A]\nx=1\n\n\n[B]\ny=2";
    EXPECT_EQ(afterSet(content, "a", "z", "3"), "[A]\nx=1\nz=3\n\n\n[B]\ny=2");
    EXPECT_EQ(afterSet(content, "B", "z", "3"), "[A]\nx=1\n\n\n[B]\ny=2\nz=3\n");
    EXPECT_EQ(afterSet(content, "C", "z", "3"), "[A]\nx=1\n\n\n[B]\ny=2\n[C]\nz=3\n");
    EXPECT_EQ(afterSet("[A]\r\nx=1\r\n", "C", "z", "3"), "[A]\r\nx=1\r\n[C]\r\nz=3\r\n");
    EXPECT_EQ(afterSet("[A]", "A", "z", "3"), "[A]\nz=3\n");
    EXPECT_EQ(afterSet("", "A", "z", "3"), "[A]\nz=3\n");

    IniFile ini;
    ini.setValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1"));
    ini.setValue(QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("2"));
    ini.setValue(QStringLiteral("A"), QStringLiteral("m"), QStringLiteral("3"));
    EXPECT_EQ(ini.toBytes(), "[A]\nK=2\nm=3\n");
}

TEST(IniFileWrite, ValuesThatWouldBreakTheFileAreMadeSafe)
{
    IniFile ini;
    ini.setValue(QStringLiteral("A"), QStringLiteral("Path"), QStringLiteral("one\ntwo\r\n[B]"));
    ini.setValue(QStringLiteral("A"), QStringLiteral("bad=key"), QStringLiteral("x"));
    ini.setValue(QStringLiteral("A"), QStringLiteral(" "), QStringLiteral("x"));
    ini.setValue(QStringLiteral("A]"), QStringLiteral("k"), QStringLiteral("x"));
    EXPECT_EQ(ini.toBytes(), "[A]\nPath=one two  [B]\n");
    EXPECT_EQ(IniFile::fromBytes(ini.toBytes()).value(QStringLiteral("A"), QStringLiteral("Path")),
              QStringLiteral("one two  [B]"));
}

TEST(IniFileWrite, SavedFileLoadsBackAndAFailedSaveReportsIt)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("x.ini"));
    IniFile ini;
    ini.setValue(QStringLiteral("Misc"), QStringLiteral("Last Group"), QStringLiteral("/tmp/\u00E9t\u00E9.QZ3"));
    ASSERT_TRUE(ini.save(path));
    IniFile loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.value(QStringLiteral("misc"), QStringLiteral("last group")),
              QStringLiteral("/tmp/\u00E9t\u00E9.QZ3"));

    EXPECT_FALSE(ini.save(folders.path(QStringLiteral("missing/dir/x.ini"))));
    EXPECT_FALSE(ini.errorString().isEmpty());
    // A directory in the file's place is neither read nor replaced.
    EXPECT_FALSE(loaded.load(folders.startDir()));
    EXPECT_FALSE(ini.save(folders.startDir()));
}

TEST(IniFileDamage, AnyBytesParseWriteBackUnchangedAndAcceptNewKeys)
{
    std::vector<QByteArray> samples = {
        QByteArray(5000, '['), QByteArray(5000, '='), QByteArray("\0\0[\0]\0=\0\n\0", 11),
        QByteArray(1 << 20, 'x') + "=1\n[A]\n" + QByteArray(1 << 20, 'y'), "\r\r\r\n\n\r", "[A\n=\n[]\n=x\n"};
    for (std::uint32_t seed = 1; seed <= 40; ++seed)
        samples.push_back(junk(seed, int(seed * 97)));

    for (const QByteArray& bytes : samples) {
        IniFile ini = IniFile::fromBytes(bytes);
        ASSERT_EQ(ini.toBytes(), bytes);
        ini.value(QStringLiteral("A"), QStringLiteral("x"));
        ini.setValue(QStringLiteral("Misc"), QStringLiteral("Show Tips"), QStringLiteral("No"));
        ini.setValue(QStringLiteral(""), QStringLiteral("k"), QStringLiteral("v"));
        const IniFile again = IniFile::fromBytes(ini.toBytes());
        EXPECT_EQ(again.value(QStringLiteral("Misc"), QStringLiteral("Show Tips")), QStringLiteral("No"));
        EXPECT_EQ(again.value(QStringLiteral(""), QStringLiteral("k")), QStringLiteral("v"));
    }
}
