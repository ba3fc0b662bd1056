#pragma once

#include "app/layoutsnapshot.h"
#include "app/programstate.h"
#include "spelling/languagetools.h"
#include "storage/collectionbrowser.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QListWidget;
class QMenu;
class QToolButton;
class MainClientArea;

// The program's one permanent window: the categories and puzzle titles of the
// current collection, and every command. Owns the program-wide state for the
// whole run and hands the dialogs it opens what they need of it.
class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 632;
    static constexpr int ClientHeight = 413;

    explicit TMainWin(QWidget* parent = nullptr);
    ~TMainWin() override;

    // Collection commands.
    void NewGroup();
    void OpenGroup();
    void OpenSaveFile(const QString& path);
    // The program's argument: opens the collection as OpenGroup does after
    // its dialog; a path that is not a readable .QZ3 file gets OpenGroup's
    // message and the current collection stays.
    void openFromCommandLine(const QString& argument);
    void DeletePuzzle();

    // Puzzle commands.
    void NewPuzzleClick();
    void ModifyPuzzleClick();
    void CopyPuzzleClick();
    void PrintPuzzleClick();
    // The chosen puzzles, and their answer keys, printed or saved as one PDF.
    void PrintBookletClick();
    void ImportPuzzlesClick();
    void ExportPuzzlesClick();

    // Index of the current collection.
    void LoadInPuzzles();
    void SetCategory(int row);
    // Selects the saved puzzle after a save: pending selection + rebuild.
    void selectAfterSave(const QByteArray& category, const QByteArray& title);

    // Screen size preset 640, 800, 1024 or 1280 (menu "Screen Size").
    void ChangeScreenSize(int preset);
    // The screen size the presets are checked against; tests set it before
    // the window is created (an empty size means the real screen).
    static void setAssumedScreenSize(const QSize& size);

    void EnableDisable();
    void updateCaption();

    ProgramState& state() { return m_state; }

    const CollectionBrowser& browser() const { return m_browser; }
    QString collectionPath() const;
    QListWidget* categoryBox() const { return m_categoryBox; }
    QListWidget* puzzleBox() const { return m_puzzleBox; }
    QAction* action(const QString& objectName) const;
    const LanguageFiles& languageFiles() const { return m_languages; }
    const UserLexiconNames& userLexicons() const { return m_userLexicons; }
    LanguageTools languageTools() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();
    // Offers to convert the data an earlier version left (last step of start-up).
    void lookForEarlierVersionData();

    void buildClientArea();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildOptionsMenu();
    void addScreenSizeMenu(QMenu* options);
    void addColoursMenu(QMenu* options);
    // Dictionary Type, Add to and Exclude From Dictionary, Thesaurus.
    void addLanguageMenus(QMenu* options);
    void addUserFontCommands(QMenu* options);
    void buildHelpMenu();
    void buildSpeedButtons();
    // A menu command running `command` (none: the caller connects it).
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                        const std::function<void()>& command = {});
    void addSpeedButton(QAction* action, const QString& hint, const QIcon& icon, int x);
    void buildRecentFilesMenu();
    void refreshLists();
    void applyScreenPreset(int preset);
    void restoreAndRescale();
    void applyFontsToMainWindow();
    void chooseUserFont(int which);
    // Reads the selected puzzle into record. False, after the message
    // (cannotRead when the file cannot be opened), when no puzzle is selected
    // or the read failed; record is then unchanged.
    bool readSelectedPuzzle(PuzzleRecord& record, const QString& cannotRead);
    // Modify and Copy: the selected puzzle becomes the current puzzle.
    void editSelectedPuzzle(bool asCopy);
    // Shows the word list editor on the current puzzle and selects it after a save.
    void openWordListEditor(const QString& caption);
    Settings& settings() { return m_state.settings; }
    const Settings& settings() const { return m_state.settings; }
    DialogContext dialogContext() { return m_state.dialogContext(); }
    void setCurrentPath(const QString& path);
    // Makes path the current collection, lists it and updates the commands.
    void openCollection(const QString& path);
    void resolveLanguages();
    void tickSpellingLanguage();
    void tickThesaurusLanguage();

    void CategoryBoxClick();
    void PuzzleBoxClick();
    void PuzzleBoxDblClick();

    ProgramState m_state;
    CollectionBrowser m_browser;
    MainClientArea* m_client = nullptr;
    QListWidget* m_categoryBox = nullptr;
    QListWidget* m_puzzleBox = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::array<QAction*, 5> m_recentActions{};
    std::array<QAction*, 4> m_screenActions{};
    QAction* m_backgroundAction = nullptr;
    QAction* m_colours256 = nullptr;
    QAction* m_colours16m = nullptr;
    std::array<QAction*, 10> m_dictionaryActions{}; // index = language 1..9
    std::array<QAction*, 4> m_thesaurusActions{};   // index = 1..3
    QList<QToolButton*> m_speedButtons;
    LayoutSnapshot m_layout;
    QSize m_screenSize;
    LanguageFiles m_languages;
    UserLexiconNames m_userLexicons;
    bool m_activatedOnce = false;
    bool m_shownOnce = false;
};
