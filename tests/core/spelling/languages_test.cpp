#include "spelling/languages.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace {

enum Spelling { None = 0, American = 1, British = 2, French = 5, Swedish = 8, Choose = 9 };

LanguageFiles presentSpelling(std::initializer_list<int> languages)
{
    LanguageFiles files;
    for (int language : languages)
        files.spelling[language] = DictionaryFiles{QStringLiteral("x.dic"), QStringLiteral("x.aff")};
    return files;
}

LanguageFiles presentThesaurus(std::initializer_list<int> languages)
{
    LanguageFiles files;
    for (int language : languages)
        files.thesaurus[language] = ThesaurusFiles{QStringLiteral("x.dat"), QStringLiteral("x.idx")};
    return files;
}

void touch(const QString& dir, std::initializer_list<const char*> names)
{
    QDir().mkpath(dir);
    for (const char* name : names)
        TestFolders::writeFile(dir + u'/' + QLatin1StringView(name), "x");
}

} // namespace

TEST(LanguageResolution, SpellingFallsBackToAmericanThenNone)
{
    const struct {
        int configured;
        LanguageFiles present;
        int expected;
    } cases[] = {
        {French, presentSpelling({American, French}), French},
        {French, presentSpelling({American}), American},
        {French, presentSpelling({}), None},
        {Swedish, presentSpelling({British}), None},
        {American, presentSpelling({French}), None},
        {Choose, presentSpelling({}), Choose},
        {None, presentSpelling({American}), None},
        {42, presentSpelling({American}), American},
        {-1, presentSpelling({}), None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolveSpellingLanguage(c.configured, c.present), c.expected) << c.configured;
}

TEST(LanguageResolution, ThesaurusFallsBackToAmericanThenNone)
{
    EXPECT_EQ(resolveThesaurusLanguage(2, presentThesaurus({1, 2})), 2);
    EXPECT_EQ(resolveThesaurusLanguage(2, presentThesaurus({1})), 1);
    EXPECT_EQ(resolveThesaurusLanguage(2, presentThesaurus({})), 0);
    EXPECT_EQ(resolveThesaurusLanguage(1, presentThesaurus({2})), 0);
    EXPECT_EQ(resolveThesaurusLanguage(3, presentThesaurus({})), 3);
    EXPECT_EQ(resolveThesaurusLanguage(7, presentThesaurus({1})), 1);
}

TEST(LanguageResolution, UserLexiconNamesFollowTheLanguageInForce)
{
    EXPECT_EQ(userLexiconNames(American).include, QStringLiteral("IncEngl.tlx"));
    EXPECT_EQ(userLexiconNames(Choose).exclude, QStringLiteral("ExcEngl.tlx"));
    EXPECT_EQ(userLexiconNames(French).include, QStringLiteral("IncFrnch.tlx"));
    EXPECT_EQ(userLexiconNames(French).exclude, QStringLiteral("ExcFrnch.tlx"));
    EXPECT_EQ(userLexiconNames(Swedish).exclude, QStringLiteral("ExcSwed.tlx"));
    EXPECT_TRUE(userLexiconNames(None).include.isEmpty());
    EXPECT_TRUE(userLexiconNames(10).exclude.isEmpty());
}

TEST(LanguageFilesSearch, ProgramDirectoryComesFirstAndBothFilesAreNeeded)
{
    TestFolders folders;
    const QString system = folders.path(QStringLiteral("system"));
    touch(folders.programDir(), {"fr_FR.dic", "fr_FR.aff", "de_DE.dic", "th_en_US_v2.dat"});
    touch(system, {"fr_FR.dic", "fr_FR.aff", "en_US.dic", "en_US.aff", "de_DE.aff", "th_en_US_v2.dat",
                   "th_en_US_v2.idx"});

    const LanguageFiles files = findLanguageFiles({folders.programDir(), system});
    ASSERT_TRUE(files.spellingPresent(French));
    EXPECT_EQ(files.spelling[French]->dic, folders.programDir() + QStringLiteral("/fr_FR.dic"));
    EXPECT_EQ(files.spelling[French]->aff, folders.programDir() + QStringLiteral("/fr_FR.aff"));
    EXPECT_EQ(files.spelling[American]->dic, system + QStringLiteral("/en_US.dic"));
    EXPECT_FALSE(files.spellingPresent(6)); // .dic and .aff in different folders
    EXPECT_FALSE(files.spellingPresent(British));
    EXPECT_EQ(files.thesaurus[1]->idx, system + QStringLiteral("/th_en_US_v2.idx"));
    EXPECT_FALSE(files.thesaurusPresent(2));
    EXPECT_TRUE(files.anySpellingPresent());
    EXPECT_FALSE(findLanguageFiles({folders.startDir()}).anyThesaurusPresent());
}

TEST(LanguageFilesSearch, BritishThesaurusPrefersBritishOverAustralian)
{
    TestFolders folders;
    const QString dir = folders.programDir();
    touch(dir, {"th_en_AU_v2.dat", "th_en_AU_v2.idx"});
    EXPECT_EQ(findThesaurus(2, {dir})->dat, dir + QStringLiteral("/th_en_AU_v2.dat"));
    touch(dir, {"th_en_GB.dat", "th_en_GB.idx"});
    EXPECT_EQ(findThesaurus(2, {dir})->dat, dir + QStringLiteral("/th_en_GB.dat"));
    EXPECT_FALSE(findThesaurus(3, {dir}));
    EXPECT_FALSE(findSpellingDictionary(0, {dir}));
}
