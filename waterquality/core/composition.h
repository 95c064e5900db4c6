// The composition of each sample, computed once after a load: meq/L, the cation and anion sums
// and shares under each nitrate type, the charge balance and the facies. Every chart, table,
// export and the data check read it; no drawing routine converts or classifies.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "waterquality/core/data_check.h"
#include "waterquality/core/facies.h"
#include "waterquality/core/fractions.h"
#include "waterquality/core/samples.h"

namespace wq {

// Formula weights of the long table's further anions, as the eight ions' in meq.h.
inline constexpr double kCO3Weight = 60.0089;  // divalent
inline constexpr double kFWeight = 18.9984;
// Bicarbonate left as carbonate on evaporation: CO3 / (2 HCO3) = 60.0089 / 122.0342.
inline constexpr double kBicarbonateResidue = 0.4917;

struct Composition {
    bool drawn = false;  // a copy of the sample's: nothing below is computed otherwise
    IonValues meq{};     // the eight ions, meq/L
    double co3Meq = 0;   // carbonate and fluoride, meq/L; 0 where the table gives none
    double fMeq = 0;
    // Shares of the trilinear groups under each nitrate type, in kNitrateChoices order.
    // Carbonate counts with bicarbonate.
    std::array<Fractions, 3> shares{};
    ChargeBalance balance;
    DominantType dominant;
    std::array<DiamondField, 3> field{};  // the diamond field under each nitrate type
    std::array<Facies, 3> facies{};       // Piper types and fields, Chadha, per nitrate type
    IrrigationIndices indices;
    // The charge balance with carbonate and fluoride (facies.h); the eight ions' otherwise.
    std::optional<double> fullCbe;
    // Total dissolved solids, mg/L: as the table gives it, else the sum of the constituents
    // with bicarbonate counted as the carbonate it leaves on evaporation (x 0.4917).
    double tds = 0;
    bool tdsComputed = false;
};

// The shares and the diamond field under a nitrate type (None while it is unset).
const Fractions& SharesUnder(const Composition& c, NitrateType type);
const DiamondField& FieldUnder(const Composition& c, NitrateType type);
const Facies& FaciesUnder(const Composition& c, NitrateType type);

Composition ComputeComposition(const Sample& sample);
// One composition per sample, in table order.
std::vector<Composition> ComputeCompositions(const SampleTable& table);

}  // namespace wq
