#pragma once

#include <QFont>

class QImage;

struct CanvasFont;

// Text is measured and laid out on one fixed virtual device of 600 pixels per
// inch, the resolution of a common laser printer, whatever printer is
// installed and whatever the output: the engine measures there, and every
// canvas draws text at that size scaled to its own device, so a text is
// equally long on paper, in the preview and in a PDF.
constexpr int kReferenceDpi = 600;

// The QFont that draws font on a device with deviceDpiY logical pixels per
// inch, at the reference layout size: its pixel size is the font's em size
// in reference pixels. Hinting and kerning are off so that advances scale
// exactly with the size. Installs the font substitutions on first use.
QFont layoutFont(const CanvasFont& font, int deviceDpiY);

// A one-pixel image at the reference resolution: the device every report
// font is measured on.
const QImage& referenceDevice();

// Makes sure the Windows core fonts that layouts name resolve to their
// metric-compatible Liberation fonts ("Arial" to Liberation Sans, "Times New
// Roman" to Liberation Serif, "Courier New" to Liberation Mono). fontconfig
// usually maps them already; the substitution covers systems where it does
// not. Idempotent.
void installFontSubstitutions();
