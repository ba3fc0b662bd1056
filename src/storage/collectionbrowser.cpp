#include "storage/collectionbrowser.h"

#include "base/ansi.h"

#include <algorithm>
#include <vector>

namespace {

int compareListText(const QByteArray& a, const QByteArray& b)
{
    return QString::compare(ansiToUnicode(a), ansiToUnicode(b), Qt::CaseInsensitive);
}

int findItem(const QList<CollectionBrowser::Item>& items, const QByteArray& text)
{
    for (int row = 0; row < items.size(); ++row) {
        if (sameListText(items[row].text, text))
            return row;
    }
    return -1;
}

} // namespace

void sortListItems(QList<CollectionBrowser::Item>& items)
{
    // Each text is converted once, not at every comparison.
    struct Keyed {
        QString key;
        CollectionBrowser::Item item;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (auto& item : items)
        keyed.push_back({ansiToUnicode(item.text), std::move(item)});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return QString::compare(a.key, b.key, Qt::CaseInsensitive) < 0;
    });
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i] = std::move(keyed[i].item);
}

bool sameListText(const QByteArray& a, const QByteArray& b)
{
    return compareListText(a, b) == 0;
}

void CollectionBrowser::clear()
{
    m_index = {};
    m_categoryItems.clear();
    m_puzzleItems.clear();
    m_selectedCategory = m_currentCategory = m_selectedPuzzle = -1;
}

QList<CollectionBrowser::Item> sortedPuzzleTitles(const QString& path)
{
    const CollectionIndex index = loadCollectionIndex(path);
    QList<CollectionBrowser::Item> items;
    items.reserve(index.entries.size());
    for (const auto& entry : index.entries)
        items.append({entry.title, entry.recordIndex});
    sortListItems(items);
    return items;
}

void CollectionBrowser::LoadInPuzzles(const QString& path)
{
    clear();
    m_index = loadCollectionIndex(path);
    for (qsizetype pos = 0; pos < m_index.categories.size(); ++pos)
        m_categoryItems.append({m_index.categories[pos], pos});
    sortListItems(m_categoryItems);
    if (!m_categoryItems.isEmpty())
        m_selectedCategory = 0;
    SetCategory(0);
}

void CollectionBrowser::SetCategory(int row)
{
    if (m_categoryItems.isEmpty())
        return;
    if (m_pending) {
        const int found = findItem(m_categoryItems, m_pending->category);
        if (found >= 0)
            row = found;
    }
    row = std::clamp(row, 0, static_cast<int>(m_categoryItems.size()) - 1);
    m_selectedCategory = row;

    const qint64 categoryPos = m_categoryItems[row].tag;
    m_puzzleItems.clear();
    for (const auto& entry : m_index.entries) {
        if (entry.categoryPos == categoryPos)
            m_puzzleItems.append({entry.title, entry.recordIndex});
    }
    sortListItems(m_puzzleItems);
    m_currentCategory = row;
    m_selectedPuzzle = -1;

    if (m_pending) {
        m_selectedPuzzle = findItem(m_puzzleItems, m_pending->title);
        m_pending.reset();
    }
}

void CollectionBrowser::setPendingSelection(const QByteArray& category, const QByteArray& title)
{
    m_pending = Pending{category, title};
}

void CollectionBrowser::setPendingSelectionForDeletion()
{
    QByteArray title;
    if (m_puzzleItems.size() > 1 && m_selectedPuzzle >= 0)
        title = m_puzzleItems[m_selectedPuzzle == 0 ? 0 : m_selectedPuzzle - 1].text;
    setPendingSelection(selectedCategory(), title);
}

void CollectionBrowser::setPendingSelectionForCurrentView()
{
    const auto selectedOrFirst = [](const QList<Item>& items, int selected) {
        if (items.isEmpty())
            return QByteArray();
        return items[selected >= 0 ? selected : 0].text;
    };
    setPendingSelection(selectedOrFirst(m_categoryItems, m_selectedCategory),
                        selectedOrFirst(m_puzzleItems, m_selectedPuzzle));
}

void CollectionBrowser::selectPuzzleRow(int row)
{
    m_selectedPuzzle = (row >= 0 && row < m_puzzleItems.size()) ? row : -1;
}

qint64 CollectionBrowser::selectedRecordIndex() const
{
    return m_selectedPuzzle >= 0 ? m_puzzleItems[m_selectedPuzzle].tag : -1;
}

QByteArray CollectionBrowser::selectedTitle() const
{
    return m_selectedPuzzle >= 0 ? m_puzzleItems[m_selectedPuzzle].text : QByteArray();
}

QByteArray CollectionBrowser::selectedCategory() const
{
    return m_selectedCategory >= 0 ? m_categoryItems[m_selectedCategory].text : QByteArray();
}
