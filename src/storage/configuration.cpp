#include "storage/configuration.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/numbers.h"
#include "storage/inifile.h"

#include <cstdint>

namespace {

constexpr qsizetype kPathLength = 149;
constexpr qsizetype kRecentFileLength = 254;
constexpr qsizetype kHtmlTextLength = 999;
constexpr qsizetype kWebTitleLength = 100;
constexpr qsizetype kFontNameLength = 149;
constexpr qsizetype kIntKeyLength = 4;

const QString kMisc = QStringLiteral("Misc");
const QString kLastGroup = QStringLiteral("Last Group");

// At most length characters; a surrogate pair is never split. Blanks the
// cut leaves at the end go too: the file keeps none around a value, so the
// value saved would not read back the same.
QString cutText(const QString& text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    qsizetype end = length;
    if (end > 0 && text.at(end - 1).isHighSurrogate())
        --end;
    while (end > 0 && (text.at(end - 1) == u' ' || text.at(end - 1) == u'\t'))
        --end;
    return text.left(end);
}

// Plain "a".."z" upper-casing, so that no other character can turn into
// the letters of "YES".
bool isYes(const QString& value)
{
    return UpperAscii(unicodeToAnsi(value)) == "YES";
}

// Reads each visited key from the file into its field; a missing key leaves
// the field at its default.
class SettingsReader {
public:
    explicit SettingsReader(const IniFile& ini) : m_ini(ini) {}

    void text(const QString& section, const QString& key, QString& field, qsizetype length)
    {
        if (const auto value = m_ini.value(section, key))
            field = cutText(*value, length);
    }
    void yesNo(const QString& section, const QString& key, bool& field)
    {
        if (const auto value = m_ini.value(section, key))
            field = isYes(*value);
    }
    template <typename Number>
    void integer(const QString& section, const QString& key, Number& field)
    {
        if (const auto value = m_ini.value(section, key))
            field = static_cast<Number>(readIntegerSettingText(*value));
    }
    void character(const QString& section, const QString& key, char& field)
    {
        const auto value = m_ini.value(section, key);
        if (value && !value->isEmpty())
            field = unicodeToAnsiChar(value->at(0));
    }

private:
    const IniFile& m_ini;
};

// Writes each visited field under its key.
class SettingsWriter {
public:
    explicit SettingsWriter(IniFile& ini) : m_ini(ini) {}

    void text(const QString& section, const QString& key, const QString& field, qsizetype)
    {
        m_ini.setValue(section, key, field);
    }
    void yesNo(const QString& section, const QString& key, bool field)
    {
        m_ini.setValue(section, key, field ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
    // Colours are stored as signed 32-bit numbers, so a value with the top
    // bit set reads back unchanged.
    template <typename Number>
    void integer(const QString& section, const QString& key, Number field)
    {
        m_ini.setValue(section, key, QString::number(static_cast<std::int32_t>(field)));
    }
    void character(const QString& section, const QString& key, char field)
    {
        m_ini.setValue(section, key, QString(ansiCharToUnicode(static_cast<unsigned char>(field))));
    }

private:
    IniFile& m_ini;
};

// The walks below list every key once, in file order; the same walk reads
// (non-const settings, SettingsReader) and writes (const settings,
// SettingsWriter).

template <typename Misc, typename Visitor>
void walkMisc(Misc& misc, Visitor& v)
{
    v.text(kMisc, QStringLiteral("Last Import Puzzle File"), misc.lastImportPuzzleFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export Puzzle File"), misc.lastExportPuzzleFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Import Shape File"), misc.lastImportShapeFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export Shape File"), misc.lastExportShapeFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Import Layout File"), misc.lastImportLayoutFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export Layout File"), misc.lastExportLayoutFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Import Word File"), misc.lastImportWordFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export Word File"), misc.lastExportWordFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export Bitmap File"), misc.lastExportBitmapFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export JPEG File"), misc.lastExportJpegFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export EMF File"), misc.lastExportEmfFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export WMF File"), misc.lastExportWmfFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export HTML File"), misc.lastExportHtmlFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export PDF File"), misc.lastExportPdfFile, kPathLength);
    v.text(kMisc, QStringLiteral("Last Export SVG File"), misc.lastExportSvgFile, kPathLength);
    v.text(kMisc, kLastGroup, misc.lastGroup, kPathLength);
    for (std::size_t i = 0; i < misc.lastFiles.size(); ++i)
        v.text(kMisc, QStringLiteral("Last File %1").arg(i + 1), misc.lastFiles[i], kRecentFileLength);
    v.integer(kMisc, QStringLiteral("Window Size"), misc.windowSize);
    v.yesNo(kMisc, QStringLiteral("Background Bitmap"), misc.backgroundBitmap);
    v.integer(kMisc, QStringLiteral("Dictionary"), misc.dictionary);
    v.integer(kMisc, QStringLiteral("User Dictionary"), misc.userDictionary);
    v.integer(kMisc, QStringLiteral("Thesaurus"), misc.thesaurus);
    v.integer(kMisc, QStringLiteral("User Thesaurus"), misc.userThesaurus);
    v.yesNo(kMisc, QStringLiteral("Show Tips"), misc.showTips);
}

template <typename Block, typename Visitor>
void walkHtmlBlock(const QString& name, Block& block, Visitor& v)
{
    const QString section = QStringLiteral("HTML");
    v.text(section, name, block.text, kHtmlTextLength);
    v.yesNo(section, QStringLiteral("Bold ") + name, block.bold);
    v.yesNo(section, QStringLiteral("Italic ") + name, block.italic);
    v.yesNo(section, QStringLiteral("Center ") + name, block.center);
    v.integer(section, QStringLiteral("Font ") + name, block.fontSize);
}

template <typename Html, typename Visitor>
void walkHtml(Html& html, Visitor& v)
{
    const QString section = QStringLiteral("HTML");
    walkHtmlBlock(QStringLiteral("First Header"), html.firstHeader, v);
    walkHtmlBlock(QStringLiteral("Second Header"), html.secondHeader, v);
    walkHtmlBlock(QStringLiteral("First Footer"), html.firstFooter, v);
    walkHtmlBlock(QStringLiteral("Second Footer"), html.secondFooter, v);
    v.yesNo(section, QStringLiteral("Horizontal Upper"), html.horizontalUpper);
    v.yesNo(section, QStringLiteral("Horizontal Lower"), html.horizontalLower);
    v.text(section, QStringLiteral("Web Title"), html.webTitle, kWebTitleLength);
}

template <typename Create, typename Visitor>
void walkCreateOptions(Create& create, Visitor& v)
{
    const QString section = QStringLiteral("Create Options");
    v.yesNo(section, QStringLiteral("Use Clues"), create.useClues);
    v.yesNo(section, QStringLiteral("Shrink"), create.shrink);
    v.integer(section, QStringLiteral("Attempts"), create.attempts);
    v.integer(section, QStringLiteral("Integration"), create.integration);
    v.character(section, QStringLiteral("Sep Char"), create.sepChar);
    v.integer(section, QStringLiteral("Import Option"), create.importOption);
    v.integer(section, QStringLiteral("Export Option"), create.exportOption);
    v.integer(section, QStringLiteral("Last Shape"), create.lastShape);
    for (std::size_t i = 0; i < create.intKeys.size(); ++i)
        v.text(section, QStringLiteral("Int Key %1").arg(i + 1), create.intKeys[i], kIntKeyLength);
}

template <typename Create, typename Visitor>
void walkDirections(Create& create, Visitor& v)
{
    struct Key {
        const char* name;
        Direction direction;
    };
    static constexpr Key kOrder[] = {{"Up Right", UpRight}, {"Down", Down}, {"Down Right", DownRight},
                                     {"Left", Left},        {"Down Left", DownLeft}, {"Up", Up},
                                     {"Up Left", UpLeft},   {"Right", Right}};
    const QString section = QStringLiteral("Create");
    for (const Key& key : kOrder)
        v.yesNo(section, QString::fromLatin1(key.name), create.directions[key.direction]);
}

template <typename PageLayout, typename Visitor>
void walkPageLayout(PageLayout& page, Visitor& v)
{
    const QString section = QStringLiteral("Page Layout");
    v.integer(section, QStringLiteral("Zoom"), page.zoom);
    v.integer(section, QStringLiteral("Page Designer Window Left"), page.designerLeft);
    v.integer(section, QStringLiteral("Page Designer Window Top"), page.designerTop);
    v.integer(section, QStringLiteral("Page Designer Window Width"), page.designerWidth);
    v.integer(section, QStringLiteral("Page Designer Window Height"), page.designerHeight);
    v.integer(section, QStringLiteral("Default Page"), page.defaultPage);
}

template <typename Reports, typename Visitor>
void walkReports(Reports& r, Visitor& v)
{
    const QString section = QStringLiteral("Reports");
    v.yesNo(section, QStringLiteral("Default Printer"), r.defaultPrinter);
    v.integer(section, QStringLiteral("Printer Index"), r.printerIndex);
    v.integer(section, QStringLiteral("Report Viewing Window Left"), r.viewerLeft);
    v.integer(section, QStringLiteral("Report Viewing Window Top"), r.viewerTop);
    v.integer(section, QStringLiteral("Report Viewing Window Width"), r.viewerWidth);
    v.integer(section, QStringLiteral("Report Viewing Window Height"), r.viewerHeight);
    v.integer(section, QStringLiteral("JPeg Compression Quality"), r.jpegQuality);
    v.integer(section, QStringLiteral("Pixel Format"), r.pixelFormat);
    v.yesNo(section, QStringLiteral("Use Grid"), r.useGrid);
    v.yesNo(section, QStringLiteral("Lower Case"), r.lowerCase);
    v.yesNo(section, QStringLiteral("Answer Key"), r.answerKey);
    v.yesNo(section, QStringLiteral("Print Title"), r.printTitle);
    v.yesNo(section, QStringLiteral("Print Body"), r.printBody);
    v.yesNo(section, QStringLiteral("Print Words"), r.printWords);
    v.yesNo(section, QStringLiteral("Print Bonus"), r.printBonus);
    v.yesNo(section, QStringLiteral("Clue Underscore"), r.clueUnderscore);
    v.yesNo(section, QStringLiteral("Partial Underscore"), r.partialUnderscore);
    v.integer(section, QStringLiteral("Num Columns"), r.numColumns);
    v.integer(section, QStringLiteral("Word Option"), r.wordOption);
    v.integer(section, QStringLiteral("First Letters"), r.firstLetters);
    v.integer(section, QStringLiteral("Last Letters"), r.lastLetters);
}

template <typename Font, typename Visitor>
void walkFont(const QString& section, Font& font, Visitor& v)
{
    v.text(section, QStringLiteral("Font Name"), font.name, kFontNameLength);
    v.yesNo(section, QStringLiteral("Bold"), font.bold);
    v.yesNo(section, QStringLiteral("Italic"), font.italic);
    v.integer(section, QStringLiteral("Color"), font.color);
}

template <typename AllSettings, typename Visitor>
void walkSettings(AllSettings& s, Visitor& v)
{
    walkMisc(s.misc, v);
    walkHtml(s.html, v);
    walkCreateOptions(s.create, v);
    walkDirections(s.create, v);
    walkPageLayout(s.pageLayout, v);
    walkReports(s.reports, v);
    walkFont(QStringLiteral("Edit Font"), s.editFont, v);
    walkFont(QStringLiteral("Label Font"), s.labelFont, v);
    walkFont(QStringLiteral("Button Font"), s.buttonFont, v);
}

} // namespace

Settings loadSettings(const IniFile& ini, const QString& startDir)
{
    Settings settings;
    MiscSettings& misc = settings.misc;
    for (QString* path : {&misc.lastImportPuzzleFile, &misc.lastExportPuzzleFile, &misc.lastImportShapeFile,
                          &misc.lastExportShapeFile, &misc.lastImportLayoutFile, &misc.lastExportLayoutFile,
                          &misc.lastImportWordFile, &misc.lastExportWordFile, &misc.lastExportBitmapFile,
                          &misc.lastExportJpegFile, &misc.lastExportEmfFile, &misc.lastExportWmfFile,
                          &misc.lastExportHtmlFile, &misc.lastExportPdfFile, &misc.lastExportSvgFile})
        *path = startDir;
    // Only when needed: the default looks at the start directory's files.
    if (!ini.value(kMisc, kLastGroup))
        misc.lastGroup = defaultCollectionPath(startDir);

    SettingsReader reader(ini);
    walkSettings(settings, reader);
    return settings;
}

void saveSettings(const Settings& settings, IniFile& ini)
{
    SettingsWriter writer(ini);
    walkSettings(settings, writer);
}

Settings loadSettingsFile(const QString& path, const QString& startDir)
{
    IniFile ini;
    ini.load(path);
    return loadSettings(ini, startDir);
}

bool saveSettingsFile(const Settings& settings, const QString& path, QString* error)
{
    IniFile ini;
    ini.load(path); // a missing file simply starts empty
    saveSettings(settings, ini);
    if (ini.save(path))
        return true;
    if (error)
        *error = ini.errorString();
    return false;
}
