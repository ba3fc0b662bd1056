#pragma once

#include "report/basereport.h"

// A report that draws each run onto a canvas the caller owns: a PDF, a
// metafile writer, a preview image or a test recorder.
class TCanvasReport : public TBaseReport {
public:
    explicit TCanvasReport(Canvas& canvas) : m_canvas(canvas) {}

protected:
    Canvas* openOutput() override { return &m_canvas; }
    void closeOutput(bool) override {}

private:
    Canvas& m_canvas;
};
