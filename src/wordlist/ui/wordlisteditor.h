#pragma once

#include "spelling/languagetools.h"
#include "storage/editedpuzzle.h"
#include "widgets/dialoghelper.h"
#include "wordlist/wordentries.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;
class WordGrid;
class LayoutThumbnailView;
class ShapeListBox;
struct Settings;
struct ShapeRecord;

// What the word list editor works on, all of it owned by its caller.
struct WordListSession {
    DialogContext context;
    EditedPuzzle puzzle;
    // The current shape, chosen in the editor's shape box.
    ShapeRecord& shape;
    // Create: runs the generation on the puzzle and then the candidate
    // review; true when the review saved the puzzle.
    std::function<bool(QWidget* parent)> createPuzzles;
    // The dictionaries, thesauri and user lexicons that "&Spell Check" and
    // "&Thesaurus" use; without them both stay disabled.
    LanguageTools languageTools = {};
};

// "Word List Input": title, category, up to 330 words and clues, bonus
// question, shape, page layout and generation settings of the puzzle being
// edited. New mode (a new puzzle or a copy) ends by Create and a save in the
// candidate review; modify mode locks words, shape and generation settings
// and stores the record in place with Save.
class TWordList : public QDialog {
    Q_OBJECT
public:
    // categories: the current collection's categories, offered in the combo box.
    TWordList(const QString& caption, QList<QByteArray> categories, WordListSession session,
              QWidget* parent = nullptr);
    ~TWordList() override;

    bool isModifyMode() const { return m_modify; }
    // True once a puzzle was saved from here or from the candidate review.
    bool saved() const { return m_saved; }

    // Commands, public for tests.
    void CreateItClick();
    void SaveButtonClick();
    void CancelClick();
    void DeleteClueClick();
    void DeleteAllClueClick();
    void UseCluesClick();
    void ChangeLayoutClick();
    void IntCharButtonClick();
    void ChangePhraseClick();
    void SpellClueClick();
    void ThesClick();
    void ImportClueClick();
    void ExportClueClick();
    // Ctrl+V of several lines: fills empty rows from the current one on.
    void pasteRows();
    // Types international character k (1..12) into the focused control.
    void typeInternationalCharacter(int k);

    // The grid's rows. Every command reads the grid through entries() and
    // writes it through setEntries(); both first finish the cell edit in
    // progress, so that what was typed counts and an open cell editor never
    // writes old text back over the rows.
    WordEntries entries();
    void setEntries(const WordEntries& rows);
    int GetWordCount() { return entries().GetWordCount(); }
    bool PuzzleChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void buildControls();
    QLayout* buildWordArea();
    QLayout* buildLowerArea();
    QWidget* buildDirections();
    QWidget* buildOptions();
    QLayout* buildLayoutBox();
    void createCells();
    void FormShow();
    // Fonts and scale, then centred on the screen and moved 15 pixels up.
    void placeOnScreen();
    void AdjustWordClues();
    void SetValues();
    bool SaveIt();
    void showProblem(const InputProblem& problem);
    void drawLayoutThumbnail();
    void lockForModify();
    void setDirection(int direction, bool on);
    void enableLanguageButtons();
    // Finishes SaveIt's work for Save and for Exit answered Yes: the editor
    // closes only when the puzzle was stored, and otherwise stays open with
    // everything typed.
    void saveAndClose();
    Settings& settings() const { return m_session.context.settings; }
    PuzzleRecord& record() const { return m_session.puzzle.record; }

    WordListSession m_session;
    bool m_modify = false;
    QList<QByteArray> m_categories;
    bool m_saved = false;
    bool m_shown = false;
    std::unique_ptr<PuzzleRecord> m_compare; // modify mode: the record as it was shown

    QLineEdit* m_title = nullptr;
    QComboBox* m_category = nullptr;
    WordGrid* m_grid = nullptr;
    QCheckBox* m_useClues = nullptr;
    QLabel* m_wordClueLabel = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_deleteAll = nullptr;
    QPushButton* m_spell = nullptr;
    QPushButton* m_thesaurus = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_phrase = nullptr;
    QPushButton* m_intChars = nullptr;
    std::array<QCheckBox*, 9> m_checks{};     // index = direction 1..8
    std::array<QToolButton*, 9> m_speeds{};   // index = direction 1..8
    QSlider* m_track = nullptr;
    QLineEdit* m_attempts = nullptr;
    QCheckBox* m_shrink = nullptr;
    QPushButton* m_create = nullptr;
    ShapeListBox* m_shapes = nullptr;
    LayoutThumbnailView* m_layoutImage = nullptr;
    QPushButton* m_changeLayout = nullptr;
    QLineEdit* m_bonus = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_exit = nullptr;
};

// Opens the editor on the session's puzzle with the given caption; returns
// whether a puzzle was saved.
bool showWordListEditor(QWidget* parent, const WordListSession& session, const QString& caption,
                        const QList<QByteArray>& categories);
