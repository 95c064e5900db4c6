// Shared pieces of the workbook readers: limits on what a file may make us allocate, the cell
// collector that enforces them, byte sources for container parts and a pull parser over libxml2.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/workbook.h"

namespace hc::wb {

// Excel's own grid; cells outside it are dropped, as a spreadsheet program drops them on import.
inline constexpr std::int64_t kMaxRows = 1048576;
inline constexpr std::int64_t kMaxColumns = 16384;
// Far above any sheet the programs read, low enough that a crafted file cannot exhaust memory.
inline constexpr std::size_t kMaxCells = 1000000;
// Largest stream or package part we read (uncompressed); caps zip bombs and absurd sizes.
inline constexpr std::size_t kMaxPartBytes = 256u * 1024u * 1024u;
// Longest cell text we build (Excel's own limit is 32767 characters).
inline constexpr std::size_t kMaxTextBytes = 1024u * 1024u;

// Collects the cells of one sheet, dropping those outside the grid and refusing more than
// kMaxCells.
class SheetBuilder {
  public:
    void Set(std::int64_t row, std::int64_t column, CellValue value);
    // True when adding count more cells would stay within the limit.
    bool HasRoomFor(std::size_t count) const;
    WorkbookSheet Take() { return std::move(sheet_); }

  private:
    WorkbookSheet sheet_;
};

// Sheet names compare as Excel compares them: exact first, else ignoring ASCII case.
// Returns the index of the match in names, or -1.
int FindSheetName(const std::vector<std::string>& names, const std::string& wanted);
// "Sheet1", "Data" -> "\"Sheet1\", \"Data\"" for error messages.
std::string ListNames(const std::vector<std::string>& names);

// Appends the UTF-8 form of a Unicode code point (invalid ones become U+FFFD).
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// BIFF8: the cells of sheetName from the bytes of an OLE2 "Workbook" stream.
WorkbookSheet ReadBiff8Sheet(std::span<const std::uint8_t> stream, const std::string& sheetName);

// A sequential byte source for one part of a package; Read returns 0 at the end and throws
// WorkbookError when the part is damaged.
class PartReader {
  public:
    virtual ~PartReader() = default;
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t size) = 0;
};

// The parts of a ZIP package by their path ("xl/workbook.xml").
class Package {
  public:
    virtual ~Package() = default;
    virtual bool Has(const std::string& partName) = 0;
    // Throws WorkbookError when the part is missing.
    virtual std::unique_ptr<PartReader> Open(const std::string& partName) = 0;
};

// Reads a small part completely (names, relationships); throws when it exceeds maxBytes.
std::string ReadWholePart(Package& package, const std::string& partName, std::size_t maxBytes);

WorkbookSheet ReadXlsxSheet(Package& package, const std::string& sheetName);
WorkbookSheet ReadOdsSheet(Package& package, const std::string& sheetName);

// Pull parser over one XML part, streaming so that large sheets need no document tree.
// DTDs are refused (no entity expansion from a file), the network is never used.
class XmlPull {
  public:
    enum class Node { Element, EndElement, Text, Other };

    XmlPull(std::unique_ptr<PartReader> source, std::string partName);
    ~XmlPull();
    XmlPull(const XmlPull&) = delete;
    XmlPull& operator=(const XmlPull&) = delete;

    // Advances to the next node; false at the end of the document. Throws WorkbookError on
    // malformed XML.
    bool Next();
    Node Type() const { return type_; }
    int Depth() const;
    bool IsEmptyElement() const;
    std::string_view LocalName() const;
    std::string_view NamespaceUri() const;
    // Text, CDATA and whitespace nodes.
    std::string_view Text() const;
    // The attribute of the current element by local name and namespace (empty namespace: none).
    std::optional<std::string> Attribute(const char* localName, const char* namespaceUri) const;
    // Attribute by local name in any namespace (relationship ids come in two namespaces).
    std::optional<std::string> AttributeAnyNs(std::string_view localName) const;
    // Skips the rest of the current element, including its children.
    void SkipElement();
    const std::string& PartName() const { return partName_; }
    [[noreturn]] void Fail(const std::string& reason) const;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
    std::string partName_;
    Node type_ = Node::Other;
};

// Namespaces of the two XML formats.
inline constexpr const char* kNsTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
inline constexpr const char* kNsOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
inline constexpr const char* kNsText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

// Parses a decimal number as written in XML ("12.5", "-1E-3"); nullopt when malformed.
std::optional<double> ParseXmlNumber(std::string_view text);

}  // namespace hc::wb
