#pragma once

#include <QString>

#include <cstdint>

struct LayoutObject;

// The first font of a layout object, as the font dialog shows and returns it.
struct ObjectFont {
    QString name;
    int size = 10; // points
    std::uint32_t color = 0; // 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const ObjectFont&) const = default;
};
ObjectFont objectFont(const LayoutObject& object);
// Stores a chosen font: the name cut to 30 characters, the size kept within
// 1..999 points.
void setObjectFont(LayoutObject& object, const ObjectFont& font);
