#include "storage/configuration.h"

#include "storage/inifile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const QString kStart = QStringLiteral("/home/user/puzzles");

Settings loadFrom(const QByteArray& content, const QString& startDir = kStart)
{
    return loadSettings(IniFile::fromBytes(content), startDir);
}

// Every key in file order, as "[Section]" and "Key" entries.
QStringList expectedLayout()
{
    QStringList keys{QStringLiteral("[Misc]")};
    for (const char* kind : {"Import Puzzle", "Export Puzzle", "Import Shape", "Export Shape", "Import Layout",
                             "Export Layout", "Import Word", "Export Word", "Export Bitmap", "Export JPEG",
                             "Export EMF", "Export WMF", "Export HTML", "Export PDF", "Export SVG"})
        keys << QStringLiteral("Last %1 File").arg(QLatin1StringView(kind));
    keys << QStringLiteral("Last Group");
    for (int i = 1; i <= 5; ++i)
        keys << QStringLiteral("Last File %1").arg(i);
    keys << QStringList{"Window Size", "Background Bitmap", "Dictionary", "User Dictionary", "Thesaurus",
                        "User Thesaurus", "Show Tips", "[HTML]"};
    for (const char* block : {"First Header", "Second Header", "First Footer", "Second Footer"}) {
        const QString name = QLatin1StringView(block);
        keys << name << "Bold " + name << "Italic " + name << "Center " + name << "Font " + name;
    }
    keys << QStringList{"Horizontal Upper", "Horizontal Lower", "Web Title", "[Create Options]", "Use Clues",
                        "Shrink", "Attempts", "Integration", "Sep Char", "Import Option", "Export Option",
                        "Last Shape"};
    for (int i = 1; i <= 12; ++i)
        keys << QStringLiteral("Int Key %1").arg(i);
    keys << QStringList{"[Create]", "Up Right", "Down", "Down Right", "Left", "Down Left", "Up", "Up Left",
                        "Right", "[Page Layout]", "Zoom", "Page Designer Window Left",
                        "Page Designer Window Top", "Page Designer Window Width",
                        "Page Designer Window Height", "Default Page", "[Reports]", "Default Printer",
                        "Printer Index", "Report Viewing Window Left", "Report Viewing Window Top",
                        "Report Viewing Window Width", "Report Viewing Window Height",
                        "JPeg Compression Quality", "Pixel Format", "Use Grid", "Lower Case", "Answer Key",
                        "Print Title", "Print Body", "Print Words", "Print Bonus", "Clue Underscore",
                        "Partial Underscore", "Num Columns", "Word Option", "First Letters", "Last Letters"};
    for (const char* font : {"[Edit Font]", "[Label Font]", "[Button Font]"})
        keys << QLatin1StringView(font) << "Font Name" << "Bold" << "Italic" << "Color";
    return keys;
}

QStringList layoutOf(const QByteArray& content)
{
    QStringList keys;
    for (const QByteArray& line : content.split('\n')) {
        if (line.startsWith('['))
            keys << QString::fromUtf8(line);
        else if (line.contains('='))
            keys << QString::fromUtf8(line.left(line.indexOf('=')));
    }
    return keys;
}

// Settings with every field moved away from its default.
Settings changedSettings()
{
    Settings s;
    MiscSettings& m = s.misc;
    int n = 0;
    for (QString* path : {&m.lastImportPuzzleFile, &m.lastExportPuzzleFile, &m.lastImportShapeFile,
                          &m.lastExportShapeFile, &m.lastImportLayoutFile, &m.lastExportLayoutFile,
                          &m.lastImportWordFile, &m.lastExportWordFile, &m.lastExportBitmapFile,
                          &m.lastExportJpegFile, &m.lastExportEmfFile, &m.lastExportWmfFile,
                          &m.lastExportHtmlFile, &m.lastExportPdfFile, &m.lastExportSvgFile, &m.lastGroup})
        *path = QStringLiteral("/data/f\u00FCr %1/file.x").arg(++n);
    for (QString& file : m.lastFiles)
        file = QStringLiteral("/recent/%1.QZ3").arg(++n);
    m.windowSize = 1024;
    m.backgroundBitmap = false;
    m.dictionary = 9;
    m.userDictionary = 5;
    m.thesaurus = 3;
    m.userThesaurus = 2;
    m.showTips = false;

    HtmlSettings& h = s.html;
    for (HtmlTextBlock* block : {&h.firstHeader, &h.secondHeader, &h.firstFooter, &h.secondFooter}) {
        block->text = QStringLiteral("Block %1 = text").arg(++n);
        block->bold = !block->bold;
        block->italic = !block->italic;
        block->center = !block->center;
        block->fontSize = n % 7 + 1;
    }
    h.horizontalUpper = h.horizontalLower = true;
    h.webTitle = QStringLiteral("Puzzles & More");

    GenerationSettings& c = s.create;
    c.useClues = false;
    c.shrink = true;
    c.attempts = 999;
    c.integration = 0;
    c.sepChar = ';';
    c.importOption = 3;
    c.exportOption = 2;
    c.lastShape = 17;
    for (QString& key : c.intKeys)
        key = QStringLiteral("01%1").arg(++n);
    for (int d = Up; d <= UpLeft; d += 2)
        c.directions[d] = false;

    s.pageLayout = {3, -20, 15, 800, 600, 4};
    s.reports = {false, 2, -5, 10, 1024, 768, 85, 2, true, true, true, false, false, false, false,
                 true, true, 4, 3, 2, 5};
    s.editFont = {QStringLiteral("DejaVu Sans"), true, false, 0x00FF0000};
    s.labelFont = {QStringLiteral("Liberation Serif"), false, true, 0x0000FF00};
    s.buttonFont = {QStringLiteral("Noto"), true, true, 0xFF000005};
    return s;
}

} // namespace

TEST(ConfigurationDefaults, MissingFileGivesEveryDefault)
{
    TestFolders folders;
    const Settings loaded =
        loadSettingsFile(folders.path(QStringLiteral("missing/QMAZE3.INI")), folders.startDir());

    Settings expected;
    MiscSettings& m = expected.misc;
    for (QString* path : {&m.lastImportPuzzleFile, &m.lastExportPuzzleFile, &m.lastImportShapeFile,
                          &m.lastExportShapeFile, &m.lastImportLayoutFile, &m.lastExportLayoutFile,
                          &m.lastImportWordFile, &m.lastExportWordFile, &m.lastExportBitmapFile,
                          &m.lastExportJpegFile, &m.lastExportEmfFile, &m.lastExportWmfFile,
                          &m.lastExportHtmlFile, &m.lastExportPdfFile, &m.lastExportSvgFile})
        *path = folders.startDir();
    m.lastGroup = folders.startDir() + QStringLiteral("/DEFAULT.QZ3");
    EXPECT_EQ(loaded, expected);
}

TEST(ConfigurationDefaults, LastGroupPrefersSampleOnlyWithoutDefault)
{
    TestFolders folders;
    const QString start = folders.startDir();
    TestFolders::writeFile(start + QStringLiteral("/SAMPLE.QZ3"), {});
    EXPECT_EQ(loadFrom("", start).misc.lastGroup, start + QStringLiteral("/SAMPLE.QZ3"));
    TestFolders::writeFile(start + QStringLiteral("/DEFAULT.QZ3"), {});
    EXPECT_EQ(loadFrom("", start).misc.lastGroup, start + QStringLiteral("/DEFAULT.QZ3"));
    // A stored value, even an empty one, wins over the default.
    EXPECT_EQ(loadFrom("[Misc]\nLast Group=\n", start).misc.lastGroup, QString());
    EXPECT_EQ(defaultCollectionPath(QStringLiteral("/")), QStringLiteral("/DEFAULT.QZ3"));
}

TEST(ConfigurationSave, NewFileHoldsEveryKeyInOrder)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("QMAZE3.INI"));
    ASSERT_TRUE(saveSettingsFile(loadSettingsFile(path, kStart), path));
    const QByteArray content = TestFolders::readFile(path);
    EXPECT_EQ(layoutOf(content), expectedLayout());
    EXPECT_TRUE(content.contains("\nShrink=No\n"));
    EXPECT_TRUE(content.contains("\nSep Char=:\n"));
    EXPECT_TRUE(content.contains("\nInt Key 12=0242\n"));
    EXPECT_TRUE(content.contains("[Misc]\nLast Import Puzzle File=/home/user/puzzles\n"));
}

TEST(ConfigurationSave, RoundTripKeepsEveryValue)
{
    const Settings original = changedSettings();
    IniFile ini;
    saveSettings(original, ini);
    EXPECT_EQ(loadSettings(IniFile::fromBytes(ini.toBytes()), kStart), original);
}

TEST(ConfigurationSave, ForeignContentSurvives)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("QMAZE3.INI"));
    TestFolders::writeFile(path, "; hand-written note\n[Misc]\nMy Own Key=42\nShow Tips=Yes\n\n"
                                 "[Plugins]\nfoo=bar\n[Create Options]\nshrink=yes\n");
    Settings settings = loadSettingsFile(path, kStart);
    EXPECT_TRUE(settings.create.shrink);
    settings.create.shrink = false;
    ASSERT_TRUE(saveSettingsFile(settings, path));

    const QByteArray content = TestFolders::readFile(path);
    EXPECT_TRUE(content.startsWith("; hand-written note\n[Misc]\nMy Own Key=42\nShow Tips=Yes\n"));
    EXPECT_TRUE(content.contains("\n\n[Plugins]\nfoo=bar\n[Create Options]\nShrink=No\n"));
    EXPECT_EQ(content.count("Shrink="), 1);
    EXPECT_EQ(loadSettingsFile(path, kStart), settings);
}

TEST(ConfigurationRead, YesNoIsTrueOnlyForYes)
{
    const struct {
        const char* value;
        bool expected;
    } cases[] = {{"yEs", true}, {"YES", true}, {"  yes\t", true}, {"Y", false}, {"1", false},
                 {"True", false}, {"", false}, {"yes please", false}, {"ye\xC5\xBF", false}};
    for (const auto& c : cases)
        EXPECT_EQ(loadFrom(QByteArray("[Create Options]\nShrink=") + c.value).create.shrink, c.expected)
            << c.value;
    EXPECT_FALSE(loadFrom("[Misc]\nShow Tips=\n").misc.showTips);
}

TEST(ConfigurationRead, IntegersReadDigitsUpToTheFirstOtherCharacter)
{
    const struct {
        const char* value;
        int expected;
    } cases[] = {{"12abc", 12}, {"abc", 0}, {"$1F", 31}, {"-5", -5}, {"-5x", 5}, {"+7", 7}, {"", 0},
                 {"$", 0},      {"-$1F", 0}, {"$ffz", 255}, {"99999999999999", INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(loadFrom(QByteArray("[Create Options]\nAttempts=") + c.value).create.attempts, c.expected)
            << c.value;
    EXPECT_EQ(loadFrom("[Create Options]\nattempts=\n").create.attempts, 0);
    EXPECT_EQ(loadFrom("[Create Options]\n").create.attempts, 1);
}

TEST(ConfigurationRead, TextsAndCharacters)
{
    const QByteArray longPath = "/" + QByteArray(200, 'p');
    const Settings s = loadFrom("[Misc]\nLast Group=" + longPath + "\nLast File 1=" + QByteArray(300, 'r')
                                + "\n[Create Options]\nSep Char=\nInt Key 1=123456\n[HTML]\nWeb Title="
                                + QByteArray(150, 't') + "\n[Edit Font]\nFont Name=" + QByteArray(160, 'f')
                                + "\nColor=-1\nBold=yes\n");
    EXPECT_EQ(s.misc.lastGroup, QString::fromLatin1(longPath.left(149)));
    EXPECT_EQ(s.misc.lastFiles[0].size(), 254);
    EXPECT_EQ(s.create.sepChar, ':');
    EXPECT_EQ(s.create.intKeys[0], QStringLiteral("1234"));
    EXPECT_EQ(s.html.webTitle.size(), 100);
    EXPECT_EQ(s.editFont.name.size(), 149);
    EXPECT_EQ(s.editFont.color, 0xFFFFFFFFu);
    EXPECT_TRUE(s.editFont.bold);
    EXPECT_FALSE(s.labelFont.bold);

    EXPECT_EQ(loadFrom("[Create Options]\nSep Char=#;\n").create.sepChar, '#');
    // A surrogate pair at the cut is dropped whole rather than split.
    const QString emoji = QStringLiteral("\U0001F600");
    const Settings cut =
        loadFrom("[Create Options]\nInt Key 2=abc" + emoji.toUtf8() + "\n");
    EXPECT_EQ(cut.create.intKeys[1], QStringLiteral("abc"));
    // A blank at the cut goes, as the file cannot keep it.
    EXPECT_EQ(loadFrom("[Create Options]\nInt Key 3=abc def\n").create.intKeys[2], QStringLiteral("abc"));
}

TEST(ConfigurationRead, DirectionsMapToTheirNames)
{
    const Settings s = loadFrom("[Create]\nUp=No\nDown Right=no\nRight=NO\n");
    for (int d = Up; d <= UpLeft; ++d)
        EXPECT_EQ(s.create.direction(d), d != Up && d != DownRight && d != Right) << d;
}

TEST(ConfigurationRead, DamagedFilesNeverFail)
{
    std::uint32_t seed = 7;
    for (int round = 0; round < 30; ++round) {
        QByteArray bytes = "[Misc]\n[Create Options]\n[Reports]\n[Edit Font]\n";
        for (int i = 0; i < 400; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const char pool[] = "=\n[]$-+0123456789 YesNo\xff\x00";
            bytes.append(pool[(seed >> 16) % sizeof pool]);
        }
        IniFile ini = IniFile::fromBytes(bytes);
        const Settings s = loadSettings(ini, kStart);
        saveSettings(s, ini);
        EXPECT_EQ(loadSettings(ini, kStart), s);
    }
}
