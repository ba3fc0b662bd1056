// A recorded report stream: what the preview, the printer and the exports
// replay. Streams are made in memory, but their reader must hold against
// any bytes all the same.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "render/pageexport.h"
#include "report/filepreview.h"
#include "report/reportstream.h"
#include "report/svgcanvas.h"

#include <algorithm>

namespace fuzzing {

void reportStream(QByteArrayView bytes)
{
    ensureApplication();
    TFilePreview preview;
    // A low resolution keeps the page images small: the replay is the same.
    preview.setScreenDpi(12);
    preview.setStream(bytes.toByteArray());
    preview.start();
    const int pages = std::min(preview.pageCount(), 3);
    for (int page = 1; page <= pages; ++page) {
        preview.setPixelFormat(page % 2 ? 1 : 2);
        preview.setCurrentPage(page);
        encodeBitmap(preview.pageImage(), page % 2 ? 24 : 8);
        SvgCanvas svg;
        preview.stream().replayPage(page, svg);
    }
    preview.zoomIn();
    preview.finish();
    replayCounting(preview.stream());
}

} // namespace fuzzing
