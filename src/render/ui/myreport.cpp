#include "render/ui/myreport.h"

#include "base/messageservice.h"
#include "pagelayout/layoutlist.h"
#include "pagelayout/ui/layoutthumbnailview.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "render/pagerenderer.h"
#include "render/printrun.h"
#include "render/reportoptions.h"
#include "render/ui/bonusdialog.h"
#include "render/ui/previewwindow.h"
#include "render/ui/reportform.h"
#include "report/reportstream.h"
#include "report/ui/printersetup.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/help.h"
#include "widgets/windowshortcuts.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString kHelpKeyword = QStringLiteral("Report Window");

// The word styles by radio button, numbered as the option stores them.
const struct {
    const char* name;
    const char* caption;
    int style;
} kWordStyles[] = {
    {"NormalWords", "Normal Words", NormalWords},
    {"Clues", "Clues ", ClueList},
    {"ScrambleWords", "Scramble Words", ScrambledWords},
    {"PartialWords", "Partial Words", PartialWords},
};

} // namespace

TMyReport::TMyReport(const PuzzleRecord& record, const DialogContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_copy(std::make_unique<PrintCopy>(record))
    , m_options(PrintOptions::fromSettings(context.settings.reports))
{
    setObjectName(QStringLiteral("MyReport"));
    setWindowTitle(Caption);

    auto* layout = new QHBoxLayout(this);
    buildMenus();
    layout->addWidget(buildOptions(), 1);
    layout->addWidget(buildPicture());

    m_fontMenu = new QMenu(this);
    m_fontMenu->setObjectName(QStringLiteral("FontMenu"));
    for (int n = 1; n <= kFontMenuEntries; ++n) {
        QAction* entry = m_fontMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("FontEntry%1").arg(n));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, n] { ChangeTheFont(n); });
        m_fontEntries[n - 1] = entry;
    }
    // Ctrl+V and Ctrl+X run the form's commands even from a number edit.
    giveWindowShortcutsPriority(this);
}

TMyReport::~TMyReport() = default;

const PuzzleRecord& TMyReport::puzzle() const
{
    return m_copy->puzzle;
}

QAbstractButton* TMyReport::control(const QString& name) const
{
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

QLineEdit* TMyReport::edit(const QString& name) const
{
    const auto it = m_edits.find(name);
    return it == m_edits.end() ? nullptr : it->second;
}

QAction* TMyReport::action(const QString& name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- building

void TMyReport::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar"));
    layout()->setMenuBar(bar);
    const auto command = [&](QMenu* menu, const QString& name, const QString& caption, const QString& shortcut) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setShortcut(QKeySequence(shortcut));
        addAction(a);
        m_actions[name] = a;
        return a;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(command(file, QStringLiteral("ViewPrint"), QStringLiteral("&View/Print"), QStringLiteral("Ctrl+V")),
            &QAction::triggered, this, [this] { DoIt(TReportForm::ToPreview); });
    connect(command(file, QStringLiteral("PrinterSetup"), QStringLiteral("Printer &Setup"), QStringLiteral("Ctrl+S")),
            &QAction::triggered, this, [this] { showPrinterSetup(this); });
    file->addSeparator();
    connect(command(file, QStringLiteral("Exit"), QStringLiteral("E&xit"), QStringLiteral("Ctrl+X")),
            &QAction::triggered, this, &QDialog::reject);
    QAction* help = bar->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    m_actions[help->objectName()] = help;
    connect(help, &QAction::triggered, this, [] { openHelp(kHelpKeyword); });
}

void TMyReport::addCheckBox(const QString& name, const QString& caption, bool PrintOptions::*option)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [this, option](bool on) {
        m_options.*option = on;
        saveOptions();
    });
    m_controls[name] = box;
}

QLineEdit* TMyReport::addNumberEdit(const QString& name, int PrintOptions::*option)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    // The user types one character; a layout's own value may be longer.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".?")), edit));
    edit->setMaximumWidth(36);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, option] {
        const auto value = parseOptionNumber(edit->text());
        m_options.*option = value.value_or(1);
        if (!value && !edit->text().isEmpty()) {
            const QSignalBlocker quiet(edit);
            edit->clear();
        }
        saveOptions();
    });
    m_edits[name] = edit;
    return edit;
}

QPushButton* TMyReport::addButton(const QString& name, const QString& caption)
{
    auto* button = makeButton(caption, name, this);
    m_controls[name] = button;
    return button;
}

QWidget* TMyReport::buildOptions()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* parts = new QGroupBox(QStringLiteral("Print"), panel);
    auto* partsLayout = new QVBoxLayout(parts);
    addCheckBox(QStringLiteral("PartTitle"), QStringLiteral("Puzzle &Title"), &PrintOptions::PartTitle);
    addCheckBox(QStringLiteral("PartBody"), QStringLiteral("Puzzle &Body"), &PrintOptions::PartBody);
    addCheckBox(QStringLiteral("PartWords"), QStringLiteral("Puzzle &Words/Clues"), &PrintOptions::PartWords);
    addCheckBox(QStringLiteral("PartBonus"), QStringLiteral("Bonus &Question"), &PrintOptions::PartBonus);
    for (const char* name : {"PartTitle", "PartBody", "PartWords", "PartBonus"})
        partsLayout->addWidget(control(QString::fromLatin1(name)));

    auto* grid = new QGroupBox(QStringLiteral("Puzzle"), panel);
    auto* gridLayout = new QVBoxLayout(grid);
    addCheckBox(QStringLiteral("AnswerKey"), QStringLiteral("&Answer Key"), &PrintOptions::AnswerKey);
    addCheckBox(QStringLiteral("UseGrid"), QStringLiteral("Use &Grid"), &PrintOptions::UseGrid);
    addCheckBox(QStringLiteral("LowerCase"), QStringLiteral("L&ower Case Letters"), &PrintOptions::LowerCase);
    for (const char* name : {"AnswerKey", "UseGrid", "LowerCase"})
        gridLayout->addWidget(control(QString::fromLatin1(name)));

    auto* words = new QGroupBox(QStringLiteral("Word List"), panel);
    auto* wordsLayout = new QGridLayout(words);
    m_wordStyles = new QButtonGroup(this);
    int row = 0;
    for (const auto& style : kWordStyles) {
        auto* radio = new QRadioButton(QString::fromLatin1(style.caption), words);
        radio->setObjectName(QString::fromLatin1(style.name));
        m_wordStyles->addButton(radio, style.style);
        m_controls[radio->objectName()] = radio;
        wordsLayout->addWidget(radio, row++, 0);
    }
    connect(m_wordStyles, &QButtonGroup::idToggled, this, [this](int style, bool on) {
        if (on)
            wordStyleChosen(style);
    });
    addCheckBox(QStringLiteral("CluesUnder"), QStringLiteral("Use Underscores"), &PrintOptions::CluesUnder);
    addCheckBox(QStringLiteral("PartialUnder"), QStringLiteral("Use Underscores"), &PrintOptions::PartialUnder);
    wordsLayout->addWidget(control(QStringLiteral("CluesUnder")), 1, 1);
    wordsLayout->addWidget(control(QStringLiteral("PartialUnder")), 3, 1);
    auto* letters = new QHBoxLayout;
    letters->addWidget(new QLabel(QStringLiteral("First Letters"), words));
    letters->addWidget(addNumberEdit(QStringLiteral("FirstLets"), &PrintOptions::FirstLets));
    letters->addWidget(new QLabel(QStringLiteral("Last Letters"), words));
    letters->addWidget(addNumberEdit(QStringLiteral("LastLets"), &PrintOptions::LastLets));
    letters->addStretch();
    wordsLayout->addLayout(letters, 4, 0, 1, 2);
    auto* columns = new QHBoxLayout;
    columns->addWidget(new QLabel(QStringLiteral("Number of Columns"), words));
    columns->addWidget(addNumberEdit(QStringLiteral("NumColumns"), &PrintOptions::NumColumns));
    columns->addStretch();
    wordsLayout->addLayout(columns, 5, 0, 1, 2);

    column->addWidget(parts);
    column->addWidget(grid);
    column->addWidget(words);
    column->addStretch();
    return panel;
}

QWidget* TMyReport::buildPicture()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    m_image = new LayoutThumbnailView(QSize(ThumbnailWidth, ThumbnailHeight), panel);
    m_image->setObjectName(QStringLiteral("PageImage"));
    column->addWidget(m_image, 0, Qt::AlignHCenter);

    QPushButton* layoutButton = addButton(QStringLiteral("ChangePageLayout"), QStringLiteral("Change Page &Layout"));
    // Alt+F belongs to the File menu, so the fonts button answers to Alt+N.
    QPushButton* fonts = addButton(QStringLiteral("ChangeFonts"), QStringLiteral("Change Fo&nts"));
    QPushButton* bonus = addButton(QStringLiteral("ChangeBonus"), QStringLiteral("Change Bon&us Question"));
    QPushButton* view = addButton(QStringLiteral("ViewButton"), QStringLiteral("&View/Print"));
    QPushButton* exit = addButton(QStringLiteral("ExitButton"), QStringLiteral("E&xit"));
    view->setDefault(true);
    connect(layoutButton, &QPushButton::clicked, this, &TMyReport::ChangePageLayoutClick);
    connect(fonts, &QPushButton::clicked, this, &TMyReport::ChangeFontsClick);
    connect(bonus, &QPushButton::clicked, this, &TMyReport::ChangeBonusClick);
    connect(view, &QPushButton::clicked, this, [this] { DoIt(TReportForm::ToPreview); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {layoutButton, fonts, bonus})
        column->addWidget(button);
    column->addStretch();
    column->addWidget(view);
    column->addWidget(exit);
    return panel;
}

// ---------------------------------------------------------------- showing

void TMyReport::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMyReport::FormShow()
{
    const PrintOptions options = m_options;
    setBox(QStringLiteral("PartTitle"), options.PartTitle);
    setBox(QStringLiteral("PartBody"), options.PartBody);
    setBox(QStringLiteral("PartWords"), options.PartWords);
    setBox(QStringLiteral("PartBonus"), options.PartBonus);
    setBox(QStringLiteral("AnswerKey"), options.AnswerKey);
    setBox(QStringLiteral("UseGrid"), options.UseGrid);
    setBox(QStringLiteral("LowerCase"), options.LowerCase);
    // A style the form does not know (from a damaged settings file) shows as
    // normal words, which is what the page prints.
    m_wordStyles->button(options.wordStyle())->setChecked(true);
    setBox(QStringLiteral("CluesUnder"), options.CluesUnder);
    setBox(QStringLiteral("PartialUnder"), options.PartialUnder);
    setNumberText(QStringLiteral("FirstLets"), options.FirstLets);
    setNumberText(QStringLiteral("LastLets"), options.LastLets);
    enableDependents();
    InitPageLay();
    m_image->draw(m_copy->puzzle.PageLayout);
}

void TMyReport::setBox(const QString& name, bool checked)
{
    // The caller has set the option already.
    const QSignalBlocker quiet(control(name));
    control(name)->setChecked(checked);
}

void TMyReport::setNumberText(const QString& name, int value)
{
    edit(name)->setText(QString::number(value));
}

void TMyReport::InitPageLay()
{
    setNumberText(QStringLiteral("NumColumns"), 3);
    const PageLayoutRecord& layout = m_copy->puzzle.PageLayout;
    PrintOptions fromLayout = m_options;
    fromLayout.takeLayoutSettings(layout);
    m_options.LowerCase = fromLayout.LowerCase;
    m_options.UseGrid = fromLayout.UseGrid;
    setBox(QStringLiteral("LowerCase"), m_options.LowerCase);
    setBox(QStringLiteral("UseGrid"), m_options.UseGrid);
    setNumberText(QStringLiteral("NumColumns"), fromLayout.NumColumns);
    saveOptions();

    const QList<FontMenuEntry> entries = fontMenuEntries(layout);
    for (int n = 1; n <= kFontMenuEntries; ++n) {
        QAction* entry = fontEntry(n);
        const bool used = n <= entries.size();
        entry->setText(used ? QString(entries[n - 1].caption).replace(u'&', QStringLiteral("&&")) : QString());
        entry->setData(used ? entries[n - 1].object : 0);
        entry->setVisible(used);
    }
}

// ---------------------------------------------------------------- options

void TMyReport::wordStyleChosen(int style)
{
    m_options.WordStyle = style;
    saveOptions();
    enableDependents();
}

void TMyReport::enableDependents()
{
    const WordStyleControls enabled = controlsForWordStyle(m_options.WordStyle);
    control(QStringLiteral("CluesUnder"))->setEnabled(enabled.cluesUnder);
    control(QStringLiteral("PartialUnder"))->setEnabled(enabled.partialUnder);
    edit(QStringLiteral("FirstLets"))->setEnabled(enabled.firstLets);
    edit(QStringLiteral("LastLets"))->setEnabled(enabled.lastLets);
}

void TMyReport::saveOptions()
{
    m_options.toSettings(m_context.settings.reports);
}

// ---------------------------------------------------------------- commands

void TMyReport::ChangePageLayoutClick()
{
    if (!choosePageLayout(this, m_context, LayoutListMode::PrintOptions, m_copy->puzzle.PageLayout))
        return;
    m_image->draw(m_copy->puzzle.PageLayout);
    InitPageLay();
}

void TMyReport::ChangeFontsClick()
{
    QWidget* anchor = control(QStringLiteral("ChangePageLayout"));
    m_fontMenu->popup(anchor->mapToGlobal(QPoint(0, 0)));
}

void TMyReport::ChangeTheFont(int n)
{
    const int object = fontEntry(n)->data().toInt();
    if (object < 1 || object > m_copy->puzzle.PageLayout.objectCount())
        return;
    LayoutObject& target = m_copy->puzzle.PageLayout.object(object);
    if (const auto chosen = chooseObjectFont(this, objectFont(target)))
        setObjectFont(target, *chosen);
}

void TMyReport::ChangeBonusClick()
{
    TBonusQuestion dialog(m_copy->puzzle.BonusQuest.text(), this);
    if (showDialog(dialog, m_context) == QDialog::Accepted)
        setBonusQuestion(m_copy->puzzle, dialog.question());
}

void TMyReport::DoIt(int destination)
{
    if (m_options.NumColumns <= 0) {
        showError(kInvalidColumns);
        edit(QStringLiteral("NumColumns"))->setFocus();
        return;
    }
    PageRenderer renderer(*m_copy, m_options);
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    bool aborted;
    {
        TReportForm status(this);
        status.prepare(destination, renderer, destination == TReportForm::ToPrinter ? nullptr : &stream);
        showDialog(status, m_context);
        aborted = status.aborted();
    }
    // A run that failed is reported by the status window and leaves no page
    // to show.
    if (destination != TReportForm::ToPreview || aborted || ReportStream(stream.data()).pageCount() == 0)
        return;
    TMyPreview preview(m_context, this);
    preview.setStream(stream.data(), m_copy->puzzle.Title.text());
    preview.setPrintCopy(m_copy.get(), m_options);
    preview.exec();
}
