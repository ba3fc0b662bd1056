// The page layout library and a layout interchange file from someone else:
// listed, selected, drawn as thumbnails, given to a new puzzle, printed.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "pagelayout/layoutfile.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/layoutlist.h"
#include "pagelayout/layoutthumbnail.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "storage/puzzlerecord.h"

#include <QImage>

#include <cstring>
#include <memory>

namespace fuzzing {

namespace {

const QString kLibrary = QStringLiteral("QZFPAGE.DAT");
constexpr int kMaxSelected = 4;

} // namespace

void printThroughLayout(const PageLayoutRecord& layout)
{
    auto puzzle = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    puzzle->Title.assign("Pond");
    puzzle->BonusQuest.assign("Which one swims?");
    puzzle->GridCols = 5;
    puzzle->GridRows = 3;
    const char* rows[] = {"FROGX", "NEWTY", "EELSZ"};
    for (int r = 1; r <= 3; ++r)
        std::memcpy(&puzzle->AnswerGrid[cell::index(r, 1) - 1], rows[r - 1], 5);
    const char* words[] = {"FROG", "NEWT", "EELS"};
    for (int k = 1; k <= 3; ++k) {
        puzzle->word(k).assign(words[k - 1]);
        puzzle->clue(k).assign("It lives in the pond");
        puzzle->wordStart(k) = static_cast<std::int16_t>(cell::index(k, 1));
        puzzle->wordEnd(k) = static_cast<std::int16_t>(cell::index(k, 4));
        puzzle->wordPlaced(k) = 1;
    }
    puzzle->WordCount = 3;
    puzzle->Generated = 1;
    puzzle->PageLayout = layout;
    PrintCopy copy(*puzzle);
    PrintOptions options;
    options.takeLayoutSettings(layout);
    options.AnswerKey = true;
    options.WordStyle = ClueList;
    printCopy(copy, options);
}

namespace {

// The layout list as the print options open it: every one of the first
// entries selected and drawn, the designer's copy of it, and the layout a
// new puzzle receives with the default index the input chooses.
void browseLibrary(int defaultPage)
{
    PageLayoutList list(LayoutListMode::PrintOptions, defaultPage);
    list.show();
    const int shown = std::min<int>(list.entries().size(), kMaxSelected);
    for (int position = 0; position < shown; ++position) {
        list.select(position);
        layoutThumbnail(list.layout(), QSize(245, 313), Qt::lightGray);
        list.designerStart(PageDesignerMode::Copy);
    }
    list.setDefaultSelected();
    const auto fresh = std::make_unique<PageLayoutRecord>(newPuzzleLayout(layoutLibraryPath(), defaultPage));
    layoutThumbnail(*fresh, QSize(120, 155), Qt::lightGray);
}

} // namespace

void layoutLibrary(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    putFile(kLibrary, bytes);
    browseLibrary(bytes.isEmpty() ? 0 : static_cast<std::uint8_t>(bytes.back()) % 4);
}

void layoutFile(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    const QString path = putFile(QStringLiteral("IN.PAG"), bytes);
    int defaultPage = 0;
    PageLayoutList list(LayoutListMode::PrintOptions, defaultPage);
    list.show();
    list.importFrom(path);
    if (!list.hasSelection())
        return;
    // What was imported goes out again unchanged.
    const auto imported = std::make_unique<PageLayoutRecord>(list.layout());
    const QString out = scratchFolder() + QStringLiteral("/OUT.PAG");
    list.exportTo(out);
    auto again = std::make_unique<PageLayoutRecord>();
    if (importLayoutFile(out, *again) != LayoutImportResult::Imported
        || std::memcmp(again.get(), imported.get(), sizeof *again) != 0)
        invariantBroken("an imported page layout does not export unchanged");
    layoutThumbnail(*imported, QSize(245, 313), Qt::lightGray);
    printThroughLayout(*imported);
}

} // namespace fuzzing
