#include "app/mainwindow.h"

#include "app/mainclientarea.h"
#include "app/puzzletransfercommands.h"
#include "base/ansi.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "base/random.h"
#include "info/ui/infodialogs.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "pagelayout/ui/screencursors.h"
#include "render/printoptions.h"
#include "render/ui/bookletdialog.h"
#include "render/ui/jpegfactordialog.h"
#include "render/ui/myreport.h"
#include "report/ui/printersetup.h"
#include "shapes/ui/shapesdialog.h"
#include "spelling/languages.h"
#include "spelling/ui/spellingcommands.h"
#include "storage/collectionfile.h"
#include "storage/configuration.h"
#include "storage/earlierdata.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/help.h"
#include "wordlist/ui/intcharsdialog.h"
#include "wordlist/ui/wordlisteditor.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

const QString kNoPuzzleSelected = QStringLiteral("No puzzle selected.  Please select a puzzle first.");
const QString kCollectionFilter = QStringLiteral("QMAZE Files (*.QZ3)|*.QZ3");
const QString kNotACollection = QStringLiteral("The file selected is not a valid Quillmaze file.");

bool hasCollectionExtension(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("QZ3"), Qt::CaseInsensitive) == 0;
}

bool isReadableFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

constexpr std::array<int, 4> kPresets = {640, 800, 1024, 1280};
constexpr std::array<int, 4> kPresetHeights = {480, 600, 768, 1024};

QString presetUnsupportedMessage(int preset, int height)
{
    return QStringLiteral("Your current screen resolution does not support %1 x %2 pixels.").arg(preset).arg(height);
}

// The preset that a configured value gives on a screen of the given size.
int fittingPreset(int configured, const QSize& screen)
{
    for (std::size_t i = 1; i < kPresets.size(); ++i) {
        if (configured == kPresets[i])
            return (screen.width() >= kPresets[i] && screen.height() >= kPresetHeights[i]) ? configured : 640;
    }
    return 640;
}

QListWidget* makeListBox(QWidget* parent, const QString& name)
{
    auto* box = new QListWidget(parent);
    box->setObjectName(name);
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    return box;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void fillList(QListWidget* box, const QList<CollectionBrowser::Item>& items, int selectedRow)
{
    const QSignalBlocker blocker(box);
    box->clear();
    for (const auto& item : items) {
        auto* entry = new QListWidgetItem(ansiToUnicode(item.text), box);
        entry->setData(Qt::UserRole, QVariant::fromValue<qint64>(item.tag));
    }
    box->setCurrentRow(selectedRow);
    if (selectedRow < 0)
        box->clearSelection();
}

// Adds checkable language entries in the given order (names and actions are
// indexed by language) and hands the language chosen to choose.
void addLanguageEntries(QMenu* menu, const QString& objectPrefix, const QStringList& names, const QList<int>& order,
                        QAction** actions, const std::function<void(int)>& choose)
{
    for (int language : order) {
        QAction* a = menu->addAction(names[language]);
        a->setObjectName(objectPrefix + QString::number(language));
        a->setCheckable(true);
        actions[language] = a;
        QObject::connect(a, &QAction::triggered, menu, [choose, language] { choose(language); });
    }
}

QSize& assumedScreenSize()
{
    static QSize size;
    return size;
}

} // namespace

void TMainWin::setAssumedScreenSize(const QSize& size) { assumedScreenSize() = size; }

static void initIconResources() { Q_INIT_RESOURCE(icons); }

TMainWin::TMainWin(QWidget* parent) : QMainWindow(parent)
{
    initIconResources();
    setObjectName(QStringLiteral("MainWin"));
    FormCreate();
}

TMainWin::~TMainWin() = default;

QString TMainWin::collectionPath() const { return settings().misc.lastGroup; }

QAction* TMainWin::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

// ---------------------------------------------------------------- start-up

void TMainWin::FormCreate()
{
    // Seeded before the first activation, so that the tip of the day (and
    // anything else drawn before the first generation) differs between starts.
    Randomize();
    buildClientArea();
    buildMenus();

    settings() = loadSettingsFile(startFile(QString::fromLatin1(kConfigFile)), startDirectory());
    resolveLanguages();
    m_backgroundAction->setChecked(settings().misc.backgroundBitmap);
    m_client->setTiled(settings().misc.backgroundBitmap);

    buildRecentFilesMenu();
    LoadInPuzzles();
    if (m_puzzleBox->count() > 0) {
        m_puzzleBox->setCurrentRow(0);
        m_browser.selectPuzzleRow(0);
    }

    m_screenSize = assumedScreenSize();
    if (m_screenSize.isEmpty()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            m_screenSize = screen->size();
    }
    applyScreenPreset(fittingPreset(settings().misc.windowSize, m_screenSize));
    m_colours16m->setChecked(settings().reports.pixelFormat == 1);
    m_colours256->setChecked(settings().reports.pixelFormat == 2);

    m_layout.save(m_client);
    registerHandCursor();
    lookForEarlierVersionData();
}

void TMainWin::lookForEarlierVersionData()
{
    const int defaultLayout = settings().pageLayout.defaultPage;
    const EarlierDataPlaces places = earlierDataPlaces(startDirectory(), programDirectory(), [defaultLayout] {
        return newPuzzleLayout(layoutLibraryPath(), defaultLayout);
    });
    runReportingIoErrors([&] { lookForEarlierData(places, *m_state.currentPuzzle); });
}

void TMainWin::FormShow()
{
    restoreAndRescale();
    applyFontsToMainWindow();
    updateCaption();
    EnableDisable();
}

void TMainWin::FormActivate()
{
    if (!settings().misc.showTips)
        return;
    settings().misc.showTips = showTipOfTheDay(this, dialogContext(), settings().misc.showTips);
}

void TMainWin::FormClose()
{
    QString error;
    if (!saveSettingsFile(settings(), startFile(QString::fromLatin1(kConfigFile)), &error))
        showError(QStringLiteral("The settings could not be saved: %1").arg(error));
}

void TMainWin::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

bool TMainWin::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !m_activatedOnce) {
        m_activatedOnce = true;
        // Shown after the activation has been handled, so the main window is
        // painted behind the tip.
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
    return handled;
}

void TMainWin::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TMainWin::resolveLanguages()
{
    MiscSettings& misc = settings().misc;
    m_languages = findLanguageFiles(languageFolders(programDirectory()));
    misc.dictionary = resolveSpellingLanguage(misc.dictionary, m_languages);
    m_userLexicons = userLexiconNames(misc.dictionary);
    misc.thesaurus = resolveThesaurusLanguage(misc.thesaurus, m_languages);
    for (int language = 1; language <= kSpellingLanguageCount; ++language)
        m_dictionaryActions[language]->setEnabled(m_languages.spellingPresent(language));
    for (int language = 1; language <= kThesaurusLanguageCount; ++language)
        m_thesaurusActions[language]->setEnabled(m_languages.thesaurusPresent(language));
    tickSpellingLanguage();
    tickThesaurusLanguage();
    // Without a start-up language there are no user lexicons to maintain.
    action(QStringLiteral("AddToDictionary"))->setEnabled(!m_userLexicons.include.isEmpty());
    action(QStringLiteral("ExcludeFromDictionary"))->setEnabled(!m_userLexicons.exclude.isEmpty());
}

LanguageTools TMainWin::languageTools() const { return {m_languages, m_userLexicons, programDirectory()}; }

void TMainWin::tickSpellingLanguage()
{
    for (int language = 1; language <= 9; ++language)
        m_dictionaryActions[language]->setChecked(settings().misc.dictionary == language);
}

void TMainWin::tickThesaurusLanguage()
{
    for (int language = 1; language <= 3; ++language)
        m_thesaurusActions[language]->setChecked(settings().misc.thesaurus == language);
}

// ---------------------------------------------------------------- building

void TMainWin::buildClientArea()
{
    m_client = new MainClientArea(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(m_client);

    const auto panel = [this](const QRect& bounds) {
        auto* frame = new QFrame(m_client);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        frame->setPalette(palette);
        frame->setGeometry(bounds);
    };
    panel(QRect(8, 44, 300, 361));
    panel(QRect(316, 44, 308, 361));

    makeHeading(m_client, QStringLiteral("Category"))->setGeometry(16, 52, 284, 20);
    makeHeading(m_client, QStringLiteral("Puzzles"))->setGeometry(324, 52, 292, 20);
    m_categoryBox = makeListBox(m_client, QStringLiteral("CategoryBox"));
    m_categoryBox->setGeometry(16, 76, 284, 321);
    m_puzzleBox = makeListBox(m_client, QStringLiteral("PuzzleBox"));
    m_puzzleBox->setGeometry(324, 76, 292, 321);

    connect(m_categoryBox, &QListWidget::itemClicked, this, [this] { CategoryBoxClick(); });
    connect(m_categoryBox, &QListWidget::currentRowChanged, this, [this] { CategoryBoxClick(); });
    // The selection, not the current row: Ctrl+click takes the selection
    // away from the current item.
    connect(m_puzzleBox, &QListWidget::itemSelectionChanged, this, [this] { PuzzleBoxClick(); });
    connect(m_puzzleBox, &QListWidget::itemDoubleClicked, this, [this] { PuzzleBoxDblClick(); });
}

QAction* TMainWin::addCommand(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                              const std::function<void()>& command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (command)
        connect(action, &QAction::triggered, this, command);
    return action;
}

void TMainWin::addSpeedButton(QAction* action, const QString& hint, const QIcon& icon, int x)
{
    auto* button = new QToolButton(m_client);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(22, 22));
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setGeometry(x, 6, 32, 32);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::enabledChanged, button, &QToolButton::setEnabled);
    button->setEnabled(action->isEnabled());
    m_speedButtons.append(button);
}

void TMainWin::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildOptionsMenu();
    buildHelpMenu();
    buildSpeedButtons();
}

void TMainWin::buildFileMenu()
{
    QMenu* file = m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("NewGroup"), QStringLiteral("&New Puzzle Collection File"),
               QKeySequence(QStringLiteral("Ctrl+N")), [this] { NewGroup(); });
    addCommand(file, QStringLiteral("OpenGroup"), QStringLiteral("&Open Puzzle Collection File"),
               QKeySequence(QStringLiteral("Ctrl+O")), [this] { OpenGroup(); });
    file->addSeparator();
    addCommand(file, QStringLiteral("NewPuzzle"), QStringLiteral("Ne&w Puzzle"), QKeySequence(QStringLiteral("Ctrl+W")),
               [this] { NewPuzzleClick(); });
    addCommand(file, QStringLiteral("ModifyPuzzle"), QStringLiteral("&Modify Puzzle"),
               QKeySequence(QStringLiteral("Ctrl+M")), [this] { ModifyPuzzleClick(); });
    addCommand(file, QStringLiteral("CopyPuzzle"), QStringLiteral("&Copy Puzzle"), QKeySequence(QStringLiteral("Ctrl+C")),
               [this] { CopyPuzzleClick(); });
    addCommand(file, QStringLiteral("DeletePuzzle"), QStringLiteral("&Delete Puzzle"),
               QKeySequence(QStringLiteral("Ctrl+D")), [this] { DeletePuzzle(); });
    file->addSeparator();
    addCommand(file, QStringLiteral("ImportPuzzles"), QStringLiteral("&Import Puzzles"),
               QKeySequence(QStringLiteral("Ctrl+I")), [this] { ImportPuzzlesClick(); });
    addCommand(file, QStringLiteral("ExportPuzzles"), QStringLiteral("&Export Puzzles"),
               QKeySequence(QStringLiteral("Ctrl+E")), [this] { ExportPuzzlesClick(); });
    file->addSeparator();
    addCommand(file, QStringLiteral("PrintPuzzle"), QStringLiteral("&Print Puzzle"),
               QKeySequence(QStringLiteral("Ctrl+P")), [this] { PrintPuzzleClick(); });
    addCommand(file, QStringLiteral("PrintBooklet"), QStringLiteral("Print &Booklet"),
               QKeySequence(QStringLiteral("Ctrl+B")), [this] { PrintBookletClick(); });
    addCommand(file, QStringLiteral("PrinterSetup"), QStringLiteral("Printer &Setup"),
               QKeySequence(QStringLiteral("Ctrl+S")), [this] { showPrinterSetup(this); });
    file->addSeparator();
    addCommand(file, QStringLiteral("Exit"), QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")),
               [this] { close(); });
    m_recentSeparator = file->addSeparator();
    for (int n = 0; n < 5; ++n) {
        m_recentActions[n] = file->addAction(QString());
        m_recentActions[n]->setObjectName(QStringLiteral("RecentFile%1").arg(n + 1));
        connect(m_recentActions[n], &QAction::triggered, this,
                [this, n] { OpenSaveFile(settings().misc.lastFiles[n]); });
    }
}

void TMainWin::buildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addCommand(edit, QStringLiteral("PageLayout"), QStringLiteral("&Page Layout"), QKeySequence(QStringLiteral("Ctrl+L")),
               [this] { showPageLayoutList(this, dialogContext()); });
    addCommand(edit, QStringLiteral("PuzzleShape"), QStringLiteral("Puzzle &Shape"),
               QKeySequence(QStringLiteral("Ctrl+H")), [this] {
                   showShapesDialog(this, dialogContext(),
                                    {m_state.currentShape, settings().create.lastShape, m_state.currentPuzzle.get()});
               });
}

void TMainWin::buildOptionsMenu()
{
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    addScreenSizeMenu(options);
    m_backgroundAction = addCommand(options, QStringLiteral("BackgroundBitmap"), QStringLiteral("&Background Bitmap"),
                                    QKeySequence(QStringLiteral("Ctrl+G")), [this] {
                                        MiscSettings& misc = settings().misc;
                                        misc.backgroundBitmap = !misc.backgroundBitmap;
                                        m_backgroundAction->setChecked(misc.backgroundBitmap);
                                        m_client->setTiled(misc.backgroundBitmap);
                                    });
    m_backgroundAction->setCheckable(true);
    addCommand(options, QStringLiteral("JpegFactor"), QStringLiteral("&JPEG Compression Factor"),
               QKeySequence(QStringLiteral("Ctrl+J")), [this] { showJpegFactorDialog(this, dialogContext()); });
    addColoursMenu(options);
    addCommand(options, QStringLiteral("InternationalCharacters"), QStringLiteral("&International Characters"),
               QKeySequence(QStringLiteral("Ctrl+Y")), [this] { showIntCharsDialog(this, dialogContext()); });
    addLanguageMenus(options);
    options->addSeparator();
    addUserFontCommands(options);
}

void TMainWin::addScreenSizeMenu(QMenu* options)
{
    QMenu* screen = options->addMenu(QStringLiteral("S&creen Size"));
    const QStringList presetNames = {QStringLiteral("640 x 480"), QStringLiteral("800 x 600"),
                                     QStringLiteral("1024 x 768"), QStringLiteral("1280 x 1024")};
    for (int i = 0; i < 4; ++i) {
        m_screenActions[i] = screen->addAction(presetNames[i]);
        m_screenActions[i]->setObjectName(QStringLiteral("Screen%1").arg(kPresets[i]));
        m_screenActions[i]->setCheckable(true);
        m_screenActions[i]->setShortcut(QKeySequence(QStringLiteral("Ctrl+F%1").arg(i + 1)));
        connect(m_screenActions[i], &QAction::triggered, this, [this, i] { ChangeScreenSize(kPresets[i]); });
    }
}

void TMainWin::addColoursMenu(QMenu* options)
{
    QMenu* colours = options->addMenu(QStringLiteral("C&olors For Saving Bitmaps && JPEGs"));
    m_colours256 = colours->addAction(QStringLiteral("&256 Colors"));
    m_colours16m = colours->addAction(QStringLiteral("&16 Million Colors"));
    m_colours256->setObjectName(QStringLiteral("Colors256"));
    m_colours16m->setObjectName(QStringLiteral("Colors16M"));
    for (QAction* a : {m_colours256, m_colours16m})
        a->setCheckable(true);
    connect(m_colours256, &QAction::triggered, this, [this] {
        settings().reports.pixelFormat = 2;
        m_colours256->setChecked(true);
        m_colours16m->setChecked(false);
    });
    connect(m_colours16m, &QAction::triggered, this, [this] {
        settings().reports.pixelFormat = 1;
        m_colours16m->setChecked(true);
        m_colours256->setChecked(false);
    });
}

void TMainWin::addLanguageMenus(QMenu* options)
{
    const QStringList dictionaryNames = {
        QString(), QStringLiteral("&American"), QStringLiteral("&British"), QStringLiteral("&Spanish"),
        QStringLiteral("&Italian"), QStringLiteral("&French"), QStringLiteral("&German"),
        QStringLiteral("&Dutch"), QStringLiteral("&Swedish"), QStringLiteral("&Choose at Spell Check Time")};
    addLanguageEntries(options->addMenu(QStringLiteral("&Dictionary Type")), QStringLiteral("Dictionary"),
                       dictionaryNames, {9, 1, 2, 3, 4, 5, 6, 7, 8}, m_dictionaryActions.data(), [this](int language) {
                           settings().misc.dictionary = language;
                           tickSpellingLanguage();
                       });
    addCommand(options, QStringLiteral("AddToDictionary"), QStringLiteral("&Add to Dictionary"),
               QKeySequence(QStringLiteral("Ctrl+T")),
               [this] { maintainUserDictionary(this, UserDictionaryMode::Adding, dialogContext(), languageTools()); });
    addCommand(options, QStringLiteral("ExcludeFromDictionary"), QStringLiteral("&Exclude From Dictionary"),
               QKeySequence(QStringLiteral("Ctrl+U")),
               [this] { maintainUserDictionary(this, UserDictionaryMode::Excluding, dialogContext(), languageTools()); });
    const QStringList thesaurusNames = {QString(), QStringLiteral("&American"), QStringLiteral("&British"),
                                        QStringLiteral("&Choose at Thesaurus Use Time")};
    addLanguageEntries(options->addMenu(QStringLiteral("&Thesaurus")), QStringLiteral("Thesaurus"), thesaurusNames,
                       {3, 1, 2}, m_thesaurusActions.data(), [this](int language) {
                           settings().misc.thesaurus = language;
                           tickThesaurusLanguage();
                       });
}

void TMainWin::addUserFontCommands(QMenu* options)
{
    const QStringList captions = {QStringLiteral("&Label Font"), QStringLiteral("E&dit Font"),
                                  QStringLiteral("B&utton Font")};
    const QStringList names = {QStringLiteral("LabelFont"), QStringLiteral("EditFont"), QStringLiteral("ButtonFont")};
    for (int which = 0; which < 3; ++which) {
        addCommand(options, names[which], captions[which], QKeySequence(QStringLiteral("Shift+F%1").arg(8 + which)),
                   [this, which] { chooseUserFont(which); });
    }
}

void TMainWin::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("HelpContents"), QStringLiteral("&Contents"), QKeySequence(QStringLiteral("Ctrl+K")),
               [] { openHelp(); });
    connect(help->addAction(QStringLiteral("&User Manual")), &QAction::triggered, this,
            [this] { showUserManualNotice(this, dialogContext()); });
    connect(help->addAction(QStringLiteral("&Data Exchange via Internet")), &QAction::triggered, this,
            [] { openHelp(QStringLiteral("PUZZLE CONNECTION")); });
    connect(help->addAction(QStringLiteral("&Review Tips of the Day")), &QAction::triggered, this,
            [this] { settings().misc.showTips = showTipOfTheDay(this, dialogContext(), settings().misc.showTips); });
    addCommand(help, QStringLiteral("About"), QStringLiteral("&About"), QKeySequence(QStringLiteral("Ctrl+A")),
               [this] { showAboutBox(this, dialogContext()); });
}

void TMainWin::buildSpeedButtons()
{
    int x = 6;
    const auto button = [&](const char* command, const QString& hint, const char* icon, int gapAfter = 0) {
        addSpeedButton(action(QString::fromLatin1(command)), hint,
                       QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), x);
        x += 32 + gapAfter;
    };
    button("NewGroup", QStringLiteral("Create New Puzzle Collection File"), "newgroup");
    button("OpenGroup", QStringLiteral("Open Puzzle Collection File"), "opengroup", 10);
    button("NewPuzzle", QStringLiteral("Create New Puzzle"), "newpuzzle");
    button("ModifyPuzzle", QStringLiteral("Modify Puzzle"), "modify");
    button("CopyPuzzle", QStringLiteral("Copy Puzzle"), "copy");
    button("DeletePuzzle", QStringLiteral("Delete Puzzle"), "delete", 10);
    button("ImportPuzzles", QStringLiteral("Import Puzzles"), "import");
    button("ExportPuzzles", QStringLiteral("Export Puzzles"), "export", 10);
    button("PrintPuzzle", QStringLiteral("Print Puzzle"), "print", 10);
    button("PuzzleShape", QStringLiteral("Create Puzzle Shape"), "shape");
    button("PageLayout", QStringLiteral("Page Layout Designer"), "pagelayout", 10);
    button("HelpContents", QStringLiteral("Help"), "help");
    button("Exit", QStringLiteral("Exit Program"), "exit");
}

void TMainWin::buildRecentFilesMenu()
{
    bool any = false;
    for (int n = 0; n < 5; ++n) {
        const QString& path = settings().misc.lastFiles[n];
        m_recentActions[n]->setText(QStringLiteral("&%1   %2").arg(n + 1).arg(path));
        m_recentActions[n]->setVisible(!path.isEmpty());
        any = any || !path.isEmpty();
    }
    m_recentSeparator->setVisible(any);
}

// ---------------------------------------------------------------- index

void TMainWin::LoadInPuzzles()
{
    runReportingIoErrors([this] { m_browser.LoadInPuzzles(collectionPath()); });
    refreshLists();
}

void TMainWin::SetCategory(int row)
{
    m_browser.SetCategory(row);
    refreshLists();
}

void TMainWin::refreshLists()
{
    fillList(m_categoryBox, m_browser.categoryItems(), m_browser.selectedCategoryRow());
    fillList(m_puzzleBox, m_browser.puzzleItems(), m_browser.selectedPuzzleRow());
}

void TMainWin::selectAfterSave(const QByteArray& category, const QByteArray& title)
{
    m_browser.setPendingSelection(category, title);
    LoadInPuzzles();
    EnableDisable();
}

void TMainWin::CategoryBoxClick()
{
    const int row = m_categoryBox->currentRow();
    if (row < 0 || row == m_browser.currentCategoryRow())
        return;
    SetCategory(row);
    EnableDisable();
}

void TMainWin::PuzzleBoxClick()
{
    const QList<QListWidgetItem*> selected = m_puzzleBox->selectedItems();
    m_browser.selectPuzzleRow(selected.isEmpty() ? -1 : m_puzzleBox->row(selected.first()));
    EnableDisable();
}

void TMainWin::PuzzleBoxDblClick()
{
    PuzzleBoxClick();
    PrintPuzzleClick();
}

void TMainWin::EnableDisable()
{
    const bool selected = m_browser.hasSelectedPuzzle();
    for (const char* name : {"ModifyPuzzle", "CopyPuzzle", "DeletePuzzle", "PrintPuzzle"})
        action(QString::fromLatin1(name))->setEnabled(selected);
}

void TMainWin::updateCaption()
{
    setWindowTitle(QStringLiteral("Quillmaze 98 (%1)").arg(collectionCaptionName(collectionPath())));
}

// ---------------------------------------------------------------- collections

void TMainWin::setCurrentPath(const QString& path)
{
    const QString previous = collectionPath();
    settings().misc.lastGroup = path;
    updateRecentFiles(settings().misc.lastFiles, previous, path);
    buildRecentFilesMenu();
    updateCaption();
}

void TMainWin::NewGroup()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Create New Puzzle Group");
    request.defaultExtension = QStringLiteral("QZ3");
    request.filter = kCollectionFilter;
    request.initialPath = QFileInfo(collectionPath()).absolutePath();
    request.overwritePrompt = true;
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (!createEmptyCollection(path)) {
        showError(QStringLiteral("Unable to create the puzzle collection file %1.").arg(path));
        return;
    }
    setCurrentPath(path);
    m_browser.clear();
    refreshLists();
    EnableDisable();
    if (askYesNo(QStringLiteral("New Puzzle"),
                 QStringLiteral("Would you like to create your first puzzle now for this new puzzle collection?")))
        NewPuzzleClick();
}

void TMainWin::OpenGroup()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open Puzzle Group");
    request.defaultExtension = QStringLiteral("QZ3");
    request.filter = kCollectionFilter;
    request.initialPath = collectionPath();
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (!hasCollectionExtension(path)) {
        showError(kNotACollection);
        return;
    }
    openCollection(path);
}

void TMainWin::openFromCommandLine(const QString& argument)
{
    // The open dialog offers existing files only; a command line may name
    // anything, so the file must also be there and readable.
    const QString path = QFileInfo(argument).absoluteFilePath();
    if (!hasCollectionExtension(path) || !isReadableFile(path)) {
        showError(kNotACollection);
        return;
    }
    openCollection(path);
}

void TMainWin::openCollection(const QString& path)
{
    setCurrentPath(path);
    LoadInPuzzles();
    EnableDisable();
}

void TMainWin::OpenSaveFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    openCollection(path);
}

void TMainWin::DeletePuzzle()
{
    if (!m_browser.hasSelectedPuzzle()) {
        showError(kNoPuzzleSelected);
        return;
    }
    const QByteArray title = m_browser.selectedTitle();
    if (!askYesNo(QStringLiteral("Delete"),
                  QStringLiteral("Are you sure you want to delete %1?").arg(ansiToUnicode(title))))
        return;
    const qint64 n = m_browser.selectedRecordIndex();
    bool opened = true;
    runReportingIoErrors([&] { opened = deletePuzzleRecord(collectionPath(), n); });
    // A collection that cannot be written (read-only, or gone) keeps the
    // puzzle; saying nothing would look like a deletion that worked.
    if (!opened)
        showError(QStringLiteral("Unable to delete puzzle."));
    m_browser.setPendingSelectionForDeletion();
    LoadInPuzzles();
    EnableDisable();
}

// ---------------------------------------------------------------- puzzles

void TMainWin::NewPuzzleClick()
{
    // The layout is read first: an input/output error ends the command with
    // the current puzzle as it was.
    PageLayoutRecord layout;
    if (!runReportingIoErrors([&] {
            layout = newPuzzleLayout(layoutLibraryPath(),
                                     settings().pageLayout.defaultPage);
        }))
        return;
    PuzzleRecord& record = *m_state.currentPuzzle;
    resetToNewPuzzle(record);
    record.PageLayout = layout;
    m_state.newPuzzle = true;
    openWordListEditor(QStringLiteral("Create New Puzzle"));
}

void TMainWin::openWordListEditor(const QString& caption)
{
    WordListSession session = m_state.wordListSession();
    session.languageTools = languageTools();
    if (!showWordListEditor(this, session, caption, m_browser.index().categories))
        return;
    const PuzzleRecord& record = *m_state.currentPuzzle;
    selectAfterSave(record.Category.bytes(), record.Title.bytes());
}

bool TMainWin::readSelectedPuzzle(PuzzleRecord& record, const QString& cannotRead)
{
    if (!m_browser.hasSelectedPuzzle()) {
        showError(kNoPuzzleSelected);
        return false;
    }
    bool opened = false;
    if (!runReportingIoErrors([&] { opened = readPuzzle(collectionPath(), m_browser.selectedRecordIndex(), record); }))
        return false;
    if (!opened)
        showError(cannotRead);
    return opened;
}

void TMainWin::editSelectedPuzzle(bool asCopy)
{
    // A failed read leaves the current puzzle as it was, and the flags with it.
    PuzzleRecord& record = *m_state.currentPuzzle;
    if (!readSelectedPuzzle(record, QStringLiteral("Unable to access Word List file.")))
        return;
    m_state.newPuzzle = asCopy;
    m_state.recordIndex = static_cast<int>(m_browser.selectedRecordIndex());
    if (asCopy)
        makeCopyOfPuzzle(record);
    openWordListEditor(asCopy ? QStringLiteral("Create New Puzzle (copy of existing puzzle)")
                              : QStringLiteral("Modify Existing Puzzle"));
}

void TMainWin::ModifyPuzzleClick() { editSelectedPuzzle(false); }
void TMainWin::CopyPuzzleClick() { editSelectedPuzzle(true); }

void TMainWin::PrintPuzzleClick()
{
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    if (!readSelectedPuzzle(*record, QStringLiteral("Unable to load puzzle.")))
        return;
    if (!record->isGenerated()) {
        showWarning(QStringLiteral("A puzzle has never been generated for this word/clue list. Please select "
                                   "\"File|Modify\" from the menu and create the puzzle first"));
        return;
    }
    TMyReport form(*record, dialogContext(), this);
    showDialog(form, dialogContext());
}

void TMainWin::PrintBookletClick()
{
    if (m_browser.index().entries.isEmpty()) {
        showError(kNoPuzzleSelected);
        return;
    }
    TPrintBooklet dialog(collectionPath(), m_browser.index(), m_browser.selectedCategory(),
                         PrintOptions::fromSettings(settings().reports), settings().misc.lastExportPdfFile, this);
    showDialog(dialog, dialogContext());
}

void TMainWin::ImportPuzzlesClick()
{
    const PuzzleImportOutcome outcome = importPuzzles(this, dialogContext(), *m_state.currentPuzzle);
    switch (outcome.kind) {
    case PuzzleImportOutcome::Kind::Nothing:
        return;
    case PuzzleImportOutcome::Kind::Appended:
        m_browser.setPendingSelectionForCurrentView();
        LoadInPuzzles();
        EnableDisable();
        return;
    case PuzzleImportOutcome::Kind::Converted:
        selectAfterSave(outcome.category, outcome.title);
        return;
    }
}

void TMainWin::ExportPuzzlesClick() { exportPuzzlesFromCollection(this, dialogContext()); }

// ---------------------------------------------------------------- screen size and fonts

void TMainWin::applyScreenPreset(int preset)
{
    m_state.screenPreset = preset;
    m_state.screenScale = screenScaleForPreset(preset);
    settings().misc.windowSize = preset;
    for (std::size_t i = 0; i < kPresets.size(); ++i)
        m_screenActions[i]->setChecked(kPresets[i] == preset);
}

void TMainWin::ChangeScreenSize(int preset)
{
    if (preset == m_state.screenPreset) {
        applyScreenPreset(preset);
        return;
    }
    for (std::size_t i = 1; i < kPresets.size(); ++i) {
        if (preset == kPresets[i]
            && (m_screenSize.width() < kPresets[i] || m_screenSize.height() < kPresetHeights[i])) {
            showError(presetUnsupportedMessage(kPresets[i], kPresetHeights[i]));
            applyScreenPreset(m_state.screenPreset);
            return;
        }
    }
    applyScreenPreset(preset);
    restoreAndRescale();
    update();
}

void TMainWin::restoreAndRescale()
{
    const int percent = static_cast<int>(std::lround(m_state.screenScale * 100));
    m_layout.restore(m_client, percent);
    const int iconSide = static_cast<int>(std::lround(22 * m_state.screenScale));
    for (QToolButton* button : m_speedButtons)
        button->setIconSize(QSize(iconSide, iconSide));
    adjustSize();
    setFixedSize(sizeHint());
    centreOnScreen(this);
    // A little above the centre, but never above the top of the screen.
    move(x(), std::max(0, y() - 10));
}

void TMainWin::applyFontsToMainWindow()
{
    applyUserFonts(this, settings());
}

void TMainWin::chooseUserFont(int which)
{
    UserFont* fonts[] = {&settings().labelFont, &settings().editFont, &settings().buttonFont};
    UserFont& userFont = *fonts[which];
    // The font dialog with its colour choice; a user font keeps no size of
    // its own, so the dialog starts at the size of a new font.
    ObjectFont preset;
    preset.name = userFont.name;
    preset.size = QFont().pointSize();
    preset.color = userFont.color;
    preset.bold = userFont.bold;
    preset.italic = userFont.italic;
    const std::optional<ObjectFont> chosen = chooseObjectFont(this, preset);
    if (!chosen)
        return;
    userFont.name = chosen->name;
    userFont.bold = chosen->bold;
    userFont.italic = chosen->italic;
    userFont.color = chosen->color;
    applyFontsToMainWindow();
}
