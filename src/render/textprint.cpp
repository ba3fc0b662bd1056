#include "render/textprint.h"

#include "base/latin1.h"
#include "render/listfitting.h"
#include "render/printcontext.h"
#include "render/printrun.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr int TextLineMaxChars = 255;
constexpr int TextBlockMaxChars = 1000;
constexpr int TextLineMinPoints = 2;  // a text line never shrinks below this
const QString kLineSample = QStringLiteral("ABCWjkl");

bool startsWithBreak(QByteArrayView text)
{
    return text.size() >= 2 && text[0] == '\r' && text[1] == '\n';
}

// x of a text of the given width by the object's alignment (1 left,
// 2 centred, 3 right; anything else left).
double alignedX(const LayoutObject& object, const PrintBox& box, double width)
{
    switch (object.TextAlign) {
    case 2:
        return box.x1 + (box.width() - width) / 2;
    case 3:
        return box.x1 + box.width() - width;
    default:
        return box.x1;
    }
}

// The cutting of a text into tokens (see wrapTextBlock).
class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView text) : m_text(text) {}

    // Start and end of the next token; an empty token at the end.
    std::pair<qsizetype, qsizetype> next()
    {
        const qsizetype start = m_pos;
        if (startsWithBreak(m_text.sliced(m_pos)))
            m_pos += 2;
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != ' ' && !startsWithBreak(m_text.sliced(m_pos)))
            ++m_pos;
        return {start, m_pos};
    }

private:
    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

QByteArray printedLine(QByteArrayView text, qsizetype start, qsizetype end, bool lineBreak)
{
    QByteArray line = Trim(text.sliced(start, end - start));
    return lineBreak ? line.mid(2) : line;
}

} // namespace

bool wrapTextBlock(TBaseReport& report, QByteArrayView text, double boxWidth, int rows, TextLineTable& table)
{
    table.lineCount = 0;
    table.lineLengths.fill(0);
    table.lineBreak.fill(false);
    if (Trim(text).isEmpty())
        return true;
    Tokenizer tokens(text);
    // Plain variables, not a structured binding: the lambda below captures
    // them, which not every compiler of C++20 accepts for bindings.
    qsizetype lineStart = 0;
    qsizetype lineEnd = 0;
    std::tie(lineStart, lineEnd) = tokens.next();
    bool lineBreak = startsWithBreak(text.sliced(lineStart));
    auto width = [&](qsizetype end) { return report.TextWidth(printable(printedLine(text, lineStart, end, lineBreak))); };
    for (;;) {
        const auto [start, end] = tokens.next();
        const bool blank = Trim(text.sliced(start, end - start)).isEmpty();
        const bool finished = blank && end == text.size();
        const bool opensLine = startsWithBreak(text.sliced(start));
        // Blanks before a line break stay with their line, where printing
        // removes them; only blanks at the end finish the text.
        if (blank && !finished) {
            lineEnd = end;
            continue;
        }
        if (!finished && !opensLine && width(end) <= boxWidth) {
            lineEnd = end;
            continue;
        }
        // The current line ends here.
        if (width(lineEnd) > boxWidth || table.lineCount == TextLineTable::MaxLines)
            return false;
        table.lineLengths[table.lineCount] = static_cast<int>(lineEnd - lineStart);
        table.lineBreak[table.lineCount] = lineBreak;
        ++table.lineCount;
        if (finished)
            return table.lineCount <= rows;
        lineStart = start;
        lineEnd = end;
        lineBreak = opensLine;
    }
}

QByteArray textBlockLine(QByteArrayView text, const TextLineTable& table, int i)
{
    qsizetype start = 0;
    for (int j = 0; j < i && j < table.lineCount; ++j)
        start += table.lineLengths[j];
    if (i < 0 || i >= table.lineCount || start > text.size())
        return {};
    const qsizetype length = std::min<qsizetype>(table.lineLengths[i], text.size() - start);
    return printedLine(text, start, start + length, table.lineBreak[i]);
}

void drawTextLine(PageContext& page, LayoutObject& object, QByteArrayView bytes)
{
    TBaseReport& r = page.report;
    const PrintBox box = objectBox(object, page.run.PageScale);
    if (box.isEmpty())
        return;
    QByteArray oneLine = bytes.first(std::min<qsizetype>(bytes.size(), TextLineMaxChars)).toByteArray();
    oneLine.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
    const QString text = printable(oneLine);

    int size = setObjectFont(r, object);
    if (object.MakeFit == 1) {
        // The height first: it needs no font, so the sizes too tall for the
        // box pass quickly.
        while (size > TextLineMinPoints
               && (r.TextHeight(text) >= box.height() || r.TextWidth(text) >= box.width()))
            size = reduceFontSize(r, object, size);
    }
    r.UpdateFontMetrics();
    setTextBackground(r, object);
    const double x = alignedX(object, box, r.TextWidth(text));
    const double y = box.y2 - box.height() / 2 + (r.FontAscent() - r.FontDescent()) / 2;
    r.GotoXY(x, y);
    r.PrintText(text);
    drawBorder(r, box, object, page.run.pageWidthInches, page.run.pageHeightInches);
}

void drawTextBlock(PageContext& page, LayoutObject& object, int objectNumber)
{
    TBaseReport& r = page.report;
    PrintRun& run = page.run;
    run.TextObjectIndex = std::min(run.TextObjectIndex + 1, PrintRun::MaxTextObjects);
    const int t = run.TextObjectIndex;
    TextLineTable& table = run.textLines[t];
    table = TextLineTable{};
    table.objectNumber = objectNumber;

    const PrintBox box = objectBox(object, run.PageScale);
    const QByteArray text = object.text().left(TextBlockMaxChars);
    const int size = setObjectFont(r, object);
    double h = 0;
    int rows = 0;
    const bool fits = fitList(r, object, size, box, [&] {
        h = r.TextHeight(kLineSample);
        rows = listRows(r, box).rows;
        return wrapTextBlock(r, text, box.width(), rows, table);
    });
    if (!fits)
        run.TextDidNotFit[t] = true;
    table.printedLines = std::clamp(table.lineCount, 0, std::max(rows, 0));

    r.UpdateFontMetrics();
    setTextBackground(r, object);
    for (int i = 0; i < table.printedLines; ++i) {
        const QString line = printable(textBlockLine(text, table, i));
        if (line.isEmpty())
            continue;
        r.GotoXY(alignedX(object, box, r.TextWidth(line)), box.y1 + i * h + 0.8 * h);
        r.PrintText(line);
    }
    if (!box.isEmpty())
        drawBorder(r, box, object, run.pageWidthInches, run.pageHeightInches);
}
