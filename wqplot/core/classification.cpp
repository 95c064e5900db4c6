#include "wqplot/core/classification.h"

#include <algorithm>

#include "common/core/csv.h"
#include "common/core/numbers.h"
#include "common/core/text_columns.h"
#include "wqplot/core/hfed_chart.h"

namespace wqp {

const std::array<ColumnInfo, kClassColumnCount> kClassColumns{{
    {"number", "番号", "no", -1},
    {"name", "試料名", "name", -1},
    {"group", "グループ", "group", -1},
    {"cbe_percent", "CBE %", "CBE %", 2},
    {"piper_cation_type", "陽イオン型", "cation type", -1},
    {"piper_anion_type", "陰イオン型", "anion type", -1},
    {"piper_field", "菱形の区分", "diamond field", -1},
    {"chadha_field", "Chadha の区分", "Chadha field", -1},
    {"sar", "SAR", "SAR", 2},
    {"sodium_percent", "Na %", "Na %", 1},
    {"kelly_ratio", "ケリー比", "Kelly ratio", 2},
    {"rsc_meq_l", "RSC (meq/L)", "RSC (meq/L)", 2},
    {"permeability_index", "PI %", "PI %", 1},
    {"magnesium_hazard", "MH %", "MH %", 1},
    {"hardness_mg_l_caco3", "硬度 (mg/L CaCO3)", "hardness (mg/L CaCO3)", 1},
    {"tds_mg_l", "TDS (mg/L)", "TDS (mg/L)", 1},
    {"tds_origin", "TDS の由来", "TDS from", -1},
    {"hfed_facies", "HFE-D の相", "HFE-D facies", -1},
    {"ussl_class", "USSL 分類", "USSL class", -1},
}};

std::vector<ClassRow> ClassificationRows(const wq::SampleModel& samples, wq::NitrateType nitrate) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    std::vector<ClassRow> rows;
    rows.reserve(table.samples.size());
    for (std::size_t i = 0; i < table.samples.size(); ++i) {
        const wq::Sample& s = table.samples[i];
        ClassRow r;
        r.number = static_cast<int>(i) + 1;
        r.name = s.name;
        r.group = s.group;
        r.drawn = s.drawn && i < compositions.size() && compositions[i].drawn;
        if (r.drawn) {
            const wq::Composition& c = compositions[i];
            const wq::Facies& f = wq::FaciesUnder(c, nitrate);
            r.cbe = c.fullCbe;
            r.cation = f.cation;
            r.anion = f.anion;
            r.field = f.field;
            r.chadha = f.chadhaField;
            r.indices = c.indices;
            r.ussl = ClassifyUssl(s.ec, c.indices.sar);
            r.tds = c.tds;
            r.tdsComputed = c.tdsComputed;
            r.hfed = HfedFaciesName(HfedCoordinates(wq::SharesUnder(c, nitrate)));
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<std::string> ClassificationHeader(wq::Language language) {
    std::vector<std::string> out;
    for (const ColumnInfo& c : kClassColumns)
        out.push_back(language == wq::Language::Japanese ? c.ja : c.en);
    return out;
}

std::vector<std::string> ClassificationCells(const ClassRow& r, wq::Language l, CellUse use) {
    const bool ja = l == wq::Language::Japanese;
    std::vector<std::string> cells(kClassColumnCount);
    cells[kColNumber] = std::to_string(r.number);
    cells[kColName] = r.name;
    cells[kColGroup] = r.group;
    if (!r.drawn) {
        cells[kColCation] = ja ? "作図対象外" : "not drawn";
        return cells;
    }
    const std::string none = use == CellUse::Window ? "－" : "";
    auto number = [&](ClassColumn col, const std::optional<double>& v) {
        cells[col] = v ? hc::FixedDecimals(*v, kClassColumns[col].decimals) : none;
    };
    number(kColCbe, r.cbe);
    cells[kColCation] = wq::PiperCationName(r.cation, l);
    cells[kColAnion] = wq::PiperAnionName(r.anion, l);
    cells[kColField] = wq::PiperFieldName(r.field, l);
    cells[kColChadha] = wq::ChadhaFieldName(r.chadha, l);
    number(kColSar, r.indices.sar);
    number(kColSodium, r.indices.sodiumPercent);
    number(kColKelly, r.indices.kelly);
    number(kColRsc, r.indices.rsc);
    number(kColPi, r.indices.pi);
    number(kColMh, r.indices.mh);
    cells[kColUssl] = r.ussl.Defined() ? UsslClassName(r.ussl) : none;
    number(kColHardness, r.indices.hardness);
    number(kColTds, r.tds);
    cells[kColTdsOrigin] = r.tdsComputed ? (ja ? "計算値" : "computed") : (ja ? "測定値" : "given");
    cells[kColHfed] = r.hfed.empty() ? none : r.hfed;
    return cells;
}

std::string ClassificationCsv(const std::vector<ClassRow>& rows, wq::Language language) {
    std::string csv;
    for (std::size_t k = 0; k < kClassColumns.size(); ++k)
        csv += (k ? "," : "") + std::string(kClassColumns[k].key);
    csv += "\n";
    for (const ClassRow& r : rows) {
        const std::vector<std::string> cells = ClassificationCells(r, language, CellUse::Csv);
        for (std::size_t k = 0; k < cells.size(); ++k) {
            if (k)
                csv += ",";
            csv += kClassColumns[k].decimals < 0 ? hc::CsvField(cells[k]) : cells[k];
        }
        csv += "\n";
    }
    return csv;
}

std::string ClassificationText(const std::vector<ClassRow>& rows, wq::Language language) {
    std::vector<std::vector<std::string>> lines{ClassificationHeader(language)};
    for (const ClassRow& r : rows) {
        lines.push_back(ClassificationCells(r, language, CellUse::Window));
        lines.back()[kColName] = hc::FitWidth(lines.back()[kColName], kClassTextNameColumns);
    }
    std::vector<int> width(kClassColumnCount, 0);
    for (const auto& l : lines)
        for (std::size_t c = 0; c < l.size(); ++c)
            width[c] = std::max(width[c], hc::DisplayWidth(l[c]));
    std::string t;
    for (const auto& l : lines) {
        std::string line;
        for (std::size_t c = 0; c < l.size(); ++c) {
            const bool right = c == kColNumber || kClassColumns[c].decimals >= 0;
            line += (c ? "  " : "") +
                    (right ? hc::PadLeft(l[c], width[c]) : hc::PadRight(l[c], width[c]));
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        t += line + "\n";
    }
    return t;
}

}  // namespace wqp
