// Workbooks made to exhaust the machine: small files that a reader copying every repeated text,
// or walking every container entry, would spend gigabytes or minutes on. Each is refused at a
// cap, or read with its repeated text held once, in well under a second and 200 MB. They are
// generated here rather than kept in the repository.
#include <gsf/gsf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "common/core/workbook.h"
#include "support/child_cost.h"

namespace hc {
namespace {

using Parts = std::vector<std::pair<std::string, std::string>>;

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    out.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        out += s;
    return out;
}

// A ZIP package (deflated, so a repeated text costs little on disk) or an OLE2 compound
// document, written by libgsf; part names may hold folders.
void WriteContainer(const std::string& path, const Parts& parts, bool zip) {
    gsf_init();
    GsfOutput* file = gsf_output_stdio_new(path.c_str(), nullptr);
    GsfOutfile* root = zip ? gsf_outfile_zip_new(file, nullptr) : gsf_outfile_msole_new(file);
    std::map<std::string, GsfOutfile*> folders{{"", root}};
    std::vector<GsfOutput*> opened;
    for (const auto& [name, content] : parts) {
        std::string folder;
        std::size_t start = 0;
        for (std::size_t slash; (slash = name.find('/', start)) != std::string::npos;) {
            const std::string sub = name.substr(0, slash);
            if (!folders.count(sub)) {
                GsfOutput* dir = gsf_outfile_new_child(folders[folder], sub.c_str() + start, TRUE);
                folders[sub] = GSF_OUTFILE(dir);
                opened.push_back(dir);
            }
            folder = sub;
            start = slash + 1;
        }
        GsfOutput* part = gsf_outfile_new_child(folders[folder], name.c_str() + start, FALSE);
        gsf_output_write(part, content.size(), reinterpret_cast<const guint8*>(content.data()));
        gsf_output_close(part);
        g_object_unref(part);
    }
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) {
        gsf_output_close(*it);
        g_object_unref(*it);
    }
    gsf_output_close(GSF_OUTPUT(root));
    g_object_unref(root);
    g_object_unref(file);
}

std::string Ods(const std::string& rows) {
    return R"(<?xml version="1.0"?><office:document-content )"
           R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
           R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
           R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body>)"
           R"(<office:spreadsheet><table:table table:name="Sheet1">)" +
           rows + "</table:table></office:spreadsheet></office:body></office:document-content>";
}

void WriteOds(const std::string& path, const std::string& rows) {
    WriteContainer(path,
                   {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                    {"content.xml", Ods(rows)}},
                   true);
}

std::string TextRow(const std::string& paragraph, std::size_t repeat) {
    return R"(<table:table-row table:number-rows-repeated=")" + std::to_string(repeat) +
           R"("><table:table-cell office:value-type="string"><text:p>)" + paragraph +
           "</text:p></table:table-cell></table:table-row>";
}

void WriteXlsx(const std::string& path, const std::string& sharedStrings, std::size_t cells,
               const std::string& index = "0") {
    const std::string ns = R"( xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::string sheet = "<worksheet" + ns + "><sheetData>";
    for (std::size_t i = 0; i < cells; ++i)
        sheet += R"(<c r="A)" + std::to_string(i + 1) + R"(" t="s"><v>)" + index + "</v></c>";
    WriteContainer(
        path,
        {{"xl/workbook.xml",
          "<workbook" + ns + " xmlns:r=\"" + rel +
              R"("><sheets><sheet name="Sheet1" r:id="s1"/></sheets></workbook>)"},
         {"xl/_rels/workbook.xml.rels",
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
          R"(<Relationship Id="s1" Type=")" +
              rel + R"(/worksheet" Target="sheet1.xml"/></Relationships>)"},
         {"xl/sharedStrings.xml", "<sst" + ns + ">" + sharedStrings + "</sst>"},
         {"xl/sheet1.xml", sheet + "</sheetData></worksheet>"}},
        true);
}

std::string Record(std::uint16_t type, const std::string& data) {
    const auto n = static_cast<std::uint16_t>(data.size());
    return std::string{char(type & 0xFF), char(type >> 8), char(n & 0xFF), char(n >> 8)} + data;
}

std::string U16(unsigned v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}

// An .xls whose shared strings (one of text characters, or "x", "y", "z") are shown by cells
// cells, each showing string `index`.
void WriteXls(const std::string& path, std::size_t text, std::size_t cells, unsigned index = 0,
              bool three = false) {
    const std::string bofGlobals = Record(0x0809, U16(0x0600) + U16(0x0005) + std::string(12, 0));
    std::string strings = U16(text) + std::string(1, 0) + std::string(text, 'x');
    if (three)
        for (char c : {'y', 'z'})
            strings += U16(1) + std::string(1, 0) + std::string(1, c);
    const unsigned n = three ? 3 : 1;
    const std::string sst = Record(0x00FC, U16(n) + U16(0) + U16(n) + U16(0) + strings);
    const std::string eof = Record(0x000A, "");
    const std::size_t sheetAt = bofGlobals.size() + 4 + 14 + sst.size() + eof.size();
    const std::string boundSheet =
        Record(0x0085, U16(sheetAt & 0xFFFF) + U16(sheetAt >> 16) + std::string(2, 0) +
                           std::string{6, 0} + "Sheet1");
    std::string stream = bofGlobals + boundSheet + sst + eof +
                         Record(0x0809, U16(0x0600) + U16(0x0010) + std::string(12, 0));
    for (std::size_t i = 0; i < cells; ++i)  // LABELSST in eight columns
        stream += Record(0x00FD, U16(i / 8) + U16(i % 8) + U16(0) + U16(index) + U16(0));
    WriteContainer(path, {{"Workbook", stream + eof}}, false);
}

std::vector<std::uint8_t> Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Hostile {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* outcome;  // part of what the read gave
};

// Test names show the case, not the bytes of the struct.
void PrintTo(const Hostile& c, std::ostream* out) {
    *out << c.name;
}

class HostileWorkbooks : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileWorkbooks, StayWithinTheCaps) {
    const std::string path = ::testing::TempDir() + "/hc_hostile_" + GetParam().name;
    GetParam().make(path);
    const test::ChildCost cost = test::RunInChild([&] {
        try {
            return "read " + std::to_string(ReadWorkbookSheet(path).CellCount()) + " cells";
        } catch (const WorkbookError& e) {
            return std::string(e.what());
        }
    });
    std::filesystem::remove(path);
    ASSERT_TRUE(cost.finished) << "the read crashed or was stopped";
    EXPECT_NE(cost.outcome.find(GetParam().outcome), std::string::npos) << cost.outcome;
    EXPECT_LT(cost.outcome.size(), path.size() + 100) << cost.outcome;
    EXPECT_LT(cost.cpuSeconds, test::kCpuSecondsCap);
    EXPECT_LT(cost.peakMegabytes, test::kMegabytesCap);
    std::printf("%s: %.3f s, %.0f MB: %s\n", GetParam().name, cost.cpuSeconds, cost.peakMegabytes,
                cost.outcome.c_str());
}

const std::string kMegabyteText(1 << 20, 'a');

INSTANTIATE_TEST_SUITE_P(
    Files, HostileWorkbooks,
    ::testing::Values(
        // 1.5 KB: a 1 MB text repeated over a million rows, a terabyte if copied.
        Hostile{"ods_repeated_rows",
                [](const std::string& p) { WriteOds(p, TextRow(kMegabyteText, 1000000)); },
                "more than 300000 cells"},
        // Below the cell cap the repeated text is held once: 99 GB if copied.
        Hostile{"ods_repeated_text",
                [](const std::string& p) { WriteOds(p, TextRow(kMegabyteText, 99000)); },
                "read 99000 cells"},
        // 33 different texts of 1 MB, each made of 32 runs of 32767 spaces.
        Hostile{"ods_text_budget",
                [](const std::string& p) {
                    WriteOds(p, Repeat(TextRow(Repeat(R"(<text:s text:c="32767"/>)", 32), 1), 33));
                },
                "more than 32 MB of text"},
        // Nesting deeper than the XML parser goes: its limit is reported, not its advice.
        Hostile{"ods_deep_nesting",
                [](const std::string& p) {
                    WriteOds(p,
                             TextRow(Repeat("<text:span>", 300) + Repeat("</text:span>", 300), 1));
                },
                "content.xml: line 1: an element, a name or a text is too large or nested too "
                "deeply"},
        // One 1 MB shared string shown by 99000 cells.
        Hostile{"xlsx_shared_string",
                [](const std::string& p) {
                    WriteXlsx(p, "<si><t>" + kMegabyteText + "</t></si>", 99000);
                },
                "read 99000 cells"},
        // Three million cells of it: the sheet part alone is larger than parts may be.
        Hostile{"xlsx_million_cells",
                [](const std::string& p) {
                    WriteXlsx(p, "<si><t>" + kMegabyteText + "</t></si>", 3000000);
                },
                "xl/sheet1.xml is larger than 32 MB"},
        // An index far outside the integer range is refused, not converted.
        Hostile{"xlsx_index_1e30",
                [](const std::string& p) { WriteXlsx(p, "<si><t>a</t></si>", 1, "1e30"); },
                "shared string \"1e30\" does not exist in row 1, column 1"},
        // 600000 empty shared strings: small texts cost memory too.
        Hostile{"xlsx_empty_strings",
                [](const std::string& p) { WriteXlsx(p, Repeat("<si/>", 600000), 1); },
                "more than 32 MB of text"},
        // An 8000-character shared string in 99000 cells: 800 MB if copied.
        Hostile{"xls_shared_string", [](const std::string& p) { WriteXls(p, 8000, 99000); },
                "read 99000 cells"},
        Hostile{"xls_many_cells", [](const std::string& p) { WriteXls(p, 8000, 400000); },
                "more than 300000 cells"},
        Hostile{"zip_entries",
                [](const std::string& p) {
                    Parts parts;
                    for (int i = 0; i < 2001; ++i)
                        parts.emplace_back("d" + std::to_string(i) + "/x", "");
                    WriteContainer(p, parts, true);
                },
                "the ZIP package holds more than 2000 entries"},
        Hostile{"ole_entries",
                [](const std::string& p) {
                    Parts parts{{"Workbook", ""}};
                    for (int i = 0; i < 2001; ++i)
                        parts.emplace_back("s" + std::to_string(i), "");
                    WriteContainer(p, parts, false);
                },
                "the compound document's directory holds more than 2000 entries"},
        // The directory gives the Workbook stream a size beyond the end of the file.
        Hostile{"xls_bogus_size",
                [](const std::string& p) {
                    auto bytes = Load(std::string(HC_SOURCE_DIR) +
                                      "/tests/fixtures/workbook/biff8_cells.xls");
                    const std::string name("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
                    auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
                    ASSERT_NE(at, bytes.end());
                    at[0x78 + 3] = 0x7F;  // size 2 GB
                    std::ofstream(p, std::ios::binary)
                        .write(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<std::streamsize>(bytes.size()));
                },
                "damaged compound document: the directory gives the Workbook stream a size "
                "larger than the file"}),
    [](const auto& info) { return std::string(info.param.name); });

// A cell shows the shared string its index names: the last one of the table is read, one past
// it is refused as damage, not read from beyond the table.
TEST(XlsSharedStrings, TheLastIndexIsReadAndOnePastItRefused) {
    const std::string path = ::testing::TempDir() + "/hc_sst_index.xls";
    const struct {
        unsigned index;
        const char* text;  // read in A1; empty when refused
    } cases[] = {{0, "x"}, {1, "y"}, {2, "z"}, {3, ""}};
    for (const auto& c : cases) {
        WriteXls(path, 1, 1, c.index, true);
        std::string read, refusal;
        try {
            read = ReadWorkbookSheet(path).Cell(1, 1).text;
        } catch (const WorkbookError& e) {
            refusal = e.what();
        }
        EXPECT_EQ(read, c.text) << c.index;
        EXPECT_EQ(refusal.empty(), *c.text != 0) << c.index << ": " << refusal;
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace hc
