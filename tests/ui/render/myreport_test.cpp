#include "ui/uitestmain.h"

#include "pagelayout/ui/layoutthumbnailview.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "render/reportoptions.h"
#include "render/ui/myreport.h"
#include "support/puzzlebuilder.h"
#include "support/ui/keyboard.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<PuzzleRecord> puzzleWithLayout(const PageLayoutRecord& layout)
{
    PuzzleBuilder puzzle(8, 8, "Farm");
    puzzle.place("COW", 1, 1, Right, "Says moo").fill().layout(layout);
    return puzzle.take();
}

// A layout with a puzzle object and, when columns > 0, a word list of that
// many columns.
PageLayoutRecord layoutWith(int columns, bool lowerCase, bool gridLines)
{
    LayoutBuilder layout;
    LayoutObject& grid = layout.add(ObjectKind::Puzzle, 48, 48, 300, 300);
    grid.LowerCaseLetters = lowerCase ? 1 : 0;
    grid.Transparent = gridLines ? 1 : 0;
    if (columns > 0)
        layout.add(ObjectKind::WordList, 48, 320, 300, 500).NumColumns = static_cast<std::int16_t>(columns);
    return layout.layout();
}

} // namespace

class MyReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> m_ui;

    static bool enabled(TMyReport& form, const char* name)
    {
        const QString n = QString::fromLatin1(name);
        return form.control(n) ? form.control(n)->isEnabled() : form.edit(n)->isEnabled();
    }

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup() { m_ui.reset(); }

    void showingPutsTheOptionsIntoTheControls()
    {
        ReportSettings& r = m_ui->state.settings.reports;
        r.printBody = false;
        r.answerKey = true;
        r.wordOption = 4;
        r.partialUnderscore = true;
        r.firstLetters = 2;
        r.lastLetters = 0;
        TMyReport form(*puzzleWithLayout(layoutWith(2, false, false)), m_ui->context());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Reports"));
        QVERIFY(form.control("PartTitle")->isChecked());
        QVERIFY(!form.control("PartBody")->isChecked());
        QVERIFY(form.control("AnswerKey")->isChecked());
        QVERIFY(form.control("PartialWords")->isChecked());
        QVERIFY(form.control("PartialUnder")->isChecked());
        QCOMPARE(form.edit("FirstLets")->text(), QStringLiteral("2"));
        QCOMPARE(form.edit("LastLets")->text(), QStringLiteral("0"));
        QCOMPARE(form.control("Clues")->text(), QStringLiteral("Clues "));
        QVERIFY(static_cast<QPushButton*>(form.control("ViewButton"))->isDefault());
        QVERIFY(!form.PageImage()->image().isNull());
    }

    void wordStylesEnableTheirOwnControls_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<bool>>("expected"); // CluesUnder, PartialUnder, FirstLets, LastLets
        QTest::newRow("normal") << "NormalWords" << 1 << QList<bool>{false, false, false, false};
        QTest::newRow("clues") << "Clues" << 2 << QList<bool>{true, false, false, false};
        QTest::newRow("scrambled") << "ScrambleWords" << 3 << QList<bool>{false, false, false, false};
        QTest::newRow("partial") << "PartialWords" << 4 << QList<bool>{false, true, true, true};
    }
    void wordStylesEnableTheirOwnControls()
    {
        QFETCH(QString, style);
        QFETCH(int, number);
        QFETCH(QList<bool>, expected);
        // Start from the other extreme so every control has to change.
        m_ui->state.settings.reports.wordOption = number == 4 ? 2 : 4;
        TMyReport form(*puzzleWithLayout(layoutWith(3, false, false)), m_ui->context());
        form.show();
        form.control(style)->click();
        QCOMPARE(form.options().WordStyle, number);
        QCOMPARE(m_ui->state.settings.reports.wordOption, number);
        const QList<bool> actual{enabled(form, "CluesUnder"), enabled(form, "PartialUnder"),
                                 enabled(form, "FirstLets"), enabled(form, "LastLets")};
        QCOMPARE(actual, expected);
    }

    void layoutDecidesGridLowerCaseAndColumns()
    {
        ReportSettings& r = m_ui->state.settings.reports;
        r.numColumns = 5;
        r.lowerCase = true;
        r.useGrid = true;
        {
            // No list object: three columns whatever was remembered.
            TMyReport form(*puzzleWithLayout(layoutWith(0, false, false)), m_ui->context());
            form.show();
            QCOMPARE(form.edit("NumColumns")->text(), QStringLiteral("3"));
            QCOMPARE(form.options().NumColumns, 3);
            QVERIFY(!form.control("LowerCase")->isChecked());
            QVERIFY(!form.options().LowerCase && !form.options().UseGrid);
            QCOMPARE(r.numColumns, 3);
        }
        TMyReport form(*puzzleWithLayout(layoutWith(2, true, true)), m_ui->context());
        form.show();
        QCOMPARE(form.edit("NumColumns")->text(), QStringLiteral("2"));
        QVERIFY(form.control("LowerCase")->isChecked() && form.control("UseGrid")->isChecked());
        QVERIFY(form.options().LowerCase && form.options().UseGrid);
        // The user may change them again for this print.
        form.control("UseGrid")->click();
        QVERIFY(!form.options().UseGrid);
        QVERIFY(!r.useGrid);
    }

    void numberEditsTakeOneDigitAndForgetLetters()
    {
        m_ui->state.settings.reports.wordOption = 4;
        TMyReport form(*puzzleWithLayout(layoutWith(3, false, false)), m_ui->context());
        form.show();
        QLineEdit* first = form.edit("FirstLets");
        first->clear();
        QTest::keyClicks(first, QStringLiteral("a"));
        QCOMPARE(first->text(), QString());
        QCOMPARE(form.options().FirstLets, 1);
        QTest::keyClicks(first, QStringLiteral("47"));
        QCOMPARE(first->text(), QStringLiteral("4"));
        QCOMPARE(form.options().FirstLets, 4);
        QCOMPARE(m_ui->state.settings.reports.firstLetters, 4);
    }

    void zeroColumnsAreRefusedWhenThePageIsRun()
    {
        TMyReport form(*puzzleWithLayout(layoutWith(3, false, false)), m_ui->context());
        form.show();
        QLineEdit* columns = form.edit("NumColumns");
        columns->clear();
        QTest::keyClicks(columns, QStringLiteral("0"));
        QCOMPARE(form.options().NumColumns, 0);
        QTest::mouseClick(form.control("ViewButton"), Qt::LeftButton);
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Invalid number of columns specified."));
        QCOMPARE(form.focusWidget(), columns);
    }

    void everyKeyHasOneOwnerWhereverTheFocusIs()
    {
        TMyReport form(*puzzleWithLayout(builtInDefaultLayout()), m_ui->context());
        QVERIFY(showActive(form));
        QTest::mouseClick(form.edit("NumColumns"), Qt::LeftButton);
        pressAlt(&form, Qt::Key_F);
        const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu && menu->title() == QStringLiteral("&File"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        pressAlt(&form, Qt::Key_N);
        QTRY_COMPARE(QApplication::activePopupWidget(), form.fontMenu());
        QTest::keyClick(form.fontMenu(), Qt::Key_Escape);

        // Ctrl+X closes the form instead of cutting from the edit. (The
        // offscreen platform leaves the closed popup the active window.)
        QVERIFY(showActive(form));
        form.edit("NumColumns")->setFocus();
        pressKey(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!form.isVisible());
    }

    void fontMenuHasAnEntryPerTextBearingObject()
    {
        // 20 objects of which 12 carry text (title, puzzle, list, bonus, text).
        LayoutBuilder layout;
        const ObjectKind kinds[] = {ObjectKind::Title,     ObjectKind::Rectangle, ObjectKind::Puzzle,
                                    ObjectKind::Circle,    ObjectKind::WordList,  ObjectKind::Bitmap,
                                    ObjectKind::Bonus,     ObjectKind::Text,      ObjectKind::Rectangle,
                                    ObjectKind::Text,      ObjectKind::Circle,    ObjectKind::Text};
        int textual = 0;
        for (int n = 0; n < 20; ++n) {
            const ObjectKind kind = kinds[n % 12];
            LayoutObject& object = layout.add(kind, 10, 10 + n, 40, 20 + n);
            object.ObjName.assign(QByteArray("Obj ") + QByteArray::number(n + 1));
            textual += kind == ObjectKind::Title || kind == ObjectKind::Puzzle || kind == ObjectKind::WordList
                       || kind == ObjectKind::Bonus || kind == ObjectKind::Text;
        }
        QCOMPARE(textual, 12);
        TMyReport form(*puzzleWithLayout(layout.layout()), m_ui->context());
        form.show();
        int visible = 0;
        for (int n = 1; n <= 21; ++n)
            visible += form.fontEntry(n)->isVisible();
        QCOMPARE(visible, 12);
        QVERIFY(form.fontEntry(12)->isVisible() && !form.fontEntry(13)->isVisible());
        QCOMPARE(form.fontEntry(1)->text(), QStringLiteral("Obj 1 Font"));
        QCOMPARE(form.fontEntry(2)->text(), QStringLiteral("Obj 3 Font"));
    }

    void fontsAndBonusChangeOnlyTheFormsCopy()
    {
        auto stored = puzzleWithLayout(builtInDefaultLayout());
        stored->BonusQuest.assign("Old question");
        const QByteArray before(reinterpret_cast<const char*>(stored.get()), sizeof(PuzzleRecord));
        TMyReport form(*stored, m_ui->context());
        form.show();

        ObjectFont seen;
        setObjectFontChooser([&](QWidget*, const ObjectFont& font) -> std::optional<ObjectFont> {
            seen = font;
            ObjectFont chosen = font;
            chosen.name = QStringLiteral("A font name that is longer than thirty characters");
            chosen.size = 31;
            chosen.color = 0x0000FF;
            chosen.italic = true;
            return chosen;
        });
        form.fontEntry(1)->trigger();
        const LayoutObject& title = form.puzzle().PageLayout.object(form.fontEntry(1)->data().toInt());
        QCOMPARE(seen.name, stored->PageLayout.object(1).FontName.text());
        QCOMPARE(title.FontName.text(), QStringLiteral("A font name that is longer tha"));
        QCOMPARE(int(title.FontSize), 31);
        QCOMPARE(int(title.FontColor), 0x0000FF);
        QCOMPARE(int(title.FontItalic), 1);

        QString shown;
        int maxLength = 0;
        ModalDriver driver({{QStringLiteral("BonusQuestion"), [&](QWidget* dialog) {
                                 auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("BonusText"));
                                 shown = text->text();
                                 maxLength = text->maxLength();
                                 text->setText(QStringLiteral("Which animal says moo?"));
                                 dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
                             }}});
        QTest::mouseClick(form.control("ChangeBonus"), Qt::LeftButton);
        QVERIFY(driver.finished());
        QCOMPARE(shown, QStringLiteral("Old question"));
        QCOMPARE(maxLength, 120);
        QCOMPARE(form.puzzle().BonusQuest.text(), QStringLiteral("Which animal says moo?"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(stored.get()), sizeof(PuzzleRecord)), before);
    }
};

QM_UI_TEST(MyReportTest)

#include "myreport_test.moc"
