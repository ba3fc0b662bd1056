#include "fuzztargets.h"

namespace fuzzing {

const std::vector<Target>& targets()
{
    static const std::vector<Target> all = {
        {"collection", collectionFile}, {"shapelibrary", shapeLibrary}, {"shapefile", shapeFile},
        {"layoutlibrary", layoutLibrary}, {"layoutfile", layoutFile},   {"settings", settingsFile},
        {"badlist", badList},             {"reportstream", reportStream},   {"qzk", qzkFile},
        {"earlierdata", earlierData},     {"wordtext", wordTextFile},
        {"pagedesigner", pageDesigner},
    };
    return all;
}

} // namespace fuzzing
