#pragma once

#include <QByteArray>
#include <QString>

class QImage;
class ReportStream;

// Writing the page of a print as a picture file: a Windows bitmap or a JPEG
// picture of the preview's page image, or a vector PDF of a recorded page.
// Files are written whole through a temporary file, so a failed export never
// leaves half a file; every failure throws IoError naming the file.

// The image as a Windows bitmap (BITMAPFILEHEADER + BITMAPINFOHEADER, rows
// bottom-up, padded to 4 bytes). bitsPerPixel 8 gives 8 bits per pixel with a
// palette of exactly 256 entries, however few colours the image holds (an
// image that is not indexed yet is reduced to 256 colours first); any other
// value gives 24 bits per pixel. The resolution is the image's own. A null
// image gives an empty array.
QByteArray encodeBitmap(const QImage& image, int bitsPerPixel);

// The image as a baseline JFIF picture compressed by libjpeg at quality
// (clamped to 1..100), in colour. Empty on a null image or when the
// compressor fails.
QByteArray encodeJpeg(const QImage& image, int quality);

void writeBitmapFile(const QString& path, const QImage& image, int bitsPerPixel);
void writeJpegFile(const QString& path, const QImage& image, int quality);

// Page n (1-based) of a recorded report as a one-page PDF on the page's own
// paper, text as text with its fonts embedded and shapes as vectors. title
// becomes the document's title.
void writePdfFile(const QString& path, const ReportStream& stream, int page, const QString& title);
// Every page of a recorded report as one PDF, each on its own paper.
void writeAllPagesPdfFile(const QString& path, const ReportStream& stream, const QString& title);

// Page n (1-based) of a recorded report as a Scalable Vector Graphics
// document on the page's own paper: text as text, shapes as vectors.
void writeSvgFile(const QString& path, const ReportStream& stream, int page);

// Writes bytes to path whole, or throws IoError.
void writeWholeFile(const QString& path, const QByteArray& bytes);
