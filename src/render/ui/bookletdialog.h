#pragma once

#include "render/printoptions.h"
#include "storage/collectionbrowser.h"
#include "widgets/picklist.h"

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QPushButton;
struct BookletResult;
struct CollectionIndex;

// "Print Booklet": prints, or saves as one PDF, the puzzles chosen in a
// list of the collection's puzzles, in list order, one page each with the
// print options as they stand, optionally followed by their answer keys.
// The list shows "Category: Title", sorted; the puzzles of the category
// selected in the main window start selected. A progress window with a
// Cancel button shows while the pages are made.
class TPrintBooklet : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Print Booklet");

    // lastPdfFile is the program's remembered PDF name, changed in place.
    TPrintBooklet(const QString& collection, const CollectionIndex& index, const QByteArray& selectedCategory,
                  const PrintOptions& options, QString& lastPdfFile, QWidget* parent = nullptr);

    PickList* PuzzleBox() const { return m_list; }
    QCheckBox* AnswerKeysAfter() const { return m_keysAfter; }
    // The record indexes of the selected entries, in list order.
    QList<qint64> chosenPuzzles() const;

    void PrintClick();
    void SavePdfClick();

private:
    // Makes the booklet under a progress window; false when cancelled or
    // nothing could be printed (after saying why).
    bool make(BookletResult& result);

    QString m_collection;
    PrintOptions m_options;
    QString& m_lastPdfFile;
    QList<CollectionBrowser::Item> m_items; // "Category: Title" and record index, in list order
    PickList* m_list;
    QCheckBox* m_keysAfter;
    QPushButton* m_print;
    QPushButton* m_pdf;
};
