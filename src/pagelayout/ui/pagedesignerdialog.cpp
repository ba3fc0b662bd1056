#include "pagelayout/ui/pagedesignerdialog.h"

#include "base/messageservice.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/ui/designpageimage.h"
#include "pagelayout/ui/designsheet.h"
#include "pagelayout/ui/objectbordersdialog.h"
#include "pagelayout/ui/objectfilldialog.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "pagelayout/ui/objectprop2dialog.h"
#include "pagelayout/ui/objectpropdialog.h"
#include "pagelayout/ui/sizelocationdialog.h"
#include "pagelayout/ui/textinputdialog.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/help.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kNameLength = 20;
constexpr int kSizeLength = 5;
constexpr int kMinWidth = 320;
constexpr int kMinHeight = 240;
const QPoint kObjectsMenuPopupOffset(120, 30);
const QColor kPressedKindColour(0x00, 0xFF, 0x00);
// The backdrop of the page: the grey of disabled text in the classic
// desktop colours, so that the white page stands out.
const QColor kGreyText(0x80, 0x80, 0x80);
// A disabled kind button's caption is white; its face is darkened so the
// caption still reads.
const QColor kDisabledKindColour(0xA0, 0xA0, 0xA0);

struct KindButton {
    ObjectKind kind;
    const char* caption;
    const char* name;
};

constexpr KindButton kKindButtons[] = {
    {ObjectKind::Title, "Title", "TitleButton"},          {ObjectKind::Puzzle, "Puzzle", "PuzzleButton"},
    {ObjectKind::WordList, "Words/Clues", "WordsButton"}, {ObjectKind::Bonus, "Bonus Quest", "BonusButton"},
    {ObjectKind::Text, "Text", "TextButton"},             {ObjectKind::Bitmap, "Bitmap", "BitmapButton"},
    {ObjectKind::Rectangle, "Rectangle", "RectangleButton"}, {ObjectKind::Circle, "Circle", "CircleButton"},
};

const KindButton& kindButtonOf(ObjectKind kind)
{
    return *std::find_if(std::begin(kKindButtons), std::end(kKindButtons),
                         [kind](const KindButton& button) { return button.kind == kind; });
}

QLineEdit* lineEdit(const QString& name, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// A pressed kind button is lowered and green; a disabled one's caption is
// white.
void showKindButton(QPushButton* button, bool enabled, bool pressed)
{
    button->setEnabled(enabled);
    button->setChecked(pressed);
    QPalette palette = button->parentWidget()->palette();
    if (pressed)
        palette.setColor(QPalette::Button, kPressedKindColour);
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Button, kDisabledKindColour);
    button->setPalette(palette);
}

} // namespace

TDoPages::TDoPages(PageDesignerMode mode, qint64 recordIndex, const PageLayoutRecord* start,
                   const DialogContext& context, QWidget* parent)
    : QDialog(parent), m_design(mode, recordIndex, start, context.settings.pageLayout.zoom), m_context(context)
{
    setObjectName(QStringLiteral("DoPages"));
    setWindowTitle(Caption);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setBackgroundRole(QPalette::Dark);
    QPalette palette = m_scrollBox->palette();
    palette.setColor(QPalette::Dark, kGreyText);
    m_scrollBox->setPalette(palette);
    m_sheet = new DesignSheet(m_design, m_scrollBox);
    m_scrollBox->setWidget(m_sheet);
    m_scrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_sheet->pageImage(), &DesignPageImage::released, this, &TDoPages::PageImageRelease);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(makeLeftPanel());
    layout->addWidget(m_scrollBox, 1);
    buildMenus();
    buildPopup();

    applyUserFonts(this, context.settings);
    scaleWindow(this, context.screenScale);
    restoreBounds();

    showPage();
    setCustomControlsVisible(false); // also for a custom page, until "Custom" is chosen
    redraw();
    updateKindButtons();
    rebuildObjectsMenu();
    m_name->setFocus();
}

TDoPages::~TDoPages() = default;

// ---------------------------------------------------------------- building

QWidget* TDoPages::makeLeftPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("LeftPanel"));
    m_name = lineEdit(QStringLiteral("Name"), kNameLength, panel);
    m_paper = new QComboBox(panel);
    m_paper->setObjectName(QStringLiteral("PaperSize"));
    for (const PaperSize& paper : namedPapers())
        m_paper->addItem(QString::fromLatin1(paper.name));
    m_paper->addItem(QString::fromLatin1(kCustomPaper));
    connect(m_paper, &QComboBox::activated, this, &TDoPages::PaperSizeChange);

    m_portrait = new QRadioButton(QStringLiteral("&Portrait"), panel);
    m_portrait->setObjectName(QStringLiteral("Portrait"));
    m_landscape = new QRadioButton(QStringLiteral("&Landscape"), panel);
    m_landscape->setObjectName(QStringLiteral("Landscape"));
    connect(m_portrait, &QRadioButton::clicked, this, [this] { OrientationClick(true); });
    connect(m_landscape, &QRadioButton::clicked, this, [this] { OrientationClick(false); });

    m_customControls = new QWidget(panel);
    m_width = lineEdit(QStringLiteral("Width"), kSizeLength, m_customControls);
    m_height = lineEdit(QStringLiteral("Height"), kSizeLength, m_customControls);
    m_inches = new QCheckBox(QStringLiteral("Inches"), m_customControls);
    m_inches->setObjectName(QStringLiteral("Inches"));
    m_width->installEventFilter(this);
    m_height->installEventFilter(this);
    connect(m_inches, &QCheckBox::clicked, this, &TDoPages::InchesClick);
    auto* custom = new QGridLayout(m_customControls);
    custom->setContentsMargins(0, 0, 0, 0);
    custom->addWidget(buddyLabel(QStringLiteral("Width"), m_width, m_customControls), 0, 0);
    custom->addWidget(m_width, 0, 1);
    custom->addWidget(buddyLabel(QStringLiteral("Height"), m_height, m_customControls), 1, 0);
    custom->addWidget(m_height, 1, 1);
    custom->addWidget(m_inches, 2, 1);

    m_save = new QPushButton(QStringLiteral("&Save"), panel);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), panel);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton* button : {m_save, m_cancel})
        button->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &TDoPages::SaveClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addWidget(m_save);
    closeButtons->addWidget(m_cancel);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buddyLabel(QStringLiteral("Name"), m_name, panel));
    column->addWidget(m_name);
    column->addWidget(buddyLabel(QStringLiteral("Paper Size"), m_paper, panel));
    column->addWidget(m_paper);
    column->addWidget(m_portrait);
    column->addWidget(m_landscape);
    column->addWidget(m_customControls);
    column->addWidget(makeKindGroup(QStringLiteral("Crossword Objects"),
                                    {ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::WordList, ObjectKind::Bonus}));
    column->addWidget(makeKindGroup(QStringLiteral("  Other   Objects"),
                                    {ObjectKind::Text, ObjectKind::Bitmap, ObjectKind::Rectangle, ObjectKind::Circle}));
    column->addStretch();
    column->addLayout(closeButtons);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return panel;
}

QWidget* TDoPages::makeKindGroup(const QString& title, std::initializer_list<ObjectKind> kinds)
{
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    int index = 0;
    for (ObjectKind kind : kinds) {
        const KindButton& entry = kindButtonOf(kind);
        auto* button = new QPushButton(QString::fromLatin1(entry.caption), group);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        // The pressed look is set by the design's state, not by the click.
        connect(button, &QPushButton::clicked, this, [this, kind] { KindButtonClick(kind); });
        grid->addWidget(button, index / 2, index % 2);
        m_kindButtons[kind] = button;
        ++index;
    }
    return group;
}

QAction* TDoPages::addAction(QMenu* menu, const QString& name, const QString& caption, const QString& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    m_actions[name] = action;
    return action;
}

void TDoPages::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    layout()->setMenuBar(bar);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(addAction(file, QStringLiteral("FileSave"), QStringLiteral("&Save"), QStringLiteral("Ctrl+S")),
            &QAction::triggered, this, &TDoPages::SaveClick);
    connect(addAction(file, QStringLiteral("FileExit"), QStringLiteral("E&xit"), QStringLiteral("Ctrl+X")),
            &QAction::triggered, this, &QDialog::reject);

    m_objectsMenu = bar->addMenu(QStringLiteral("&Objects"));
    m_objectsMenu->setObjectName(QStringLiteral("ObjectsMenu"));

    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    auto* zooms = new QActionGroup(this);
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } levels[] = {{"ZoomSmall", "&Small", "Ctrl+F1"}, {"ZoomMedium", "&Medium", "Ctrl+F2"},
                  {"ZoomLarge", "&Large", "Ctrl+F3"}};
    for (int z = 1; z <= 3; ++z) {
        const auto& level = levels[z - 1];
        QAction* action = addAction(zoom, QString::fromLatin1(level.name), QString::fromLatin1(level.caption),
                                    QString::fromLatin1(level.shortcut));
        action->setCheckable(true);
        action->setChecked(z == m_design.zoom());
        zooms->addAction(action);
        connect(action, &QAction::triggered, this, [this, z] { ZoomClick(z); });
    }

    QAction* help = bar->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    m_actions[QStringLiteral("Help")] = help;
    connect(help, &QAction::triggered, this, [] { openHelp(QStringLiteral("WORD SEARCH OBJECTS")); });
}

void TDoPages::buildPopup()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("ObjectPopup"));
    const auto item = [this](const char* name, const char* caption, void (TDoPages::*handler)()) {
        connect(addAction(m_popup, QString::fromLatin1(name), QString::fromLatin1(caption)), &QAction::triggered,
                this, handler);
    };
    item("SizePosition", "&Size && Position...", &TDoPages::SizePositionClick);
    item("Properties", "&Properties", &TDoPages::PropertiesClick);
    item("Border", "B&order", &TDoPages::BorderClick);
    item("Fill", "&Fill", &TDoPages::FillClick);
    item("ChangeText", "Change &Text...", &TDoPages::ChangeTextClick);
    QMenu* alignment = m_popup->addMenu(QStringLiteral("Text &Alignment"));
    m_actions[QStringLiteral("TextAlignment")] = alignment->menuAction();
    const char* const aligns[][2] = {{"AlignLeft", "&Left"}, {"AlignCenter", "&Center"}, {"AlignRight", "&Right"}};
    for (int align = 1; align <= 3; ++align) {
        QAction* action = addAction(alignment, QString::fromLatin1(aligns[align - 1][0]),
                                    QString::fromLatin1(aligns[align - 1][1]));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, align] { AlignClick(align); });
    }
    item("TextFont", "Text &Font", &TDoPages::TextFontClick);
    item("LoadBitmap", "Load B&itmap", &TDoPages::LoadBitmapClick);
    item("Delete", "&Delete", &TDoPages::DeleteClick);
    item("BringToFront", "&Bring To Front", &TDoPages::BringToFrontClick);
    item("SendToBack", "&Send To Back", &TDoPages::SendToBackClick);
}

QAction* TDoPages::action(const QString& name) const
{
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
}

QPushButton* TDoPages::kindButton(ObjectKind kind) const
{
    const auto found = m_kindButtons.find(kind);
    return found == m_kindButtons.end() ? nullptr : found->second;
}

void TDoPages::restoreBounds()
{
    const PageLayoutSettings& bounds = m_context.settings.pageLayout;
    QSize size(std::max(bounds.designerWidth, kMinWidth), std::max(bounds.designerHeight, kMinHeight));
    QPoint position(bounds.designerLeft, bounds.designerTop);
    // Bounds remembered on a larger screen are brought back onto this one.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        size = size.boundedTo(area.size());
        position.setX(std::clamp(position.x(), area.left(), area.right() - size.width() + 1));
        position.setY(std::clamp(position.y(), area.top(), area.bottom() - size.height() + 1));
    }
    resize(size);
    move(position);
}

void TDoPages::done(int result)
{
    PageLayoutSettings& bounds = m_context.settings.pageLayout;
    bounds.designerLeft = x();
    bounds.designerTop = y();
    bounds.designerWidth = width();
    bounds.designerHeight = height();
    QDialog::done(result);
}

// ---------------------------------------------------------------- page

void TDoPages::showPage()
{
    const PageLayoutRecord& layout = m_design.layout();
    m_name->setText(layout.LayoutName.text());
    {
        const QSignalBlocker blocker(m_paper);
        m_paper->setCurrentIndex(m_paper->findText(layout.PaperName.text()));
    }
    m_portrait->setChecked(layout.Portrait == 1);
    m_landscape->setChecked(layout.Portrait != 1);
    showSize();
}

void TDoPages::showSize()
{
    m_width->setText(twoDecimals(m_design.layout().PageWidth));
    m_height->setText(twoDecimals(m_design.layout().PageHeight));
    m_inches->setChecked(m_design.inches());
}

void TDoPages::setCustomControlsVisible(bool visible) { m_customControls->setVisible(visible); }

void TDoPages::redraw() { m_sheet->redraw(); }

void TDoPages::updateKindButtons()
{
    for (const auto& [kind, button] : m_kindButtons)
        showKindButton(button, m_design.kindButtonEnabled(kind), m_design.armedKind() == kind);
}

void TDoPages::rebuildObjectsMenu()
{
    m_objectsMenu->clear();
    const PageLayoutRecord& layout = m_design.layout();
    for (int n = 1; n <= layout.objectCount(); ++n) {
        QAction* item = m_objectsMenu->addAction(layout.object(n).ObjName.text());
        item->setObjectName(QStringLiteral("Object%1").arg(n));
        connect(item, &QAction::triggered, this, [this, n] { ObjectsMenuClick(n); });
    }
}

void TDoPages::PaperSizeChange(int index)
{
    const QByteArray name = m_paper->itemText(index).toLatin1();
    m_design.choosePaper(name);
    setCustomControlsVisible(m_design.isCustomPaper());
    showSize();
    redraw();
}

void TDoPages::OrientationClick(bool portrait)
{
    m_design.setPortrait(portrait);
    showSize();
    redraw();
}

void TDoPages::InchesClick()
{
    if (!m_design.setInches(m_inches->isChecked()))
        return;
    showSize();
    redraw();
}

bool TDoPages::eventFilter(QObject* watched, QEvent* event)
{
    // Save checks the sizes itself and Cancel needs none.
    if ((watched == m_width || watched == m_height) && leftForAnotherControl(event, this, {m_save, m_cancel}))
        sizeEditExit(static_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}

void TDoPages::sizeEditExit(QLineEdit* edit)
{
    const PageSide side = edit == m_width ? PageSide::Width : PageSide::Height;
    if (m_design.applyCustomSide(side, edit->text()))
        redraw();
    else
        refocusLater(edit);
}

void TDoPages::ZoomClick(int zoom)
{
    if (m_design.setZoom(zoom))
        redraw();
    m_context.settings.pageLayout.zoom = m_design.zoom();
    const char* const names[] = {"ZoomSmall", "ZoomMedium", "ZoomLarge"};
    action(QString::fromLatin1(names[m_design.zoom() - 1]))->setChecked(true);
}

// ---------------------------------------------------------------- objects

void TDoPages::KindButtonClick(ObjectKind kind)
{
    m_design.pressKindButton(kind);
    updateKindButtons();
    redraw(); // the page takes the cursor of the armed state
}

void TDoPages::PageImageRelease(const DesignRelease& release)
{
    switch (release.action) {
    case DesignRelease::Action::Created:
        updateKindButtons();
        rebuildObjectsMenu();
        break;
    case DesignRelease::Action::Popup: {
        m_popupObject = release.object;
        const LayoutObject& object = m_design.layout().object(release.object);
        showPopup(m_sheet->pageImage()->mapToGlobal(QPoint(object.left(), object.top())));
        break;
    }
    default:
        break;
    }
}

void TDoPages::ObjectsMenuClick(int n)
{
    if (n < 1 || n > m_design.layout().objectCount())
        return;
    m_popupObject = n;
    showPopup(mapToGlobal(kObjectsMenuPopupOffset));
}

void TDoPages::showPopup(const QPoint& globalPosition)
{
    const int kind = m_design.layout().object(m_popupObject).ObjKind;
    const struct {
        const char* name;
        PopupItem item;
    } items[] = {{"SizePosition", PopupItem::SizePosition}, {"Properties", PopupItem::Properties},
                 {"Border", PopupItem::Border},             {"Fill", PopupItem::Fill},
                 {"ChangeText", PopupItem::ChangeText},     {"TextAlignment", PopupItem::TextAlignment},
                 {"TextFont", PopupItem::TextFont},         {"LoadBitmap", PopupItem::LoadBitmap},
                 {"Delete", PopupItem::Delete},             {"BringToFront", PopupItem::BringToFront},
                 {"SendToBack", PopupItem::SendToBack}};
    for (const auto& entry : items)
        action(QString::fromLatin1(entry.name))->setEnabled(popupItemEnabled(kind, entry.item));
    const int align = m_design.layout().object(m_popupObject).TextAlign;
    action(QStringLiteral("AlignLeft"))->setChecked(align == 1);
    action(QStringLiteral("AlignCenter"))->setChecked(align == 2);
    action(QStringLiteral("AlignRight"))->setChecked(align == 3);
    m_popup->popup(globalPosition);
}

template <typename Dialog, typename... Args>
void TDoPages::editPopupObject(Args&&... args)
{
    if (m_popupObject < 1 || m_popupObject > m_design.layout().objectCount())
        return;
    Dialog dialog(m_design.layout().object(m_popupObject), std::forward<Args>(args)..., this);
    if (showDialog(dialog, m_context) != QDialog::Accepted)
        return;
    m_design.replaceObject(m_popupObject, dialog.object());
    redraw();
}

void TDoPages::SizePositionClick()
{
    const PageLayoutRecord& layout = m_design.layout();
    editPopupObject<TSizeLocation>(m_design.pixelsPerUnit(), m_design.inches(), int(layout.PageWidthPixels),
                                   int(layout.PageHeightPixels));
}

void TDoPages::PropertiesClick()
{
    if (m_design.layout().object(m_popupObject).ObjKind == static_cast<int>(ObjectKind::Puzzle))
        editPopupObject<TObjectProp2>();
    else
        editPopupObject<TObjectProp>();
}

void TDoPages::BorderClick() { editPopupObject<TObjectBorders>(); }
void TDoPages::FillClick() { editPopupObject<TObjectFill>(); }
void TDoPages::ChangeTextClick() { editPopupObject<TTextInput>(); }

void TDoPages::AlignClick(int align) { m_design.setTextAlign(m_popupObject, align); }

void TDoPages::TextFontClick()
{
    if (m_popupObject < 1 || m_popupObject > m_design.layout().objectCount())
        return;
    LayoutObject object = m_design.layout().object(m_popupObject);
    const std::optional<ObjectFont> chosen = chooseObjectFont(this, objectFont(object));
    if (!chosen)
        return;
    setObjectFont(object, *chosen);
    m_design.replaceObject(m_popupObject, object);
    redraw();
}

void TDoPages::LoadBitmapClick()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Load Bitmap File");
    request.filter = QStringLiteral("Bitmap (*.BMP)|*.BMP");
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (m_design.loadBitmap(m_popupObject, path))
        redraw();
}

void TDoPages::DeleteClick()
{
    m_design.deleteObject(m_popupObject);
    m_popupObject = 0;
    redraw();
    updateKindButtons();
    rebuildObjectsMenu();
}

void TDoPages::BringToFrontClick()
{
    m_design.bringToFront(m_popupObject);
    rebuildObjectsMenu();
    redraw();
}

void TDoPages::SendToBackClick()
{
    m_design.sendToBack(m_popupObject);
    rebuildObjectsMenu();
    redraw();
}

// ---------------------------------------------------------------- saving

void TDoPages::SaveClick()
{
    PageDesign::SaveResult result = PageDesign::SaveResult::CannotWrite;
    runReportingIoErrors([&] {
        result = m_design.save(m_name->text(), m_width->text(), m_height->text(), layoutLibraryPath());
    });
    switch (result) {
    case PageDesign::SaveResult::Saved:
        accept();
        return;
    case PageDesign::SaveResult::BadHeight:
    case PageDesign::SaveResult::BadWidth: {
        // The edits may be hidden when the custom page was not chosen again.
        setCustomControlsVisible(true);
        QLineEdit* edit = result == PageDesign::SaveResult::BadHeight ? m_height : m_width;
        edit->setFocus();
        edit->selectAll();
        break;
    }
    case PageDesign::SaveResult::CannotWrite:
        break;
    }
    redraw();
}

bool runPageDesigner(QWidget* parent, PageDesignerMode mode, qint64 recordIndex, const PageLayoutRecord* start,
                     const DialogContext& context)
{
    TDoPages designer(mode, recordIndex, start, context, parent);
    designer.exec();
    return designer.saved();
}
