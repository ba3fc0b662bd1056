#pragma once

#include <QByteArrayView>
#include <QString>

class BadWordList;
class QImage;
class ReportStream;
struct PrintCopy;
struct PrintOptions;
struct PageLayoutRecord;
struct PuzzleRecord;
struct ShapeRecord;

// What the fuzz targets share: a scratch folder for the files of one input,
// the application that fonts and painting need, and the steps of printing.
namespace fuzzing {

// Makes sure a QGuiApplication exists (offscreen platform unless one is
// chosen), as painting and font metrics need one.
void ensureApplication();

// A folder that lives as long as the process, on /dev/shm when there is one
// so that writing an input costs no disk.
const QString& scratchFolder();

// Writes bytes as the file `name` in the scratch folder, replacing it, and
// returns its path.
QString putFile(const QString& name, QByteArrayView bytes);

// While alive, the program directory (where the shape and layout libraries
// and BADLIST.TXT are found) is the scratch folder, emptied first so that
// nothing an earlier input left there takes part.
class ScratchProgramDirectory {
public:
    ScratchProgramDirectory();
    ~ScratchProgramDirectory();
    ScratchProgramDirectory(const ScratchProgramDirectory&) = delete;
    ScratchProgramDirectory& operator=(const ScratchProgramDirectory&) = delete;

private:
    QString m_previous;
};

// The main window on a collection file: both lists, every category chosen
// and every puzzle selected, and the extract dialog's list.
void browseCollection(const QString& path);

// The shape library in the program directory as the word list editor's
// shape box shows it, with `lastShape` preselected (shapetargets.cpp).
void browseShapeLibrary(int lastShape = 1);

// A stored puzzle through everything it reaches: the word list editor's
// load and checks, the candidate review's save, and the print with the
// answer key (collectiontarget.cpp).
void usePuzzle(const PuzzleRecord& record);

// A puzzle of a few placed words printed through the layout, with the
// answer key, as the print options form does after "&Select"
// (layouttargets.cpp).
void printThroughLayout(const PageLayoutRecord& layout);

// The built-in offensive words, upper-cased, as every user of the filter
// has them without a BADLIST.TXT.
const BadWordList& builtInBadList();

// One attempt of the generation engine placing the record's words into the
// shape, as Create does with the current shape.
void generateOnce(const PuzzleRecord& words, const ShapeRecord& shape);

// Prints the copy as the status window does (a report filer records the
// page, then the overflow warnings), replays the recorded page onto a canvas
// that only counts, and draws the page once more as the metafile export does
// from the run's values.
void printCopy(PrintCopy& copy, const PrintOptions& options);

// Replays every page of a stream (at most a few) onto a canvas that only
// counts. Returns the number of calls.
long replayCounting(const ReportStream& stream);

// Stops the process with a message when an invariant that must hold for any
// input does not: libFuzzer reports the input as a finding, core_tests fail.
[[noreturn]] void invariantBroken(const char* what);

} // namespace fuzzing
