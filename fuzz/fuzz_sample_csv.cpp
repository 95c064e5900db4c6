// A water-quality CSV table through what the programs do with it: read (size cap, UTF-8 or
// CP932), split, map the headings, load with ternaryplot's marks and colours, convert to meq/L
// with the automatic scale, and the data check of every sample.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/harness.h"
#include "waterquality/core/composition.h"
#include "waterquality/core/data_check.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/sample_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static hc::fuzz::MemoryFile file;
    wq::LoadOptions options;
    options.extraRows = wq::ReadMarkAndColour;
    hc::Result<wq::SampleTable> loaded =
        wq::LoadSampleCsv(file.Hold(data, size), options);
    if (!loaded)
        return 0;
    const std::vector<wq::Composition> compositions = wq::ComputeCompositions(*loaded);
    (void)wq::AutoScaleOf(compositions);
    for (wq::NitrateType type : wq::kNitrateChoices)
        (void)wq::CheckRowsCsv(wq::CheckRows(*loaded, compositions, type), wq::Language::English);
    return 0;
}
