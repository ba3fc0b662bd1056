#include "render/reportoptions.h"

#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"

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

void setBonusQuestion(PuzzleRecord& puzzle, const QString& text)
{
    puzzle.BonusQuest.setText(text);
}
