#pragma once

#include "render/printoptions.h"
#include "report/metafilerecords.h"

#include <QByteArray>
#include <QString>

class TBaseReport;
struct PageLayoutRecord;
struct PrintCopy;

inline const QString kMetafileBitmapWarning = QStringLiteral("Bitmaps in this puzzle will not be saved in the metafile.");

// Draws the page of a print copy's last run once more for a metafile, from
// the values that run left (page size, page scale, fitted font sizes, list
// layouts, line tables): nothing is fitted or wrapped again. Everything is
// placed in whole metafile units (96 per inch, cut), text by its top-left
// corner: titles centred on the box's middle, words with their top where
// the run had their baseline, clue and text lines with their top at the top
// of their row. Scrambled words are scrambled anew; only the words and clues
// the run placed are drawn; bitmaps are left out. A text's background is
// opaque in the brush colour last used for a fill (white at first) unless
// its object is transparent.
class MetafilePage {
public:
    // copy must outlive the page; its run must be the last of the copy.
    MetafilePage(const PrintCopy& copy, const PrintOptions& options);

    // Gives report the handlers: BeforePrint sets the run's paper size,
    // PrintPage draws.
    void attachTo(TBaseReport& report);
    void BeforePrint(TBaseReport& report);
    // White over the whole page, then every object switched on by the
    // options, in layout order.
    void PrintPage(TBaseReport& report);

private:
    const PrintCopy& m_copy;
    PrintOptions m_options;
};

// The metafile of the copy's last run, complete; empty when the copy was
// never run.
QByteArray metafilePicture(MetafileFormat format, const PrintCopy& copy, const PrintOptions& options);

// Writes that metafile to path whole, or throws IoError.
void writeMetafileFile(const QString& path, MetafileFormat format, const PrintCopy& copy, const PrintOptions& options);

// Whether a layout holds a bitmap object, which a metafile leaves out.
bool layoutHasBitmaps(const PageLayoutRecord& layout);
