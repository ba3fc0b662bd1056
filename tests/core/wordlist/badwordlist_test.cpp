#include "support/tempdir.h"
#include "wordlist/badwordlist.h"

#include <gtest/gtest.h>

#include <QSet>

TEST(BadWordList, BuiltInListHas58DistinctLowerCaseEntries)
{
    QSet<QByteArray> seen;
    for (int k = 1; k <= BadWordList::BuiltInCount; ++k) {
        const QByteArray word = builtInBadWord(k).toByteArray();
        EXPECT_GE(word.size(), 3) << word.constData();
        EXPECT_LE(word.size(), 11) << word.constData();
        for (const char ch : word)
            EXPECT_TRUE(ch >= 'a' && ch <= 'z') << word.constData();
        seen.insert(word);
    }
    EXPECT_EQ(seen.size(), BadWordList::BuiltInCount);

    TestFolders folders; // no BADLIST.TXT there
    BadWordList list;
    list.GetBadList();
    ASSERT_EQ(list.count(), 58);
    EXPECT_EQ(list.entry(1), builtInBadWord(1));
    EXPECT_EQ(list.entry(58), builtInBadWord(58));
}

TEST(BadWordList, FileLinesAreCutTo15BytesAndKeptAsTyped)
{
    TestFolders folders;
    const QByteArray text = QByteArray("abc\r\nthis line is much longer than fifteen\r\n\r\n a b \r\n")
                            + QByteArray("x\0y", 3) + "\xE9t\nlf only\rcr only\r\nlast";
    TestFolders::writeFile(folders.programDir() + "/BADLIST.TXT", text);
    BadWordList list;
    list.GetBadList();
    ASSERT_EQ(list.count(), 58 + 8);
    EXPECT_EQ(list.entry(59), "abc");
    EXPECT_EQ(list.entry(60), "this line is mu");
    EXPECT_EQ(list.entry(61), ""); // an empty line gives an empty entry
    EXPECT_EQ(list.entry(62), " a b ");
    EXPECT_EQ(list.entry(63), QByteArrayView("x\0y\xE9t", 5));
    EXPECT_EQ(list.entry(64), "lf only");
    EXPECT_EQ(list.entry(65), "cr only");
    EXPECT_EQ(list.entry(66), "last"); // no line end after it

    list.upperCase();
    EXPECT_EQ(list.entry(1), builtInBadWord(1).toByteArray().toUpper());
    EXPECT_EQ(list.entry(62), " A B ");
    EXPECT_EQ(list.entry(63), QByteArrayView("X\0Y\xE9T", 5)); // accented letters stay as typed
}

TEST(BadWordList, StopsAt120EntriesAndSurvivesHugeOrMissingFiles)
{
    TestFolders folders;
    QByteArray lines;
    for (int i = 0; i < 100; ++i)
        lines += "word" + QByteArray::number(i) + "\r\n";
    TestFolders::writeFile(folders.programDir() + "/BADLIST.TXT", lines);
    BadWordList list;
    list.GetBadList();
    ASSERT_EQ(list.count(), 120);
    EXPECT_EQ(list.entry(120), "word61");

    // One line of a megabyte without a line end: one entry of 15 bytes.
    TestFolders::writeFile(folders.programDir() + "/BADLIST.TXT", QByteArray(1 << 20, 'z'));
    list.GetBadList();
    ASSERT_EQ(list.count(), 59);
    EXPECT_EQ(list.entry(59), QByteArray(15, 'z'));

    // A folder of that name is not a file: the built-in list only.
    QFile::remove(folders.programDir() + "/BADLIST.TXT");
    QDir(folders.programDir()).mkdir("BADLIST.TXT");
    list.GetBadList();
    EXPECT_EQ(list.count(), 58);
}
