#include "core/report/loggingcanvas.h"
#include "support/guiapplication.h"
#include "support/metafilereader.h"
#include "support/pdftext.h"
#include "support/qmazerun.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"

#include "render/booklet.h"
#include "report/reportstream.h"
#include "storage/collectionfile.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral(QM_DATA_DIR "/SAMPLE.QZ3");

QStringList pageCalls(const ReportStream& stream, int page)
{
    LoggingCanvas canvas;
    stream.replayPage(page, canvas);
    return canvas.calls;
}

QString titleOf(qint64 index)
{
    PuzzleRecord record = zeroPuzzleRecord();
    return readPuzzle(kSample, index, record) ? record.Title.text() : QString();
}

} // namespace

class BookletTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureGuiApplication();
        if (!QFileInfo::exists(kSample))
            GTEST_SKIP() << "the sample collection is not built";
    }
    RecordingMessages messages;
};

TEST_F(BookletTest, TwelvePuzzlesWithTheirKeysAfterThemMakeTwentyFourPagesInOrder)
{
    QList<qint64> all;
    for (qint64 i = 0; i < 12; ++i)
        all << i;
    int calls = 0;
    const BookletResult booklet =
        makeBooklet(kSample, all, PrintOptions(), true, [&](int done, int total) {
            EXPECT_EQ(total, 24);
            EXPECT_EQ(done, calls++);
            return true;
        });
    EXPECT_EQ(calls, 25);
    const ReportStream stream(booklet.stream);
    ASSERT_EQ(stream.pageCount(), 24);
    EXPECT_EQ(booklet.puzzlePages, 12);
    EXPECT_TRUE(booklet.skipped.isEmpty());
    for (int i = 1; i <= 12; ++i) {
        const QString title = titleOf(i - 1);
        const QStringList puzzle = pageCalls(stream, i);
        const QStringList key = pageCalls(stream, i + 12);
        // The puzzle page has its title and no outline; its key page, in the
        // same place of the second half, has the outlines and the heading.
        EXPECT_TRUE(puzzle.filter(QStringLiteral("text ")).filter(title).size() >= 1) << i;
        EXPECT_TRUE(puzzle.filter(QStringLiteral("arc ")).isEmpty()) << i;
        EXPECT_FALSE(key.filter(QStringLiteral("arc ")).isEmpty()) << i;
        EXPECT_EQ(key.filter(QStringLiteral("text ")).filter(answerKeyHeading(title)).size(), 1) << i;
        EXPECT_TRUE(puzzle.filter(QStringLiteral("Answer Key:")).isEmpty()) << i;
    }
}

TEST_F(BookletTest, CategoryInListOrderCancelAndSkippedPuzzles)
{
    const QList<qint64> animals = categoryPuzzles(loadCollectionIndex(kSample), "Animals");
    ASSERT_EQ(animals.size(), 3);
    EXPECT_EQ(titleOf(animals[0]), QStringLiteral("African Safari"));
    EXPECT_EQ(titleOf(animals[2]), QStringLiteral("Ocean Life"));
    EXPECT_TRUE(categoryPuzzles(loadCollectionIndex(kSample), "No such").isEmpty());

    const BookletResult cancelled =
        makeBooklet(kSample, animals, PrintOptions(), true, [](int done, int) { return done < 2; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.stream.isEmpty());

    const BookletResult withHoles = makeBooklet(kSample, {animals[1], 99, -1}, PrintOptions(), false);
    EXPECT_EQ(ReportStream(withHoles.stream).pageCount(), 1);
    EXPECT_EQ(withHoles.skipped.size(), 2);
    EXPECT_TRUE(makeBooklet(kSample, {}, PrintOptions(), true).stream.isEmpty());
}

TEST_F(BookletTest, CommandLineWritesBookletsAndEveryFormatByExtension)
{
    TestFolders folders;
    const QString booklet = folders.path(QStringLiteral("animals.pdf"));
    QmazeRun run = runQmaze({QStringLiteral("render"), QStringLiteral("--collection"), kSample,
                             QStringLiteral("--category"), QStringLiteral("Animals"), QStringLiteral("--out"), booklet,
                             QStringLiteral("--answer-keys-after")},
                            shippedDataDir(), folders.startDir());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(booklet);
    const qsizetype safari = text.indexOf(QStringLiteral("Answer Key: African Safari"));
    const qsizetype farm = text.indexOf(QStringLiteral("Answer Key: Farm Animals"));
    const qsizetype ocean = text.indexOf(QStringLiteral("Answer Key: Ocean Life"));
    EXPECT_TRUE(safari > 0 && safari < farm && farm < ocean) << text.left(400).toStdString();

    run = runQmaze({QStringLiteral("render"), QStringLiteral("--collection"), kSample, QStringLiteral("--index"),
                    QStringLiteral("1,0"), QStringLiteral("--out"), folders.path(QStringLiteral("two.png"))});
    EXPECT_EQ(run.exitCode, 2); // a booklet is a PDF

    const struct {
        const char* name;
        QByteArray start;
    } formats[] = {{"page.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)}, {"page.emf", QByteArray("\x01\0\0\0", 4)},
                   {"page.svg", "<?xml"},          {"page.bmp", "BM"},
                   {"page.jpg", "\xFF\xD8\xFF"},   {"page.html", "<HTML>\r\n"}};
    for (const auto& format : formats) {
        const QString out = folders.path(QString::fromLatin1(format.name));
        run = runQmaze({QStringLiteral("render"), QStringLiteral("--collection"), kSample, QStringLiteral("--index"),
                        QStringLiteral("0"), QStringLiteral("--out"), out, QStringLiteral("--dpi"), QStringLiteral("20")},
                       shippedDataDir(), folders.startDir());
        EXPECT_EQ(run.exitCode, 0) << format.name << run.err.toStdString();
        EXPECT_TRUE(TestFolders::readFile(out).startsWith(format.start)) << format.name;
    }
    EXPECT_TRUE(readWmf(TestFolders::readFile(folders.path(QStringLiteral("page.wmf")))).ok);
    EXPECT_EQ(QImage(folders.path(QStringLiteral("page.JPG"))).width(), 170); // beside the page, 8.5 × 20
}
