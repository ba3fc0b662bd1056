#include "render/pageexport.h"

#include "base/messageservice.h"
#include "base/wholefile.h"
#include "report/pagedcanvas.h"
#include "report/reportstream.h"
#include "report/svgcanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteEntries = 256;
// A bitmap's sizes are 32-bit fields; larger pictures cannot be written.
constexpr qint64 kLargestBitmap = 0x7FFFFFFF;

void putU16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void putU32(QByteArray& out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

// The picture as the rows of the bitmap: indexed 8-bit or BGR 24-bit.
QImage bitmapPixels(const QImage& image, int bitsPerPixel)
{
    if (bitsPerPixel == 8)
        return image.format() == QImage::Format_Indexed8 ? image : image.convertToFormat(QImage::Format_Indexed8);
    return image.convertToFormat(QImage::Format_BGR888);
}

// An error inside libjpeg returns here instead of ending the program.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void jpegSilentMessage(j_common_ptr) {}

// The compressor's state lives outside the function that calls setjmp, so
// nothing it needs after a jump sits in a register.
struct JpegCompression {
    jpeg_compress_struct info{};
    JpegErrorManager errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool created = false;

    ~JpegCompression()
    {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

bool compressJpeg(JpegCompression& c, const QImage& rgb, int quality)
{
    c.info.err = jpeg_std_error(&c.errors.base);
    c.errors.base.error_exit = jpegErrorExit;
    c.errors.base.output_message = jpegSilentMessage;
    if (setjmp(c.errors.jump))
        return false;
    jpeg_create_compress(&c.info);
    c.created = true;
    jpeg_mem_dest(&c.info, &c.buffer, &c.size);
    c.info.image_width = JDIMENSION(rgb.width());
    c.info.image_height = JDIMENSION(rgb.height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, std::clamp(quality, 1, 100), TRUE);
    c.info.density_unit = 1; // dots per inch
    const auto dpi = [](int dotsPerMeter) { return UINT16(std::clamp(qRound(dotsPerMeter * 0.0254), 1, 65535)); };
    c.info.X_density = dpi(rgb.dotsPerMeterX());
    c.info.Y_density = dpi(rgb.dotsPerMeterY());
    jpeg_start_compress(&c.info, TRUE);
    while (c.info.next_scanline < c.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(c.info.next_scanline)));
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

} // namespace

QByteArray encodeBitmap(const QImage& image, int bitsPerPixel)
{
    if (image.isNull())
        return {};
    bitsPerPixel = bitsPerPixel == 8 ? 8 : 24;
    const QImage pixels = bitmapPixels(image, bitsPerPixel);
    if (pixels.isNull())
        return {};
    const qint64 width = pixels.width();
    const qint64 height = pixels.height();
    const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
    const qint64 paletteSize = bitsPerPixel == 8 ? kPaletteEntries * 4 : 0;
    const qint64 offset = kFileHeaderSize + kInfoHeaderSize + paletteSize;
    const qint64 fileSize = offset + stride * height;
    if (fileSize > kLargestBitmap)
        return {};

    QByteArray out;
    out.reserve(fileSize);
    out.append("BM", 2);
    putU32(out, quint32(fileSize));
    putU32(out, 0); // two reserved words
    putU32(out, quint32(offset));

    putU32(out, kInfoHeaderSize);
    putU32(out, quint32(width));
    putU32(out, quint32(height)); // positive: rows run bottom-up
    putU16(out, 1);               // planes
    putU16(out, quint16(bitsPerPixel));
    putU32(out, 0); // no compression
    putU32(out, quint32(stride * height));
    putU32(out, quint32(std::max(0, pixels.dotsPerMeterX())));
    putU32(out, quint32(std::max(0, pixels.dotsPerMeterY())));
    putU32(out, bitsPerPixel == 8 ? kPaletteEntries : 0); // colours used
    putU32(out, 0);                                       // all colours important

    if (bitsPerPixel == 8) {
        const QList<QRgb> table = pixels.colorTable();
        for (int i = 0; i < kPaletteEntries; ++i) {
            const QRgb colour = i < table.size() ? table[i] : qRgb(0, 0, 0);
            out.append(char(qBlue(colour)));
            out.append(char(qGreen(colour)));
            out.append(char(qRed(colour)));
            out.append('\0');
        }
    }

    const qint64 rowBytes = width * bitsPerPixel / 8;
    const QByteArray padding(stride - rowBytes, '\0');
    for (int y = int(height) - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
        out.append(padding);
    }
    return out;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    JpegCompression compression;
    if (!compressJpeg(compression, rgb, quality))
        return {};
    return QByteArray(reinterpret_cast<const char*>(compression.buffer), qsizetype(compression.size));
}

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QString error;
    if (!saveWholeFile(path, bytes, &error))
        throw IoError(QStringLiteral("Unable to write the file %1: %2").arg(path, error));
}

void writeBitmapFile(const QString& path, const QImage& image, int bitsPerPixel)
{
    const QByteArray bytes = encodeBitmap(image, bitsPerPixel);
    if (bytes.isEmpty())
        throw IoError(QStringLiteral("The page picture is too large to be saved as %1.").arg(path));
    writeWholeFile(path, bytes);
}

void writeJpegFile(const QString& path, const QImage& image, int quality)
{
    const QByteArray bytes = encodeJpeg(image, quality);
    if (bytes.isEmpty())
        throw IoError(QStringLiteral("The page picture could not be compressed for %1.").arg(path));
    writeWholeFile(path, bytes);
}

namespace {

// Pages first..last of a recorded report as one PDF.
void writePdfPages(const QString& path, const ReportStream& stream, int first, int last, const QString& title)
{
    if (first < 1 || last > stream.pageCount() || first > last)
        throw IoError(QStringLiteral("There is no page to save as %1.").arg(path));
    // Made in memory and written whole: the PDF writer writes in many small
    // pieces and looks at none of their results.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    bool drawn;
    {
        QPdfWriter writer(&document);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillmaze"));
        PagedCanvas canvas(writer);
        for (int page = first; page <= last; ++page)
            stream.replayPage(page, canvas);
        drawn = canvas.finish();
    }
    if (!drawn)
        throw IoError(QStringLiteral("Unable to write the file %1: the page could not be drawn").arg(path));
    writeWholeFile(path, document.data());
}

} // namespace

void writePdfFile(const QString& path, const ReportStream& stream, int page, const QString& title)
{
    writePdfPages(path, stream, page, page, title);
}

void writeAllPagesPdfFile(const QString& path, const ReportStream& stream, const QString& title)
{
    writePdfPages(path, stream, 1, stream.pageCount(), title);
}

void writeSvgFile(const QString& path, const ReportStream& stream, int page)
{
    SvgCanvas canvas;
    if (!stream.replayPage(page, canvas))
        throw IoError(QStringLiteral("There is no page to save as %1.").arg(path));
    writeWholeFile(path, canvas.document());
}
