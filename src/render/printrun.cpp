#include "render/printrun.h"

#include <algorithm>

bool PrintRun::anyTextDidNotFit() const
{
    return std::any_of(TextDidNotFit.begin() + 1, TextDidNotFit.end(), [](bool flag) { return flag; });
}

void PrintRun::clearOverflows()
{
    WordsDidNotFit = false;
    CluesDidNotFit = false;
    TextDidNotFit.fill(false);
}
