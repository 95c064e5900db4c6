// Shared pieces of the workbook readers: the text budget and the cell collector that hold a read
// to its caps, looks at container directories, byte sources for container parts and a pull
// parser over libxml2.
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

#include "common/core/input_limits.h"
#include "common/core/workbook.h"

namespace hc::wb {

// The caps on what a file may make a reader allocate or spend are in input_limits.h.
using namespace hc::limits;

// Excel's own grid; cells outside it are dropped, as a spreadsheet program drops them on import.
inline constexpr std::int64_t kMaxRows = 1048576;
inline constexpr std::int64_t kMaxColumns = 16384;

using SharedText = std::shared_ptr<const std::string>;

// The texts one read keeps, charged against kMaxWorkbookTextBytes when they are made; sharing a
// kept text costs nothing more.
class TextBudget {
  public:
    // Throws WorkbookError when the text would take the read past the budget.
    SharedText Keep(std::string text);

  private:
    std::size_t used_ = 0;
};

// Collects the cells of one sheet, dropping those outside the grid and refusing more than
// kMaxCells.
class SheetBuilder {
  public:
    explicit SheetBuilder(TextBudget& budget) : budget_(budget) {}
    // The value as the sheet keeps it, its text charged to the budget.
    StoredCell Keep(CellValue value);
    void Set(std::int64_t row, std::int64_t column, CellValue value) {
        Set(row, column, Keep(std::move(value)));
    }
    void Set(std::int64_t row, std::int64_t column, StoredCell cell);
    // True when adding count more cells would stay within the limit.
    bool HasRoomFor(std::size_t count) const;
    WorkbookSheet Take() { return std::move(sheet_); }

  private:
    TextBudget& budget_;
    WorkbookSheet sheet_;
};

[[noreturn]] void ThrowTooManyCells();

// Sheet names compare as Excel compares them: exact first, else ignoring ASCII case.
// Returns the index of the match in names, or -1.
int FindSheetName(const std::vector<std::string>& names, const std::string& wanted);

// The sheet a read wants: by its name, or the first of the workbook.
struct SheetChoice {
    std::string name;
    bool first = false;
};
// The index of the chosen sheet in names; throws WorkbookError (naming the sheets there are)
// when there is none.
int ChooseSheet(const std::vector<std::string>& names, const SheetChoice& choice);
// "Sheet1", "Data" -> "\"Sheet1\", \"Data\"" for error messages; long lists and long names are
// cut short.
std::string ListNames(const std::vector<std::string>& names);

// Japanese reasons shared by several places of the readers (the English ones name the detail).
inline constexpr const char* kDamagedJa = "ブックが壊れています";
inline constexpr const char* kTruncatedJa = "ブックが壊れているか、途中で切れています";
inline constexpr const char* kEncryptedJa = "パスワードで保護（暗号化）されたブックは読めません";
inline constexpr const char* kCannotReadJa = "ファイルを読めません";
// 「ブックにシート「Sheet1」がありません（シート: "Data"）」
std::string NoSheetJapanese(const std::string& wanted, const std::vector<std::string>& names);

// Appends the UTF-8 form of a Unicode code point (invalid ones become U+FFFD).
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// BIFF8: the cells of sheetName from the bytes of an OLE2 "Workbook" stream.
WorkbookSheet ReadBiff8Sheet(std::span<const std::uint8_t> stream, const SheetChoice& sheet);

// Random access to the bytes of a container file, to look at its directory before the container
// library walks it.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Fills out from offset; false when the file ends first or cannot be read.
    virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

// Throws WorkbookError when the end record of a ZIP file declares more than kMaxZipEntries
// entries. Nothing is said of a file without one: the container library refuses it.
void CheckZipEntryCount(ByteSource& file);

// The streams of an OLE2 compound document that decide how it is read, by the names in its
// directory (ASCII case ignored), with the sizes the directory gives them.
struct OleDirectory {
    std::size_t entries = 0;                    // directory slots, used or not
    std::optional<std::uint64_t> workbookSize;  // "Workbook" or "Book"
    bool encryptedPackage = false;
};
// Follows the directory's sector chain; throws WorkbookError when it holds more than
// kMaxOleDirectoryEntries entries or runs in a circle.
OleDirectory ScanOleDirectory(ByteSource& file);

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

// Reads a small part completely; throws when it exceeds maxBytes.
std::string ReadWholePart(Package& package, const std::string& partName, std::size_t maxBytes);

WorkbookSheet ReadXlsxSheet(Package& package, const SheetChoice& sheet);
WorkbookSheet ReadOdsSheet(Package& package, const SheetChoice& sheet);

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
