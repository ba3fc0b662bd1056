// Text files from someone else: the configuration file and the offensive
// word list.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "base/random.h"
#include "render/htmlpage.h"
#include "render/printoptions.h"
#include "spelling/languages.h"
#include "storage/configuration.h"
#include "storage/puzzlerecord.h"
#include "storage/settings.h"
#include "wordlist/badwordlist.h"
#include "wordlist/hiddenphrase.h"
#include "wordlist/intchars.h"
#include "wordlist/offensivewordfilter.h"

#include <cstring>
#include <memory>

namespace fuzzing {

namespace {

const QString kStartDir = QStringLiteral("/start");

// What the program makes of the settings it read: the print options, the
// international keys, the languages and the web page.
void useSettings(const Settings& settings)
{
    const PrintOptions options = PrintOptions::fromSettings(settings.reports);
    options.wordStyle();
    options.numColumns();
    for (const QString& key : settings.create.intKeys) {
        intKeyListPosition(key);
        intKeyCharacter(key);
    }
    spellingLanguage(settings.misc.dictionary);
    spellingLanguage(settings.misc.userDictionary);
    htmlPage(settings.html, htmlPictureName(settings.misc.lastExportHtmlFile));
    webTitle(settings.html.webTitle);
}

// A puzzle whose grid is full of letters, some of them a listed word of
// the built-in list read backwards, so that every search reaches a grid
// with its blanks filled.
const PuzzleRecord& filledPuzzle()
{
    static const auto puzzle = [] {
        auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
        record->GridCols = 12;
        record->GridRows = 9;
        setRandomState(3);
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 12; ++c)
                record->AnswerGrid[cell::index(r, c) - 1] = static_cast<std::uint8_t>('A' + Random(26));
        record->AnswerGrid[cell::index(5, 5) - 1] = ' ';
        record->FillGrid[cell::index(5, 5) - 1] = 0xE9;
        record->word(1).assign("HERON");
        record->WordCount = 1;
        return record;
    }();
    return *puzzle;
}

} // namespace

void settingsFile(QByteArrayView bytes)
{
    const QString path = putFile(QStringLiteral("QMAZE3.INI"), bytes);
    const Settings read = loadSettingsFile(path, kStartDir);
    useSettings(read);
    // Saving keeps every setting: read again, the file gives the same values.
    if (!saveSettingsFile(read, path))
        invariantBroken("the settings file could not be written back");
    if (!(loadSettingsFile(path, kStartDir) == read))
        invariantBroken("settings written back read differently");
}

void badList(QByteArrayView bytes)
{
    const QString path = putFile(QStringLiteral("BADLIST.TXT"), bytes);
    BadWordList list;
    list.GetBadList(path);
    list.upperCase();
    if (list.count() < BadWordList::BuiltInCount || list.count() > BadWordList::MaxEntries)
        invariantBroken("the listed words are not 58..120");
    static auto filter = std::make_unique<OffensiveWordFilter>();
    const PuzzleRecord& puzzle = filledPuzzle();
    filter->setList(list);
    filter->exemptWordsOf(puzzle, puzzle.wordCount());
    filter->BuildCheckList(puzzle);
    filter->TestBadWords();
}

} // namespace fuzzing
