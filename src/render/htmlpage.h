#pragma once

#include <QByteArray>
#include <QString>

class QImage;
struct HtmlSettings;
struct HtmlTextBlock;

// The web page export: a small HTML page around a JPEG picture of the
// previewed puzzle page, written beside it.

inline const QString kUnableToCreateHtml = QStringLiteral("Unable to create html file.");

// The page title as stored: blanks removed at both ends, at most 100 characters.
QString webTitle(const QString& typed);

// The picture's file name for an HTML file: the name without its folder,
// its extension replaced by "JPG" (PUZZLE.htm gives PUZZLE.JPG). An
// extension of any length is replaced whole (page.html gives page.JPG), and
// a name without one gets ".JPG".
QString htmlPictureName(const QString& htmlPath);

// One header or footer line: "<FONT SIZE=n>text</FONT>", wrapped in
// "<B>", then "<I>", then "<CENTER>" as the block asks, then "<P>". The text
// is written as it is, unescaped, line breaks included.
QByteArray htmlBlockLine(const HtmlTextBlock& block);

// The whole page, each line ended by a carriage return and line feed, in the
// Windows ANSI code page: the head with the title, the header blocks that
// have text, the rules that are on and the picture line.
QByteArray htmlPage(const HtmlSettings& settings, const QString& pictureName);

// Writes the page to htmlPath (replacing the file) and the JPEG picture of
// image at quality beside it, under htmlPictureName, each file whole: the
// picture first, the page once the picture is in place. Returns false,
// writing nothing, when the HTML file cannot be created; throws IoError when
// a write fails after that, leaving the page as it was.
bool writeHtmlExport(const QString& htmlPath, const HtmlSettings& settings, const QImage& image, int quality);
