// The command-line tool "qmaze generate" and the sample collection it builds.
#include "generationfixture.h"

#include "base/latin1.h"
#include "base/paths.h"
#include "storage/collectionfile.h"
#include "support/guiapplication.h"
#include "support/qmazerun.h"
#include "support/tempdir.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class QmazeGenerate : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(qmazeProgram()))
            GTEST_SKIP() << "qmaze is not built";
    }

    QString writeWords(const QByteArray& text)
    {
        const QString path = m_folders.path(QStringLiteral("words%1.txt").arg(++m_files));
        TestFolders::writeFile(path, text);
        return path;
    }
    QString collection(const QString& name = QStringLiteral("OUT.QZ3")) const { return m_folders.path(name); }

    // "generate" with the collection, the words and a title and category.
    QStringList generate(const QString& words, const QStringList& more, const QString& out = QString()) const
    {
        return QStringList{QStringLiteral("generate"),  QStringLiteral("--collection"),
                           out.isEmpty() ? collection() : out,
                           QStringLiteral("--words"),   words,
                           QStringLiteral("--title"),   QStringLiteral("Pets"),
                           QStringLiteral("--category"), QStringLiteral("Animals")}
               + more;
    }

    std::unique_ptr<PuzzleRecord> readBack(qint64 index = 0, const QString& path = QString()) const
    {
        auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
        EXPECT_TRUE(readPuzzle(path.isEmpty() ? collection() : path, index, *record));
        return record;
    }

    TestFolders m_folders;
    int m_files = 0;
};

} // namespace

TEST_F(QmazeGenerate, SameSeedRepeatsTheRunAndTheRecordIsComplete)
{
    const QString words =
        writeWords("cat: purrs\r\n\r\ndog : barks \r\n hamster\r\nGOLDFISH:\r\nparrot: talks: a lot\r\n");
    const QStringList options = {QStringLiteral("--shape"), QStringLiteral("10x8"), QStringLiteral("--attempts"),
                                 QStringLiteral("50"), QStringLiteral("--seed"), QStringLiteral("77"),
                                 QStringLiteral("--bonus"), QStringLiteral("Which pet talks?")};
    const QmazeRun first = runQmaze(generate(words, options));
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.err);
    EXPECT_FALSE(first.err.contains(QStringLiteral("qmaze generate:")));
    const QmazeRun second = runQmaze(generate(words, options, collection(QStringLiteral("AGAIN.QZ3"))));
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(TestFolders::readFile(collection()), TestFolders::readFile(collection(QStringLiteral("AGAIN.QZ3"))));

    const auto record = readBack();
    EXPECT_EQ(record->Title.bytes(), "Pets");
    EXPECT_EQ(record->Category.bytes(), "Animals");
    EXPECT_EQ(record->BonusQuest.bytes(), "Which pet talks?");
    EXPECT_EQ(record->Version.bytes(), "3.0c");
    EXPECT_TRUE(record->isGenerated());
    EXPECT_EQ(record->gridCols(), 10);
    EXPECT_EQ(record->gridRows(), 8);
    ASSERT_EQ(record->wordCount(), 5);
    // Placed words in byte order; clues split at the first colon and trimmed.
    EXPECT_EQ(record->word(1).bytes(), "GOLDFISH");
    EXPECT_EQ(record->word(3).bytes(), "dog");
    EXPECT_EQ(record->clue(3).bytes(), "barks");
    EXPECT_EQ(record->word(5).bytes(), "parrot");
    EXPECT_EQ(record->clue(5).bytes(), "talks: a lot");
    EXPECT_TRUE(record->clue(1).isEmpty());
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(record->wordPlaced(k));
        EXPECT_EQ(lettersBetween(*record, record->wordStart(k), record->wordEnd(k)),
                  UpperAscii(record->word(k).view()));
    }
    EXPECT_GT(record->PageLayout.objectCount(), 0); // the default layout of a new puzzle

    const QmazeRun list = runQmaze({QStringLiteral("list"), QStringLiteral("--collection"), collection()});
    EXPECT_TRUE(list.out.contains(QStringLiteral("Animals"))) << qPrintable(list.out);
    EXPECT_TRUE(list.out.contains(QStringLiteral("0  Pets")));

    // A rendered picture declares the resolution asked for.
    const QString png = m_folders.path(QStringLiteral("page.png"));
    const QmazeRun render = runQmaze({QStringLiteral("render"), QStringLiteral("--collection"), collection(),
                                      QStringLiteral("--index"), QStringLiteral("0"), QStringLiteral("--out"), png,
                                      QStringLiteral("--dpi"), QStringLiteral("120")});
    ASSERT_EQ(render.exitCode, 0) << qPrintable(render.err);
    const QImage picture(png);
    EXPECT_EQ(picture.width(), 1020); // 8.5 inches
    EXPECT_EQ(picture.dotsPerMeterX(), 4724);
    EXPECT_EQ(picture.dotsPerMeterY(), 4724);
}

TEST_F(QmazeGenerate, ListReportsACollectionThatCannotBeRead)
{
    const QString path = collection();
    TestFolders::writeFile(path, QByteArray(95830, '\0'));
    ASSERT_TRUE(QFile::setPermissions(path, {}));
    // The superuser reads any file; without that privilege it cannot.
    QStringList wrapper;
    if (QFile(path).open(QIODevice::ReadOnly)) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            GTEST_SKIP() << "the file stays readable";
        wrapper = {setpriv, QStringLiteral("--bounding-set=-dac_override,-dac_read_search")};
    }
    const QmazeRun list = runQmaze({QStringLiteral("list"), QStringLiteral("--collection"), path},
                                   shippedDataDir(), QString(), wrapper);
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_TRUE(list.out.isEmpty());
    EXPECT_TRUE(list.err.contains(QStringLiteral("qmaze list: cannot open %1").arg(path))) << qPrintable(list.err);
}

TEST_F(QmazeGenerate, RefusesWhatCreateRefusesWithItsMessages)
{
    const QString words = writeWords("ELEPHANT\nCAT\n");
    const QString empty = writeWords("  \n : only a clue\n");
    const QStringList rectangle = {QStringLiteral("--shape"), QStringLiteral("7x6")};
    struct Case {
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const QList<Case> cases = {
        {{QStringLiteral("generate"), QStringLiteral("--collection"), collection(), QStringLiteral("--words"), words,
          QStringLiteral("--title"), QStringLiteral("  "), QStringLiteral("--category"), QStringLiteral("Animals"),
          QStringLiteral("--shape"), QStringLiteral("10x10")},
         1,
         QStringLiteral("No title specified.  Please correct.")},
        {generate(words, {QStringLiteral("--shape"), QStringLiteral("10x10"), QStringLiteral("--category"),
                          QStringLiteral("")}),
         1,
         QStringLiteral("No category specified.  Please correct.")},
        {generate(empty, rectangle), 1, QStringLiteral("No words have been entered.  Please correct.")},
        {generate(words, rectangle + QStringList{QStringLiteral("--attempts"), QStringLiteral("0")}), 1,
         QStringLiteral("Attempts must be between 1 and 999.  Please correct.")},
        {generate(words, rectangle), 1,
         QStringLiteral("Word is greater than puzzle dimension size of 7 characters in \"ELEPHANT\".")},
        {generate(words, {QStringLiteral("--shape"), QStringLiteral("4x10")}), 2, QStringLiteral("between 5 and 30")},
        {generate(words, {QStringLiteral("--shape-name"), QStringLiteral("Square")}), 1,
         QStringLiteral("give the size as well")},
        {generate(words, rectangle + QStringList{QStringLiteral("--directions"), QStringLiteral("up,sideways")}), 2,
         QStringLiteral("unknown direction 'sideways'")},
        {generate(words, {QStringLiteral("--shape"), QStringLiteral("10x10"), QStringLiteral("--shape-name"),
                          QStringLiteral("Heart")}),
         2, QStringLiteral("exactly one of")},
        {generate(words, rectangle + QStringList{QStringLiteral("--integration"), QStringLiteral("7")}), 2,
         QStringLiteral("--integration must be")},
    };
    for (const Case& c : cases) {
        const QmazeRun run = runQmaze(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << qPrintable(c.message);
        EXPECT_TRUE(run.err.contains(c.message)) << qPrintable(run.err);
        EXPECT_FALSE(QFileInfo::exists(collection()));
    }
}

TEST_F(QmazeGenerate, ReadsWordsAsTheEditorsImportWithTheConfiguredSeparator)
{
    TestFolders::writeFile(m_folders.startDir() + QStringLiteral("/QMAZE3.INI"), "[Create Options]\r\nSep Char=;\r\n");
    const QString words = writeWords("\xEF\xBB\xBF" "caf\xC3\xA9 ; hot: or cold\nmilk");
    const QmazeRun run =
        runQmaze(generate(words, {QStringLiteral("--shape"), QStringLiteral("10x10")}), shippedDataDir(),
                 m_folders.startDir());
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    const auto record = readBack();
    ASSERT_EQ(record->wordCount(), 2);
    const int cafe = record->word(1).bytes() == "caf\xE9" ? 1 : 2;
    EXPECT_EQ(record->word(cafe).bytes(), "caf\xE9");
    EXPECT_EQ(record->clue(cafe).bytes(), "hot: or cold");
    EXPECT_EQ(record->word(3 - cafe).bytes(), "milk");
}

TEST_F(QmazeGenerate, ListsWordsThatDidNotFitAndSavesAnyway)
{
    // Five rows, words that share no letter, all running right: one is left over.
    const QString words = writeWords("ABCDE\nFGHIJ\nKLMNO\nPQRST\nUVWXY\nZZZZZ\n");
    const QmazeRun run = runQmaze(generate(words, {QStringLiteral("--shape"), QStringLiteral("5x5"),
                                                   QStringLiteral("--directions"), QStringLiteral("right"),
                                                   QStringLiteral("--seed"), QStringLiteral("3")}));
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.err.count(QStringLiteral("word did not fit: ")), 1) << qPrintable(run.err);
    const auto record = readBack();
    EXPECT_EQ(record->wordCount(), 5);
    EXPECT_FALSE(record->word(6).isEmpty());
    EXPECT_FALSE(record->wordPlaced(6));
}

TEST_F(QmazeGenerate, HiddenPhraseFillsTheFreeCellsAndAnOffensiveOneRefusesTheSave)
{
    // "q" is a listed word here; CAT does not contain it, so it is not exempt.
    TestFolders::writeFile(m_folders.programDir() + QStringLiteral("/BADLIST.TXT"), "q\r\n");
    const QString words = writeWords("CAT\n");
    const QStringList shape = {QStringLiteral("--shape"), QStringLiteral("5x5"), QStringLiteral("--seed"),
                               QStringLiteral("9")};
    const auto withPhrase = [&](const QString& phrase) {
        return generate(words, shape + QStringList{QStringLiteral("--phrase"), phrase});
    };

    const QmazeRun wrongLength = runQmaze(withPhrase(QStringLiteral("short")), m_folders.programDir());
    EXPECT_EQ(wrongLength.exitCode, 1);
    EXPECT_TRUE(wrongLength.err.contains(QStringLiteral("22 characters are required for the hidden phrase.")))
        << qPrintable(wrongLength.err);

    const QmazeRun offensive = runQmaze(withPhrase(QString(22, u'q')), m_folders.programDir());
    EXPECT_EQ(offensive.exitCode, 1);
    EXPECT_TRUE(offensive.err.contains(QStringLiteral("offensive"))) << qPrintable(offensive.err);
    EXPECT_FALSE(QFileInfo::exists(collection()));

    const QmazeRun clean = runQmaze(withPhrase(QStringLiteral("abcdefghijklmnoprstuvw")), m_folders.programDir());
    ASSERT_EQ(clean.exitCode, 0) << qPrintable(clean.err);
    const auto record = readBack();
    EXPECT_EQ(record->IncludeHidden, 1);
    QByteArray phrase;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (record->answerAt(r, c) == ' ')
                phrase.append(static_cast<char>(record->fillAt(r, c)));
    EXPECT_EQ(phrase, "ABCDEFGHIJKLMNOPRSTUVW");
}

// The shipped SAMPLE.QZ3: real puzzles in several categories, every word in
// its grid, every free cell filled.
TEST(SampleCollection, HoldsGoodGeneratedPuzzlesInSeveralCategories)
{
    const QString path = shippedDataDir() + QStringLiteral("/SAMPLE.QZ3");
    ASSERT_TRUE(QFileInfo::exists(path)) << qPrintable(path);
    const qint64 count = puzzleCount(path);
    EXPECT_GE(count, 8);
    QSet<QByteArray> categories;
    int withClues = 0;
    int withPhrase = 0;
    int shaped = 0;
    auto record = std::make_unique<PuzzleRecord>();
    for (qint64 n = 0; n < count; ++n) {
        ASSERT_TRUE(readPuzzle(path, n, *record));
        SCOPED_TRACE(record->Title.text().toStdString());
        categories.insert(record->Category.bytes());
        EXPECT_TRUE(record->isGenerated());
        EXPECT_EQ(record->Version.bytes(), "3.0c");
        EXPECT_GE(record->wordCount(), 10);
        EXPECT_LE(record->wordCount(), 25);
        EXPECT_TRUE(record->word(record->wordCount() + 1).isEmpty()); // no word left out
        bool clues = false;
        for (int k = 1; k <= record->wordCount(); ++k) {
            EXPECT_TRUE(record->wordPlaced(k));
            QByteArray letters = UpperLatin1(record->word(k).view());
            letters.replace(' ', "");
            EXPECT_EQ(lettersBetween(*record, record->wordStart(k), record->wordEnd(k)), letters);
            clues = clues || !record->clue(k).isEmpty();
        }
        bool outside = false;
        for (int r = 1; r <= record->gridRows(); ++r) {
            for (int c = 1; c <= record->gridCols(); ++c) {
                outside = outside || record->answerAt(r, c) == 0;
                if (record->answerAt(r, c) == ' ') {
                    EXPECT_NE(record->fillAt(r, c), ' ');
                }
            }
        }
        withClues += clues ? 1 : 0;
        withPhrase += record->IncludeHidden ? 1 : 0;
        shaped += outside ? 1 : 0;
    }
    EXPECT_GE(categories.size(), 3);
    EXPECT_GE(withClues, 2);
    EXPECT_GE(withPhrase, 1);
    EXPECT_GE(shaped, 1);
}
