#pragma once

#include <QByteArrayView>
#include <QString>

class QImage;
class ReportStream;
struct PrintCopy;
struct PrintOptions;

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
// Removes the file `name` from the scratch folder.
void removeFile(const QString& name);

// While alive, the program directory (where the shape and layout libraries
// and BADLIST.TXT are found) is the scratch folder.
class ScratchProgramDirectory {
public:
    ScratchProgramDirectory();
    ~ScratchProgramDirectory();
    ScratchProgramDirectory(const ScratchProgramDirectory&) = delete;
    ScratchProgramDirectory& operator=(const ScratchProgramDirectory&) = delete;

private:
    QString m_previous;
};

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
