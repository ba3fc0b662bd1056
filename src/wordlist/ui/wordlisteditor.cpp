#include "wordlist/ui/wordlisteditor.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "pagelayout/ui/layoutthumbnailview.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "shapes/ui/shapelistbox.h"
#include "spelling/ui/spellingcommands.h"
#include "storage/collectionfile.h"
#include "storage/settings.h"
#include "storage/shaperecord.h"
#include "widgets/dialoghelper.h"
#include "wordlist/intchars.h"
#include "wordlist/ui/arrowicons.h"
#include "wordlist/ui/changephrasedialog.h"
#include "wordlist/ui/exportdialog.h"
#include "wordlist/ui/importdialog.h"
#include "wordlist/ui/intcharsdialog.h"
#include "wordlist/ui/limitedtextdelegate.h"
#include "wordlist/ui/rowpastefilter.h"
#include "wordlist/ui/wordgrid.h"
#include "wordlist/wordexchange.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kColCount = 0;
constexpr int kColUsed = 1;
constexpr int kColWord = 2;
constexpr int kColClue = 3;
constexpr int kRowHeight = 18;
constexpr std::array<int, 4> kColumnWidths = {24, 12, 100, 253};
// Grid rows the editor shows at every screen size, and the pictures of the
// shape and the page layout at scale 1.
constexpr int kVisibleRows = 11;
constexpr int kShapeThumbnail = 88;
constexpr QSize kLayoutThumbnail(96, 124);

QString cellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row - 1, column);
    return item ? item->text() : QString();
}

// Writes a cell only when its text changes, so the grid does not repaint
// and scroll for every one of its rows.
void setCellText(QTableWidget* grid, int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = grid->item(row - 1, column); item && item->text() != text)
        item->setText(text);
}

} // namespace

TWordList::TWordList(const QString& caption, QList<QByteArray> categories, WordListSession session, QWidget* parent)
    : QDialog(parent), m_session(std::move(session)), m_modify(!m_session.puzzle.newPuzzle),
      m_categories(std::move(categories))
{
    setObjectName(QStringLiteral("WordList"));
    setWindowTitle(caption);
    QFont compact(QStringLiteral("Arial"));
    compact.setPointSize(8);
    setFont(compact);
    buildControls();
}

TWordList::~TWordList() = default;

// ---------------------------------------------------------------- building

void TWordList::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Title"), this));
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setMaxLength(PuzzleRecord::TitleLength);
    top->addWidget(m_title, 3);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Category"), this));
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("Category"));
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->lineEdit()->setMaxLength(PuzzleRecord::CategoryLength);
    top->addWidget(m_category, 2);
    layout->addLayout(top);
    layout->addLayout(buildWordArea(), 1);
    layout->addLayout(buildLowerArea());

    // From the category the Tab key goes on into the grid.
    setTabOrder(m_title, m_category);
    setTabOrder(m_category, m_grid);

    // F1..F12 type the twelve international characters into the focused control.
    for (int k = 1; k <= 12; ++k) {
        auto* action = new QAction(QString::number(k), this);
        action->setObjectName(QStringLiteral("N%1").arg(k));
        action->setShortcut(QKeySequence(Qt::Key_F1 + (k - 1)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, k] { typeInternationalCharacter(k); });
        addAction(action);
    }
}

QLayout* TWordList::buildWordArea()
{
    auto* row = new QHBoxLayout;

    auto* gridColumn = new QVBoxLayout;
    auto* heading = new QHBoxLayout;
    m_wordClueLabel = new QLabel(this);
    m_wordClueLabel->setObjectName(QStringLiteral("WordClueLabel"));
    QFont bold = m_wordClueLabel->font();
    bold.setBold(true);
    m_wordClueLabel->setFont(bold);
    heading->addWidget(m_wordClueLabel);
    heading->addStretch();
    m_useClues = new QCheckBox(QStringLiteral("Use Clues"), this);
    m_useClues->setObjectName(QStringLiteral("UseClues"));
    heading->addWidget(m_useClues);
    gridColumn->addLayout(heading);

    m_grid = new WordGrid(WordEntries::Rows, 4, kVisibleRows, this);
    m_grid->setObjectName(QStringLiteral("WordsCluesGrid"));
    m_grid->verticalHeader()->hide();
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Cnt"), QStringLiteral("U"), QStringLiteral("Word"),
                                       QStringLiteral("Clue")});
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setItemDelegate(new LimitedTextDelegate({{kColWord, PuzzleRecord::WordLength},
                                                     {kColClue, PuzzleRecord::ClueLength}},
                                                    m_grid));
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    createCells();
    gridColumn->addWidget(m_grid, 1);
    row->addLayout(gridColumn);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    buttons->addSpacing(m_useClues->sizeHint().height());
    m_delete = makeButton(QStringLiteral("De&lete"), QStringLiteral("DeleteClue"), this);
    m_deleteAll = makeButton(QStringLiteral("Delete &All"), QStringLiteral("DeleteAllClue"), this);
    m_spell = makeButton(QStringLiteral("&Spell Check"), QStringLiteral("SpellClue"), this);
    m_thesaurus = makeButton(QStringLiteral("&Thesaurus"), QStringLiteral("Thes"), this);
    m_import = makeButton(QStringLiteral("&Import"), QStringLiteral("ImportClue"), this);
    m_export = makeButton(QStringLiteral("&Export"), QStringLiteral("ExportClue"), this);
    m_phrase = makeButton(QStringLiteral("P&hrase"), QStringLiteral("ChangePhrase"), this);
    m_intChars = makeButton(QStringLiteral("International\nCharacters"), QStringLiteral("IntCharButton"), this);
    for (QPushButton* b : {m_delete, m_deleteAll, m_spell, m_thesaurus, m_import, m_export, m_phrase, m_intChars})
        buttons->addWidget(b);
    buttons->addStretch();
    row->addLayout(buttons);
    row->addLayout(buildLayoutBox());

    // Spell Check and Thesaurus wait for showing, which enables them by the
    // language settings.
    for (QPushButton* b : {m_spell, m_thesaurus})
        b->setEnabled(false);

    connect(m_delete, &QPushButton::clicked, this, &TWordList::DeleteClueClick);
    connect(m_deleteAll, &QPushButton::clicked, this, &TWordList::DeleteAllClueClick);
    connect(m_useClues, &QCheckBox::clicked, this, &TWordList::UseCluesClick);
    connect(m_intChars, &QPushButton::clicked, this, &TWordList::IntCharButtonClick);
    connect(m_phrase, &QPushButton::clicked, this, &TWordList::ChangePhraseClick);
    connect(m_spell, &QPushButton::clicked, this, &TWordList::SpellClueClick);
    connect(m_thesaurus, &QPushButton::clicked, this, &TWordList::ThesClick);
    connect(m_import, &QPushButton::clicked, this, &TWordList::ImportClueClick);
    connect(m_export, &QPushButton::clicked, this, &TWordList::ExportClueClick);
    // Words are locked in modify mode; a paste there stays in the cell.
    if (!m_modify)
        new RowPasteFilter(m_grid, [this] { pasteRows(); });
    return row;
}

void TWordList::createCells()
{
    const QSignalBlocker blocker(m_grid);
    const auto cell = [this](int row, int column, bool editable) {
        auto* item = new QTableWidgetItem;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editable)
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        m_grid->setItem(row - 1, column, item);
        return item;
    };
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        for (int column : {kColCount, kColUsed}) {
            QTableWidgetItem* item = cell(k, column, false);
            item->setBackground(QApplication::palette().button());
            item->setTextAlignment(Qt::AlignCenter);
        }
        m_grid->item(k - 1, kColCount)->setText(QString::number(k));
        cell(k, kColWord, !m_modify);
        cell(k, kColClue, true);
    }
}

// Under the grid: the shape list on the left; on the right the directions
// and generation options, the bonus question and the commands.
QLayout* TWordList::buildLowerArea()
{
    auto* row = new QHBoxLayout;
    m_shapes = new ShapeListBox(m_modify ? ShapeListMode::EditorModify : ShapeListMode::EditorNew,
                                {m_session.shape, settings().create.lastShape, &record()}, m_session.context,
                                m_session.context.scaled(kShapeThumbnail), this);
    row->addWidget(m_shapes, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(buildDirections());
    settingsRow->addWidget(buildOptions(), 1);
    right->addLayout(settingsRow, 1);

    auto* bonusRow = new QHBoxLayout;
    bonusRow->addWidget(new QLabel(QStringLiteral("Bonus Question"), this));
    m_bonus = new QLineEdit(this);
    m_bonus->setObjectName(QStringLiteral("BonusQuest"));
    m_bonus->setMaxLength(120);
    bonusRow->addWidget(m_bonus, 1);
    right->addLayout(bonusRow);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    m_create = makeButton(QStringLiteral("&Create"), QStringLiteral("CreateIt"), this);
    QFont bold = m_create->font();
    bold.setBold(true);
    m_create->setFont(bold);
    m_save = makeButton(QStringLiteral("Sa&ve"), QStringLiteral("SaveButton"), this);
    m_exit = makeButton(QStringLiteral("E&xit"), QStringLiteral("Cancel"), this);
    commands->addWidget(m_create);
    commands->addWidget(m_save);
    commands->addWidget(m_exit);
    right->addLayout(commands);
    row->addLayout(right);

    connect(m_create, &QPushButton::clicked, this, &TWordList::CreateItClick);
    connect(m_save, &QPushButton::clicked, this, &TWordList::SaveButtonClick);
    connect(m_exit, &QPushButton::clicked, this, &TWordList::CancelClick);
    return row;
}

QWidget* TWordList::buildDirections()
{
    static const char* names[] = {"", "Up", "UpRight", "Right", "DownRight", "Down", "DownLeft", "Left", "UpLeft"};
    // Compass positions (row, column) of the eight directions around the centre.
    static const int cells[9][2] = {{0, 0}, {0, 2}, {0, 4}, {2, 4}, {4, 4}, {4, 2}, {4, 0}, {2, 0}, {0, 0}};
    auto* box = new QGroupBox(QStringLiteral("Word Directions"), this);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(2);
    for (int d = 1; d <= 8; ++d) {
        m_checks[d] = new QCheckBox(box);
        m_checks[d]->setObjectName(QStringLiteral("Check%1").arg(QLatin1String(names[d])));
        m_speeds[d] = new QToolButton(box);
        m_speeds[d]->setObjectName(QStringLiteral("Speed%1").arg(QLatin1String(names[d])));
        m_speeds[d]->setIcon(arrowIcon(d));
        m_speeds[d]->setIconSize(QSize(16, 16));
        m_speeds[d]->setAutoRaise(true);
        const int row = cells[d][0];
        const int column = cells[d][1];
        grid->addWidget(m_speeds[d], row, column, Qt::AlignCenter);
        grid->addWidget(m_checks[d], row, column + 1, Qt::AlignCenter);
        connect(m_checks[d], &QCheckBox::clicked, this, [this, d](bool on) { setDirection(d, on); });
        connect(m_speeds[d], &QToolButton::clicked, this,
                [this, d] { setDirection(d, !settings().create.direction(d)); });
    }
    auto* centre = new QLabel(QStringLiteral("\u25CF"), box);
    centre->setAlignment(Qt::AlignCenter);
    grid->addWidget(centre, 2, 2, Qt::AlignCenter);
    return box;
}

QWidget* TWordList::buildOptions()
{
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("Word Integration"), box));
    m_track = new QSlider(Qt::Horizontal, box);
    m_track->setObjectName(QStringLiteral("MyTrack"));
    m_track->setRange(0, 6);
    m_track->setTickInterval(1);
    m_track->setTickPosition(QSlider::TicksBelow);
    m_track->setPageStep(1);
    layout->addWidget(m_track);
    // The label sits above its box, which keeps the row of boxes under the
    // grid narrow enough for the smallest screen.
    layout->addWidget(new QLabel(QStringLiteral("Creation Attempts"), box));
    m_attempts = new QLineEdit(box);
    m_attempts->setObjectName(QStringLiteral("Attempts"));
    m_attempts->setMaxLength(3);
    m_attempts->setMaximumWidth(48);
    layout->addWidget(m_attempts);
    m_shrink = new QCheckBox(QStringLiteral("Shrin&k"), box);
    m_shrink->setObjectName(QStringLiteral("AutoShrink"));
    layout->addWidget(m_shrink);
    layout->addStretch();
    connect(m_track, &QSlider::valueChanged, this, [this](int value) { settings().create.integration = value; });
    connect(m_shrink, &QCheckBox::clicked, this, [this](bool on) { settings().create.shrink = on; });
    return box;
}

QLayout* TWordList::buildLayoutBox()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    auto* heading = new QLabel(QStringLiteral("Page Layout"), this);
    heading->setAlignment(Qt::AlignHCenter);
    column->addWidget(heading);
    const QSize thumbnail(m_session.context.scaled(kLayoutThumbnail.width()),
                          m_session.context.scaled(kLayoutThumbnail.height()));
    m_layoutImage = new LayoutThumbnailView(thumbnail, this);
    m_layoutImage->setObjectName(QStringLiteral("Img"));
    column->addWidget(m_layoutImage, 0, Qt::AlignHCenter);
    m_changeLayout = makeButton(QStringLiteral("Change La&yout"), QStringLiteral("ChangeLayout"), this);
    column->addWidget(m_changeLayout);
    column->addStretch();
    connect(m_changeLayout, &QPushButton::clicked, this, &TWordList::ChangeLayoutClick);
    return column;
}

// ---------------------------------------------------------------- showing

void TWordList::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TWordList::FormShow()
{
    // Everything that changes the editor's size comes first, so that it is
    // centred at its final size.
    m_useClues->setChecked(settings().create.useClues);
    AdjustWordClues();

    m_shapes->load();

    m_category->clear();
    for (const QByteArray& category : m_categories)
        m_category->addItem(ansiToUnicode(category));
    m_bonus->setText(record().BonusQuest.text());
    m_title->setText(record().Title.text());
    m_category->setEditText(record().Category.text());

    m_attempts->setText(QString::number(settings().create.attempts));
    m_shrink->setChecked(settings().create.shrink);
    for (int d = 1; d <= 8; ++d)
        m_checks[d]->setChecked(settings().create.direction(d));
    m_track->setValue(std::clamp(settings().create.integration, 0, 6));

    drawLayoutThumbnail();

    if (m_modify) {
        lockForModify();
        m_compare = std::make_unique<PuzzleRecord>(record());
    } else {
        m_phrase->hide();
        m_save->hide();
    }
    enableLanguageButtons();
    placeOnScreen();
    m_title->setFocus();
}

void TWordList::placeOnScreen()
{
    prepareDialog(*this, m_session.context);
    const int top = y() < 16 ? 0 : y() - 15;
    move(x(), top);
}

void TWordList::lockForModify()
{
    for (int d = 1; d <= 8; ++d) {
        m_checks[d]->setEnabled(false);
        m_speeds[d]->setEnabled(false);
    }
    m_shapes->setControlsEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{m_track, m_create, m_shrink, m_attempts, m_import, m_delete,
                                                      m_deleteAll})
        w->setEnabled(false);
}

void TWordList::AdjustWordClues()
{
    const bool clues = m_useClues->isChecked();
    m_wordClueLabel->setText(clues ? QStringLiteral("Words and Clues") : QStringLiteral("Words"));
    m_grid->setColumnHidden(kColClue, !clues);
    int width = 0;
    for (int column = 0; column < 4; ++column) {
        m_grid->setColumnWidth(column, m_session.context.scaled(kColumnWidths[column]));
        if (column != kColClue || clues)
            width += m_session.context.scaled(kColumnWidths[column]);
    }
    m_grid->setFixedWidth(width + m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_grid->frameWidth() + 4);
    m_grid->verticalHeader()->setDefaultSectionSize(m_session.context.scaled(kRowHeight));
    WordEntries rows;
    rows.loadFrom(record());
    setEntries(rows);
}

// ---------------------------------------------------------------- values

WordEntries TWordList::entries()
{
    m_grid->finishEdit();
    WordEntries result;
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        result.setWord(k, unicodeToAnsi(cellText(m_grid, k, kColWord)));
        result.setClue(k, unicodeToAnsi(cellText(m_grid, k, kColClue)));
        result.setPlaced(k, cellText(m_grid, k, kColUsed) == QLatin1String("x"));
    }
    return result;
}

void TWordList::setEntries(const WordEntries& rows)
{
    m_grid->finishEdit();
    const QSignalBlocker blocker(m_grid);
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        setCellText(m_grid, k, kColUsed, rows.row(k).placed ? QStringLiteral("x") : QString());
        setCellText(m_grid, k, kColWord, ansiToUnicode(rows.row(k).word));
        setCellText(m_grid, k, kColClue, ansiToUnicode(rows.row(k).clue));
    }
    m_grid->viewport()->update();
}

void TWordList::SetValues()
{
    ::SetValues(record(), entries(), unicodeToAnsi(m_title->text()), unicodeToAnsi(m_category->currentText()),
                unicodeToAnsi(m_bonus->text()));
}

bool TWordList::PuzzleChanged()
{
    SetValues();
    return m_compare && puzzleChanged(record(), *m_compare);
}

bool TWordList::SaveIt()
{
    qint64 written = -1;
    const bool ok = runReportingIoErrors(
        [&] { written = writePuzzle(settings().misc.lastGroup, record(), m_session.puzzle.recordIndex); });
    if (ok && written < 0)
        showError(QStringLiteral("Unable to save puzzle."));
    m_saved = ok && written >= 0;
    return m_saved;
}

void TWordList::saveAndClose()
{
    if (SaveIt())
        QDialog::accept();
}

void TWordList::showProblem(const InputProblem& problem)
{
    showError(problem.message);
    switch (problem.focus) {
    case InputProblem::Focus::Title:
        m_title->setFocus();
        break;
    case InputProblem::Focus::Category:
        m_category->setFocus();
        break;
    case InputProblem::Focus::Words:
        m_grid->setFocus();
        break;
    case InputProblem::Focus::Attempts:
        m_attempts->setFocus();
        break;
    case InputProblem::Focus::WordCell:
        m_grid->setCurrentCell(problem.row - 1, kColWord);
        m_grid->setFocus();
        break;
    }
}

// ---------------------------------------------------------------- commands

void TWordList::CreateItClick()
{
    int attempts = 0;
    const WordEntries rows = entries();
    if (auto problem = checkCreateInputs(unicodeToAnsi(m_title->text()), unicodeToAnsi(m_category->currentText()),
                                         rows, m_attempts->text(), attempts)) {
        showProblem(*problem);
        return;
    }
    settings().create.attempts = attempts;
    record().GridCols = static_cast<std::int16_t>(m_session.shape.width());
    record().GridRows = static_cast<std::int16_t>(m_session.shape.height());
    SetValues();
    if (auto problem = checkWordLengths(record(), rows)) {
        showProblem(*problem);
        return;
    }
    if (m_session.createPuzzles && m_session.createPuzzles(this)) {
        m_saved = true;
        accept();
    }
}

void TWordList::SaveButtonClick()
{
    if (auto problem = checkTitleAndCategory(unicodeToAnsi(m_title->text()), unicodeToAnsi(m_category->currentText()))) {
        showProblem(*problem);
        return;
    }
    SetValues();
    saveAndClose();
}

void TWordList::CancelClick()
{
    if (m_modify && PuzzleChanged()) {
        switch (askYesNoCancel(QStringLiteral("Warning"), QStringLiteral("Puzzle has been modified.  Save changes?"))) {
        case MessageAnswer::Cancel:
            return;
        case MessageAnswer::Yes:
            saveAndClose();
            return;
        default:
            break;
        }
    }
    QDialog::reject();
}

void TWordList::reject() { CancelClick(); }

void TWordList::DeleteClueClick()
{
    const int row = m_grid->currentRow() + 1;
    if (row < 1)
        return;
    WordEntries rows = entries();
    rows.deleteRow(row);
    setEntries(rows);
    m_grid->setFocus();
}

void TWordList::DeleteAllClueClick()
{
    WordEntries rows = entries();
    if (rows.GetWordCount() == 0) {
        showError(QStringLiteral("All words are already cleared."));
        return;
    }
    if (!askYesNo(QStringLiteral("Warning"), QStringLiteral("This will remove all words and clues.  Continue?")))
        return;
    rows.clearAll();
    setEntries(rows);
}

void TWordList::UseCluesClick()
{
    const bool on = m_useClues->isChecked();
    settings().create.useClues = on;
    const WordEntries rows = entries();
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        record().word(k).assign(rows.row(k).word);
        if (!on)
            record().clue(k).assign(rows.row(k).clue);
    }
    enableLanguageButtons();
    AdjustWordClues();
}

void TWordList::setDirection(int direction, bool on)
{
    settings().create.directions[direction] = on;
    m_checks[direction]->setChecked(on);
}

void TWordList::drawLayoutThumbnail() { m_layoutImage->draw(record().PageLayout); }

void TWordList::ChangeLayoutClick()
{
    if (choosePageLayout(this, m_session.context, LayoutListMode::WordListEditor, record().PageLayout))
        drawLayoutThumbnail();
}

void TWordList::ChangePhraseClick() { changeHiddenPhrase(this, m_session.context, record()); }

void TWordList::ImportClueClick()
{
    WordEntries rows = entries();
    TImport dialog(settings(), rows, this);
    if (showDialog(dialog, m_session.context) == QDialog::Accepted)
        setEntries(rows);
}

void TWordList::ExportClueClick()
{
    const WordEntries rows = entries();
    TMyExport dialog(settings(), rows, this);
    showDialog(dialog, m_session.context);
}

void TWordList::pasteRows()
{
    if (m_modify)
        return;
    const QList<WordAndClue> pasted =
        pastedEntries(QApplication::clipboard()->text(), settings().create.sepChar);
    const int startRow = std::max(1, m_grid->currentRow() + 1);
    WordEntries rows = entries();
    const QList<int> targets = pasteTargetRows(rows, startRow, static_cast<int>(pasted.size()));
    const int excess = static_cast<int>(pasted.size() - targets.size());
    if (excess > 0 && !askYesNo(QStringLiteral("Warning"), tooManyWordsQuestion(excess)))
        return;
    fillRows(rows, targets, pasted);
    setEntries(rows);
}

void TWordList::IntCharButtonClick() { showIntCharsDialog(this, m_session.context); }

void TWordList::typeInternationalCharacter(int k)
{
    if (k < 1 || k > 12)
        return;
    const auto ch = intKeyCharacter(settings().create.intKeys[k - 1]);
    if (!ch)
        return;
    QWidget* focus = focusWidget();
    if (focus == m_grid) {
        const QModelIndex index = m_grid->currentIndex();
        if (!index.isValid() || !(m_grid->model()->flags(index) & Qt::ItemIsEditable))
            return;
        m_grid->edit(index);
        focus = focusWidget();
    }
    // An editable combo box keeps the focus itself and types into its line edit.
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        focus = combo->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->insert(QString(*ch));
}

// ---------------------------------------------------------------- spelling and thesaurus

// Spell Check works on the words of a new puzzle and on the clues, so it is
// off in modify mode while the clues are hidden; a synonym becomes a clue,
// so Thesaurus needs the clue column.
void TWordList::enableLanguageButtons()
{
    const bool clues = m_useClues->isChecked();
    m_spell->setEnabled((clues || !m_modify) && m_session.languageTools.spellingAvailable(settings().misc.dictionary));
    m_thesaurus->setEnabled(clues && m_session.languageTools.thesaurusAvailable(settings().misc.thesaurus));
}

void TWordList::SpellClueClick()
{
    WordEntries checked = entries();
    // Each replacement shows in the grid before the next word is asked about.
    spellCheckRows(this, checked, !m_modify, m_session.context, m_session.languageTools,
                   [&] { setEntries(checked); });
}

void TWordList::ThesClick()
{
    const int row = m_grid->currentRow() + 1;
    if (row < 1)
        return;
    WordEntries rows = entries();
    const QString word = ansiToUnicode(Trim(rows.row(row).word));
    if (const auto synonym = lookUpSynonym(this, word, m_session.context, m_session.languageTools)) {
        rows.setClue(row, unicodeToAnsi(*synonym));
        setEntries(rows);
    }
}

bool showWordListEditor(QWidget* parent, const WordListSession& session, const QString& caption,
                        const QList<QByteArray>& categories)
{
    TWordList editor(caption, categories, session, parent);
    editor.exec();
    return editor.saved();
}
