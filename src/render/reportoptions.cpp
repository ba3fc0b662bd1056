#include "render/reportoptions.h"

#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"

#include <algorithm>

std::optional<int> parseOptionNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

WordStyleControls controlsForWordStyle(int wordStyle)
{
    switch (wordStyle) {
    case 2: // clues
        return {true, false, false, false};
    case 4: // partial words
        return {false, true, true, true};
    default:
        return {};
    }
}

QList<FontMenuEntry> fontMenuEntries(const PageLayoutRecord& layout)
{
    QList<FontMenuEntry> entries;
    for (int n = 1; n <= layout.objectCount() && entries.size() < kFontMenuEntries; ++n) {
        const LayoutObject& object = layout.object(n);
        switch (static_cast<ObjectKind>(static_cast<int>(object.ObjKind))) {
        case ObjectKind::Title:
        case ObjectKind::Puzzle:
        case ObjectKind::WordList:
        case ObjectKind::Bonus:
        case ObjectKind::Text:
            entries.append({n, object.ObjName.text() + QStringLiteral(" Font")});
            break;
        default:
            break;
        }
    }
    return entries;
}

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

void setBonusQuestion(PuzzleRecord& puzzle, const QString& text)
{
    puzzle.BonusQuest.setText(text);
}
