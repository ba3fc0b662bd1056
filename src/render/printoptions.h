#pragma once

struct PageLayoutRecord;
struct ReportSettings;

// Styles of the word/clue list object.
enum WordStyle { NormalWords = 1, ClueList = 2, ScrambledWords = 3, PartialWords = 4 };

// What a print shows and how: the program-wide print settings that the print
// options form edits and the page renderer reads. Values from a settings file
// can be anything; the renderer copes with every value (see
// PageRenderer), and wordStyle() and numColumns() give the values it uses.
struct PrintOptions {
    bool PartTitle = true;
    bool PartBody = true;
    bool PartWords = true;
    bool PartBonus = true;
    bool AnswerKey = false;
    bool UseGrid = false;
    bool LowerCase = false;
    int WordStyle = NormalWords;
    bool CluesUnder = false;
    bool PartialUnder = false;
    int FirstLets = 1;
    int LastLets = 1;
    int NumColumns = 3;

    // The options held by the "Reports" settings block.
    static PrintOptions fromSettings(const ReportSettings& settings);
    // Writes the options back into the settings block.
    void toSettings(ReportSettings& settings) const;

    // What a page layout decides for its own print: its puzzle object's
    // lower-case and grid-line flags, and its word/clue list object's column
    // count (3 when the layout has no list object). The print options form
    // applies this whenever it shows or changes layout, before the user may
    // change the options again.
    void takeLayoutSettings(const PageLayoutRecord& layout);

    // WordStyle when it is 1..4, else normal words.
    int wordStyle() const;
    // NumColumns limited to 1..50 (a list never has more columns than a
    // page can show).
    int numColumns() const;

    bool operator==(const PrintOptions&) const = default;
};
