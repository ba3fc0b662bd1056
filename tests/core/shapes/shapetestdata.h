#pragma once

#include "shapes/shapetext.h"
#include "storage/shaperecord.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

// Shapes for the tests, written as rows of "#" and ".".
inline ShapeRecord shapeOf(const char* name, const QStringList& rows)
{
    QByteArray text = QByteArray("name: ") + name + '\n';
    for (const QString& row : rows)
        text += row.toLatin1() + '\n';
    QString error;
    const auto shape = parseShapeText(text, &error);
    EXPECT_TRUE(shape) << error.toStdString();
    return shape.value_or(ShapeRecord{});
}

inline ShapeRecord rectangleShape(const char* name, int width, int height)
{
    return shapeOf(name, QStringList(height, QString(width, u'#')));
}

// The W x H area of a shape as rows of "#" and ".".
inline QStringList rowsOf(const ShapeRecord& shape)
{
    QStringList rows;
    for (int r = 1; r <= shape.height(); ++r) {
        QString row;
        for (int c = 1; c <= shape.width(); ++c)
            row += shape.cellInShape(r, c) ? u'#' : u'.';
        rows.append(row);
    }
    return rows;
}

inline QByteArray bytesOf(const ShapeRecord& shape)
{
    return QByteArray(reinterpret_cast<const char*>(&shape), sizeof shape);
}

inline QByteArray libraryOf(std::initializer_list<ShapeRecord> shapes)
{
    QByteArray bytes;
    for (const ShapeRecord& shape : shapes)
        bytes += bytesOf(shape);
    return bytes;
}
