#pragma once

#include <QByteArrayView>

#include <vector>

// The fuzz targets: one per reader of a file that may come from someone
// else. Each takes the bytes of one file, puts them where the program would
// find them and drives them through the same code a user's file takes. A
// target never checks results; it only has to come back, without touching
// memory it does not own, for any bytes. The libFuzzer main (fuzzermain.cpp)
// runs one of them; core_tests runs every seed and every saved finding
// through all of them.
namespace fuzzing {

// A collection file (.QZ3): the index and the main window's two lists, then
// every record through the word list editor's load, the candidate save's
// checks and fill, and the page renderer with the answer key and a word
// style chosen by the record's bytes, the recorded page replayed.
void collectionFile(QByteArrayView bytes);
// The shape library QZFLAY.DAT: the shape list, each shape selected, its
// thumbnail and its grid in the shape editor.
void shapeLibrary(QByteArrayView bytes);
// A shape interchange file (.LAY): imported into an empty library, listed
// and drawn.
void shapeFile(QByteArrayView bytes);
// The page layout library QZFPAGE.DAT: the layout list, each layout
// selected and drawn as a thumbnail, and the layout a new puzzle receives.
void layoutLibrary(QByteArrayView bytes);
// A page layout interchange file (.PAG): imported into an empty library,
// listed, drawn, and a puzzle printed through it.
void layoutFile(QByteArrayView bytes);
// A page layout library whose first layout is opened in the page designer
// (the bytes after that record are a picture file placed on it): drawn,
// worked on with the mouse, zoomed, converted, saved and printed.
void pageDesigner(QByteArrayView bytes);
// The configuration file QMAZE3.INI: read into the settings, written back
// and read again.
void settingsFile(QByteArrayView bytes);
// BADLIST.TXT: the listed words, upper-cased, searched in a finished grid.
void badList(QByteArrayView bytes);
// A single-puzzle file of the earlier version (.QZK): converted, appended
// to the collection and used as a stored puzzle is.
void qzkFile(QByteArrayView bytes);
// The earlier version's puzzle and shape files found at start-up: taken
// over into OLDPUZZ.QZ3 and the shape library, both then used.
void earlierData(QByteArrayView bytes);
// A word and clue text file: imported in every mode, exported, pasted, and
// the words placed by the generation engine.
void wordTextFile(QByteArrayView bytes);
// A recorded report stream: indexed, every page replayed into the preview's
// page image at both pixel formats and into an SVG document.
void reportStream(QByteArrayView bytes);

struct Target {
    const char* name; // also the folder of its seeds and saved findings
    void (*run)(QByteArrayView bytes);
};

// Every target, by name.
const std::vector<Target>& targets();

} // namespace fuzzing
