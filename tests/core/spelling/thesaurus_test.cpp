#include "spelling/thesaurus.h"
#include "spelling/thesauruslookup.h"
#include "support/spellingfixtures.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<Thesaurus> openFixture() { return Thesaurus::open(fixtureThesaurus(), fixtureDictionary()); }

} // namespace

TEST(ThesaurusCategories, ShownTextsAndTheirCategoryNames)
{
    EXPECT_EQ(splitCategoryName(QStringLiteral("run.n")).code, 1845493760u);
    EXPECT_EQ(splitCategoryName(QStringLiteral("run.v")).code, 1979711488u);
    EXPECT_EQ(splitCategoryName(QStringLiteral("a.m..adj")).code, 1633970688u);
    EXPECT_EQ(splitCategoryName(QStringLiteral("a.m..adj")).word, QStringLiteral("a.m."));
    EXPECT_EQ(splitCategoryName(QStringLiteral("fast.adv")).code, 1633973760u);

    const struct {
        const char* category;
        const char* shown;
    } cases[] = {
        {"run.n", "run (noun)"},
        {"run.v", "run (verb)"},
        {"good.adj", "good (adjective)"},
        {"fast.adv", "fast (adverb)"},
        {"misc.other", "misc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownCategory(QString::fromLatin1(c.category)), QString::fromLatin1(c.shown));
        const QString back = categoryOfShown(QString::fromLatin1(c.shown));
        EXPECT_EQ(back, back.isEmpty() ? QString() : QString::fromLatin1(c.category));
    }
    EXPECT_TRUE(categoryOfShown(QStringLiteral("misc")).isEmpty());
    // The suffixes are looked for noun first, whatever their place in the text.
    EXPECT_EQ(categoryOfShown(QStringLiteral("x (verb) (noun)")), QStringLiteral("x (verb).n"));
}

TEST(ThesaurusLookup, NounAndVerbGiveTwoCategoriesAndTheNounsSynonyms)
{
    const auto thesaurus = openFixture();
    ASSERT_TRUE(thesaurus);
    const ThesaurusLookup found = lookUpWord(*thesaurus, QStringLiteral("  RUN "));
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.categories, (QStringList{"run (noun)", "run (verb)"}));
    EXPECT_EQ(synonymsOfShown(*thesaurus, found.categories[0]), (QStringList{"sprint", "dash"}));
    EXPECT_EQ(synonymsOfShown(*thesaurus, found.categories[1]), (QStringList{"race", "sprint", "scamper"}));
    EXPECT_FALSE(lookUpWord(*thesaurus, QStringLiteral("zebra")).found);
    EXPECT_TRUE(synonymsOfShown(*thesaurus, QStringLiteral("misc")).isEmpty());
    EXPECT_EQ(lookUpWord(*thesaurus, QStringLiteral("misc")).categories, QStringList{"misc"});
}

TEST(ThesaurusLookup, AntonymsAreListedOnceAndAtMostTwentyFive)
{
    const auto thesaurus = openFixture();
    ASSERT_TRUE(thesaurus);
    EXPECT_EQ(lookUpWord(*thesaurus, QStringLiteral("warm")).antonyms,
              (QStringList{"cool (adjective)", "cool (noun)"}));
    const QStringList many = lookUpWord(*thesaurus, QStringLiteral("contrary")).antonyms;
    ASSERT_EQ(many.size(), kMaxAntonyms);
    EXPECT_EQ(many.last(), QStringLiteral("opposite25 (adjective)"));
    EXPECT_EQ(synonymsOfShown(*thesaurus, QStringLiteral("cool (adjective)")), (QStringList{"chilly", "nippy"}));
}

TEST(ThesaurusLookup, SynonymsLeaveOutMarkersAndTheWordItself)
{
    const auto thesaurus = openFixture();
    ASSERT_TRUE(thesaurus);
    EXPECT_EQ(thesaurus->synonyms(QStringLiteral("good.adj")), (QStringList{"fine", "nice"}));
    EXPECT_EQ(thesaurus->synonyms(QStringLiteral("horse.n")), (QStringList{"equine", "nag"}));
    EXPECT_EQ(thesaurus->antonymCategories(QStringLiteral("good.n")), QStringList{"evil.n"});
    EXPECT_EQ(thesaurus->synonyms(QStringLiteral("élève.n")), (QStringList{"écolier", "pupil"}));
}

TEST(ThesaurusLookup, SuggestionsAreWordsTheThesaurusKnows)
{
    const auto thesaurus = openFixture();
    ASSERT_TRUE(thesaurus);
    EXPECT_EQ(thesaurus->suggestions(QStringLiteral("hors")), QStringList{"horse"});
    EXPECT_EQ(thesaurus->suggestions(QStringLiteral("eleve")), QStringList{"élève"});
    EXPECT_TRUE(thesaurus->suggestions(QStringLiteral("qqqq")).isEmpty());
    const auto withoutDictionary = Thesaurus::open(fixtureThesaurus(), std::nullopt);
    ASSERT_TRUE(withoutDictionary);
    EXPECT_TRUE(withoutDictionary->suggestions(QStringLiteral("hors")).isEmpty());
}

TEST(ThesaurusFiles, MissingOrDamagedFilesNeverBreakALookup)
{
    TestFolders folders;
    const ThesaurusFiles files{folders.path("th.dat"), folders.path("th.idx")};
    EXPECT_FALSE(Thesaurus::open(files, std::nullopt));

    static const char nulInTerm[] = "run|2\n(noun)|\xFF\x00|\n(verb)";
    const struct {
        QByteArray idx;
        QByteArray dat;
    } damaged[] = {
        {"", ""},
        {"UTF-8\n-3\nrun|0\n", "run|1\n(noun)|dash\n"},
        {"UTF-8\n5\nno bars here\n", "x"},
        {"UTF-8\n1\nrun|999999\n", "run|1\n(noun)|dash\n"},
        {"UTF-8\n1\nrun|0\n", "run|99999999\n(noun)|dash\n"},
        {"UTF-8\n1\nrun|0\n", "run|3\n\n|||\n"},
        {"UTF-8\n2\nrun|0\nrun|0\n", QByteArray(nulInTerm, sizeof nulInTerm - 1)},
        {QByteArray(300, 'r') + "|0\n", QByteArray(20000, '|')},
    };
    for (const auto& d : damaged) {
        TestFolders::writeFile(files.idx, d.idx);
        TestFolders::writeFile(files.dat, d.dat);
        const auto thesaurus = Thesaurus::open(files, std::nullopt);
        if (!thesaurus)
            continue;
        const ThesaurusLookup found = lookUpWord(*thesaurus, QStringLiteral("run"));
        for (const QString& shown : found.categories)
            synonymsOfShown(*thesaurus, shown);
    }
}
