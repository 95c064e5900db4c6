// The samples in force as the charts, tables and exports read them: the table as loaded and
// the composition computed from each sample once after the load.
#pragma once

#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/samples.h"

namespace wq {

struct SampleModel {
    const SampleTable& table;
    const std::vector<Composition>& compositions;  // one per sample, in table order

    int Count() const { return table.Count(); }
    // Sample number n, 1..Count(), and its composition.
    const Sample& At(int number) const { return table.At(number); }
    const Composition& CompositionOf(int number) const {
        return compositions[static_cast<std::size_t>(number - 1)];
    }
};

}  // namespace wq
