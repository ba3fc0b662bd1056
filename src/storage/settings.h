#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The program-wide settings blocks, loaded from QMAZE3.INI once at start-up
// and written back once when the main window closes. Field order follows the
// order in which the keys are read and written.

struct UserFont {
    QString name = QStringLiteral("Arial");
    bool bold = false;
    bool italic = false;
    std::uint32_t color = 0; // 0x00BBGGRR

    friend bool operator==(const UserFont&, const UserFont&) = default;
};

struct MiscSettings {
    QString lastImportPuzzleFile;
    QString lastExportPuzzleFile;
    QString lastImportShapeFile;
    QString lastExportShapeFile;
    QString lastImportLayoutFile;
    QString lastExportLayoutFile;
    QString lastImportWordFile;
    QString lastExportWordFile;
    QString lastExportBitmapFile;
    QString lastExportJpegFile;
    QString lastExportEmfFile;
    QString lastExportWmfFile;
    QString lastExportHtmlFile;
    QString lastExportPdfFile;
    QString lastExportSvgFile;
    QString lastGroup;                 // current collection file
    std::array<QString, 5> lastFiles;  // recent files, most recent first
    int windowSize = 640;              // screen size preset
    bool backgroundBitmap = true;
    int dictionary = 1;                // spelling language 0..9
    int userDictionary = 1;
    int thesaurus = 1;                 // 0 none, 1 American, 2 British, 3 choose
    int userThesaurus = 1;
    bool showTips = true;

    friend bool operator==(const MiscSettings&, const MiscSettings&) = default;
};

struct HtmlTextBlock {
    QString text;
    bool bold = false;
    bool italic = false;
    bool center = false;
    int fontSize = 3;

    friend bool operator==(const HtmlTextBlock&, const HtmlTextBlock&) = default;
};

struct HtmlSettings {
    HtmlTextBlock firstHeader{QStringLiteral("My Puzzle"), true, false, true, 4};
    HtmlTextBlock secondHeader;
    HtmlTextBlock firstFooter;
    HtmlTextBlock secondFooter;
    bool horizontalUpper = false;
    bool horizontalLower = false;
    QString webTitle = QStringLiteral("Word Search Puzzle");

    friend bool operator==(const HtmlSettings&, const HtmlSettings&) = default;
};

// Directions numbered clockwise from up, as the generator counts them.
enum Direction { Up = 1, UpRight, Right, DownRight, Down, DownLeft, Left, UpLeft };

struct GenerationSettings {
    bool useClues = true;
    bool shrink = false;
    int attempts = 1;
    int integration = 6;
    char sepChar = ':';
    int importOption = 1;
    int exportOption = 3;
    int lastShape = 1;
    std::array<QString, 12> intKeys = {
        QStringLiteral("0225"), QStringLiteral("0233"), QStringLiteral("0237"), QStringLiteral("0243"),
        QStringLiteral("0241"), QStringLiteral("0246"), QStringLiteral("0250"), QStringLiteral("0228"),
        QStringLiteral("0229"), QStringLiteral("0224"), QStringLiteral("0232"), QStringLiteral("0242")};
    // Index 1..8 by Direction; index 0 unused.
    std::array<bool, 9> directions = {false, true, true, true, true, true, true, true, true};

    bool direction(int d) const { return d >= 1 && d <= 8 && directions[d]; }

    friend bool operator==(const GenerationSettings&, const GenerationSettings&) = default;
};

struct PageLayoutSettings {
    int zoom = 2;
    int designerLeft = 0;
    int designerTop = 0;
    int designerWidth = 640;
    int designerHeight = 480;
    int defaultPage = 0;

    friend bool operator==(const PageLayoutSettings&, const PageLayoutSettings&) = default;
};

struct ReportSettings {
    bool defaultPrinter = true;
    int printerIndex = 0;
    int viewerLeft = 0;
    int viewerTop = 0;
    int viewerWidth = 640;
    int viewerHeight = 480;
    int jpegQuality = 50;
    int pixelFormat = 1; // 1 = 16 million colours, 2 = 256 colours
    bool useGrid = false;
    bool lowerCase = false;
    bool answerKey = false;
    bool printTitle = true;
    bool printBody = true;
    bool printWords = true;
    bool printBonus = true;
    bool clueUnderscore = false;
    bool partialUnderscore = false;
    int numColumns = 3;
    int wordOption = 1;
    int firstLetters = 1;
    int lastLetters = 1;

    friend bool operator==(const ReportSettings&, const ReportSettings&) = default;
};

struct Settings {
    MiscSettings misc;
    HtmlSettings html;
    GenerationSettings create;
    PageLayoutSettings pageLayout;
    ReportSettings reports;
    UserFont editFont;
    UserFont labelFont;
    UserFont buttonFont;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Default of "Last Group": SAMPLE.QZ3 in the start directory when it exists
// and DEFAULT.QZ3 does not, else DEFAULT.QZ3 there.
QString defaultCollectionPath(const QString& startDir);
