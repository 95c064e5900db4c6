// Office Open XML (.xlsx) reader: locates the sheet through the workbook and its relationships,
// reads the shared strings and the cells with their stored formula results.
#include <cmath>
#include <string>
#include <vector>

#include "common/core/workbook_internal.h"

namespace hc::wb {
namespace {

// Shown for a formula whose result was never stored (files written by libraries that do not
// calculate): reading it as empty would silently turn into 0.
constexpr const char* kUncalculated = "(formula result not stored)";

struct Relationship {
    std::string id;
    std::string type;
    std::string target;  // resolved part name
};

std::string DirectoryOf(const std::string& partName) {
    const auto slash = partName.rfind('/');
    return slash == std::string::npos ? std::string() : partName.substr(0, slash + 1);
}

// A relationship target relative to the source part's folder, or absolute from the root.
std::string ResolveTarget(const std::string& baseDir, const std::string& target) {
    std::string path = !target.empty() && target[0] == '/' ? target.substr(1) : baseDir + target;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        std::string segment = path.substr(start, slash - start);
        if (segment == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!segment.empty() && segment != ".") {
            parts.push_back(segment);
        }
        start = slash + 1;
    }
    std::string out;
    for (const auto& p : parts)
        out += (out.empty() ? "" : "/") + p;
    return out;
}

std::vector<Relationship> ReadRelationships(Package& package, const std::string& sourcePart) {
    const std::string relsName = DirectoryOf(sourcePart) + "_rels/" +
                                 sourcePart.substr(DirectoryOf(sourcePart).size()) + ".rels";
    std::vector<Relationship> rels;
    if (!package.Has(relsName))
        return rels;
    XmlPull xml(package.Open(relsName), relsName);
    while (xml.Next()) {
        if (xml.Type() != XmlPull::Node::Element || xml.LocalName() != "Relationship")
            continue;
        if (xml.Attribute("TargetMode", nullptr).value_or("") == "External")
            continue;
        Relationship rel;
        rel.id = xml.Attribute("Id", nullptr).value_or("");
        rel.type = xml.Attribute("Type", nullptr).value_or("");
        rel.target =
            ResolveTarget(DirectoryOf(sourcePart), xml.Attribute("Target", nullptr).value_or(""));
        if (rels.size() >= kMaxRelationships)
            xml.Fail("more than " + std::to_string(kMaxRelationships) + " relationships");
        rels.push_back(std::move(rel));
    }
    return rels;
}

bool TypeEndsWith(const std::string& type, std::string_view suffix) {
    return type.size() >= suffix.size() &&
           type.compare(type.size() - suffix.size(), suffix.size(), suffix) == 0;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Excel writes characters that XML cannot hold as _xHHHH_ (and a literal "_x" as _x005F_x).
std::string DecodeEscapes(const std::string& text) {
    if (text.find("_x") == std::string::npos)
        return text;
    std::string out;
    std::uint32_t pendingHigh = 0;
    std::size_t i = 0;
    auto flushHigh = [&] {
        if (pendingHigh)
            AppendUtf8(out, 0xFFFD);
        pendingHigh = 0;
    };
    while (i < text.size()) {
        if (i + 7 <= text.size() && text[i] == '_' && text[i + 1] == 'x' && text[i + 6] == '_') {
            int value = 0;
            bool ok = true;
            for (std::size_t k = 2; k < 6; ++k) {
                int h = HexDigit(text[i + k]);
                if (h < 0)
                    ok = false;
                value = value * 16 + (h < 0 ? 0 : h);
            }
            if (ok) {
                const auto unit = static_cast<std::uint32_t>(value);
                if (unit >= 0xD800 && unit <= 0xDBFF) {
                    flushHigh();
                    pendingHigh = unit;
                } else if (unit >= 0xDC00 && unit <= 0xDFFF && pendingHigh) {
                    AppendUtf8(out, 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00));
                    pendingHigh = 0;
                } else {
                    flushHigh();
                    AppendUtf8(out, unit);
                }
                i += 7;
                continue;
            }
        }
        flushHigh();
        out += text[i++];
    }
    flushHigh();
    return out;
}

void AppendLimited(std::string& out, std::string_view more, const XmlPull& xml) {
    if (out.size() + more.size() > kMaxCellTextBytes)
        xml.Fail("a text is unreasonably long");
    out.append(more);
}

// The text of a string item (<si> or <is>): the <t> elements directly inside it or inside
// rich-text runs <r>; phonetic runs <rPh> are readings, not part of the text. The parser stands
// on the item's start element.
std::string ReadStringItem(XmlPull& xml) {
    std::string text;
    if (xml.IsEmptyElement())
        return text;
    const int depth = xml.Depth();
    bool inText = false;
    while (xml.Next()) {
        if (xml.Type() == XmlPull::Node::EndElement) {
            if (xml.Depth() == depth)
                return DecodeEscapes(text);
            inText = false;
        } else if (xml.Type() == XmlPull::Node::Element) {
            if (xml.LocalName() == "rPh" || xml.LocalName() == "phoneticPr" ||
                xml.LocalName() == "rPr") {
                xml.SkipElement();
            } else if (xml.LocalName() == "t") {
                inText = !xml.IsEmptyElement();
            }
        } else if (xml.Type() == XmlPull::Node::Text && inText) {
            AppendLimited(text, xml.Text(), xml);
        }
    }
    xml.Fail("unexpected end of the document");
}

std::vector<SharedText> ReadSharedStrings(Package& package, const std::string& partName,
                                          TextBudget& budget) {
    std::vector<SharedText> strings;
    XmlPull xml(package.Open(partName), partName);
    while (xml.Next()) {
        if (xml.Type() == XmlPull::Node::Element && xml.LocalName() == "si")
            strings.push_back(budget.Keep(ReadStringItem(xml)));
    }
    return strings;
}

// "AG11" -> column 33, row 11. False when malformed.
bool ParseCellRef(std::string_view ref, std::int64_t& row, std::int64_t& column) {
    std::size_t i = 0;
    std::int64_t col = 0;
    while (i < ref.size() &&
           ((ref[i] >= 'A' && ref[i] <= 'Z') || (ref[i] >= 'a' && ref[i] <= 'z'))) {
        const char c = static_cast<char>(ref[i] & ~0x20);
        col = col * 26 + (c - 'A' + 1);
        if (col > kMaxColumns)
            return false;
        ++i;
    }
    std::int64_t r = 0;
    const std::size_t digitsStart = i;
    while (i < ref.size() && ref[i] >= '0' && ref[i] <= '9') {
        r = r * 10 + (ref[i] - '0');
        if (r > kMaxRows)
            return false;
        ++i;
    }
    if (i != ref.size() || col == 0 || digitsStart == i || r == 0)
        return false;
    row = r;
    column = col;
    return true;
}

bool ParseRowNumber(std::string_view text, std::int64_t& row) {
    std::int64_t r = 0;
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        r = r * 10 + (c - '0');
        if (r > kMaxRows)
            return false;
    }
    if (r == 0)
        return false;
    row = r;
    return true;
}

struct RawCell {
    std::string type = "n";
    bool hasFormula = false;
    bool hasValue = false;
    std::string value;
    bool hasInline = false;
    std::string inlineText;
};

CellValue Interpret(const RawCell& c, const XmlPull& xml, std::int64_t row, std::int64_t column) {
    auto where = [&] {
        return " in row " + std::to_string(row) + ", column " + std::to_string(column);
    };
    if (c.type == "inlineStr") {
        if (c.hasInline)
            return CellValue::Str(c.inlineText);
        if (c.hasValue)
            return CellValue::Str(DecodeEscapes(c.value));
        return {};
    }
    if (!c.hasValue) {
        return c.hasFormula ? CellValue::Err(kUncalculated) : CellValue{};
    }
    if (c.type == "str")
        return CellValue::Str(DecodeEscapes(c.value));
    if (c.type == "b") {
        auto v = ParseXmlNumber(c.value);
        if (c.value == "true")
            return CellValue::Bool(true);
        if (c.value == "false")
            return CellValue::Bool(false);
        if (!v)
            xml.Fail("bad boolean \"" + Excerpt(c.value) + "\"" + where());
        return CellValue::Bool(*v != 0);
    }
    if (c.type == "e")
        return CellValue::Err(c.value);
    if (c.type == "d")
        return CellValue::Str(c.value);
    // "n" and anything unknown: a number.
    if (c.value.find_first_not_of(" \t\r\n") == std::string::npos)
        return {};
    auto v = ParseXmlNumber(c.value);
    if (!v)
        xml.Fail("bad number \"" + Excerpt(c.value) + "\"" + where());
    return CellValue::Num(*v);
}

// A shared string cell shares the table's text: a string used by every cell is held once.
StoredCell SharedString(const RawCell& c, const std::vector<SharedText>& strings,
                        const XmlPull& xml, std::int64_t row, std::int64_t column) {
    const auto v = ParseXmlNumber(c.value);
    // Compared as a double before the conversion, which is undefined outside the integer range.
    if (!v || !(*v >= 0 && *v < static_cast<double>(strings.size())) || *v != std::floor(*v)) {
        xml.Fail("shared string \"" + Excerpt(c.value) + "\" does not exist in row " +
                 std::to_string(row) + ", column " + std::to_string(column));
    }
    return {CellValue::Kind::Text, 0, strings[static_cast<std::size_t>(*v)]};
}

WorkbookSheet ReadCells(Package& package, const std::string& partName,
                        const std::vector<SharedText>& strings, TextBudget& budget) {
    XmlPull xml(package.Open(partName), partName);
    SheetBuilder builder(budget);
    std::int64_t row = 0;
    std::int64_t column = 0;
    bool inSheetData = false;
    while (xml.Next()) {
        if (xml.Type() == XmlPull::Node::EndElement) {
            if (xml.LocalName() == "sheetData")
                inSheetData = false;
            continue;
        }
        if (xml.Type() != XmlPull::Node::Element)
            continue;
        const std::string_view name = xml.LocalName();
        if (name == "sheetData") {
            inSheetData = !xml.IsEmptyElement();
        } else if (!inSheetData) {
            continue;
        } else if (name == "row") {
            auto r = xml.Attribute("r", nullptr);
            if (r) {
                if (!ParseRowNumber(*r, row))
                    xml.Fail("bad row number \"" + Excerpt(*r) + "\"");
            } else {
                ++row;
            }
            column = 0;
        } else if (name == "c") {
            auto ref = xml.Attribute("r", nullptr);
            if (ref) {
                std::int64_t refRow = 0;
                if (!ParseCellRef(*ref, refRow, column))
                    xml.Fail("bad cell reference \"" + Excerpt(*ref) + "\"");
                row = refRow;
            } else {
                ++column;
            }
            if (row == 0)
                row = 1;
            RawCell cell;
            cell.type = xml.Attribute("t", nullptr).value_or("n");
            if (!xml.IsEmptyElement()) {
                const int depth = xml.Depth();
                bool inValue = false;
                while (xml.Next()) {
                    if (xml.Type() == XmlPull::Node::EndElement) {
                        if (xml.Depth() == depth)
                            break;
                        inValue = false;
                    } else if (xml.Type() == XmlPull::Node::Element) {
                        const std::string_view child = xml.LocalName();
                        if (child == "v") {
                            cell.hasValue = true;
                            inValue = !xml.IsEmptyElement();
                        } else if (child == "f") {
                            cell.hasFormula = true;
                            xml.SkipElement();
                        } else if (child == "is") {
                            cell.hasInline = true;
                            cell.inlineText = ReadStringItem(xml);
                        } else {
                            xml.SkipElement();
                        }
                    } else if (xml.Type() == XmlPull::Node::Text && inValue) {
                        AppendLimited(cell.value, xml.Text(), xml);
                    }
                }
            }
            if (cell.hasValue && cell.type == "s")
                builder.Set(row, column, SharedString(cell, strings, xml, row, column));
            else
                builder.Set(row, column, Interpret(cell, xml, row, column));
        }
    }
    return builder.Take();
}

}  // namespace

WorkbookSheet ReadXlsxSheet(Package& package, const SheetChoice& sheet) {
    // The main part is named by the package relationships; xl/workbook.xml is the usual place.
    std::string workbookPart = "xl/workbook.xml";
    for (const auto& rel : ReadRelationships(package, "")) {
        if (TypeEndsWith(rel.type, "/officeDocument")) {
            workbookPart = rel.target;
            break;
        }
    }
    if (workbookPart.size() > 4 && workbookPart.compare(workbookPart.size() - 4, 4, ".bin") == 0) {
        throw WorkbookError(
            "Excel binary workbooks (.xlsb) are not supported; save as .xlsx or Excel 97-2003",
            "Excel バイナリブック (.xlsb) は読めません。.xlsx か Excel 97-2003 "
            "形式で保存してください");
    }
    if (!package.Has(workbookPart)) {
        throw WorkbookError("not a workbook: the package has no " + Excerpt(workbookPart),
                            "ブックではありません（" + Excerpt(workbookPart) + " がありません）");
    }

    std::vector<std::string> names;
    std::vector<std::string> ids;
    {
        XmlPull xml(package.Open(workbookPart), workbookPart);
        bool root = true;
        while (xml.Next()) {
            if (xml.Type() != XmlPull::Node::Element)
                continue;
            if (root) {
                if (xml.LocalName() != "workbook") {
                    throw WorkbookError(
                        "not a workbook: the package holds a document of type " +
                            Excerpt(xml.LocalName()),
                        "ブックではありません（" + Excerpt(xml.LocalName()) + " の文書です）");
                }
                root = false;
            } else if (xml.LocalName() == "sheet") {
                if (names.size() >= kMaxSheets)
                    xml.Fail("more than " + std::to_string(kMaxSheets) + " sheets");
                names.push_back(xml.Attribute("name", nullptr).value_or(""));
                ids.push_back(xml.AttributeAnyNs("id").value_or(""));
            }
        }
    }
    const int index = ChooseSheet(names, sheet);
    const std::string& sheetName = sheet.first ? names[static_cast<std::size_t>(index)] : sheet.name;

    const auto rels = ReadRelationships(package, workbookPart);
    std::string sheetPart;
    std::string stringsPart;
    for (const auto& rel : rels) {
        if (rel.id == ids[static_cast<std::size_t>(index)])
            sheetPart = rel.target;
        if (TypeEndsWith(rel.type, "/sharedStrings"))
            stringsPart = rel.target;
    }
    if (sheetPart.empty()) {
        throw WorkbookError(
            "damaged workbook: the part of sheet \"" + Excerpt(sheetName) +
                "\" is not listed in the relationships",
            "ブックが壊れています（シート「" + Excerpt(sheetName) + "」の本体が見つかりません）");
    }
    if (stringsPart.empty() && package.Has(DirectoryOf(workbookPart) + "sharedStrings.xml")) {
        stringsPart = DirectoryOf(workbookPart) + "sharedStrings.xml";
    }
    if (!package.Has(sheetPart)) {
        throw WorkbookError("damaged workbook: " + Excerpt(sheetPart) + " is missing",
                            "ブックが壊れています（" + Excerpt(sheetPart) + " がありません）");
    }
    TextBudget budget;
    std::vector<SharedText> strings;
    if (!stringsPart.empty() && package.Has(stringsPart))
        strings = ReadSharedStrings(package, stringsPart, budget);
    return ReadCells(package, sheetPart, strings, budget);
}

}  // namespace hc::wb
