#pragma once

#include <QIcon>

// An arrow pointing in direction d (1 up, then clockwise to 8 up-left).
QIcon arrowIcon(int direction);
