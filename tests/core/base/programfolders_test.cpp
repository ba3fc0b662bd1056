// Where the program keeps its files: the program directory chosen at start
// and seeded from the shipped files without ever replacing the user's.
#include "base/paths.h"
#include "base/programfolders.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Sets an environment variable (or removes it, for a null value) for one scope.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QString& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_saved(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~EnvironmentValue()
    {
        if (m_had)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_saved;
};

class Seeding : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/data/help"));
        TestFolders::writeFile(data(kShapeLibraryFile), "shipped shapes");
        TestFolders::writeFile(data(kLayoutLibraryFile), "shipped layouts");
        TestFolders::writeFile(m_dir.path() + QStringLiteral("/data/help/index.html"), "help");
    }
    QString dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
    QString data(const char* name) const { return dataDir() + u'/' + QLatin1String(name); }
    QString programDir() const { return m_dir.path() + QStringLiteral("/home/.local/share/Quillmaze"); }
    QString user(const char* name) const { return programDir() + u'/' + QLatin1String(name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(Seeding, MissingFolderGetsTheShippedLibrariesOnly)
{
    EXPECT_EQ(seedProgramDirectory(dataDir(), programDir()),
              QStringList({QLatin1String(kShapeLibraryFile), QLatin1String(kLayoutLibraryFile)}));
    EXPECT_EQ(TestFolders::readFile(user(kShapeLibraryFile)), QByteArray("shipped shapes"));
    EXPECT_EQ(TestFolders::readFile(user(kLayoutLibraryFile)), QByteArray("shipped layouts"));
    // Help pages are read where they were shipped; there is no list of
    // offensive words to copy.
    EXPECT_EQ(QDir(programDir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
    EXPECT_TRUE(seedProgramDirectory(dataDir(), programDir()).isEmpty());
}

TEST_F(Seeding, ExistingUserFilesStayByteForByte)
{
    QDir().mkpath(programDir());
    TestFolders::writeFile(user(kShapeLibraryFile), "the user's shapes");
    TestFolders::writeFile(user(kLayoutLibraryFile), ""); // every layout deleted
    TestFolders::writeFile(data(kBadListFile), "shipped words\r\n");
    QFile::link(QStringLiteral("/nonexistent/BADLIST.TXT"), user(kBadListFile));

    EXPECT_TRUE(seedProgramDirectory(dataDir(), programDir()).isEmpty());
    EXPECT_EQ(TestFolders::readFile(user(kShapeLibraryFile)), QByteArray("the user's shapes"));
    EXPECT_TRUE(QFile::exists(user(kLayoutLibraryFile)));
    EXPECT_EQ(TestFolders::readFile(user(kLayoutLibraryFile)), QByteArray());
    EXPECT_EQ(QFile::symLinkTarget(user(kBadListFile)), QStringLiteral("/nonexistent/BADLIST.TXT"));
}

TEST_F(Seeding, CopyOfAReadOnlyShippedFileIsTheUsersToWrite)
{
    QFile::setPermissions(data(kShapeLibraryFile), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    seedProgramDirectory(dataDir(), programDir());
    EXPECT_TRUE(QFile::permissions(user(kShapeLibraryFile)) & QFile::WriteOwner);
    EXPECT_EQ(TestFolders::readFile(user(kShapeLibraryFile)), QByteArray("shipped shapes"));
}

TEST(ProgramFolders, ChosenFromTheEnvironmentTheMarkerOrThePerUserFolder)
{
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/home");
    const QString buildBin = dir.path() + QStringLiteral("/build/bin");
    const QString installedBin = dir.path() + QStringLiteral("/usr/bin");
    QDir().mkpath(buildBin);
    QDir().mkpath(installedBin);
    TestFolders::writeFile(buildBin + u'/' + QLatin1String(kProgramFolderMarker), "here");

    const EnvironmentValue noOverride(kProgramDirEnv, QString());
    const EnvironmentValue homeValue("HOME", home);
    {
        const EnvironmentValue noDataHome("XDG_DATA_HOME", QString());
        EXPECT_EQ(findProgramDirectory(installedBin), home + QStringLiteral("/.local/share/Quillmaze"));
    }
    const EnvironmentValue dataHome("XDG_DATA_HOME", dir.path() + QStringLiteral("/xdg/"));
    EXPECT_EQ(findProgramDirectory(installedBin), dir.path() + QStringLiteral("/xdg/Quillmaze"));
    EXPECT_EQ(findProgramDirectory(buildBin), buildBin);
    EXPECT_EQ(findDataDirectory(installedBin), dir.path() + QStringLiteral("/usr/share/quillmaze"));
    {
        const EnvironmentValue chosen(kProgramDirEnv, dir.path() + QStringLiteral("/mine/"));
        EXPECT_EQ(findProgramDirectory(buildBin), dir.path() + QStringLiteral("/mine"));
    }
}
