// Every writer against a failing disk: a disk that fills up part-way, a file
// made read-only (or a write-protected folder where there is no file yet)
// and a folder that vanished. A writer must say it failed (a refusal its
// caller shows, or an IoError for the general error report) and leave what
// was stored before byte for byte, without a leftover half file.
#include "support/faultinjection.h"
#include "support/guiapplication.h"
#include "support/puzzlebuilder.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"
#include "support/testpage.h"

#include "base/messageservice.h"
#include "pagelayout/layoutfile.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/pagedesign.h"
#include "render/htmlpage.h"
#include "render/metafilepage.h"
#include "render/pageexport.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printrun.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"
#include "shapes/shapefile.h"
#include "shapes/shapelibrary.h"
#include "storage/collectionfile.h"
#include "spelling/userlexicon.h"
#include "storage/configuration.h"
#include "storage/puzzletransfer.h"
#include "storage/settings.h"
#include "wordlist/wordtextfile.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr qint64 P = sizeof(PuzzleRecord);
constexpr qint64 S = sizeof(ShapeRecord);
constexpr qint64 L = sizeof(PageLayoutRecord);

// A record image whose every byte tells which record it is, so a record
// moved, doubled or half written shows in the file.
template <typename Record>
std::unique_ptr<Record> marked(char mark)
{
    auto record = std::make_unique<Record>();
    std::memset(static_cast<void*>(record.get()), mark, sizeof(Record));
    reinterpret_cast<char*>(record.get())[sizeof(Record) - 1] = '$';
    return record;
}

template <typename Record>
QByteArray bytesOf(std::initializer_list<char> marks)
{
    QByteArray bytes;
    for (char mark : marks)
        bytes += QByteArray(reinterpret_cast<const char*>(marked<Record>(mark).get()), sizeof(Record));
    return bytes;
}

void store(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QImage pagePicture()
{
    QImage image(200, 260, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 260; y += 7)
        for (int x = (y * 3) % 11; x < 200; x += 11)
            image.setPixel(x, y, qRgb(x, y % 256, 90)); // detail, so the JPEG does not shrink to nothing
    return image;
}

// A small puzzle printed once, as the metafile export needs a run.
const PrintCopy& printedCopy()
{
    static const auto copy = [] {
        PuzzleBuilder puzzle(6, 6, "Pond");
        puzzle.place("FROG", 1, 1, Right).place("NEWT", 2, 1, Down);
        auto printed = std::make_unique<PrintCopy>(puzzle.record());
        TReportFiler filer;
        PageRenderer renderer(*printed, PrintOptions{});
        renderer.attachTo(filer);
        runPage(filer, printed->run);
        return printed;
    }();
    return *copy;
}

// One writer: the files it changes, what they hold before, the write (true
// when the writer reports success) and how much the files may grow before
// the disk is full, part-way through the write.
struct Writer {
    const char* name;
    QStringList files;
    QByteArray stored; // the first file's content before; empty: no file
    std::function<bool(const QString& folder)> write;
    qint64 diskRoom;
    // Files the writer reads, stored beside the folder (no fault reaches them).
    std::function<void(const QString& besideFolder)> prepare = {};
};

void PrintTo(const Writer& writer, std::ostream* os) { *os << writer.name; }

QString at(const QString& folder, const char* name) { return folder + u'/' + QLatin1String(name); }

std::vector<Writer> collectionWriters()
{
    const QByteArray twoAndATail = bytesOf<PuzzleRecord>({'a', 'b'}) + QByteArray(100, 't');
    const auto write = [](qint64 n) {
        return [n](const QString& f) { return writePuzzle(at(f, "C.QZ3"), *marked<PuzzleRecord>('n'), n) >= 0; };
    };
    return {
        {"Append", {"C.QZ3"}, twoAndATail, write(-1), 2 * P + P / 2},
        {"AppendToANewFile", {"C.QZ3"}, {}, write(-1), P / 2},
        {"OverwriteInPlace", {"C.QZ3"}, twoAndATail, write(1), P + P / 2},
        {"Delete", {"C.QZ3"}, bytesOf<PuzzleRecord>({'a', 'b', 'c'}),
         [](const QString& f) { return deletePuzzleRecord(at(f, "C.QZ3"), 0); }, P + P / 2},
    };
}

std::vector<Writer> puzzleTransferWriters()
{
    const auto source = [](const QString& beside) { store(beside + "/SOURCE.QZ3", bytesOf<PuzzleRecord>({'x', 'y'})); };
    return {
        {"Import", {"C.QZ3"}, bytesOf<PuzzleRecord>({'a', 'b'}),
         [](const QString& f) {
             return appendPuzzles(f + "/../SOURCE.QZ3", at(f, "C.QZ3"), {1, 0}) == TransferResult::Done;
         },
         2 * P + P / 2, source},
        {"Export", {"OUT.QZ3"}, bytesOf<PuzzleRecord>({'a'}),
         [](const QString& f) {
             return exportPuzzles(f + "/../SOURCE.QZ3", at(f, "OUT.QZ3"), {1, 0}) == TransferResult::Done;
         },
         P + P / 2, source},
    };
}

std::vector<Writer> shapeLibraryWriters()
{
    const QByteArray two = bytesOf<ShapeRecord>({'a', 'b'});
    return {
        {"Append", {"QZFLAY.DAT"}, two,
         [](const QString& f) { return appendShape(at(f, "QZFLAY.DAT"), *marked<ShapeRecord>('n')).has_value(); },
         2 * S + S / 2},
        {"OverwriteInPlace", {"QZFLAY.DAT"}, two,
         [](const QString& f) { return writeShape(at(f, "QZFLAY.DAT"), 0, *marked<ShapeRecord>('n')); }, S / 2},
        {"Delete", {"QZFLAY.DAT"}, two, [](const QString& f) { return removeShape(at(f, "QZFLAY.DAT"), 0); }, S / 2},
        {"Export", {"HEART.LAY"}, "an older export",
         [](const QString& f) { return exportShapeFile(at(f, "HEART.LAY"), *marked<ShapeRecord>('n')); }, 1000},
    };
}

// The page designer's Save: Copy appends, Modify overwrites record 1 in place.
bool saveDesign(const QString& folder, PageDesignerMode mode)
{
    PageDesign design(mode, 1, marked<PageLayoutRecord>('n').get(), 2);
    return design.save(QStringLiteral("Mine"), QString(), QString(), at(folder, "QZFPAGE.DAT"))
           == PageDesign::SaveResult::Saved;
}

std::vector<Writer> layoutLibraryWriters()
{
    const QByteArray two = bytesOf<PageLayoutRecord>({'a', 'b'});
    return {
        {"Append", {"QZFPAGE.DAT"}, two,
         [](const QString& f) { return appendLayout(at(f, "QZFPAGE.DAT"), *marked<PageLayoutRecord>('n')) >= 0; },
         2 * L + L / 2},
        {"Delete", {"QZFPAGE.DAT"}, two, [](const QString& f) { return deleteLayout(at(f, "QZFPAGE.DAT"), 1); },
         L / 2},
        {"DesignerCopy", {"QZFPAGE.DAT"}, two,
         [](const QString& f) { return saveDesign(f, PageDesignerMode::Copy); }, 2 * L + L / 2},
        {"DesignerModify", {"QZFPAGE.DAT"}, two,
         [](const QString& f) { return saveDesign(f, PageDesignerMode::Modify); }, L + L / 2},
        {"Export", {"MINE.PAG"}, "an older export",
         [](const QString& f) { return exportLayoutFile(at(f, "MINE.PAG"), *marked<PageLayoutRecord>('n')); }, 9000},
    };
}

std::vector<Writer> wordListWriters()
{
    return {
        {"TextExport", {"WORDS.TXT"}, "an older list\r\n",
         [](const QString& f) { return writeWordTextFile(at(f, "WORDS.TXT"), {"HERON", "OTTER", "NEWT"}); }, 8},
        {"UserLexicon", {"IncEngl.tlx"}, "older\n",
         [](const QString& f) {
             return writeUserLexicon(at(f, "IncEngl.tlx"), {QStringLiteral("heron"), QStringLiteral("otter")});
         },
         4},
    };
}

std::vector<Writer> settingsWriters()
{
    return {
        {"Save", {"QMAZE3.INI"}, "; my own notes\r\n[Misc]\r\nWindow Size=800\r\n",
         [](const QString& f) { return saveSettingsFile(Settings{}, at(f, "QMAZE3.INI")); }, 500},
    };
}

// Writers that raise IoError on failure and return nothing.
std::function<bool(const QString&)> raising(std::function<void(const QString& folder)> write)
{
    return [write](const QString& f) {
        write(f);
        return true;
    };
}

std::vector<Writer> exportWriters()
{
    return {
        {"Bitmap", {"PAGE.BMP"}, "an older picture",
         raising([](const QString& f) { writeBitmapFile(at(f, "PAGE.BMP"), pagePicture(), 24); }), 4000},
        {"Jpeg", {"PAGE.JPG"}, "an older picture",
         raising([](const QString& f) { writeJpegFile(at(f, "PAGE.JPG"), pagePicture(), 50); }), 300},
        {"Pdf", {"PAGE.PDF"}, "an older document",
         raising([](const QString& f) {
             writePdfFile(at(f, "PAGE.PDF"), ReportStream(recordTestPage(QStringLiteral("Pond"))), 1, "Pond");
         }),
         1000},
        {"Svg", {"PAGE.SVG"}, "an older drawing",
         raising([](const QString& f) {
             writeSvgFile(at(f, "PAGE.SVG"), ReportStream(recordTestPage(QStringLiteral("Pond"))), 1);
         }),
         400},
        {"WindowsMetafile", {"PAGE.WMF"}, "an older metafile",
         raising([](const QString& f) {
             writeMetafileFile(at(f, "PAGE.WMF"), MetafileFormat::Wmf, printedCopy(), PrintOptions{});
         }),
         300},
        {"EnhancedMetafile", {"PAGE.EMF"}, "an older metafile",
         raising([](const QString& f) {
             writeMetafileFile(at(f, "PAGE.EMF"), MetafileFormat::Emf, printedCopy(), PrintOptions{});
         }),
         300},
        {"WebPage", {"PAGE.htm", "PAGE.JPG"}, "an older page",
         [](const QString& f) { return writeHtmlExport(at(f, "PAGE.htm"), HtmlSettings{}, pagePicture(), 50); }, 300},
    };
}

enum class Fault { None, DiskFillsUp, ReadOnlyFile, VanishedFolder };

std::string faultName(Fault fault)
{
    switch (fault) {
    case Fault::None:
        return "Works";
    case Fault::DiskFillsUp:
        return "DiskFillsUp";
    case Fault::ReadOnlyFile:
        return "ReadOnlyFile";
    case Fault::VanishedFolder:
        return "VanishedFolder";
    }
    return {};
}

enum class Outcome { Succeeded, Refused, RaisedIoError };

class WriteFaults : public ::testing::TestWithParam<std::tuple<Writer, Fault>> {
protected:
    void SetUp() override
    {
        ensureGuiApplication();
        printedCopy();
        folder = dir.path() + QStringLiteral("/folder");
        QDir().mkpath(folder);
        openFolderToEveryone(dir.path());
        openFolderToEveryone(folder);
        const Writer& writer = std::get<0>(GetParam());
        if (writer.prepare)
            writer.prepare(dir.path());
        if (!writer.stored.isEmpty())
            store(at(folder, qPrintable(writer.files.first())), writer.stored);
    }

    Outcome run(const Writer& writer, Fault fault)
    {
        std::unique_ptr<FileSizeLimit> limit;
        std::unique_ptr<OrdinaryUser> user;
        switch (fault) {
        case Fault::None:
            break;
        case Fault::DiskFillsUp:
            limit = std::make_unique<FileSizeLimit>(writer.diskRoom);
            break;
        case Fault::ReadOnlyFile:
            if (writer.stored.isEmpty())
                makeReadOnly(folder); // a write-protected folder: no file can be made there
            for (const QString& file : writer.files)
                makeReadOnly(folder + u'/' + file);
            user = std::make_unique<OrdinaryUser>();
            break;
        case Fault::VanishedFolder:
            QDir(folder).removeRecursively();
            break;
        }
        try {
            return writer.write(folder) ? Outcome::Succeeded : Outcome::Refused;
        } catch (const IoError&) {
            return Outcome::RaisedIoError;
        }
    }

    QTemporaryDir dir;
    QString folder;
    RecordingMessages messages;
};

TEST_P(WriteFaults, FailureIsReportedAndLeavesTheStoredBytes)
{
    const auto& [writer, fault] = GetParam();
    const bool existed = QFileInfo::exists(folder);
    const auto before = folderContent(folder);
    const Outcome outcome = run(writer, fault);
    if (fault == Fault::None) {
        // The case itself is sound: without a fault the writer succeeds.
        EXPECT_EQ(outcome, Outcome::Succeeded);
        EXPECT_NE(folderContent(folder), before);
        return;
    }
    EXPECT_NE(outcome, Outcome::Succeeded);
    if (fault == Fault::VanishedFolder)
        EXPECT_FALSE(QFileInfo::exists(folder)) << "the writer made the folder again";
    else
        EXPECT_EQ(folderContent(folder), before) << "existed: " << existed;
}

const Fault kFaults[] = {Fault::None, Fault::DiskFillsUp, Fault::ReadOnlyFile, Fault::VanishedFolder};

std::string caseName(const ::testing::TestParamInfo<std::tuple<Writer, Fault>>& info)
{
    return std::string(std::get<0>(info.param).name) + '_' + faultName(std::get<1>(info.param));
}

// One group of tests per writer: every case with every fault.
#define WRITE_FAULTS_OF(group, writers)                                                                            \
    INSTANTIATE_TEST_SUITE_P(group, WriteFaults,                                                                   \
                             ::testing::Combine(::testing::ValuesIn(writers()), ::testing::ValuesIn(kFaults)), caseName)

WRITE_FAULTS_OF(Collection, collectionWriters);
WRITE_FAULTS_OF(PuzzleTransfer, puzzleTransferWriters);
WRITE_FAULTS_OF(ShapeLibrary, shapeLibraryWriters);
WRITE_FAULTS_OF(LayoutLibrary, layoutLibraryWriters);
WRITE_FAULTS_OF(WordList, wordListWriters);
WRITE_FAULTS_OF(SettingsFile, settingsWriters);
WRITE_FAULTS_OF(Exports, exportWriters);

// The rename that replaces a library after a deletion keeps the file's
// permissions.
TEST(RecordFileReplacement, DeletionKeepsThePermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("C.QZ3"));
    store(path, bytesOf<PuzzleRecord>({'a', 'b'}));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const auto permissions = QFile::permissions(path);
    ASSERT_TRUE(deletePuzzleRecord(path, 0));
    EXPECT_EQ(TestFolders::readFile(path), bytesOf<PuzzleRecord>({'b'}));
    EXPECT_EQ(QFile::permissions(path), permissions);
}

} // namespace
