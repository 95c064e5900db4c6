// OpenDocument spreadsheet (.ods) reader: one table of content.xml, with repeated rows and
// columns expanded only where they hold something, and the stored results of formulas.
#include <string>
#include <vector>

#include "common/core/workbook_internal.h"

namespace hc::wb {
namespace {

constexpr const char* kNsCalcExt =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";
constexpr const char* kUncalculated = "(formula result not stored)";

bool Is(const XmlPull& xml, const char* ns, std::string_view name) {
    return xml.LocalName() == name && xml.NamespaceUri() == ns;
}

// A repeat count: at least 1; absurd values saturate past the end of the grid.
std::int64_t RepeatCount(const std::optional<std::string>& text) {
    if (!text)
        return 1;
    std::int64_t n = 0;
    for (char c : *text) {
        if (c < '0' || c > '9')
            return 1;
        n = n * 10 + (c - '0');
        if (n > kMaxRows + kMaxColumns)
            return kMaxRows + kMaxColumns;
    }
    return n < 1 ? 1 : n;
}

// Builds the text of one paragraph. White space in the text is kept as written, as LibreOffice
// Calc keeps it; <text:s>, <text:tab> and <text:line-break> stand for their characters.
class ParagraphText {
  public:
    explicit ParagraphText(const XmlPull& xml) : xml_(xml) {}

    void Append(std::string_view text) {
        Room(text.size());
        out_.append(text);
    }

    void AppendSpaces(std::int64_t count) {
        Room(static_cast<std::uint64_t>(count));
        out_.append(static_cast<std::size_t>(count), ' ');
    }

    std::string Take() { return std::move(out_); }

  private:
    void Room(std::uint64_t more) const {
        if (more + out_.size() > kMaxCellTextBytes)
            xml_.Fail("a text is unreasonably long");
    }

    const XmlPull& xml_;
    std::string out_;
};

// Reads the paragraph the parser stands on, including spans, links and the like; notes and
// annotations are not part of what the cell shows.
std::string ReadParagraph(XmlPull& xml) {
    ParagraphText text(xml);
    if (xml.IsEmptyElement())
        return text.Take();
    const int depth = xml.Depth();
    while (xml.Next()) {
        if (xml.Type() == XmlPull::Node::EndElement) {
            if (xml.Depth() == depth)
                return text.Take();
        } else if (xml.Type() == XmlPull::Node::Text) {
            text.Append(xml.Text());
        } else if (xml.Type() == XmlPull::Node::Element) {
            if (Is(xml, kNsText, "s")) {
                auto c = xml.Attribute("c", kNsText);
                std::int64_t count = 1;
                if (c) {
                    count = 0;
                    for (char ch : *c) {
                        if (ch < '0' || ch > '9') {
                            count = 1;
                            break;
                        }
                        count = std::min<std::int64_t>(count * 10 + (ch - '0'), kMaxSpaceRun + 1);
                    }
                    if (count > kMaxSpaceRun)
                        xml.Fail("a text is unreasonably long");
                }
                text.AppendSpaces(count);
                xml.SkipElement();
            } else if (Is(xml, kNsText, "tab")) {
                text.Append("\t");
                xml.SkipElement();
            } else if (Is(xml, kNsText, "line-break")) {
                text.Append("\n");
                xml.SkipElement();
            } else if (Is(xml, kNsOffice, "annotation") || Is(xml, kNsText, "note") ||
                       Is(xml, kNsText, "ruby-text") || xml.LocalName() == "frame") {
                xml.SkipElement();
            }
            // Other elements (span, a, ...) are descended into.
        }
    }
    xml.Fail("unexpected end of the document");
}

struct CellAttributes {
    std::optional<std::string> valueType;
    std::optional<std::string> calcValueType;
    std::optional<std::string> value;
    std::optional<std::string> booleanValue;
    std::optional<std::string> dateValue;
    std::optional<std::string> timeValue;
    std::optional<std::string> stringValue;
    bool hasFormula = false;
};

// The value of the table-cell the parser stands on; consumes the cell's content.
CellValue ReadCell(XmlPull& xml) {
    CellAttributes a;
    a.valueType = xml.Attribute("value-type", kNsOffice);
    a.calcValueType = xml.Attribute("value-type", kNsCalcExt);
    a.value = xml.Attribute("value", kNsOffice);
    a.booleanValue = xml.Attribute("boolean-value", kNsOffice);
    a.dateValue = xml.Attribute("date-value", kNsOffice);
    a.timeValue = xml.Attribute("time-value", kNsOffice);
    a.stringValue = xml.Attribute("string-value", kNsOffice);
    a.hasFormula = xml.Attribute("formula", kNsTable).has_value();

    std::string paragraphs;
    bool anyParagraph = false;
    if (!xml.IsEmptyElement()) {
        const int depth = xml.Depth();
        bool closed = false;
        while (xml.Next()) {
            if (xml.Type() == XmlPull::Node::EndElement && xml.Depth() == depth) {
                closed = true;
                break;
            }
            if (xml.Type() != XmlPull::Node::Element)
                continue;
            if (Is(xml, kNsText, "p") || Is(xml, kNsText, "h")) {
                std::string p = ReadParagraph(xml);
                if (anyParagraph)
                    p.insert(0, "\n");
                if (paragraphs.size() + p.size() > kMaxCellTextBytes) {
                    xml.Fail("a text is unreasonably long");
                }
                paragraphs += p;
                anyParagraph = true;
            } else {
                xml.SkipElement();  // annotations, frames, nested content
            }
        }
        if (!closed)
            xml.Fail("unexpected end of the document");
    }

    if (a.calcValueType == "error")
        return CellValue::Err(paragraphs);
    const std::string type = a.valueType.value_or("");
    if (type == "float" || type == "percentage" || type == "currency") {
        if (a.value) {
            if (auto v = ParseXmlNumber(*a.value))
                return CellValue::Num(*v);
        }
        xml.Fail("a number cell without a valid office:value");
    }
    if (type == "boolean") {
        const std::string b = a.booleanValue.value_or("");
        if (b == "true" || b == "1")
            return CellValue::Bool(true);
        if (b == "false" || b == "0")
            return CellValue::Bool(false);
        xml.Fail("a boolean cell without a valid office:boolean-value");
    }
    if (type == "date")
        return CellValue::Str(a.dateValue.value_or(paragraphs));
    if (type == "time")
        return CellValue::Str(a.timeValue.value_or(paragraphs));
    if (type == "string")
        return CellValue::Str(a.stringValue.value_or(paragraphs));
    // A formula without a value type: LibreOffice writes an empty text result so, with an empty
    // paragraph; without any paragraph the result was never calculated.
    if (a.hasFormula)
        return anyParagraph ? CellValue::Str(paragraphs) : CellValue::Err(kUncalculated);
    // No value type: hand-written files put plain text in paragraphs.
    if (anyParagraph && !paragraphs.empty())
        return CellValue::Str(paragraphs);
    return {};
}

struct RowCell {
    std::int64_t column;
    StoredCell value;  // the cells of a repeated run share one text
};

// Reads one table-row the parser stands on into cells (only those holding something).
std::vector<RowCell> ReadRow(XmlPull& xml, SheetBuilder& builder) {
    std::vector<RowCell> cells;
    if (xml.IsEmptyElement())
        return cells;
    const int depth = xml.Depth();
    std::int64_t column = 1;
    while (xml.Next()) {
        if (xml.Type() == XmlPull::Node::EndElement && xml.Depth() == depth)
            return cells;
        if (xml.Type() != XmlPull::Node::Element)
            continue;
        const bool covered = Is(xml, kNsTable, "covered-table-cell");
        if (!covered && !Is(xml, kNsTable, "table-cell")) {
            xml.SkipElement();
            continue;
        }
        const std::int64_t repeat = RepeatCount(xml.Attribute("number-columns-repeated", kNsTable));
        CellValue value;
        if (covered) {
            // Hidden behind a merged cell: a spreadsheet program shows it empty.
            xml.SkipElement();
        } else {
            value = ReadCell(xml);
        }
        if (!value.IsEmpty()) {
            const StoredCell kept = builder.Keep(std::move(value));
            for (std::int64_t k = 0; k < repeat && column + k <= kMaxColumns; ++k)
                cells.push_back({column + k, kept});
        }
        column = std::min(column + repeat, kMaxColumns + 1);
    }
    xml.Fail("unexpected end of the document");
}

// Reads the table the parser stands on.
WorkbookSheet ReadTable(XmlPull& xml, TextBudget& budget) {
    SheetBuilder builder(budget);
    if (xml.IsEmptyElement())
        return builder.Take();
    const int depth = xml.Depth();
    std::int64_t row = 1;
    while (xml.Next()) {
        if (xml.Type() == XmlPull::Node::EndElement && xml.Depth() == depth)
            return builder.Take();
        if (xml.Type() != XmlPull::Node::Element)
            continue;
        if (Is(xml, kNsTable, "table-row")) {
            const std::int64_t repeat =
                RepeatCount(xml.Attribute("number-rows-repeated", kNsTable));
            std::vector<RowCell> cells = ReadRow(xml, builder);
            if (!cells.empty() && row <= kMaxRows) {
                // Expanding a repeated row is the one place a small file could ask for many
                // cells: check the total before building anything.
                const std::int64_t rows = std::min(repeat, kMaxRows - row + 1);
                const auto wanted = static_cast<std::uint64_t>(rows) * cells.size();
                if (wanted > kMaxCells || !builder.HasRoomFor(static_cast<std::size_t>(wanted)))
                    ThrowTooManyCells();
                for (std::int64_t r = 0; r < rows; ++r) {
                    for (const auto& c : cells)
                        builder.Set(row + r, c.column, c.value);
                }
            }
            row = std::min(row + repeat, kMaxRows + 1);
        } else if (Is(xml, kNsTable, "table-header-rows") || Is(xml, kNsTable, "table-rows") ||
                   Is(xml, kNsTable, "table-row-group")) {
            // Groups hold rows: descend.
        } else {
            xml.SkipElement();  // columns, shapes, named ranges, scenarios
        }
    }
    xml.Fail("unexpected end of the document");
}

}  // namespace

WorkbookSheet ReadOdsSheet(Package& package, const SheetChoice& sheet) {
    const std::string& sheetName = sheet.name;
    XmlPull xml(package.Open("content.xml"), "content.xml");
    TextBudget budget;
    std::vector<std::string> names;
    std::optional<WorkbookSheet> caseInsensitiveMatch;
    bool spreadsheet = false;
    while (xml.Next()) {
        if (xml.Type() != XmlPull::Node::Element)
            continue;
        if (Is(xml, kNsOffice, "spreadsheet")) {
            spreadsheet = true;
            continue;
        }
        if (!spreadsheet || !Is(xml, kNsTable, "table"))
            continue;
        const std::string name = xml.Attribute("name", kNsTable).value_or("");
        if (names.size() >= kMaxSheets)
            xml.Fail("more than " + std::to_string(kMaxSheets) + " sheets");
        names.push_back(name);
        if (sheet.first || name == sheetName)
            return ReadTable(xml, budget);
        if (!caseInsensitiveMatch && FindSheetName({name}, sheetName) == 0) {
            caseInsensitiveMatch = ReadTable(xml, budget);
        } else {
            xml.SkipElement();
        }
    }
    if (!spreadsheet)
        throw WorkbookError("not a workbook: the OpenDocument file holds no spreadsheet",
                            "OpenDocument の表計算ドキュメントではありません");
    if (caseInsensitiveMatch)
        return std::move(*caseInsensitiveMatch);
    ChooseSheet(names, sheet);  // throws: no sheet of that name, or none at all
    throw WorkbookError("the workbook has no worksheet", kDamagedJa);
}

}  // namespace hc::wb
