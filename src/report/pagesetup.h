#pragma once

#include <QSizeF>

// The paper of one report page: a Windows paper code (1 Letter, 5 Legal,
// 7 Executive, 9 A4, 11 A5, 13 B5, 0 custom) with the paper's portrait size
// in tenths of a millimetre, as a printer driver is given it, and the
// orientation. Custom sizes are rounded to tenths of a millimetre and clamped
// to 1 mm .. 1000 mm a side, so a damaged layout or stream can never ask for a
// page image of absurd size.
struct PageSetup {
    static constexpr int MinTenthsMm = 10;
    static constexpr int MaxTenthsMm = 10000;

    int paperCode = 1;
    int widthTenthsMm = 2159;  // portrait width
    int heightTenthsMm = 2794; // portrait height
    bool landscape = false;

    // The paper of a code; code 0 (and any code this program does not know)
    // takes width and height in inches. Unknown codes other than 0 give Letter.
    static PageSetup fromPaperCode(int code, double widthInches = 0, double heightInches = 0);
    // A setup with the given portrait size in tenths of a millimetre, clamped.
    static PageSetup custom(int widthTenthsMm, int heightTenthsMm);

    // The paper as printed, in inches: width and height swap in landscape.
    double widthInches() const;
    double heightInches() const;
    QSizeF sizeInches() const { return {widthInches(), heightInches()}; }

    bool operator==(const PageSetup&) const = default;
};
