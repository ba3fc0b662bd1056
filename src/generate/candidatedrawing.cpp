#include "generate/candidatedrawing.h"

#include "base/ansi.h"
#include "generate/candidateslots.h"
#include "report/canvasfont.h"
#include "storage/puzzlerecord.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kLargestFont = 20;
constexpr int kSmallestFont = 5;
constexpr int kFallbackFont = 4;
constexpr int kScreenDpi = 96;

// Arial at a point size as a screen of 96 dots per inch shows it: the em
// height in whole pixels, rounded as the window system rounds it.
QFont letterFont(int pointSize)
{
    installFontSubstitutions();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize((pointSize * kScreenDpi + 36) / 72);
    return font;
}

} // namespace

int candidateCellSize(const QSize& picture, const PuzzleRecord& record)
{
    const int s = std::min(picture.width() / record.gridCols() - 1, picture.height() / record.gridRows() - 1);
    return std::max(s, 1);
}

int candidateFontSize(int cellSize)
{
    for (int size = kLargestFont; size >= kSmallestFont; --size) {
        if (QFontMetrics(letterFont(size)).height() < cellSize)
            return size;
    }
    return kFallbackFont;
}

void DrawAPuzzle(QImage& picture, const PuzzleRecord& record, const QColor& background)
{
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), background);
    const int s = candidateCellSize(picture.size(), record);
    const auto cellRect = [s](int r, int c) { return QRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1); };

    const int rows = record.gridRows();
    const int cols = record.gridCols();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (record.answerAt(r, c) != 0)
                painter.fillRect(cellRect(r, c), Qt::white);

    const QFont font = letterFont(candidateFontSize(s));
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const unsigned char letter = record.answerAt(r, c);
            if (letter == 0 || letter == ' ')
                continue;
            const QString text(ansiCharToUnicode(letter));
            const QRect rect = cellRect(r, c);
            const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2;
            const int top = rect.top() + (rect.height() - metrics.height()) / 2;
            painter.drawText(left, top + metrics.ascent(), text);
        }
    }
}

void drawCandidateSlot(QImage& picture, const CandidateSlot& slot, const QColor& background)
{
    if (slot.isEmpty()) {
        picture.fill(background);
        return;
    }
    DrawAPuzzle(picture, slot.record, background);
}
