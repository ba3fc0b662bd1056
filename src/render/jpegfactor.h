#pragma once

#include <QString>

#include <optional>

inline const QString kInvalidJpegFactor =
    QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100");

// The JPEG quality typed by the user: blanks removed at both ends, read as a
// whole number (a text that does not read counts as 0); a value 1..100, or
// nothing when it is out of range.
std::optional<int> parseJpegFactor(const QString& text);
