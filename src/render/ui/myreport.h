#pragma once

#include "render/printoptions.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

class LayoutThumbnailView;
class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QPushButton;
struct PrintCopy;
struct PuzzleRecord;

// "Reports": prepares one stored puzzle for output. The form works on its own
// whole copy of the puzzle record, so a layout, font or bonus question chosen
// here changes only that copy and is dropped when the form closes; the print
// options are the context's settings and take every change at once.
// View/Print renders the page into a report stream and opens the preview.
class TMyReport : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Reports");
    static constexpr int ThumbnailWidth = 170;
    static constexpr int ThumbnailHeight = 220;

    TMyReport(const PuzzleRecord& record, const DialogContext& context, QWidget* parent = nullptr);
    ~TMyReport() override;

    // The form's copy of the puzzle and the options as they stand.
    const PuzzleRecord& puzzle() const;
    const PrintOptions& options() const { return m_options; }

    // A check box or radio button by object name ("PartTitle", "AnswerKey",
    // "Clues", "PartialUnder"...), an edit ("FirstLets", "LastLets",
    // "NumColumns"), a push button ("ViewButton", "ExitButton",
    // "ChangePageLayout", "ChangeFonts", "ChangeBonus"), a menu command
    // ("ViewPrint", "PrinterSetup", "Exit", "Help").
    QAbstractButton* control(const QString& name) const;
    QLineEdit* edit(const QString& name) const;
    QAction* action(const QString& name) const;
    QMenu* fontMenu() const { return m_fontMenu; }
    // Font menu entry 1..21.
    QAction* fontEntry(int n) const { return m_fontEntries[std::clamp(n, 1, 21) - 1]; }
    LayoutThumbnailView* PageImage() const { return m_image; }

    // Puts the options into the controls, the dependent controls' states,
    // the layout's own settings and the miniature.
    void FormShow();
    // Takes grid lines, lower case and columns from the copy's layout and
    // builds the font menu from its text-bearing objects.
    void InitPageLay();
    // Runs the page: 1 printer, 2 preview, 3 file (which keeps nothing).
    void DoIt(int destination);

    void ChangePageLayoutClick();
    void ChangeFontsClick();
    // The font dialog for font menu entry n (1..21).
    void ChangeTheFont(int n);
    void ChangeBonusClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildOptions();
    QWidget* buildPicture();
    void buildMenus();
    QPushButton* addButton(const QString& name, const QString& caption);
    void addCheckBox(const QString& name, const QString& caption, bool PrintOptions::*option);
    QLineEdit* addNumberEdit(const QString& name, int PrintOptions::*option);
    void setBox(const QString& name, bool checked);
    void setNumberText(const QString& name, int value);
    void wordStyleChosen(int style);
    // Enables the controls the word style uses and disables the others.
    void enableDependents();
    void saveOptions();

    DialogContext m_context;
    std::unique_ptr<PrintCopy> m_copy;
    PrintOptions m_options;
    std::map<QString, QAbstractButton*> m_controls;
    std::map<QString, QLineEdit*> m_edits;
    std::map<QString, QAction*> m_actions;
    QButtonGroup* m_wordStyles = nullptr;
    QMenu* m_fontMenu = nullptr;
    std::array<QAction*, 21> m_fontEntries{};
    LayoutThumbnailView* m_image = nullptr;
    bool m_shown = false;
};
