// Hand-made analyses for the wqplot tests, and their compositions.
#pragma once

#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"

namespace wqtest {

// mg/L of one meq/L of each ion (the suite's weights; Ca, Mg, SO4 divalent).
inline constexpr wq::IonValues kMgPerMeq{22.9898, 39.0983, 20.039,  12.1525,
                                         35.4527, 61.0171, 48.0318, 62.0049};

// A drawn sample from meq/L values in the ion order Na, K, Ca, Mg, Cl, HCO3, SO4, NO3.
inline wq::Sample FromMeq(const std::string& name, const wq::IonValues& meq,
                          const std::string& group = "") {
    wq::Sample s;
    s.name = name;
    s.drawn = true;
    s.group = group;
    for (std::size_t k = 0; k < meq.size(); ++k)
        s.mg[k] = meq[k] * kMgPerMeq[k];
    return s;
}

// A table with its compositions, as a load leaves them.
struct Loaded {
    explicit Loaded(wq::SampleTable t)
        : table(std::move(t)), compositions(wq::ComputeCompositions(table)) {}
    wq::SampleTable table;
    std::vector<wq::Composition> compositions;
    wq::SampleModel Model() const { return {table, compositions}; }
};

}  // namespace wqtest
