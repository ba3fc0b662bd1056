#include "shapes/shapetext.h"

#include "base/latin1.h"

#include <QList>

#include <algorithm>

namespace {
constexpr int kMinSide = 5;
constexpr int kMaxSide = 30;
constexpr int kMaxName = decltype(ShapeRecord::ShapeName)::Capacity;

bool isRow(QByteArrayView line)
{
    return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](char ch) { return ch == '#' || ch == '.'; });
}

std::optional<QPair<int, int>> parseSize(QByteArrayView value)
{
    const QList<QByteArray> parts = Trim(value).split('x');
    bool okWidth = false;
    bool okHeight = false;
    if (parts.size() != 2)
        return std::nullopt;
    const int width = parts[0].toInt(&okWidth);
    const int height = parts[1].toInt(&okHeight);
    if (!okWidth || !okHeight)
        return std::nullopt;
    return QPair<int, int>(width, height);
}

std::optional<ShapeRecord> failure(QString* error, int line, const QString& message)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(message);
    return std::nullopt;
}
} // namespace

std::optional<ShapeRecord> parseShapeText(QByteArrayView text, QString* error)
{
    ShapeRecord shape{};
    QByteArray name;
    QList<QByteArray> rows;
    std::optional<QPair<int, int>> size;
    int lineNumber = 0;
    for (const QByteArray& rawLine : text.toByteArray().split('\n')) {
        ++lineNumber;
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith("//"))
            continue;
        if (line.startsWith("name:")) {
            name = Trim(line.mid(5));
        } else if (line.startsWith("size:")) {
            size = parseSize(line.mid(5));
            if (!size)
                return failure(error, lineNumber, QStringLiteral("size must read WIDTHxHEIGHT"));
        } else if (isRow(line)) {
            if (!rows.isEmpty() && line.size() != rows.first().size())
                return failure(error, lineNumber, QStringLiteral("row length differs from the first row"));
            rows.append(line);
        } else {
            return failure(error, lineNumber, QStringLiteral("expected name:, size: or a row of # and ."));
        }
    }
    if (name.isEmpty() || name.size() > kMaxName)
        return failure(error, lineNumber, QStringLiteral("name must have 1 to %1 characters").arg(kMaxName));
    if (size && !rows.isEmpty())
        return failure(error, lineNumber, QStringLiteral("give either size: or rows, not both"));
    const int width = size ? size->first : (rows.isEmpty() ? 0 : static_cast<int>(rows.first().size()));
    const int height = size ? size->second : static_cast<int>(rows.size());
    if (width < kMinSide || width > kMaxSide || height < kMinSide || height > kMaxSide)
        return failure(error, lineNumber,
                       QStringLiteral("size %1x%2 is outside %3..%4").arg(width).arg(height).arg(kMinSide).arg(kMaxSide));

    shape.ShapeName.assign(name);
    shape.ShapeWidth = static_cast<std::int16_t>(width);
    shape.ShapeHeight = static_cast<std::int16_t>(height);
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            shape.setCell(r, c, size || rows[r - 1][c - 1] == '#');
    return shape;
}
