#include "wordlist/ui/wordlisteditor.h"

#include "app/ansi.h"
#include "app/globals.h"
#include "app/latin1.h"
#include "app/messageservice.h"
#include "app/paths.h"
#include "app/ui/dialoghelper.h"
#include "generate/ui/generationrun.h"
#include "pagelayout/ui/layoutthumbnailview.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "shapes/ui/shapelistbox.h"
#include "storage/collectionfile.h"
#include "wordlist/intchars.h"
#include "wordlist/ui/arrowicons.h"
#include "wordlist/ui/changephrasedialog.h"
#include "wordlist/ui/intcharsdialog.h"
#include "wordlist/ui/limitedtextdelegate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

Settings& settings() { return globals().settings; }
PuzzleRecord& record() { return *globals().currentPuzzle; }

QString cellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row - 1, column);
    return item ? item->text() : QString();
}

void setCell(QTableWidget* grid, int row, int column, const QString& text, bool editable)
{
    QTableWidgetItem* item = grid->item(row - 1, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row - 1, column, item);
    }
    item->setText(text);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable)
        flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    if (column == kColCount || column == kColUsed) {
        item->setBackground(QApplication::palette().button());
        item->setTextAlignment(Qt::AlignCenter);
    }
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

int scaled(int value) { return static_cast<int>(std::lround(value * globals().screenScale)); }

} // namespace

TWordList::TWordList(const QString& caption, QList<QByteArray> categories, QWidget* parent)
    : QDialog(parent), m_modify(!globals().newPuzzle), m_categories(std::move(categories))
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

    layout->addWidget(buildWordArea(), 1);

    auto* middle = new QHBoxLayout;
    m_shapes = new ShapeListBox(m_modify ? ShapeListMode::EditorModify : ShapeListMode::EditorNew, 148, this);
    auto* shapeFrame = new QGroupBox(this);
    auto* shapeLayout = new QVBoxLayout(shapeFrame);
    shapeLayout->setContentsMargins(4, 4, 4, 4);
    shapeLayout->addWidget(m_shapes);
    middle->addWidget(shapeFrame, 1);
    middle->addWidget(buildDirections());
    middle->addWidget(buildOptions());
    layout->addLayout(middle);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Bonus Question"), this));
    m_bonus = new QLineEdit(this);
    m_bonus->setObjectName(QStringLiteral("BonusQuest"));
    m_bonus->setMaxLength(120);
    bottom->addWidget(m_bonus, 1);
    m_create = makeButton(QStringLiteral("&Create"), QStringLiteral("CreateIt"), this);
    QFont bold = m_create->font();
    bold.setBold(true);
    m_create->setFont(bold);
    m_save = makeButton(QStringLiteral("Sa&ve"), QStringLiteral("SaveButton"), this);
    m_exit = makeButton(QStringLiteral("E&xit"), QStringLiteral("Cancel"), this);
    bottom->addWidget(m_create);
    bottom->addWidget(m_save);
    bottom->addWidget(m_exit);
    layout->addLayout(bottom);

    connect(m_create, &QPushButton::clicked, this, &TWordList::CreateItClick);
    connect(m_save, &QPushButton::clicked, this, &TWordList::SaveButtonClick);
    connect(m_exit, &QPushButton::clicked, this, &TWordList::CancelClick);

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

QWidget* TWordList::buildWordArea()
{
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();

    auto* gridColumn = new QVBoxLayout;
    auto* heading = new QHBoxLayout;
    m_wordClueLabel = new QLabel(area);
    m_wordClueLabel->setObjectName(QStringLiteral("WordClueLabel"));
    QFont bold = m_wordClueLabel->font();
    bold.setBold(true);
    m_wordClueLabel->setFont(bold);
    heading->addWidget(m_wordClueLabel);
    heading->addStretch();
    m_useClues = new QCheckBox(QStringLiteral("Use Clues"), area);
    m_useClues->setObjectName(QStringLiteral("UseClues"));
    heading->addWidget(m_useClues);
    gridColumn->addLayout(heading);

    m_grid = new QTableWidget(WordEntries::Rows, 4, area);
    m_grid->setObjectName(QStringLiteral("WordsCluesGrid"));
    m_grid->verticalHeader()->hide();
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Cnt"), QStringLiteral("U"), QStringLiteral("Word"),
                                       QStringLiteral("Clue")});
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(true);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setItemDelegate(new LimitedTextDelegate({{kColWord, PuzzleRecord::WordLength},
                                                     {kColClue, PuzzleRecord::ClueLength}},
                                                    m_grid));
    m_grid->setMinimumHeight(160);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridColumn->addWidget(m_grid, 1);
    row->addLayout(gridColumn);

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(20);
    m_delete = makeButton(QStringLiteral("De&lete"), QStringLiteral("DeleteClue"), area);
    m_deleteAll = makeButton(QStringLiteral("Delete &All"), QStringLiteral("DeleteAllClue"), area);
    m_spell = makeButton(QStringLiteral("&Spell Check"), QStringLiteral("SpellClue"), area);
    m_thesaurus = makeButton(QStringLiteral("&Thesaurus"), QStringLiteral("Thes"), area);
    m_import = makeButton(QStringLiteral("&Import"), QStringLiteral("ImportClue"), area);
    m_export = makeButton(QStringLiteral("&Export"), QStringLiteral("ExportClue"), area);
    m_phrase = makeButton(QStringLiteral("P&hrase"), QStringLiteral("ChangePhrase"), area);
    m_intChars = makeButton(QStringLiteral("International\nCharacters"), QStringLiteral("IntCharButton"), area);
    for (QPushButton* b : {m_delete, m_deleteAll, m_spell, m_thesaurus, m_import, m_export, m_phrase})
        buttons->addWidget(b);
    buttons->addSpacing(8);
    buttons->addWidget(m_intChars);
    buttons->addStretch();
    row->addLayout(buttons);
    row->addWidget(buildLayoutBox());
    row->addStretch();

    // Spell checking, thesaurus and the text exchange of words arrive with
    // their own windows; until then their buttons stay disabled.
    for (QPushButton* b : {m_spell, m_thesaurus, m_import, m_export})
        b->setEnabled(false);

    connect(m_delete, &QPushButton::clicked, this, &TWordList::DeleteClueClick);
    connect(m_deleteAll, &QPushButton::clicked, this, &TWordList::DeleteAllClueClick);
    connect(m_useClues, &QCheckBox::clicked, this, &TWordList::UseCluesClick);
    connect(m_intChars, &QPushButton::clicked, this, &TWordList::IntCharButtonClick);
    connect(m_phrase, &QPushButton::clicked, this, &TWordList::ChangePhraseClick);
    return area;
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
        m_speeds[d]->setIconSize(QSize(20, 20));
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
    auto* attemptsRow = new QHBoxLayout;
    attemptsRow->addWidget(new QLabel(QStringLiteral("Creation Attempts"), box));
    m_attempts = new QLineEdit(box);
    m_attempts->setObjectName(QStringLiteral("Attempts"));
    m_attempts->setMaxLength(3);
    m_attempts->setMaximumWidth(48);
    attemptsRow->addWidget(m_attempts);
    layout->addLayout(attemptsRow);
    m_shrink = new QCheckBox(QStringLiteral("Shrin&k"), box);
    m_shrink->setObjectName(QStringLiteral("AutoShrink"));
    layout->addWidget(m_shrink);
    layout->addStretch();
    connect(m_track, &QSlider::valueChanged, this, [](int value) { settings().create.integration = value; });
    connect(m_shrink, &QCheckBox::clicked, this, [](bool on) { settings().create.shrink = on; });
    return box;
}

QWidget* TWordList::buildLayoutBox()
{
    auto* box = new QGroupBox(QStringLiteral("Page Layout"), this);
    auto* layout = new QVBoxLayout(box);
    m_layoutImage = new LayoutThumbnailView(QSize(96, 124), box);
    m_layoutImage->setObjectName(QStringLiteral("Img"));
    layout->addWidget(m_layoutImage, 0, Qt::AlignHCenter);
    m_changeLayout = makeButton(QStringLiteral("Change La&yout"), QStringLiteral("ChangeLayout"), box);
    layout->addWidget(m_changeLayout);
    connect(m_changeLayout, &QPushButton::clicked, this, &TWordList::ChangeLayoutClick);
    return box;
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
    prepareDialog(*this);
    const int top = y() < 16 ? 0 : y() - 15;
    move(x(), top);

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
    m_title->setFocus();

    if (m_modify) {
        lockForModify();
        m_compare = std::make_unique<PuzzleRecord>(record());
    } else {
        m_phrase->hide();
        m_save->hide();
    }
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
        m_grid->setColumnWidth(column, scaled(kColumnWidths[column]));
        if (column != kColClue || clues)
            width += scaled(kColumnWidths[column]);
    }
    m_grid->setFixedWidth(width + m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_grid->frameWidth() + 4);
    m_grid->verticalHeader()->setDefaultSectionSize(scaled(kRowHeight));
    fillGridFromRecord();
}

void TWordList::fillGridFromRecord()
{
    const QSignalBlocker blocker(m_grid);
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        setCell(m_grid, k, kColCount, QString::number(k), false);
        setCell(m_grid, k, kColUsed, record().wordPlaced(k) ? QStringLiteral("x") : QString(), false);
        setCell(m_grid, k, kColWord, record().word(k).text(), !m_modify);
        setCell(m_grid, k, kColClue, record().clue(k).text(), true);
    }
}

// ---------------------------------------------------------------- values

WordEntries TWordList::entries() const
{
    WordEntries result;
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        result.setWord(k, unicodeToAnsi(cellText(m_grid, k, kColWord)));
        result.setClue(k, unicodeToAnsi(cellText(m_grid, k, kColClue)));
    }
    return result;
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
        [&] { written = writePuzzle(settings().misc.lastGroup, record(), globals().recordIndex); });
    if (ok && written < 0)
        showError(QStringLiteral("Unable to save puzzle."));
    m_saved = ok && written >= 0;
    return m_saved;
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
    record().GridCols = static_cast<std::int16_t>(globals().currentShape.width());
    record().GridRows = static_cast<std::int16_t>(globals().currentShape.height());
    SetValues();
    if (auto problem = checkWordLengths(record(), rows)) {
        showProblem(*problem);
        return;
    }
    if (runGenerationAndReview(this)) {
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
    SaveIt();
    accept();
}

void TWordList::CancelClick()
{
    if (m_modify && PuzzleChanged()) {
        switch (askYesNoCancel(QStringLiteral("Warning"), QStringLiteral("Puzzle has been modified.  Save changes?"))) {
        case MessageAnswer::Cancel:
            return;
        case MessageAnswer::Yes:
            SaveIt();
            break;
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
    const QSignalBlocker blocker(m_grid);
    for (int k = row; k < WordEntries::Rows; ++k) {
        for (int column : {kColUsed, kColWord, kColClue})
            m_grid->item(k - 1, column)->setText(cellText(m_grid, k + 1, column));
    }
    for (int column : {kColUsed, kColWord, kColClue})
        m_grid->item(WordEntries::Rows - 1, column)->setText(QString());
    m_grid->setFocus();
}

void TWordList::DeleteAllClueClick()
{
    if (GetWordCount() == 0) {
        showError(QStringLiteral("All words are already cleared."));
        return;
    }
    if (!askYesNo(QStringLiteral("Warning"), QStringLiteral("This will remove all words and clues.  Continue?")))
        return;
    const QSignalBlocker blocker(m_grid);
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        m_grid->item(k - 1, kColWord)->setText(QString());
        m_grid->item(k - 1, kColClue)->setText(QString());
    }
}

void TWordList::UseCluesClick()
{
    const bool on = m_useClues->isChecked();
    settings().create.useClues = on;
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        record().word(k).assign(unicodeToAnsi(cellText(m_grid, k, kColWord)));
        if (!on)
            record().clue(k).assign(unicodeToAnsi(cellText(m_grid, k, kColClue)));
    }
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
    if (choosePageLayout(this, LayoutListMode::WordListEditor, record().PageLayout, settings(), globals().screenScale))
        drawLayoutThumbnail();
}

void TWordList::ChangePhraseClick() { changeHiddenPhrase(this, record()); }

void TWordList::IntCharButtonClick() { showIntCharsDialog(this); }

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
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->insert(QString(*ch));
}

bool showWordListEditor(QWidget* parent, const QString& caption, const QList<QByteArray>& categories)
{
    TWordList editor(caption, categories, parent);
    editor.exec();
    return editor.saved();
}
