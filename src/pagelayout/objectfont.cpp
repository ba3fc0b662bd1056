#include "pagelayout/objectfont.h"

#include "storage/pagelayoutrecord.h"

#include <algorithm>

ObjectFont objectFont(const LayoutObject& object)
{
    return {object.FontName.text(),
            object.FontSize,
            static_cast<std::uint32_t>(static_cast<std::int32_t>(object.FontColor)),
            object.FontBold != 0,
            object.FontItalic != 0,
            object.FontUnderline != 0,
            object.FontStrikeOut != 0};
}

void setObjectFont(LayoutObject& object, const ObjectFont& font)
{
    object.FontName.setText(font.name);
    object.FontSize = static_cast<std::int16_t>(std::clamp(font.size, 1, 999));
    object.FontColor = static_cast<std::int32_t>(font.color & 0x00FFFFFF);
    object.FontBold = font.bold ? 1 : 0;
    object.FontItalic = font.italic ? 1 : 0;
    object.FontUnderline = font.underline ? 1 : 0;
    object.FontStrikeOut = font.strikeOut ? 1 : 0;
}
