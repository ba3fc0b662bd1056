#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The name of a copy of a puzzle, shape or layout: the trimmed name gains
// " (2)", or a trailing "(n)" with n > 0 becomes "(n+1)". The result is cut
// to maxLength bytes.
QByteArray copyName(QByteArrayView name, int maxLength);
