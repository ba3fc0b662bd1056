#include "core/report/loggingcanvas.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/objectedits.h"
#include "pagelayout/ui/colorchoice.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "pagelayout/ui/objectbordersdialog.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "pagelayout/ui/objectprop2dialog.h"
#include "pagelayout/ui/objectpropdialog.h"
#include "pagelayout/ui/pagedesignerdialog.h"
#include "pagelayout/ui/sizelocationdialog.h"
#include "pagelayout/ui/textinputdialog.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printrun.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"
#include "support/puzzlebuilder.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

// The text calls of a page printed with `layout` whose drawing origin lies
// inside the rectangle (in inches).
QStringList textsInside(const QStringList& calls, const QRectF& inches)
{
    QStringList found;
    for (const QString& call : calls) {
        if (!call.startsWith(QLatin1String("text ")))
            continue;
        const QStringList at = call.section(u' ', 1, 1).split(u',');
        if (inches.contains(QPointF(at[0].toDouble(), at[1].toDouble())))
            found << call.section(u' ', 2);
    }
    return found;
}

QStringList printedCalls(const PageLayoutRecord& layout)
{
    PuzzleBuilder puzzle(6, 6, "Designed");
    puzzle.place("CAT", 1, 1, 3).place("DOG", 2, 1, 3);
    puzzle.layout(layout);
    PrintCopy copy(puzzle.record());
    TReportFiler filer;
    PageRenderer renderer(copy, PrintOptions{});
    renderer.attachTo(filer);
    runPage(filer, copy.run);
    LoggingCanvas canvas;
    ReportStream(filer.recordedData()).replayAll(canvas);
    return canvas.calls;
}

QRectF inchesOf(const LayoutObject& object)
{
    return QRectF(QPointF(object.left() / 72.0, object.top() / 72.0),
                  QPointF(object.right() / 72.0, object.bottom() / 72.0));
}

void click(TDoPages* designer, ObjectKind kind, QPoint at)
{
    QTest::mouseClick(designer->kindButton(kind), Qt::LeftButton);
    QTest::mouseClick(designer->findChild<QWidget*>(QStringLiteral("PageImage")), Qt::LeftButton, {}, at);
}

// A click on a check box or radio button, on its box (the widget may be
// wider than box and caption).
void clickBox(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// The pointer moved over the page with no button held. (QTest moves only
// the cursor then, which the offscreen platform does not report.)
void hover(QWidget* page, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, page->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(page, &move);
}

// A left drag on the page: hover (sets the cursor), press, move, release.
void drag(QWidget* page, QPoint from, QPoint to)
{
    hover(page, from);
    QTest::mousePress(page, Qt::LeftButton, {}, from);
    QTest::mouseMove(page, to);
    QTest::mouseRelease(page, Qt::LeftButton, {}, to);
}

} // namespace

class PageDesignerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;

    PageLayoutSettings& layoutSettings() { return m_ui->state.settings.pageLayout; }

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup() { m_ui.reset(); }

    void userDesignsALayoutThatPrintsWhereTheObjectsWerePut()
    {
        TListPages list(LayoutListMode::Library, m_ui->context());
        list.show();
        ObjectFont chosenFont;
        setObjectFontChooser([&](QWidget*, const ObjectFont& font) -> std::optional<ObjectFont> {
            chosenFont = font;
            chosenFont.name = QStringLiteral("Liberation Serif");
            chosenFont.size = 20;
            chosenFont.bold = true;
            return chosenFont;
        });

        TDoPages* designer = nullptr;
        QWidget* page = nullptr;
        ModalDriver driver({
            {"DoPages",
             [&](QWidget* window) {
                 designer = static_cast<TDoPages*>(window);
                 page = designer->findChild<QWidget*>(QStringLiteral("PageImage"));
                 auto* name = designer->findChild<QLineEdit*>(QStringLiteral("Name"));
                 name->selectAll();
                 QTest::keyClicks(name, QStringLiteral("Mine"));
                 click(designer, ObjectKind::Title, QPoint(36, 36));
                 click(designer, ObjectKind::Puzzle, QPoint(72, 72));
                 click(designer, ObjectKind::WordList, QPoint(72, 324));
                 // Select the word list and move it 40 pixels right.
                 QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(100, 400));
                 drag(page, QPoint(100, 400), QPoint(140, 400));
                 // Select the puzzle and pull its bottom-right handle out.
                 QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(150, 150));
                 drag(page, QPoint(287, 287), QPoint(323, 323));
                 QTest::mouseClick(page, Qt::RightButton, {}, QPoint(150, 400));
                 QTest::keyClick(designer->popupMenu(), Qt::Key_O);
             }},
            {"ObjectBorders",
             [](QWidget* dialog) {
                 auto* width = dialog->findChild<QLineEdit*>(QStringLiteral("Width"));
                 width->setFocus();
                 width->selectAll();
                 QTest::keyClicks(width, QStringLiteral("3"));
                 QTest::keyClick(width, Qt::Key_Return);
             }},
            {"DoPages",
             [&](QWidget*) {
                 QTest::mouseClick(page, Qt::RightButton, {}, QPoint(50, 40));
                 // "&Fill" shares the mnemonic and is disabled for a title: go up from the end.
                 for (int step = 0; step < 4; ++step)
                     QTest::keyClick(designer->popupMenu(), Qt::Key_Up);
                 QTest::keyClick(designer->popupMenu(), Qt::Key_Return);
                 QTest::mouseClick(designer->findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
             }},
        });
        list.NewClick();
        QVERIFY2(driver.finished(), qPrintable("stopped waiting for " + driver.waitingFor()));
        QVERIFY2(m_ui->messages.shown.size() == 1, qPrintable(m_ui->messages.lastText())); // the empty library at first

        QVERIFY(list.PageList()->currentItem());
        QCOMPARE(list.PageList()->currentItem()->text(), QStringLiteral("Mine (Letter)  <<DEFAULT>>"));
        PageLayoutRecord saved{};
        QVERIFY(readLayout(layoutLibraryPath(), 0, saved));
        QCOMPARE(saved.ObjectCount, 3);
        QCOMPARE(saved.DesignZoom, 2);
        const LayoutObject& title = saved.object(1);
        const LayoutObject& grid = saved.object(2);
        const LayoutObject& words = saved.object(3);
        QCOMPARE(title.ObjName.bytes(), QByteArray("Title"));
        QCOMPARE(title.FontName.bytes(), QByteArray("Liberation Serif"));
        QCOMPARE(title.FontSize, 20);
        QCOMPARE(title.FontBold, 1);
        QCOMPARE((std::array<int, 4>{grid.left(), grid.top(), grid.right(), grid.bottom()}),
                 (std::array<int, 4>{72, 72, 324, 324}));
        QCOMPARE((std::array<int, 4>{words.left(), words.top(), words.right(), words.bottom()}),
                 (std::array<int, 4>{112, 324, 256, 540}));
        QCOMPARE(words.BorderWidth, 3);

        // Printed: the title, the grid letters and the words fall inside the
        // rectangles they were given, at 72 design pixels to the inch.
        const QStringList calls = printedCalls(saved);
        QCOMPARE(textsInside(calls, inchesOf(title)), QStringList{QStringLiteral("Designed")});
        QVERIFY(textsInside(calls, inchesOf(grid)).contains(QStringLiteral("C")));
        QCOMPARE(textsInside(calls, inchesOf(words)), (QStringList{"CAT", "DOG"}));
    }

    void savingALegalLandscapePageAndRememberingZoomAndBounds()
    {
        layoutSettings().zoom = 3;
        layoutSettings().designerWidth = 700;
        PageLayoutRecord start = newPageLayout();
        start.DesignZoom = 1;
        TDoPages designer(PageDesignerMode::Copy, -1, &start, m_ui->context());
        designer.show();
        QVERIFY(QTest::qWaitForWindowActive(&designer));
        QCOMPARE(designer.windowTitle(), QStringLiteral("Page Creator"));
        QVERIFY(designer.action(QStringLiteral("ZoomLarge"))->isChecked());
        QCOMPARE(designer.width(), 700);

        auto* paper = designer.findChild<QComboBox*>(QStringLiteral("PaperSize"));
        paper->setFocus();
        QTest::keyClick(paper, Qt::Key_Down); // Legal
        QCOMPARE(paper->currentText(), QStringLiteral("Legal"));
        clickBox(designer.findChild<QRadioButton*>(QStringLiteral("Landscape")));
        QVERIFY(!designer.findChild<QLineEdit*>(QStringLiteral("Width"))->isVisible());
        QCOMPARE(designer.findChild<QLineEdit*>(QStringLiteral("Width"))->text(), QStringLiteral("14.00"));
        QTest::keyClick(&designer, Qt::Key_F2, Qt::ControlModifier);
        designer.move(30, 40);
        QTest::keyClick(&designer, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(m_ui->messages.shown.isEmpty());
        QVERIFY(designer.saved());

        PageLayoutRecord saved{};
        QVERIFY(readLayout(layoutLibraryPath(), 0, saved));
        QCOMPARE(saved.PaperName.bytes(), QByteArray("Legal"));
        QCOMPARE(saved.PageWidthPixels, 1008);
        QCOMPARE(saved.DesignZoom, 2);
        QCOMPARE(layoutSettings().zoom, 2);
        QCOMPARE(layoutSettings().designerLeft, 30);
        QCOMPARE(layoutSettings().designerTop, 40);
        QCOMPARE(layoutSettings().designerWidth, 700);
    }

    void customSizeEditsRefuseValuesOutOfRangeAndKeepTheFocus()
    {
        TDoPages designer(PageDesignerMode::New, -1, nullptr, m_ui->context());
        designer.show();
        QVERIFY(QTest::qWaitForWindowActive(&designer));
        auto* paper = designer.findChild<QComboBox*>(QStringLiteral("PaperSize"));
        paper->setFocus();
        QTest::keyClick(paper, Qt::Key_End); // Custom
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("Some printers do not support odd sized pages.  Printed results may vary."));
        auto* width = designer.findChild<QLineEdit*>(QStringLiteral("Width"));
        auto* height = designer.findChild<QLineEdit*>(QStringLiteral("Height"));
        QVERIFY(width->isVisible());
        clickBox(designer.findChild<QWidget*>(QStringLiteral("Inches")));
        QCOMPARE(width->text(), QStringLiteral("21.59"));
        QCOMPARE(height->text(), QStringLiteral("27.94"));

        height->setFocus();
        height->selectAll();
        QTest::keyClicks(height, QStringLiteral("9"));
        QTest::keyClick(height, Qt::Key_Tab);
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("Height must be between 10 and 46 centimeters.  Please re-enter height."));
        QTRY_VERIFY(height->hasFocus());
        QCOMPARE(double(designer.design().layout().PageHeight), 27.94);
        QTest::keyClick(&designer, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!designer.saved());
    }

    void objectsMenuOpensThePopupAndDeleteFreesTheKind()
    {
        TDoPages designer(PageDesignerMode::New, -1, nullptr, m_ui->context());
        designer.show();
        click(&designer, ObjectKind::Title, QPoint(10, 10));
        click(&designer, ObjectKind::Circle, QPoint(100, 100));
        QVERIFY(!designer.kindButton(ObjectKind::Title)->isEnabled());
        QCOMPARE(designer.objectsMenu()->actions().size(), 2);
        QCOMPARE(designer.objectsMenu()->actions().at(1)->text(), QStringLiteral("Circle 1"));

        designer.objectsMenu()->actions().at(0)->trigger();
        QCOMPARE(designer.popupObject(), 1);
        QTRY_VERIFY(designer.popupMenu()->isVisible());
        QCOMPARE(designer.popupMenu()->pos(), designer.mapToGlobal(QPoint(120, 30)));
        QVERIFY(!designer.action(QStringLiteral("Fill"))->isEnabled());
        QVERIFY(designer.action(QStringLiteral("AlignCenter"))->isChecked());
        QTest::keyClick(designer.popupMenu(), Qt::Key_D);
        QCOMPARE(designer.design().layout().objectCount(), 1);
        QVERIFY(designer.kindButton(ObjectKind::Title)->isEnabled());
        QCOMPARE(designer.objectsMenu()->actions().size(), 1);
    }
};

QM_UI_TEST(PageDesignerTest)


namespace {

LayoutObject objectOf(ObjectKind kind, const char* name, int l, int t, int r, int b)
{
    LayoutObject object = newLayoutObject(kind);
    object.ObjName.assign(name);
    object.setRect(l, t, r, b);
    return object;
}

QLineEdit* edit(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }

void retype(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

class ObjectDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup()
    {
        setColorChooser({});
        m_ui.reset();
    }

    void sizeDialogShowsUnitsAndAsksBeforeLeavingThePage()
    {
        TSizeLocation dialog(objectOf(ObjectKind::Text, "Text 1", 72, 36, 216, 54), 72, true, 612, 792);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Size & Location of Text 1"));
        QCOMPARE(edit(&dialog, "Left")->text(), QStringLiteral("1.000"));
        QCOMPARE(edit(&dialog, "Top")->text(), QStringLiteral("0.500"));
        QCOMPARE(edit(&dialog, "Width")->text(), QStringLiteral("2.000"));
        QCOMPARE(edit(&dialog, "Height")->text(), QStringLiteral("0.250"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("UnitsCaption"))->text(), QStringLiteral("Values In Inches"));

        retype(edit(&dialog, "Top"), QStringLiteral("-1"));
        QTest::keyClick(edit(&dialog, "Top"), Qt::Key_Return);
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Invalid top position entered."));
        QVERIFY(edit(&dialog, "Top")->hasFocus() || !dialog.isActiveWindow());
        retype(edit(&dialog, "Top"), QStringLiteral("11"));
        QTest::keyClick(edit(&dialog, "Top"), Qt::Key_Return); // Yes: abort the changes, stay
        QCOMPARE(m_ui->messages.lastText(), kOffPageQuestion);
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Warning"));
        QVERIFY(dialog.isVisible());
        m_ui->messages.answers = {MessageAnswer::No};
        retype(edit(&dialog, "Width"), QStringLiteral("0.0069"));
        QTest::keyClick(edit(&dialog, "Width"), Qt::Key_Return); // No: take the values as entered
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const LayoutObject& object = dialog.object();
        QCOMPARE((std::array<int, 4>{object.left(), object.top(), object.right(), object.bottom()}),
                 (std::array<int, 4>{72, 792, 72, 810}));
    }

    void bordersRefuseWidthZeroEvenWhileTheBorderIsOff()
    {
        LayoutObject object = objectOf(ObjectKind::Rectangle, "Rectangle 1", 0, 0, 10, 10);
        object.UseBorder = 0;
        object.BorderWidth = 0;
        TObjectBorders dialog(object);
        dialog.show();
        QVERIFY(!edit(&dialog, "Width")->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("BorderColorButton"))->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Invalid width entered."));
        QVERIFY(dialog.result() != QDialog::Accepted);

        setColorChooser([](QWidget*, std::uint32_t) { return std::optional<std::uint32_t>(0x00FF00); });
        clickBox(dialog.findChild<QCheckBox*>(QStringLiteral("UseBorder")));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BorderColorButton")), Qt::LeftButton);
        QCOMPARE(dialog.findChild<QFrame*>(QStringLiteral("BorderColorSwatch"))->palette().color(QPalette::Window),
                 QColor(0, 0xFF, 0));
        retype(edit(&dialog, "Width"), QStringLiteral("4"));
        QTest::keyClick(edit(&dialog, "Width"), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.object().BorderWidth, 4);
        QCOMPARE(dialog.object().UseBorder, 1);
        QCOMPARE(dialog.object().BorderColor, 0x00FF00);
    }

    void propertiesCheckColumnsOfAWordListOnly()
    {
        TObjectProp words(objectOf(ObjectKind::WordList, "Words / Clues", 0, 0, 10, 10));
        words.show();
        QCOMPARE(words.windowTitle(), QStringLiteral("Properties for Words / Clues"));
        retype(edit(&words, "NumColumns"), QStringLiteral("0"));
        QTest::keyClick(edit(&words, "NumColumns"), Qt::Key_Return);
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Invalid columns entered."));
        retype(edit(&words, "NumColumns"), QStringLiteral("2"));
        clickBox(words.findChild<QCheckBox*>(QStringLiteral("MakeFit")));
        QTest::keyClick(edit(&words, "NumColumns"), Qt::Key_Return);
        QCOMPARE(words.result(), int(QDialog::Accepted));
        QCOMPARE(words.object().NumColumns, 2);
        QCOMPARE(words.object().MakeFit, 0);

        TObjectProp title(objectOf(ObjectKind::Title, "Title", 0, 0, 10, 10));
        title.show();
        QVERIFY(!edit(&title, "NumColumns")->isVisible());

        TObjectProp2 grid(objectOf(ObjectKind::Puzzle, "Puzzle", 0, 0, 10, 10));
        grid.show();
        QVERIFY(!edit(&grid, "LineWidth")->isEnabled()); // a new puzzle draws no grid lines
        clickBox(grid.findChild<QCheckBox*>(QStringLiteral("UseGrid")));
        QVERIFY(edit(&grid, "LineWidth")->isEnabled());
        clickBox(grid.findChild<QCheckBox*>(QStringLiteral("TransparentBack")));
        QVERIFY(!grid.findChild<QPushButton*>(QStringLiteral("CellColorButton"))->isEnabled());
        QTest::keyClick(&grid, Qt::Key_Return);
        QCOMPARE(grid.object().Transparent, 1);
        QCOMPARE(grid.object().FillShape, 1);
    }

    void textComesBackWithAtMost999Characters()
    {
        TTextInput dialog(objectOf(ObjectKind::Text, "Text 1", 0, 0, 10, 10));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Text"));
        QVERIFY(dialog.TextEdit()->hasFocus() || !dialog.isActiveWindow());
        dialog.TextEdit()->insertPlainText(QString(1005, u'a'));
        QCOMPARE(dialog.TextEdit()->toPlainText().size(), 1000);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.object().text().size(), 999);
    }
};

QM_UI_TEST(ObjectDialogsTest)

#include "pagedesigner_test.moc"
