#include "render/printoptions.h"

#include "storage/pagelayoutrecord.h"
#include "storage/settings.h"

#include <algorithm>

PrintOptions PrintOptions::fromSettings(const ReportSettings& s)
{
    PrintOptions options;
    options.PartTitle = s.printTitle;
    options.PartBody = s.printBody;
    options.PartWords = s.printWords;
    options.PartBonus = s.printBonus;
    options.AnswerKey = s.answerKey;
    options.UseGrid = s.useGrid;
    options.LowerCase = s.lowerCase;
    options.WordStyle = s.wordOption;
    options.CluesUnder = s.clueUnderscore;
    options.PartialUnder = s.partialUnderscore;
    options.FirstLets = s.firstLetters;
    options.LastLets = s.lastLetters;
    options.NumColumns = s.numColumns;
    return options;
}

void PrintOptions::toSettings(ReportSettings& s) const
{
    s.printTitle = PartTitle;
    s.printBody = PartBody;
    s.printWords = PartWords;
    s.printBonus = PartBonus;
    s.answerKey = AnswerKey;
    s.useGrid = UseGrid;
    s.lowerCase = LowerCase;
    s.wordOption = WordStyle;
    s.clueUnderscore = CluesUnder;
    s.partialUnderscore = PartialUnder;
    s.firstLetters = FirstLets;
    s.lastLetters = LastLets;
    s.numColumns = NumColumns;
}

void PrintOptions::takeLayoutSettings(const PageLayoutRecord& layout)
{
    NumColumns = 3;
    for (int n = 1; n <= layout.objectCount(); ++n) {
        const LayoutObject& object = layout.object(n);
        if (object.ObjKind == static_cast<int>(ObjectKind::Puzzle)) {
            LowerCase = object.LowerCaseLetters != 0;
            UseGrid = object.Transparent != 0; // a puzzle object's grid-line flag
        } else if (object.ObjKind == static_cast<int>(ObjectKind::WordList)) {
            NumColumns = object.NumColumns;
        }
    }
}

int PrintOptions::wordStyle() const
{
    return WordStyle >= NormalWords && WordStyle <= PartialWords ? WordStyle : NormalWords;
}

int PrintOptions::numColumns() const
{
    return std::clamp(NumColumns, 1, 50);
}
