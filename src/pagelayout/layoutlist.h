#pragma once

#include "storage/collectionbrowser.h"
#include "storage/pagelayoutrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// Where the layout list is opened from. The library mode only manages the
// library; the other two also choose a layout for the word list editor's
// puzzle or for the print options' copy of a puzzle.
enum class LayoutListMode { Library = 1, WordListEditor = 2, PrintOptions = 3 };

// What the page designer is opened for.
enum class PageDesignerMode { New = 1, Modify = 2, Copy = 3 };

// A list entry: its display text, and the record index it stands for in `tag`.
using LayoutListEntry = CollectionBrowser::Item;

inline constexpr char kDefaultLayoutMarker[] = "  <<DEFAULT>>";

// "Name (Paper)"; custom paper adds its size rounded to whole units, each
// with an inch mark whatever the unit: "Mine (Custom 8\" x 12\")". The
// default layout's entry ends in "  <<DEFAULT>>".
QByteArray layoutListText(const PageLayoutRecord& layout, bool isDefault);

// The layout list behind TListPages: the library's entries sorted by text,
// the selected entry, the layout buffer holding the selected record, and the
// operations of the list's buttons. It works on the layout library in the
// program directory and on the "Default Page" setting, which the caller
// owns. Messages go through the message service; a failed read or write
// after a file was opened throws IoError.
class PageLayoutList {
public:
    PageLayoutList(LayoutListMode mode, int& defaultPage);
    ~PageLayoutList();

    LayoutListMode mode() const { return m_mode; }
    const QList<LayoutListEntry>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The selected list position, or -1.
    int selected() const { return m_selected; }
    bool hasSelection() const { return m_selected >= 0; }
    // Record index of the selected entry, -1 without one.
    qint64 selectedRecordIndex() const;
    // The record of the selected entry as last read.
    const PageLayoutRecord& layout() const { return *m_layout; }

    // "&Select" is offered outside the library mode while an entry of a
    // non-empty list is selected.
    bool canSelect() const;

    // Rebuilds the entries from the library and clears the selection; warns
    // when no layout could be found.
    void load();
    // Loads the list and selects its first entry (the dialog being shown).
    void show();
    // Selects the entry at `position` and reads its record into the layout
    // buffer; a position outside the list clears the selection.
    void select(int position);
    // Selects the entry standing for record `recordIndex` (none if absent).
    void selectRecord(qint64 recordIndex);

    // Shows "No page layout selected." and returns false without a selection.
    bool requireSelection() const;
    // "&Select": false, with a message, without a selection.
    bool choose() const;

    // Asks, removes the selected record, reloads and selects the same
    // position (or the new last entry). The default index is kept as it is.
    void deleteSelected();
    // The selected record becomes the default layout; the list is reloaded
    // so the marker moves, keeping the selected position.
    void setDefaultSelected();
    // Writes the selected record, read again from the library, to a .PAG
    // file and confirms it.
    void exportTo(const QString& path);
    // Checks a .PAG file and appends its layout (see addLayout).
    void importFrom(const QString& path);
    // Reads puzzle `puzzleIndex` of a collection and appends its layout.
    bool extractFromPuzzle(const QString& collectionPath, qint64 puzzleIndex);
    // Appends a layout to the library (created when missing), adds its entry
    // in sorted position and selects it. False, with a message, when the
    // library can be neither opened nor created.
    bool addLayout(const PageLayoutRecord& layout);

    // The layout given to the page designer for Modify (the selected one) and
    // Copy (the selected one under its copy name, cut to 20 characters). New
    // starts from the designer's own fresh page.
    PageLayoutRecord designerStart(PageDesignerMode mode) const;
    // After the designer saved: reloads and selects the modified record, or
    // for New and Copy the record just appended (the last one).
    void designerSaved(PageDesignerMode mode, qint64 modifiedIndex);

private:
    qint64 lastRecordIndex() const;

    LayoutListMode m_mode;
    int& m_defaultPage;
    QList<LayoutListEntry> m_entries;
    int m_selected = -1;
    std::unique_ptr<PageLayoutRecord> m_layout;
};

// The puzzles of a collection as entries of the extract list: titles sorted
// case-insensitively, each carrying its record index. Empty when the file
// cannot be opened.
QList<LayoutListEntry> puzzleTitleEntries(const QString& collectionPath);
