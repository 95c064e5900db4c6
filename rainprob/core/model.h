// The one model object of rainprob, held by its main window: the record, its analysis and the
// drawing settings.
#pragma once

#include "rainprob/core/analysis.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/rain_data.h"

namespace rain {

struct RainModel {
    RainTable table;
    RainAnalysis analysis;
    ChartSettings settings;
    bool loaded = false;       // a record has been loaded and analysed
    bool defaultsSet = false;  // the first successful load applied the default settings
};

// A record read and analysed, ready to replace the model's: nothing is replaced unless the
// whole file was read and analysed.
struct LoadedRecord {
    RainTable table;
    RainAnalysis analysis;
};

}  // namespace rain
