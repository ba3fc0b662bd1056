#include "pagelayout/designdrawing.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/objectedits.h"
#include "pagelayout/pagedesign.h"
#include "support/guiapplication.h"
#include "support/recordingmessages.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

std::array<int, 4> rectOf(const LayoutObject& object)
{
    return {object.left(), object.top(), object.right(), object.bottom()};
}

// A design opened on `layout` (Modify, record 0) at `zoom`.
std::unique_ptr<PageDesign> reopen(const PageLayoutRecord& layout, int zoom)
{
    return std::make_unique<PageDesign>(PageDesignerMode::Modify, 0, &layout, zoom);
}

class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }

    QString library() const { return dir.filePath(QStringLiteral("QZFPAGE.DAT")); }
    PageLayoutRecord stored(qint64 n) const
    {
        PageLayoutRecord layout{};
        readLayout(library(), n, layout);
        return layout;
    }

    QTemporaryDir dir;
    RecordingMessages messages;
};

TEST_F(DesignerTest, NewLayoutSavedAtOnceIsLetterPortraitAtEachZoom)
{
    const struct {
        int zoom;
        int width;
        int height;
    } cases[] = {{1, 408, 528}, {2, 612, 792}, {3, 816, 1056}};
    for (const auto& c : cases) {
        PageDesign design(PageDesignerMode::New, -1, nullptr, c.zoom);
        ASSERT_EQ(design.save(QStringLiteral("  New Page "), {}, {}, library()), PageDesign::SaveResult::Saved);
        const PageLayoutRecord layout = stored(c.zoom - 1);
        EXPECT_EQ(layout.LayoutName.bytes(), "New Page");
        EXPECT_EQ(layout.PaperName.bytes(), "Letter");
        EXPECT_EQ(double(layout.PageWidth), 8.5);
        EXPECT_EQ(double(layout.PageHeight), 11.0);
        EXPECT_EQ(layout.UnitsInches, 1);
        EXPECT_EQ(layout.Portrait, 1);
        EXPECT_EQ(layout.ObjectCount, 0);
        EXPECT_EQ(layout.DesignZoom, c.zoom);
        EXPECT_EQ(layout.PageWidthPixels, c.width) << c.zoom;
        EXPECT_EQ(layout.PageHeightPixels, c.height) << c.zoom;
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(DesignerTest, ZoomingDriftsByTheExactDecimalFactors)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.addObject(ObjectKind::Text, QPoint(100, 72));
    design.setZoom(1);
    EXPECT_EQ(rectOf(design.layout().object(1)), (std::array<int, 4>{66, 48, 162, 144}));
    design.setZoom(2);
    EXPECT_EQ(rectOf(design.layout().object(1)), (std::array<int, 4>{99, 72, 243, 216}));
    EXPECT_FALSE(design.setZoom(2));

    // Saved at medium, reopened at small: rescaled on opening, stored as small.
    ASSERT_EQ(design.save(QStringLiteral("Drift"), {}, {}, library()), PageDesign::SaveResult::Saved);
    auto small = reopen(stored(0), 1);
    EXPECT_EQ(rectOf(small->layout().object(1)), (std::array<int, 4>{66, 48, 162, 144}));
    ASSERT_EQ(small->save(QStringLiteral("Drift"), {}, {}, library()), PageDesign::SaveResult::Saved);
    EXPECT_EQ(stored(0).DesignZoom, 1);
    EXPECT_EQ(stored(0).PageWidthPixels, 408);

    // A stored zoom outside 1..3 rescales nothing.
    PageLayoutRecord odd = stored(0);
    odd.DesignZoom = 7;
    EXPECT_EQ(rectOf(reopen(odd, 3)->layout().object(1)), (std::array<int, 4>{66, 48, 162, 144}));
}

TEST_F(DesignerTest, PaperOrientationAndUnitChanges)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.addObject(ObjectKind::Puzzle, QPoint(30, 40));
    const auto before = rectOf(design.layout().object(1));

    design.setPortrait(false);
    EXPECT_EQ(double(design.layout().PageWidth), 11.0);
    EXPECT_EQ(double(design.layout().PageHeight), 8.5);
    design.choosePaper("A4");
    EXPECT_EQ(double(design.layout().PageWidth), 29.7);
    EXPECT_EQ(double(design.layout().PageHeight), 21.0);
    EXPECT_FALSE(design.inches());
    EXPECT_EQ(design.layout().PageWidthPixels, 891); // 29.7 cm at 30 per cm
    EXPECT_EQ(rectOf(design.layout().object(1)), before);
    EXPECT_TRUE(messages.shown.isEmpty());

    design.choosePaper("Executive");
    EXPECT_EQ(messages.lastText(), kOddPaperWarning);
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Warning"));
    EXPECT_EQ(double(design.layout().PageWidth), 10.5);

    // Custom keeps the turned page as it is.
    design.choosePaper("Letter");
    design.choosePaper("Custom");
    EXPECT_EQ(double(design.layout().PageWidth), 11.0);
    EXPECT_EQ(double(design.layout().PageHeight), 8.5);
    EXPECT_EQ(design.layout().PaperName.bytes(), "Custom");
}

TEST_F(DesignerTest, CentimetresConvertThePageAndTheObjects)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.choosePaper("Custom");
    design.addObject(ObjectKind::Rectangle, QPoint(100, 72));
    ASSERT_TRUE(design.setInches(false));
    EXPECT_DOUBLE_EQ(design.layout().PageWidth, 21.59);
    EXPECT_DOUBLE_EQ(design.layout().PageHeight, 27.94);
    EXPECT_EQ(rectOf(design.layout().object(1)), (std::array<int, 4>{105, 76, 258, 228}));
    EXPECT_EQ(design.pixelsPerUnit(), 30);
    EXPECT_FALSE(design.setInches(false));
    ASSERT_TRUE(design.setInches(true));
    EXPECT_DOUBLE_EQ(design.layout().PageWidth, 8.5);
    EXPECT_EQ(design.layout().object(1).left(), 99);
    EXPECT_DOUBLE_EQ(centimetresToInches(21), 8.26); // cut, not rounded
    EXPECT_DOUBLE_EQ(inchesToCentimetres(7.25), 18.41);
}

TEST_F(DesignerTest, CustomSidesAreCheckedAgainstTheirUnitsRange)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.choosePaper("Custom");
    design.setInches(false);
    messages.clear();
    EXPECT_FALSE(design.applyCustomSide(PageSide::Height, QStringLiteral("9")));
    EXPECT_EQ(messages.lastText(),
              QStringLiteral("Height must be between 10 and 46 centimeters.  Please re-enter height."));
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Error"));
    EXPECT_TRUE(design.applyCustomSide(PageSide::Height, QStringLiteral(" 10 ")));
    EXPECT_EQ(double(design.layout().PageHeight), 10.0);

    QString message;
    EXPECT_FALSE(readCustomSide(PageSide::Width, QStringLiteral("12.01"), true, &message));
    EXPECT_EQ(message, QStringLiteral("Width must be between 3 and 12 inches.  Please re-enter width."));
    EXPECT_FALSE(readCustomSide(PageSide::Width, QStringLiteral("abc"), false, &message));
    EXPECT_EQ(message, QStringLiteral("Width must be between 7 and 31 centimeters.  Please re-enter width."));
    EXPECT_EQ(readCustomSide(PageSide::Height, QStringLiteral("18"), true, nullptr), 18.0);
}

TEST_F(DesignerTest, SaveChecksTheSizeEditsOnlyForACustomPage)
{
    // Legal landscape is 14 inches wide, beyond the custom widths: it saves.
    PageDesign legal(PageDesignerMode::New, -1, nullptr, 2);
    legal.choosePaper("Legal");
    legal.setPortrait(false);
    EXPECT_EQ(legal.save(QStringLiteral("Legal"), QStringLiteral("14.00"), QStringLiteral("8.50"), library()),
              PageDesign::SaveResult::Saved);
    EXPECT_EQ(stored(0).PageWidthPixels, 1008);

    // A custom page checks the height first, then the width, and stores them.
    PageDesign custom(PageDesignerMode::New, -1, nullptr, 2);
    custom.choosePaper("Custom");
    EXPECT_EQ(custom.save(QStringLiteral("C"), QStringLiteral("20"), QStringLiteral("30"), library()),
              PageDesign::SaveResult::BadHeight);
    EXPECT_EQ(custom.save(QStringLiteral("C"), QStringLiteral("20"), QStringLiteral("9"), library()),
              PageDesign::SaveResult::BadWidth);
    EXPECT_EQ(custom.save(QStringLiteral("C"), QStringLiteral("6"), QStringLiteral("9"), library()),
              PageDesign::SaveResult::Saved);
    EXPECT_EQ(double(stored(1).PageWidth), 6.0);
    EXPECT_EQ(stored(1).PageHeightPixels, 648);
}

TEST_F(DesignerTest, ModifyOverwritesItsRecordAndUnwritableLibraryKeepsTheDesigner)
{
    PageLayoutRecord first = newPageLayout();
    first.LayoutName.assign("First");
    appendLayout(library(), first);
    appendLayout(library(), first);
    PageDesign modify(PageDesignerMode::Modify, 1, &first, 2);
    ASSERT_EQ(modify.save(QStringLiteral("Second"), {}, {}, library()), PageDesign::SaveResult::Saved);
    EXPECT_EQ(stored(0).LayoutName.bytes(), "First");
    EXPECT_EQ(stored(1).LayoutName.bytes(), "Second");

    PageDesign lost(PageDesignerMode::New, -1, nullptr, 2);
    EXPECT_EQ(lost.save(QStringLiteral("x"), {}, {}, dir.filePath(QStringLiteral("none/QZFPAGE.DAT"))),
              PageDesign::SaveResult::CannotWrite);
    EXPECT_EQ(messages.lastText(), QStringLiteral("Unable to add page layout."));
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Disk Error"));
    EXPECT_FALSE(lost.saved());
}

TEST_F(DesignerTest, KindButtonsAllowOneOfEachCrosswordObjectAndTwentyInAll)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.addObject(ObjectKind::Title, QPoint(10, 10));
    EXPECT_FALSE(design.kindButtonEnabled(ObjectKind::Title));
    EXPECT_TRUE(design.kindButtonEnabled(ObjectKind::Puzzle));
    design.deleteObject(1);
    EXPECT_TRUE(design.kindButtonEnabled(ObjectKind::Title));

    for (int n = 0; n < 19; ++n)
        design.addObject(ObjectKind::Text, QPoint(n, n));
    EXPECT_TRUE(design.kindButtonEnabled(ObjectKind::Circle));
    EXPECT_EQ(design.layout().object(19).ObjName.bytes(), "Text 19");
    design.addObject(ObjectKind::Circle, QPoint(0, 0));
    for (ObjectKind kind : {ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::WordList, ObjectKind::Bonus,
                            ObjectKind::Text, ObjectKind::Bitmap, ObjectKind::Rectangle, ObjectKind::Circle})
        EXPECT_FALSE(design.kindButtonEnabled(kind)) << int(kind);
    EXPECT_EQ(design.addObject(ObjectKind::Text, QPoint(0, 0)), 0);
    EXPECT_EQ(design.layout().objectCount(), 20);
}

TEST_F(DesignerTest, MousePlacesSelectsMovesAndResizesWithNormalisedEdges)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.pressKindButton(ObjectKind::WordList);
    EXPECT_EQ(design.cursor(), DesignCursor::Drag);
    design.mousePress(QPoint(100, 200), Qt::LeftButton);
    const DesignRelease created = design.mouseRelease(QPoint(100, 200));
    EXPECT_EQ(created.action, DesignRelease::Action::Created);
    EXPECT_EQ(rectOf(design.layout().object(1)), (std::array<int, 4>{100, 200, 244, 416})); // 2 x 3 inches
    EXPECT_EQ(design.layout().object(1).ObjName.bytes(), "Words / Clues");
    EXPECT_EQ(design.cursor(), DesignCursor::Normal);
    EXPECT_FALSE(design.armedKind());

    design.mousePress(QPoint(150, 300), Qt::LeftButton);
    EXPECT_EQ(design.mouseRelease(QPoint(150, 300)).object, 1);
    design.mouseMove(QPoint(150, 300), false);
    EXPECT_EQ(design.cursor(), DesignCursor::Move);

    // Top-left handle dragged past the bottom-right corner.
    design.mouseMove(QPoint(101, 201), false);
    EXPECT_EQ(design.cursor(), DesignCursor::SizeNWSE);
    design.mousePress(QPoint(101, 201), Qt::LeftButton);
    design.mouseMove(QPoint(301, 451), true);
    ASSERT_TRUE(design.rubberBand());
    EXPECT_EQ(*design.rubberBand(), (DesignRect{300, 450, 244, 416}));
    EXPECT_EQ(design.mouseRelease(QPoint(301, 451)).action, DesignRelease::Action::Resized);
    EXPECT_EQ(rectOf(design.layout().object(1)), (std::array<int, 4>{244, 416, 300, 450}));
    EXPECT_FALSE(design.rubberBand());

    design.mouseMove(QPoint(250, 420), false);
    design.mousePress(QPoint(250, 420), Qt::LeftButton);
    EXPECT_EQ(design.mouseRelease(QPoint(240, 430)).action, DesignRelease::Action::Moved);
    EXPECT_EQ(rectOf(design.layout().object(1)), (std::array<int, 4>{234, 426, 290, 460}));

    // Right click over an object asks for its popup; over empty page nothing.
    design.mousePress(QPoint(240, 430), Qt::RightButton);
    EXPECT_EQ(design.mouseRelease(QPoint(5, 5)).action, DesignRelease::Action::Popup);
    design.mousePress(QPoint(5, 5), Qt::RightButton);
    EXPECT_EQ(design.mouseRelease(QPoint(5, 5)).action, DesignRelease::Action::None);
}

TEST_F(DesignerTest, HandleZonesAreTriedCornersFirst)
{
    const DesignRect rect{10, 10, 20, 14}; // so small that zones overlap
    EXPECT_EQ(handleAt(rect, QPoint(8, 8)), TopLeft);
    EXPECT_EQ(handleAt(rect, QPoint(13, 13)), TopLeft);
    EXPECT_EQ(handleAt(rect, QPoint(22, 8)), TopRight);
    EXPECT_EQ(handleAt(rect, QPoint(14, 9)), TopCentre);
    EXPECT_EQ(handleAt(rect, QPoint(16, 16)), BottomCentre);
    EXPECT_EQ(handleAt(rect, QPoint(12, 16)), BottomLeft);
    EXPECT_EQ(handleAt(rect, QPoint(7, 12)), NoHandle);
    const DesignRect tall{10, 10, 20, 40};
    EXPECT_EQ(handleAt(tall, QPoint(9, 24)), LeftMiddle);
    EXPECT_EQ(handleAt(tall, QPoint(22, 27)), RightMiddle);
    EXPECT_EQ(handleAt(tall, QPoint(15, 25)), NoHandle);
    EXPECT_EQ(handleSquare(tall, BottomRight), (DesignRect{17, 37, 22, 42}));
}

TEST_F(DesignerTest, RulerOfEightAndAHalfInches)
{
    const RulerMarks marks = rulerMarks(8.5, 72, true);
    EXPECT_EQ(marks.labels, (QList<int>{72, 144, 216, 288, 360, 432, 504, 576}));
    EXPECT_TRUE(marks.ticks.contains(RulerTick{576, 15}));
    EXPECT_TRUE(marks.ticks.contains(RulerTick{540, 18})); // the half inch before 8
    EXPECT_TRUE(marks.ticks.contains(RulerTick{567, 24}));
    QList<RulerTick> beyond;
    for (const RulerTick& tick : marks.ticks)
        if (tick.offset > 576)
            beyond << tick;
    EXPECT_EQ(beyond, (QList<RulerTick>{{612, 18}, {594, 21}, {585, 24}, {603, 24}}));
    EXPECT_EQ(marks.ticks.size(), 8 * 8 + 4);

    const RulerMarks centimetres = rulerMarks(1.0, 20, false);
    EXPECT_EQ(centimetres.ticks.size(), 10);
    EXPECT_TRUE(centimetres.ticks.contains(RulerTick{10, 20}));
}

TEST_F(DesignerTest, StackingKeepsTheOrderOfTheOthersAndTheSelection)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    for (ObjectKind kind : {ObjectKind::Text, ObjectKind::Rectangle, ObjectKind::Circle, ObjectKind::Bitmap})
        design.addObject(kind, QPoint(0, 0));
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath(QStringLiteral("red.bmp"))));
    ASSERT_TRUE(design.loadBitmap(4, dir.filePath(QStringLiteral("red.bmp"))));
    const auto names = [&] {
        QByteArrayList result;
        for (int n = 1; n <= design.layout().objectCount(); ++n)
            result << design.layout().object(n).ObjName.bytes();
        return result;
    };
    design.select(2);
    design.bringToFront(2);
    EXPECT_EQ(names(), (QByteArrayList{"Text 1", "Circle 1", "Bitmap 1", "Rectangle 1"}));
    EXPECT_EQ(design.selected(), 4);
    EXPECT_FALSE(design.picture(3).isNull()); // the bitmap's picture moved with it
    design.sendToBack(3);
    EXPECT_EQ(names(), (QByteArrayList{"Bitmap 1", "Text 1", "Circle 1", "Rectangle 1"}));
    EXPECT_FALSE(design.picture(1).isNull());
    EXPECT_TRUE(design.picture(2).isNull());
    design.deleteObject(4);
    EXPECT_EQ(design.selected(), 0);
    EXPECT_EQ(names(), (QByteArrayList{"Bitmap 1", "Text 1", "Circle 1"}));
}

TEST_F(DesignerTest, MissingBitmapWarnsAndShowsThePlaceholder)
{
    PageLayoutRecord layout = newPageLayout();
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.addObject(ObjectKind::Bitmap, QPoint(10, 10));
    layout = design.layout();
    layout.object(1).BitmapFile.setText(dir.filePath(QStringLiteral("gone.bmp")));
    auto reopened = reopen(layout, 2);
    EXPECT_EQ(messages.lastText(), QStringLiteral("A bitmap for this layout could not be located."));
    EXPECT_TRUE(reopened->picture(1).isNull());
    const QImage placeholder = designPagePicture(*reopened);
    EXPECT_EQ(placeholder.pixelColor(10, 50), QColor(Qt::black)); // its frame
    EXPECT_EQ(placeholder.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(reopened->layout().object(1).BitmapFile.text(), dir.filePath(QStringLiteral("gone.bmp")));

    const QString text = dir.filePath(QStringLiteral("note.bmp"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_FALSE(reopened->loadBitmap(1, text));
    EXPECT_EQ(messages.lastText(), QStringLiteral("The file selected is not a valid bitmap file."));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("red.BMP"))));
    EXPECT_TRUE(reopened->loadBitmap(1, dir.filePath(QStringLiteral("red.BMP"))));
    EXPECT_EQ(designPagePicture(*reopened).pixelColor(50, 50), QColor(Qt::red));
}

TEST_F(DesignerTest, PagePictureShowsKindsBordersAndHandles)
{
    PageDesign design(PageDesignerMode::New, -1, nullptr, 2);
    design.addObject(ObjectKind::Puzzle, QPoint(20, 20));
    const int title = design.addObject(ObjectKind::Title, QPoint(300, 20));
    LayoutObject thick = design.layout().object(title);
    thick.BorderWidth = 3;
    thick.BorderColor = 0x0000FF;
    design.replaceObject(title, thick);
    design.select(1);
    const QImage page = designPagePicture(design);
    EXPECT_EQ(page.size(), QSize(612, 792));
    EXPECT_EQ(page.pixelColor(100, 150), QColor(0x80, 0, 0)); // puzzle fill
    EXPECT_EQ(page.pixelColor(20, 100), QColor(Qt::black));   // its frame (and a handle)
    EXPECT_EQ(page.pixelColor(18, 18), QColor(Qt::black));    // top-left handle outside it
    EXPECT_EQ(page.pixelColor(302, 30), QColor(Qt::red));     // third border outline
    EXPECT_EQ(page.pixelColor(303, 30), QColor(Qt::yellow));
    EXPECT_EQ(page.pixelColor(5, 5), QColor(Qt::white));

    const QImage ruler = designRuler(design, Qt::Horizontal);
    EXPECT_EQ(ruler.size(), QSize(612, kRulerDepth));
    EXPECT_EQ(ruler.pixelColor(72, 20), QColor(Qt::black));
    EXPECT_EQ(ruler.pixelColor(80, 20), QColor(Qt::red));
}

TEST_F(DesignerTest, DamagedLayoutsOpenDrawZoomAndSaveWithoutHarm)
{
    QRandomGenerator random(14);
    for (int round = 0; round < 16; ++round) {
        auto layout = std::make_unique<PageLayoutRecord>();
        random.fillRange(reinterpret_cast<quint32*>(layout.get()), sizeof(PageLayoutRecord) / 4);
        if (round % 2) { // plausible kinds and counts, absurd everything else
            layout->ObjectCount = static_cast<std::int16_t>(round % 21);
            for (LayoutObject& object : layout->Objects)
                object.ObjKind = static_cast<std::int16_t>(ObjectKind::Bitmap) + round % 3;
            layout->object(1).setRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        }
        auto design = reopen(*layout, round % 4);
        design->select(1);
        EXPECT_FALSE(designPagePicture(*design).isNull());
        designRuler(*design, Qt::Vertical);
        design->mouseMove(QPoint(5, 5), false);
        design->mousePress(QPoint(5, 5), Qt::LeftButton);
        design->mouseMove(QPoint(50, 50), true);
        design->mouseRelease(QPoint(50, 50));
        design->setZoom(round % 3 + 1);
        design->setInches(round % 2 == 0);
        design->bringToFront(2);
        design->deleteObject(1);
        EXPECT_EQ(design->save(QStringLiteral("x"), QStringLiteral("8"), QStringLiteral("9"), library()) ==
                      PageDesign::SaveResult::Saved,
                  !design->isCustomPaper() || design->inches());
    }
}

TEST_F(DesignerTest, PopupItemsDisabledByKind)
{
    using P = PopupItem;
    EXPECT_FALSE(popupItemEnabled(int(ObjectKind::Puzzle), P::Border));
    EXPECT_TRUE(popupItemEnabled(int(ObjectKind::Puzzle), P::Properties));
    EXPECT_FALSE(popupItemEnabled(int(ObjectKind::Bitmap), P::Properties));
    EXPECT_TRUE(popupItemEnabled(int(ObjectKind::Bitmap), P::LoadBitmap));
    EXPECT_TRUE(popupItemEnabled(int(ObjectKind::Text), P::ChangeText));
    EXPECT_FALSE(popupItemEnabled(int(ObjectKind::Title), P::Fill));
    EXPECT_TRUE(popupItemEnabled(int(ObjectKind::Circle), P::Fill));
    EXPECT_FALSE(popupItemEnabled(int(ObjectKind::Circle), P::TextFont));
    EXPECT_FALSE(popupItemEnabled(int(ObjectKind::WordList), P::TextAlignment));
    EXPECT_TRUE(popupItemEnabled(int(ObjectKind::Bonus), P::TextAlignment));
}

// ---------------------------------------------------------------- object dialogs

TEST(ObjectEditsTest, SizeAndPositionInUnitsAndBack)
{
    const SizeLocationTexts shown = sizeLocationTexts({72, 36, 216, 54}, 72);
    EXPECT_EQ(shown.left, QStringLiteral("1.000"));
    EXPECT_EQ(shown.top, QStringLiteral("0.500"));
    EXPECT_EQ(shown.width, QStringLiteral("2.000"));
    EXPECT_EQ(shown.height, QStringLiteral("0.250"));

    SizeLocationEntry entry = readSizeLocation({"1", "0.5", "0.0069", " 0.25 "}, 72, 612, 792);
    EXPECT_FALSE(entry.invalid);
    EXPECT_EQ(entry.rect, (DesignRect{72, 36, 72, 54})); // zero width, accepted
    EXPECT_FALSE(entry.offPage);
    entry = readSizeLocation({"0.0625", "0.1875", "8.4", "1"}, 8, 612, 792); // halves to even: 0.5 and 1.5
    EXPECT_EQ(entry.rect, (DesignRect{0, 2, 67, 10}));
    EXPECT_FALSE(readSizeLocation({"8.49", "0", "5", "1"}, 72, 612, 792).offPage); // only the corner counts
    EXPECT_TRUE(readSizeLocation({"8.5", "0", "1", "1"}, 72, 612, 792).offPage);
    EXPECT_TRUE(readSizeLocation({"0", "11", "1", "1"}, 72, 612, 792).offPage);

    const struct {
        SizeLocationTexts texts;
        SizeField field;
        QString message;
    } invalid[] = {{{"-1", "0", "1", "1"}, SizeField::Left, kInvalidLeft},
                   {{"1", "x", "1", "1"}, SizeField::Top, kInvalidTop},
                   {{"1", "1", "0", "1"}, SizeField::Width, kInvalidWidth},
                   {{"1", "1", "1", "nan"}, SizeField::Height, kInvalidHeight}};
    for (const auto& c : invalid) {
        const SizeLocationEntry refused = readSizeLocation(c.texts, 72, 612, 792);
        EXPECT_EQ(refused.invalid, c.field);
        EXPECT_EQ(refused.message, c.message);
    }
}

TEST(ObjectEditsTest, TitlesTextsAndSmallNumbers)
{
    LayoutObject object = newLayoutObject(ObjectKind::WordList);
    object.ObjName.assign("Words / Clues");
    EXPECT_EQ(objectDialogTitle(kSizeLocationTitle, object), QStringLiteral("Size & Location of Words / Clues"));
    EXPECT_EQ(objectDialogTitle(kFillTitle, object), QStringLiteral("Fill Info for Words / Clues"));
    object.ObjName.assign("Bonus Question 1");
    EXPECT_EQ(objectDialogTitle(kBorderTitle, object), QStringLiteral("Border Info for Bonus Question "));

    EXPECT_EQ(readPositiveWhole(QStringLiteral("3")), 3);
    EXPECT_FALSE(readPositiveWhole(QStringLiteral("0")));
    EXPECT_FALSE(readPositiveWhole(QStringLiteral("")));
    EXPECT_FALSE(readPositiveWhole(QStringLiteral("1.5")));

    storeObjectText(object, QString(1000, u'x'));
    EXPECT_EQ(object.text().size(), 999);
    storeObjectText(object, QStringLiteral("one\ntwo"));
    EXPECT_EQ(object.text(), QByteArray("one\r\ntwo"));
    EXPECT_EQ(objectTextForEdit(object), QStringLiteral("one\ntwo"));
    EXPECT_EQ(limitedEditText(QStringLiteral("ab\ncd"), 4), QStringLiteral("ab\n"));
}

} // namespace
