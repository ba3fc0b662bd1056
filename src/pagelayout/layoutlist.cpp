#include "pagelayout/layoutlist.h"

#include "base/copyname.h"
#include "base/messageservice.h"
#include "pagelayout/layoutfile.h"
#include "pagelayout/layoutlibrary.h"
#include "storage/collectionfile.h"
#include "storage/recordfile.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

const QString kNoLayoutsFound = QStringLiteral("No saved page layouts could be found.");
const QString kNoLayoutSelected = QStringLiteral("No page layout selected.");
const QString kNoLayoutChosen = QStringLiteral("No layout has been selected.");
const QString kDiskError = QStringLiteral("Disk Error");
const QString kCannotDelete = QStringLiteral("Unable to delete page layout.");
const QString kCannotAdd = QStringLiteral("Unable to add page layout.");
const QString kCannotImport = QStringLiteral("Page layout could not be imported.");
const QString kCorruptImport = QStringLiteral("Page layout file is corrupt or incompatible.  Import aborted.");
const QString kCannotExport = QStringLiteral("Page layout could not be exported.");
const QString kExported = QStringLiteral("Page Layout Exported!");
const QString kCannotOpenPuzzle = QStringLiteral("Unable to open puzzle.");

// The fields the list text needs lie before the page's pixel size.
constexpr qint64 kListTextBytes = offsetof(PageLayoutRecord, PageWidthPixels);

// A page dimension as a whole number; values no page has (a damaged record)
// are held to a range that still prints.
QByteArray wholeUnits(double value)
{
    if (!std::isfinite(value))
        value = 0;
    value = std::clamp(value, -1e9, 1e9);
    return QByteArray::number(static_cast<qint64>(std::llround(value)));
}

} // namespace

QByteArray layoutListText(const PageLayoutRecord& layout, bool isDefault)
{
    QByteArray text = layout.LayoutName.bytes() + " (" + layout.PaperName.bytes();
    if (layout.PaperName.view() == "Custom")
        text += ' ' + wholeUnits(layout.PageWidth) + "\" x " + wholeUnits(layout.PageHeight) + '"';
    text += ')';
    if (isDefault)
        text += kDefaultLayoutMarker;
    return text;
}

PageLayoutList::PageLayoutList(LayoutListMode mode, int& defaultPage)
    : m_mode(mode), m_defaultPage(defaultPage), m_layout(std::make_unique<PageLayoutRecord>(builtInDefaultLayout()))
{
}

PageLayoutList::~PageLayoutList() = default;

qint64 PageLayoutList::selectedRecordIndex() const { return hasSelection() ? m_entries[m_selected].tag : -1; }

bool PageLayoutList::canSelect() const { return m_mode != LayoutListMode::Library && !isEmpty() && hasSelection(); }

void PageLayoutList::load()
{
    m_entries.clear();
    m_selected = -1;
    RecordFile library(layoutLibraryPath(), sizeof(PageLayoutRecord));
    if (library.open(RecordFile::Mode::ReadOnly)) {
        auto header = std::make_unique<PageLayoutRecord>();
        const qint64 count = library.count();
        for (qint64 n = 0; n < count; ++n) {
            library.readPart(n, 0, header.get(), kListTextBytes);
            m_entries.append({layoutListText(*header, n == m_defaultPage), n});
        }
        library.close();
    }
    sortListItems(m_entries);
    if (m_entries.isEmpty())
        showWarning(kNoLayoutsFound);
}

void PageLayoutList::show()
{
    load();
    if (!isEmpty())
        select(0);
}

void PageLayoutList::select(int position)
{
    if (position < 0 || position >= m_entries.size()) {
        m_selected = -1;
        return;
    }
    m_selected = position;
    readLayout(layoutLibraryPath(), m_entries[position].tag, *m_layout);
}

void PageLayoutList::selectRecord(qint64 recordIndex)
{
    const auto found = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                    [&](const LayoutListEntry& entry) { return entry.tag == recordIndex; });
    select(found == m_entries.cend() ? -1 : static_cast<int>(found - m_entries.cbegin()));
}

bool PageLayoutList::requireSelection() const
{
    if (hasSelection())
        return true;
    showError(kNoLayoutSelected);
    return false;
}

bool PageLayoutList::choose() const
{
    if (hasSelection())
        return true;
    showError(kNoLayoutChosen);
    return false;
}

void PageLayoutList::deleteSelected()
{
    if (!requireSelection())
        return;
    const QString question = QStringLiteral("Are you sure you want to delete \"%1\"?")
                                 .arg(ansiToUnicode(m_entries[m_selected].text));
    if (!askYesNo(QStringLiteral("Delete?"), question))
        return;
    if (!deleteLayout(layoutLibraryPath(), selectedRecordIndex())) {
        showMessage(kDiskError, kCannotDelete);
        return;
    }
    const int position = m_selected;
    load();
    select(std::min(position, static_cast<int>(m_entries.size()) - 1));
}

void PageLayoutList::setDefaultSelected()
{
    if (!requireSelection())
        return;
    const int position = m_selected;
    m_defaultPage = static_cast<int>(selectedRecordIndex());
    load();
    select(position);
}

void PageLayoutList::exportTo(const QString& path)
{
    if (!requireSelection())
        return;
    if (!readLayout(layoutLibraryPath(), selectedRecordIndex(), *m_layout) || !exportLayoutFile(path, *m_layout)) {
        showError(kCannotExport);
        return;
    }
    showMessage(QStringLiteral("OK"), kExported);
}

void PageLayoutList::importFrom(const QString& path)
{
    auto layout = std::make_unique<PageLayoutRecord>();
    switch (importLayoutFile(path, *layout)) {
    case LayoutImportResult::CannotOpen:
        showError(kCannotImport);
        return;
    case LayoutImportResult::Corrupt:
        showError(kCorruptImport);
        return;
    case LayoutImportResult::Imported:
        break;
    }
    addLayout(*layout);
}

bool PageLayoutList::extractFromPuzzle(const QString& collectionPath, qint64 puzzleIndex)
{
    auto puzzle = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    if (!readPuzzle(collectionPath, puzzleIndex, *puzzle)) {
        showError(kCannotOpenPuzzle);
        return false;
    }
    return addLayout(puzzle->PageLayout);
}

bool PageLayoutList::addLayout(const PageLayoutRecord& layout)
{
    const qint64 n = appendLayout(layoutLibraryPath(), layout);
    if (n < 0) {
        showMessage(kDiskError, kCannotAdd);
        return false;
    }
    const LayoutListEntry entry{layoutListText(layout, n == m_defaultPage), n};
    // After the entries of equal text, as a sorted list box adds it.
    QList<LayoutListEntry> ordered = m_entries;
    ordered.append(entry);
    sortListItems(ordered);
    m_entries = ordered;
    selectRecord(n);
    return true;
}

PageLayoutRecord PageLayoutList::designerStart(PageDesignerMode mode) const
{
    PageLayoutRecord layout = *m_layout;
    if (mode == PageDesignerMode::Copy)
        layout.LayoutName.assign(copyName(layout.LayoutName.view(), layout.LayoutName.Capacity));
    return layout;
}

void PageLayoutList::designerSaved(PageDesignerMode mode, qint64 modifiedIndex)
{
    load();
    selectRecord(mode == PageDesignerMode::Modify ? modifiedIndex : lastRecordIndex());
}

qint64 PageLayoutList::lastRecordIndex() const
{
    qint64 last = -1;
    for (const LayoutListEntry& entry : m_entries)
        last = std::max(last, entry.tag);
    return last;
}

QList<LayoutListEntry> puzzleTitleEntries(const QString& collectionPath)
{
    return sortedPuzzleTitles(collectionPath);
}
