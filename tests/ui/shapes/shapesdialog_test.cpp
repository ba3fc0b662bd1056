#include "shapes/shapefile.h"
#include "shapes/shapelibrary.h"
#include "shapes/ui/shapeeditordialog.h"
#include "shapes/ui/shapelistbox.h"
#include "shapes/ui/shapesdialog.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

ShapeRecord filledShape(const char* name, int width, int height)
{
    ShapeRecord shape{};
    shape.ShapeName.assign(name);
    shape.ShapeWidth = static_cast<std::int16_t>(width);
    shape.ShapeHeight = static_cast<std::int16_t>(height);
    shape.ShapeCells.fill(1);
    return shape;
}

// The centre of a cell of the editor's grid image.
QPoint cellCentre(const TDoShapes& editor, int row, int col)
{
    const int s = editor.editor().cellSize();
    return QPoint((col - 1) * s + s / 2, (row - 1) * s + s / 2);
}

} // namespace

class ShapesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup() { m_ui.reset(); }

    void newShapeDrawnInTheEditorIsSavedAndSelected()
    {
        TestFolders& folders = m_ui->folders;
        RecordingMessages& messages = m_ui->messages;
        TSelectShapes dialog(shapes(), m_ui->context());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Shapes"));
        dialog.show();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.lastText(), QStringLiteral("No saved shape information could be found."));

        auto* newButton = dialog.findChild<QPushButton*>(QStringLiteral("NewShape"));
        ModalDriver driver({{"TDoShapes", [](QWidget* modal) {
            auto* editor = qobject_cast<TDoShapes*>(modal);
            QVERIFY(editor);
            QCOMPARE(editor->windowTitle(), QStringLiteral("Shape Creator"));
            auto* title = editor->findChild<QLineEdit*>(QStringLiteral("Title"));
            QCOMPARE(title->text(), QStringLiteral("New Layout"));
            title->setText(QStringLiteral("Kite"));
            editor->findChild<QLineEdit*>(QStringLiteral("Height"))->setText(QStringLiteral("20"));
            QWidget* image = editor->findChild<QWidget*>(QStringLiteral("GridImage"));
            QTest::mouseClick(image, Qt::LeftButton, {}, cellCentre(*editor, 1, 1));
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("Save")), Qt::LeftButton);
        }}});
        QTest::mouseClick(newButton, Qt::LeftButton);
        QVERIFY(driver.finished());

        auto* box = dialog.findChild<QListWidget*>(QStringLiteral("ShapeBox"));
        QCOMPARE(box->count(), 1);
        QVERIFY(box->currentItem());
        QCOMPARE(box->currentItem()->text(), QStringLiteral("30x20 Kite"));
        QCOMPARE(TestFolders::readFile(shapeLibraryPath()).size(), 2555);
        QVERIFY(!m_ui->state.currentShape.cellInShape(1, 1));
        QVERIFY(m_ui->state.currentShape.cellInShape(1, 2));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("ModifyShape"))->isEnabled());
        QCOMPARE(messages.shown.size(), 1);
    }

    void editorClicksShiftsAndUndo()
    {
        TDoShapes editor(ShapeEditorMode::Copy, filledShape("Square", 10, 10), -1);
        QWidget* image = editor.findChild<QWidget*>(QStringLiteral("GridImage"));
        auto* undo = editor.findChild<QPushButton*>(QStringLiteral("Undo"));
        QVERIFY(!undo->isEnabled());

        // A release in another cell than the press does nothing.
        QTest::mousePress(image, Qt::LeftButton, {}, cellCentre(editor, 2, 2));
        QTest::mouseRelease(image, Qt::LeftButton, {}, cellCentre(editor, 2, 3));
        QVERIFY(editor.editor().shape().cellInShape(2, 2));

        QTest::mouseClick(image, Qt::LeftButton, {}, cellCentre(editor, 5, 5));
        QVERIFY(!editor.editor().shape().cellInShape(5, 5));
        QTest::mouseClick(image, Qt::RightButton, {}, cellCentre(editor, 5, 5));
        QVERIFY(editor.editor().shape().cellInShape(5, 5));
        QVERIFY(undo->isEnabled());

        QTest::mouseClick(editor.findChild<QToolButton*>(QStringLiteral("ShiftRight")), Qt::LeftButton);
        QVERIFY(!editor.editor().shape().cellInShape(1, 1));
        QTest::mouseClick(undo, Qt::LeftButton);
        QVERIFY(editor.editor().shape().cellInShape(1, 1));
        QVERIFY(!undo->isEnabled());
    }

    void leavingAnInvalidWidthShowsTheMessageAndKeepsTheFocus()
    {
        RecordingMessages& messages = m_ui->messages;
        TDoShapes editor(ShapeEditorMode::New, ShapeRecord{}, -1);
        editor.show();
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto* width = editor.findChild<QLineEdit*>(QStringLiteral("Width"));
        auto* height = editor.findChild<QLineEdit*>(QStringLiteral("Height"));
        width->setFocus();
        width->setText(QStringLiteral("4"));
        height->setFocus(Qt::TabFocusReason);
        QCOMPARE(messages.lastText(), QStringLiteral("Width must be between 5 and 30.  Please re-enter width."));
        QTRY_COMPARE(QApplication::focusWidget(), width);

        width->setText(QStringLiteral("12"));
        height->setFocus(Qt::TabFocusReason);
        QCOMPARE(editor.editor().shape().width(), 12);
        QCOMPARE(messages.shown.size(), 1);

        // Cancel needs no valid size.
        width->setFocus();
        width->setText(QStringLiteral("99"));
        QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QVERIFY(!editor.saved());
    }

    void importExportAndDeleteThroughTheButtons()
    {
        TestFolders& folders = m_ui->folders;
        RecordingMessages& messages = m_ui->messages;
        const ShapeRecord boxShape = filledShape("Box", 12, 12);
        TestFolders::writeFile(shapeLibraryPath(), QByteArray(reinterpret_cast<const char*>(&boxShape), sizeof boxShape));
        const QString lay = folders.path("fish.lay");
        QVERIFY(exportShapeFile(lay, filledShape("Fish", 20, 15)));
        QString offered;
        setFileChooser([&](QWidget*, const FileDialogRequest& request) {
            offered = request.initialPath;
            return request.kind == FileDialogRequest::Kind::Open ? lay : folders.path("out.lay");
        });

        ShapeListBox box(ShapeListMode::EditorNew, shapes(), m_ui->context(), 148);
        box.load();
        auto* list = box.findChild<QListWidget*>(QStringLiteral("ShapeBox"));
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("ImportShape")), Qt::LeftButton);
        QCOMPARE(offered, folders.startDir());
        QCOMPARE(m_ui->state.settings.misc.lastImportShapeFile, lay);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("20x15 Fish"));
        QCOMPARE(m_ui->state.settings.create.lastShape, 1);

        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("ExportShape")), Qt::LeftButton);
        QCOMPARE(messages.lastText(), QStringLiteral("Puzzle Shape Exported!"));
        QCOMPARE(TestFolders::readFile(folders.path("out.lay")).size(), 2561);

        list->setCurrentRow(0);
        QCOMPARE(m_ui->state.currentShape.ShapeName.text(), QStringLiteral("Box"));
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("DeleteShape")), Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("20x15 Fish"));
        QCOMPARE(TestFolders::readFile(shapeLibraryPath()).size(), 2555);
    }

    void currentPuzzleEntryCannotBeModifiedOrDeleted()
    {
        TestFolders& folders = m_ui->folders;
        RecordingMessages& messages = m_ui->messages;
        PuzzleRecord& puzzle = *m_ui->state.currentPuzzle;
        puzzle.GridCols = 12;
        puzzle.GridRows = 10;
        ShapeListBox box(ShapeListMode::EditorModify, shapes(), m_ui->context(), 148);
        box.load();
        auto* list = box.findChild<QListWidget*>(QStringLiteral("ShapeBox"));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("12x10 <Current Puzzle>"));
        QVERIFY(!box.findChild<QPushButton*>(QStringLiteral("ModifyShape"))->isEnabled());
        QVERIFY(!box.findChild<QPushButton*>(QStringLiteral("DeleteShape"))->isEnabled());
        QVERIFY(box.findChild<QPushButton*>(QStringLiteral("CopyShape"))->isEnabled());
        box.setControlsEnabled(false);
        QVERIFY(!list->isEnabled());
        QVERIFY(!box.findChild<QPushButton*>(QStringLiteral("CopyShape"))->isEnabled());
        QVERIFY(messages.shown.isEmpty());
    }

    void aLongStoredNameSurvivesModifyAndCopy()
    {
        const QByteArray name = "A shape whose name is forty-four characters!";
        QCOMPARE(name.size(), 44);
        const ShapeRecord stored = filledShape(name.constData(), 12, 12);
        TestFolders::writeFile(shapeLibraryPath(), QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored));
        TSelectShapes dialog(shapes(), m_ui->context());
        dialog.show();
        QString shown;
        const auto saveAsShown = [&](QWidget* modal) {
            auto* title = modal->findChild<QLineEdit*>(QStringLiteral("Title"));
            shown = title->text();
            // Typing cannot lengthen a name beyond its limit or its length.
            title->setFocus();
            title->end(false);
            QTest::keyClicks(title, QStringLiteral("xyz"));
            QCOMPARE(title->text(), shown);
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Save")), Qt::LeftButton);
        };
        ModalDriver modify({{"TDoShapes", saveAsShown}});
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ModifyShape")), Qt::LeftButton);
        QVERIFY(modify.finished());
        QCOMPARE(shown, QString::fromLatin1(name));
        ModalDriver copy({{"TDoShapes", saveAsShown}});
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CopyShape")), Qt::LeftButton);
        QVERIFY(copy.finished());

        const QByteArray library = TestFolders::readFile(shapeLibraryPath());
        QCOMPARE(library.size(), 2 * 2555);
        QCOMPARE(library.mid(1, 44), name);
        QCOMPARE(library.mid(2555 + 1, quint8(library[2555])), name + " (2)");

        // A new name is typed up to 30 characters.
        TDoShapes editor(ShapeEditorMode::New, ShapeRecord{}, -1);
        auto* title = editor.findChild<QLineEdit*>(QStringLiteral("Title"));
        title->clear();
        QTest::keyClicks(title, QString(40, u'n'));
        QCOMPARE(title->text().size(), 30);
    }

    void shapeEntriesAreFifteenPixelsHighAtTheScreenScale()
    {
        const ShapeRecord stored = filledShape("Box", 12, 12);
        TestFolders::writeFile(shapeLibraryPath(), QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored));
        for (const double scale : {1.0, 1.6}) {
            m_ui->state.screenScale = scale;
            ShapeListBox box(ShapeListMode::StandAlone, shapes(), m_ui->context(), 240);
            box.load();
            auto* list = box.findChild<QListWidget*>(QStringLiteral("ShapeBox"));
            box.show();
            QCOMPARE(list->visualItemRect(list->item(0)).height(), qRound(15 * scale));
        }
    }

private:
    ShapeListContext shapes()
    {
        ProgramState& state = m_ui->state;
        return {state.currentShape, state.settings.create.lastShape, state.currentPuzzle.get()};
    }

    std::unique_ptr<UiFixture> m_ui;
};

QM_UI_TEST(ShapesDialogTest)

#include "shapesdialog_test.moc"
