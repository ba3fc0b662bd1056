#pragma once

#include "storage/editedpuzzle.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

#include <array>

class CandidatePicture;
class CandidateSlots;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Created Puzzle": the review after a generation run. Shows the four
// candidate slots, lists the included and excluded words of the selected
// one, offers a hidden phrase for its free cells, and saves it as the
// puzzle being edited: the record is completed in that puzzle's buffer and
// written to the current collection (appended for a new puzzle, else at the
// puzzle's own index). A slot without a candidate can be neither selected
// nor saved.
class TCreatedPuzzle : public QDialog {
    Q_OBJECT
public:
    // listWordCount: the edited puzzle's WordCount before the run (the
    // number of words in the editor's list).
    TCreatedPuzzle(CandidateSlots& candidates, int listWordCount, EditedPuzzle puzzle, const DialogContext& context,
                   QWidget* parent = nullptr);

    // True once the puzzle was written; the dialog then closed with accept().
    bool saved() const { return m_saved; }

    // The selected slot, 0 while none is.
    int selectedSlot() const { return m_selected; }
    CandidatePicture* picture(int n) const { return m_pictures[n - 1]; }

    // Selects slot n (1..4), as a click on its picture does. A slot without
    // a candidate is left unselected.
    void SelectAPuzzle(int n);
    // Opens the enlarged view of slot n (only on a candidate).
    void PuzzImageDblClick(int n);
    void SaveClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildPictures();
    void setLabelSelected(int n, bool selected);
    void showWords();
    void showFreeCells();

    CandidateSlots& m_slots;
    int m_listWordCount;
    EditedPuzzle m_puzzle;
    DialogContext m_context;
    int m_selected = 0;
    bool m_saved = false;

    std::array<CandidatePicture*, 4> m_pictures{};
    std::array<QLabel*, 4> m_labels{};
    QLabel* m_includedLabel = nullptr;
    QListWidget* m_included = nullptr;
    QLabel* m_excludedLabel = nullptr;
    QListWidget* m_excluded = nullptr;
    QCheckBox* m_includeHidden = nullptr;
    QLineEdit* m_hiddenPhrase = nullptr;
    QLabel* m_numChars = nullptr;
    QPushButton* m_save = nullptr;
};
