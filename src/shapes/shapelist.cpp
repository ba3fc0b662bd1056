#include "shapes/shapelist.h"

#include "base/messageservice.h"
#include "shapes/shapefile.h"
#include "shapes/shapelibrary.h"
#include "storage/puzzlerecord.h"

#include <algorithm>

namespace {
const QString kNoShapes = QStringLiteral("No saved shape information could be found.");
const QString kCannotDelete = QStringLiteral("Unable to delete puzzle shape.");
const QString kCannotImport = QStringLiteral("Puzzle shape could not be imported.");
const QString kCorruptImport = QStringLiteral("Puzzle shape file is corrupt or incompatible.  Import aborted.");
const QString kCannotAdd = QStringLiteral("Unable to add shape.");
const QString kNoSelection = QStringLiteral("No shape selected.");
const QString kCannotExport = QStringLiteral("Shape could not be exported.");
const QString kExported = QStringLiteral("Puzzle Shape Exported!");
const QString kDiskErrorCaption = QStringLiteral("Disk Error");
const QString kDeleteCaption = QStringLiteral("Delete?");
const QString kOkCaption = QStringLiteral("OK");

bool entryBefore(const ShapeListEntry& a, const ShapeListEntry& b)
{
    return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
}
} // namespace

bool ShapeListEntry::isCurrentPuzzle() const { return recordIndex == ShapeList::CurrentPuzzleIndex; }

void sortShapeEntries(QList<ShapeListEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), entryBefore);
}

ShapeList::ShapeList(ShapeListMode mode, ShapeListContext context) : m_mode(mode), m_context(context) {}

const ShapeListEntry* ShapeList::selectedEntry() const
{
    return m_selected >= 0 && m_selected < m_entries.size() ? &m_entries[m_selected] : nullptr;
}

bool ShapeList::canModifySelected() const
{
    const ShapeListEntry* entry = selectedEntry();
    return entry && !entry->isCurrentPuzzle();
}

int ShapeList::rebuild()
{
    m_entries.clear();
    m_selected = -1;
    if (m_mode == ShapeListMode::EditorModify && m_context.puzzle) {
        m_puzzleShape = shapeFromPuzzle(*m_context.puzzle);
        m_context.currentShape = m_puzzleShape;
        m_entries.append({shapeEntryText(m_puzzleShape), CurrentPuzzleIndex});
    }
    if (const auto shapes = readShapeHeaders(shapeLibraryPath())) {
        for (int k = 0; k < shapes->size(); ++k)
            m_entries.append({shapeEntryText(shapes->at(k)), k});
    }
    if (m_entries.isEmpty())
        showWarning(kNoShapes);
    sortShapeEntries(m_entries);

    switch (m_mode) {
    case ShapeListMode::EditorModify:
        return positionOfRecord(CurrentPuzzleIndex);
    case ShapeListMode::EditorNew:
        return std::max(positionOfRecord(m_context.lastShape), 0);
    case ShapeListMode::StandAlone:
        break;
    }
    return 0;
}

void ShapeList::load() { select(rebuild()); }

int ShapeList::positionOfRecord(int recordIndex) const
{
    for (int k = 0; k < m_entries.size(); ++k)
        if (m_entries[k].recordIndex == recordIndex)
            return k;
    return -1;
}

int ShapeList::insertSorted(const ShapeListEntry& entry)
{
    const auto at = std::upper_bound(m_entries.begin(), m_entries.end(), entry, entryBefore);
    const int position = static_cast<int>(at - m_entries.begin());
    m_entries.insert(position, entry);
    return position;
}

void ShapeList::select(int position)
{
    if (position < 0 || position >= m_entries.size())
        return;
    m_selected = position;
    const ShapeListEntry& entry = m_entries[position];
    if (entry.isCurrentPuzzle()) {
        m_context.currentShape = m_puzzleShape;
        return;
    }
    if (m_mode != ShapeListMode::StandAlone)
        m_context.lastShape = entry.recordIndex;
    m_context.currentShape = readShape(shapeLibraryPath(), entry.recordIndex);
}

void ShapeList::deleteSelected()
{
    const ShapeListEntry* entry = selectedEntry();
    if (!entry || entry->isCurrentPuzzle())
        return;
    if (!askYesNo(kDeleteCaption, QStringLiteral("Are you sure you want to delete \"%1\"?").arg(entry->text)))
        return;
    const int position = m_selected;
    if (!removeShape(shapeLibraryPath(), entry->recordIndex)) {
        showMessage(kDiskErrorCaption, kCannotDelete);
        return;
    }
    rebuild();
    select(std::min(position, static_cast<int>(m_entries.size()) - 1));
}

void ShapeList::importFrom(const QString& path)
{
    switch (importShapeFile(path, m_context.currentShape)) {
    case ShapeImportResult::CannotOpen:
        showError(kCannotImport);
        return;
    case ShapeImportResult::Corrupt:
        showError(kCorruptImport);
        return;
    case ShapeImportResult::Imported:
        break;
    }
    const ShapeRecord& imported = m_context.currentShape;
    const auto index = appendShape(shapeLibraryPath(), imported);
    if (!index) {
        showMessage(kDiskErrorCaption, kCannotAdd);
        return;
    }
    select(insertSorted({shapeEntryText(imported), *index}));
}

bool ShapeList::checkExportSelection() const
{
    if (selectedEntry())
        return true;
    showError(kNoSelection);
    return false;
}

void ShapeList::exportTo(const QString& path)
{
    if (!checkExportSelection())
        return;
    select(m_selected);
    if (!exportShapeFile(path, m_context.currentShape)) {
        showError(kCannotExport);
        return;
    }
    showMessage(kOkCaption, kExported);
}

ShapeRecord ShapeList::editorStart(ShapeEditorMode mode) const
{
    ShapeRecord start = m_context.currentShape;
    if (mode == ShapeEditorMode::Copy)
        start.ShapeName.assign(shapeCopyName(start));
    return start;
}

void ShapeList::editorSaved(ShapeEditorMode mode, int recordIndex)
{
    const int fallback = rebuild();
    int position = -1;
    if (mode == ShapeEditorMode::Modify) {
        position = positionOfRecord(recordIndex);
    } else {
        int last = -1;
        for (const ShapeListEntry& entry : m_entries)
            if (!entry.isCurrentPuzzle())
                last = std::max(last, entry.recordIndex);
        position = positionOfRecord(last);
    }
    select(position >= 0 ? position : fallback);
}
