#include "app/mainwindow.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/layoutthumbnail.h"
#include "pagelayout/ui/extractdialog.h"
#include "pagelayout/ui/layoutthumbnailview.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "support/puzzles.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QStringList listTexts(const QListWidget* box)
{
    QStringList texts;
    for (int row = 0; row < box->count(); ++row)
        texts << box->item(row)->text();
    return texts;
}

void writeLibrary(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        PageLayoutRecord layout = builtInDefaultLayout();
        layout.LayoutName.assign(name);
        appendLayout(layoutLibraryPath(), layout);
    }
}

QByteArray layoutFile(const char* name)
{
    PageLayoutRecord layout = builtInDefaultLayout();
    layout.LayoutName.assign(name);
    return QByteArray("PAG1.0") + QByteArray(reinterpret_cast<const char*>(&layout), sizeof layout);
}

} // namespace

class ListPagesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;

    Settings& settings() { return m_ui->state.settings; }
    std::unique_ptr<TListPages> openList(LayoutListMode mode)
    {
        auto dialog = std::make_unique<TListPages>(mode, m_ui->context());
        dialog->show();
        return dialog;
    }
    bool enabled(const TListPages& dialog, const char* name) const
    {
        return dialog.button(QString::fromLatin1(name))->isEnabled();
    }

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup() { m_ui.reset(); }

    void libraryModeListsSortedEntriesAndNeverOffersSelect()
    {
        writeLibrary({"zebra", "Apple"});
        auto dialog = openList(LayoutListMode::Library);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Puzzle Page Layouts"));
        QCOMPARE(listTexts(dialog->PageList()),
                 (QStringList{"Apple (Letter)", "zebra (Letter)  <<DEFAULT>>"}));
        QCOMPARE(dialog->PageList()->currentRow(), 0);
        QVERIFY(!enabled(*dialog, "SelectButton"));
        QVERIFY(enabled(*dialog, "DeleteButton"));
        QCOMPARE(dialog->PageImage()->size(), QSize(245, 313));
        QCOMPARE(dialog->PageImage()->image().pixelColor(100, 100), thumbnailColour(2)); // the built-in grid

        dialog->PageList()->setCurrentRow(1);
        QCOMPARE(dialog->list().layout().LayoutName.bytes(), QByteArray("zebra"));
        dialog->SelectClick();
        QVERIFY(!dialog->layoutChosen());
        QVERIFY(m_ui->messages.shown.isEmpty());
    }

    void chooseModesReturnTheSelectedLayout()
    {
        writeLibrary({"First", "Second"});
        auto dialog = openList(LayoutListMode::WordListEditor);
        QVERIFY(enabled(*dialog, "SelectButton"));
        dialog->PageList()->setCurrentRow(1);
        dialog->SelectClick();
        QVERIFY(dialog->layoutChosen());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->chosenLayout().LayoutName.bytes(), QByteArray("Second"));
    }

    void emptyLibraryWarnsAndDisablesTheButtonsUntilAnImport()
    {
        auto dialog = openList(LayoutListMode::PrintOptions);
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No saved page layouts could be found."));
        for (const char* name : {"SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton"})
            QVERIFY2(!enabled(*dialog, name), name);
        dialog->SelectClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No layout has been selected."));

        const QString file = m_ui->folders.path("shared.PAG");
        TestFolders::writeFile(file, layoutFile("Shared"));
        FileDialogRequest asked;
        setFileChooser([&](QWidget*, const FileDialogRequest& request) {
            asked = request;
            return file;
        });
        dialog->ImportClick();
        QCOMPARE(asked.title, QStringLiteral("Import Page Layouts"));
        QCOMPARE(asked.filter, QStringLiteral("Page Layouts (*.PAG)|*.PAG"));
        QCOMPARE(asked.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(settings().misc.lastImportLayoutFile, file);
        QCOMPARE(listTexts(dialog->PageList()), (QStringList{"Shared (Letter)  <<DEFAULT>>"}));
        QCOMPARE(dialog->PageList()->currentRow(), 0);
        for (const char* name : {"SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton"})
            QVERIFY2(enabled(*dialog, name), name);
    }

    void exportAsksWhereAndRemembersTheFile()
    {
        writeLibrary({"Out"});
        settings().misc.lastExportLayoutFile = m_ui->folders.path("last.PAG");
        auto dialog = openList(LayoutListMode::Library);
        const QString file = m_ui->folders.path("out.PAG");
        FileDialogRequest asked;
        setFileChooser([&](QWidget*, const FileDialogRequest& request) {
            asked = request;
            return file;
        });
        dialog->ExportClick();
        QCOMPARE(asked.title, QStringLiteral("Export Page Layouts"));
        QCOMPARE(asked.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(asked.initialPath, m_ui->folders.path("last.PAG"));
        QVERIFY(asked.overwritePrompt);
        QCOMPARE(asked.defaultExtension, QStringLiteral("PAG"));
        QCOMPARE(settings().misc.lastExportLayoutFile, file);
        QCOMPARE(TestFolders::readFile(file), layoutFile("Out"));
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Page Layout Exported!"));
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("OK"));

        setFileChooser([&](QWidget*, const FileDialogRequest&) { return m_ui->folders.path("no/such/dir/x.PAG"); });
        dialog->ExportClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Page layout could not be exported."));
    }

    void setDefaultAndDeletingTheLastLayout()
    {
        writeLibrary({"A", "B", "C"});
        auto dialog = openList(LayoutListMode::Library);
        dialog->PageList()->setCurrentRow(2);
        dialog->DefaultClick();
        QCOMPARE(listTexts(dialog->PageList()), (QStringList{"A (Letter)", "B (Letter)", "C (Letter)  <<DEFAULT>>"}));
        QCOMPARE(dialog->PageList()->currentRow(), 2);

        for (int n = 0; n < 3; ++n)
            dialog->DeleteClick(); // scripted answers run out: Yes
        QCOMPARE(dialog->PageList()->count(), 0);
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No saved page layouts could be found."));
        QVERIFY(!enabled(*dialog, "DeleteButton"));
    }

    void designerButtonsOpenTheDesignerAndSelectWhatItSaved()
    {
        writeLibrary({"Base", "Zulu"});
        auto dialog = openList(LayoutListMode::WordListEditor);
        PageDesignerMode askedMode{};
        QByteArray startName;
        setPageDesigner([&](QWidget*, PageDesignerMode mode, qint64, const PageLayoutRecord* layout) {
            askedMode = mode;
            startName = layout ? layout->LayoutName.bytes() : QByteArray();
            PageLayoutRecord saved = *layout;
            appendLayout(layoutLibraryPath(), saved);
            return true;
        });
        dialog->CopyClick(); // copies "Base", which sorts first
        QCOMPARE(askedMode, PageDesignerMode::Copy);
        QCOMPARE(startName, QByteArray("Base (2)"));
        QCOMPARE(dialog->list().selectedRecordIndex(), 2);
        QCOMPARE(dialog->PageList()->currentItem()->text(), QStringLiteral("Base (2) (Letter)"));
        QVERIFY(enabled(*dialog, "SelectButton"));

        dialog->PageList()->clearSelection();
        dialog->ModifyClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No page layout selected."));
        QVERIFY(!enabled(*dialog, "SelectButton"));
    }

    void extractDialogListsPuzzlesAndAddsTheChosenLayout()
    {
        writeLibrary({"Existing"});
        const QString collection = m_ui->folders.path("c.QZ3");
        auto puzzle = makePuzzle("Animals", "Birds");
        puzzle->PageLayout.LayoutName.assign("Birds Page");
        createEmptyCollection(collection);
        writePuzzle(collection, *makePuzzle("Animals", "farm"), -1);
        writePuzzle(collection, *puzzle, -1);
        settings().misc.lastGroup = collection;

        auto dialog = openList(LayoutListMode::Library);
        QString caption;
        QStringList titles;
        ModalDriver driver({{"ExtractAPuzzle", [&](QWidget* modal) {
                                 auto* extract = static_cast<TExtractAPuzzle*>(modal);
                                 caption = extract->windowTitle();
                                 titles = listTexts(extract->PuzzleList());
                                 extract->ExtractButton()->click(); // the first title is selected
                             }}});
        dialog->ExtractClick();
        QCOMPARE(caption, QStringLiteral("Extract Page Layout From Puzzle"));
        QCOMPARE(titles, (QStringList{"Birds", "farm"}));
        QCOMPARE(listTexts(dialog->PageList()),
                 (QStringList{"Birds Page (Letter)", "Existing (Letter)  <<DEFAULT>>"}));
        QCOMPARE(dialog->PageList()->currentRow(), 0);
        QCOMPARE(QFile(layoutLibraryPath()).size(), 2 * 28868);
    }

    void extractNeedsAPuzzle()
    {
        const QString collection = m_ui->folders.path("empty.QZ3");
        createEmptyCollection(collection);
        PageLayoutList list(LayoutListMode::Library, settings().pageLayout.defaultPage);
        TExtractAPuzzle extract(list, collection);
        QCOMPARE(extract.PuzzleList()->count(), 0);
        QVERIFY(!extract.ExtractButton()->isEnabled());
        extract.ExtractClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No puzzles have been selected for export."));
        QVERIFY(!QFile::exists(layoutLibraryPath()));
    }

    void mainWindowOffersThePageLayoutCommand()
    {
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        TMainWin window;
        QVERIFY(window.action("PageLayout")->isEnabled());
    }
};

QM_UI_TEST(ListPagesTest)

#include "listpages_test.moc"
