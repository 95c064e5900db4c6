#include "waterquality/core/composition.h"

#include "waterquality/core/meq.h"

namespace wq {

namespace {
std::size_t ChoiceIndex(NitrateType type) {
    const int i = NitrateChoice(type);
    return i < 0 ? 0 : static_cast<std::size_t>(i);
}
}  // namespace

const Fractions& SharesUnder(const Composition& c, NitrateType type) {
    return c.shares[ChoiceIndex(type)];
}

const DiamondField& FieldUnder(const Composition& c, NitrateType type) {
    return c.field[ChoiceIndex(type)];
}

const Facies& FaciesUnder(const Composition& c, NitrateType type) {
    return c.facies[ChoiceIndex(type)];
}

Composition ComputeComposition(const Sample& sample) {
    Composition c;
    c.drawn = sample.drawn;
    if (!sample.drawn)
        return c;
    c.meq = ToMeq(sample.mg);
    c.co3Meq = sample.co3.value_or(0) / kCO3Weight * 2;
    c.fMeq = sample.f.value_or(0) / kFWeight;
    for (std::size_t t = 0; t < kNitrateChoices.size(); ++t) {
        c.shares[t] = SampleFractions(c.meq, kNitrateChoices[t], c.co3Meq);
        c.field[t] = ClassifyDiamond(c.shares[t]);
        c.facies[t] = ClassifyFacies(c.shares[t]);
    }
    c.balance = ComputeChargeBalance(c.meq);
    c.dominant = ClassifyDominant(c.meq);
    c.indices = ComputeIndices(c.meq, c.co3Meq, sample.mg);
    c.fullCbe = FullChargeBalance(c.meq, c.co3Meq, c.fMeq);
    if (sample.tds) {
        c.tds = *sample.tds;
    } else {
        c.tdsComputed = true;
        for (int k = 0; k < kIonCount; ++k)
            c.tds += sample.mg[static_cast<std::size_t>(k)] * (k == kHCO3 ? kBicarbonateResidue : 1);
        c.tds += sample.co3.value_or(0) + sample.f.value_or(0);
    }
    return c;
}

std::vector<Composition> ComputeCompositions(const SampleTable& table) {
    std::vector<Composition> out;
    out.reserve(table.samples.size());
    for (const Sample& s : table.samples)
        out.push_back(ComputeComposition(s));
    return out;
}

}  // namespace wq
