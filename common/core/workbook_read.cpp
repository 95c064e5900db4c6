// Recognises a workbook from its content and hands it to the reader of its format; also the
// pieces the readers share: libgsf containers, the libxml2 pull parser and the cell limits.
#include <gsf/gsf.h>
#include <libxml/xmlreader.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <new>
#include <utility>

#include "common/core/workbook.h"
#include "common/core/workbook_internal.h"

namespace hc {
namespace wb {

// ---------------------------------------------------------------------------------------------
// Limits and small helpers

SharedText TextBudget::Keep(std::string text) {
    const std::size_t cost = text.size() + kTextOverheadBytes;
    if (cost > kMaxWorkbookTextBytes - used_) {
        const std::string mb = std::to_string(kMaxWorkbookTextBytes / (1024 * 1024));
        throw WorkbookError("the workbook holds more than " + mb + " MB of text",
                            "ブックの文字列が " + mb + " MB を超えていて読めません");
    }
    used_ += cost;
    return std::make_shared<const std::string>(std::move(text));
}

StoredCell SheetBuilder::Keep(CellValue value) {
    StoredCell cell{value.kind, value.number, nullptr};
    if (value.kind == CellValue::Kind::Text || value.kind == CellValue::Kind::Error)
        cell.text = budget_.Keep(std::move(value.text));
    return cell;
}

void SheetBuilder::Set(std::int64_t row, std::int64_t column, StoredCell cell) {
    if (row < 1 || column < 1 || row > kMaxRows || column > kMaxColumns)
        return;
    sheet_.SetCell(static_cast<int>(row), static_cast<int>(column), std::move(cell));
    if (sheet_.CellCount() > kMaxCells)
        ThrowTooManyCells();
}

bool SheetBuilder::HasRoomFor(std::size_t count) const {
    return count <= kMaxCells && sheet_.CellCount() <= kMaxCells - count;
}

void ThrowTooManyCells() {
    throw WorkbookError(
        "the sheet holds more than " + std::to_string(kMaxCells) + " cells",
        "シートのセルが " + std::to_string(kMaxCells) + " 個を超えていて読めません");
}

namespace {
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb))
            return false;
    }
    return true;
}
}  // namespace

int FindSheetName(const std::vector<std::string>& names, const std::string& wanted) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == wanted)
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (EqualsIgnoringAsciiCase(names[i], wanted))
            return static_cast<int>(i);
    }
    return -1;
}

int ChooseSheet(const std::vector<std::string>& names, const SheetChoice& choice) {
    if (choice.first && !names.empty())
        return 0;
    if (choice.first)
        throw WorkbookError("the workbook has no worksheet",
                            "ブックにシートがひとつもありません");
    const int index = FindSheetName(names, choice.name);
    if (index < 0) {
        throw WorkbookError("the workbook has no worksheet \"" + Excerpt(choice.name) +
                                "\" (its sheets: " + ListNames(names) + ")",
                            NoSheetJapanese(choice.name, names));
    }
    return index;
}

std::string ListNames(const std::vector<std::string>& names) {
    constexpr std::size_t kListed = 10;
    if (names.empty())
        return "none";
    std::string out;
    for (std::size_t i = 0; i < names.size() && i < kListed; ++i) {
        if (!out.empty())
            out += ", ";
        out += "\"" + Excerpt(names[i]) + "\"";
    }
    if (names.size() > kListed)
        out += " and " + std::to_string(names.size() - kListed) + " more";
    return out;
}

std::string NoSheetJapanese(const std::string& wanted, const std::vector<std::string>& names) {
    constexpr std::size_t kListed = 10;
    std::string out = "ブックにシート「" + Excerpt(wanted) + "」がありません";
    if (names.empty())
        return out + "（シートがひとつもありません）";
    out += "（あるシート: ";
    for (std::size_t i = 0; i < names.size() && i < kListed; ++i)
        out += (i == 0 ? "「" : "、「") + Excerpt(names[i]) + "」";
    if (names.size() > kListed)
        out += " ほか " + std::to_string(names.size() - kListed) + " 枚";
    return out + "）";
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<double> ParseXmlNumber(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string ReadWholePart(Package& package, const std::string& partName, std::size_t maxBytes) {
    auto reader = package.Open(partName);
    std::string out;
    std::array<std::uint8_t, 16384> buffer{};
    while (std::size_t n = reader->Read(buffer.data(), buffer.size())) {
        if (out.size() + n > maxBytes)
            throw WorkbookError(Excerpt(partName) + " is unreasonably large",
                                "ブックの一部 " + Excerpt(partName) + " が大きすぎます");
        out.append(reinterpret_cast<const char*>(buffer.data()), n);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// XML pull parser

struct XmlPull::Impl {
    xmlTextReaderPtr reader = nullptr;
    std::unique_ptr<PartReader> source;
    std::string ioError;     // an exception from the source, kept across the C callback
    std::string parseError;  // the first error libxml2 reported
};

namespace {
int ReadCallback(void* context, char* buffer, int length) {
    auto* impl = static_cast<XmlPull::Impl*>(context);
    if (length <= 0)
        return 0;
    try {
        return static_cast<int>(impl->source->Read(reinterpret_cast<std::uint8_t*>(buffer),
                                                   static_cast<std::size_t>(length)));
    } catch (const std::exception& e) {
        // Exceptions must not unwind through libxml2's C frames.
        if (impl->ioError.empty())
            impl->ioError = e.what();
        return -1;
    }
}

int CloseCallback(void*) {
    return 0;
}

// libxml2's message, without its advice to the programmer: its size and depth limits are ours
// too, and "use XML_PARSE_HUGE option" means nothing to a user.
std::string ParserMessage(const char* text) {
    std::string message = text ? text : "malformed XML";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    std::string lower = message;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* limit : {"huge", "too long", "too big", "too deep", "excessive depth"}) {
        if (lower.find(limit) != std::string::npos)
            return "an element, a name or a text is too large or nested too deeply";
    }
    return Excerpt(message);
}

void ErrorCallback(void* context, xmlErrorPtr error) {
    auto* impl = static_cast<XmlPull::Impl*>(context);
    if (error == nullptr || error->level < XML_ERR_ERROR || !impl->parseError.empty())
        return;
    impl->parseError = "line " + std::to_string(error->line) + ": " + ParserMessage(error->message);
}

// GLib's own handler writes a message over several lines (a blank line, the process, the
// domain and level, the text with its line breaks); libgsf's warnings about a damaged file then
// break the one-line-per-message output of hydrochart and the status lines. The reader reports
// the failure itself; each message is kept, folded onto one line.
void OneLineLogHandler(const gchar* domain, GLogLevelFlags level, const gchar* message,
                       gpointer) {
    if (level & (G_LOG_LEVEL_DEBUG | G_LOG_LEVEL_INFO))
        return;
    const char* kind = (level & G_LOG_LEVEL_ERROR)      ? "error"
                       : (level & G_LOG_LEVEL_CRITICAL) ? "critical"
                       : (level & G_LOG_LEVEL_WARNING)  ? "warning"
                                                        : "message";
    std::string text;
    for (const char* p = message ? message : ""; *p; ++p) {
        const bool blank = *p == '\n' || *p == '\r' || *p == '\t' || *p == ' ';
        if (!blank)
            text += *p;
        else if (!text.empty() && text.back() != ' ')
            text += ' ';
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    std::string line = std::string(program_invocation_short_name) + ": " +
                       (domain && *domain ? domain : "GLib") + " " + kind + ": " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void InitLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        gsf_init();
        g_log_set_default_handler(OneLineLogHandler, nullptr);
    });
}

// libxml2 prints what its input layer meets (an encoding error, say) on stderr; the reader
// reports the failure in its own message.
void IgnoreGenericError(void*, const char*, ...) {}

std::string_view View(const xmlChar* s) {
    return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}
}  // namespace

XmlPull::XmlPull(std::unique_ptr<PartReader> source, std::string partName)
    : impl_(std::make_unique<Impl>()), partName_(std::move(partName)) {
    InitLibraries();
    xmlSetGenericErrorFunc(nullptr, IgnoreGenericError);
    impl_->source = std::move(source);
    impl_->reader = xmlReaderForIO(ReadCallback, CloseCallback, impl_.get(), partName_.c_str(),
                                   nullptr, XML_PARSE_NONET | XML_PARSE_NOCDATA);
    if (impl_->reader == nullptr)
        Fail("cannot start the XML parser");
    xmlTextReaderSetStructuredErrorHandler(impl_->reader, ErrorCallback, impl_.get());
}

XmlPull::~XmlPull() {
    if (impl_->reader)
        xmlFreeTextReader(impl_->reader);
}

void XmlPull::Fail(const std::string& reason) const {
    throw WorkbookError("damaged " + Excerpt(partName_) + ": " + reason,
                        "ブックが壊れています（" + Excerpt(partName_) + " を読めません）");
}

bool XmlPull::Next() {
    int rc = xmlTextReaderRead(impl_->reader);
    if (!impl_->ioError.empty())
        throw WorkbookError(impl_->ioError, "ブックの途中が読めません");
    if (rc < 0 || !impl_->parseError.empty()) {
        Fail(impl_->parseError.empty() ? "malformed XML" : impl_->parseError);
    }
    if (rc == 0)
        return false;
    switch (xmlTextReaderNodeType(impl_->reader)) {
        case XML_READER_TYPE_ELEMENT:
            type_ = Node::Element;
            break;
        case XML_READER_TYPE_END_ELEMENT:
            type_ = Node::EndElement;
            break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            type_ = Node::Text;
            break;
        case XML_READER_TYPE_DOCUMENT_TYPE:
            // Neither format uses a DTD; refusing it rules out entity expansion attacks.
            Fail("unexpected document type declaration");
        default:
            type_ = Node::Other;
            break;
    }
    return true;
}

int XmlPull::Depth() const {
    return xmlTextReaderDepth(impl_->reader);
}

bool XmlPull::IsEmptyElement() const {
    return xmlTextReaderIsEmptyElement(impl_->reader) == 1;
}

std::string_view XmlPull::LocalName() const {
    return View(xmlTextReaderConstLocalName(impl_->reader));
}

std::string_view XmlPull::NamespaceUri() const {
    return View(xmlTextReaderConstNamespaceUri(impl_->reader));
}

std::string_view XmlPull::Text() const {
    return View(xmlTextReaderConstValue(impl_->reader));
}

std::optional<std::string> XmlPull::Attribute(const char* localName,
                                              const char* namespaceUri) const {
    xmlChar* value = nullptr;
    if (namespaceUri == nullptr || *namespaceUri == '\0') {
        value =
            xmlTextReaderGetAttribute(impl_->reader, reinterpret_cast<const xmlChar*>(localName));
    } else {
        value =
            xmlTextReaderGetAttributeNs(impl_->reader, reinterpret_cast<const xmlChar*>(localName),
                                        reinterpret_cast<const xmlChar*>(namespaceUri));
    }
    if (value == nullptr)
        return std::nullopt;
    std::string result(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return result;
}

std::optional<std::string> XmlPull::AttributeAnyNs(std::string_view localName) const {
    std::optional<std::string> result;
    if (xmlTextReaderMoveToFirstAttribute(impl_->reader) != 1)
        return result;
    do {
        if (View(xmlTextReaderConstLocalName(impl_->reader)) == localName &&
            View(xmlTextReaderConstPrefix(impl_->reader)) != "xmlns") {
            result = std::string(View(xmlTextReaderConstValue(impl_->reader)));
            break;
        }
    } while (xmlTextReaderMoveToNextAttribute(impl_->reader) == 1);
    xmlTextReaderMoveToElement(impl_->reader);
    return result;
}

void XmlPull::SkipElement() {
    if (type_ != Node::Element || IsEmptyElement())
        return;
    const int depth = Depth();
    while (Next()) {
        if (type_ == Node::EndElement && Depth() == depth)
            return;
    }
    Fail("unexpected end of the document");
}

}  // namespace wb

// ---------------------------------------------------------------------------------------------
// libgsf containers

namespace {

using namespace wb;

// Owns one GObject reference.
template <typename T>
class GRef {
  public:
    GRef() = default;
    explicit GRef(T* p) : p_(p) {}
    ~GRef() { Reset(); }
    GRef(GRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    GRef& operator=(GRef&& o) noexcept {
        if (this != &o) {
            Reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    GRef(const GRef&) = delete;
    GRef& operator=(const GRef&) = delete;
    T* get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    void Reset() {
        if (p_)
            g_object_unref(p_);
        p_ = nullptr;
    }
    T* p_ = nullptr;
};

std::string TakeError(GError* error, const char* fallback) {
    std::string message = error && error->message ? error->message : fallback;
    if (error)
        g_error_free(error);
    return message;
}

// Case-insensitive lookup of a child: OLE2 and OPC names do not depend on case.
GRef<GsfInput> ChildByName(GsfInfile* parent, const std::string& name) {
    if (GsfInput* exact = gsf_infile_child_by_name(parent, name.c_str()))
        return GRef(exact);
    const int count = gsf_infile_num_children(parent);
    for (int i = 0; i < count; ++i) {
        const char* childName = gsf_infile_name_by_index(parent, i);
        if (childName && EqualsIgnoringAsciiCase(childName, name)) {
            return GRef(gsf_infile_child_by_index(parent, i));
        }
    }
    return {};
}

[[noreturn]] void ThrowPartTooLarge(const std::string& name) {
    const std::string mb = std::to_string(kMaxPartBytes / (1024 * 1024));
    throw WorkbookError(
        Excerpt(name) + " is larger than " + mb + " MB",
        "ブックの一部 " + Excerpt(name) + " が " + mb + " MB を超えていて読めません");
}

class GsfPartReader : public PartReader {
  public:
    GsfPartReader(GRef<GsfInput> input, std::string name)
        : input_(std::move(input)), name_(std::move(name)) {}

    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        gsf_off_t remaining = gsf_input_remaining(input_.get());
        if (remaining <= 0 || size == 0)
            return 0;
        std::size_t n = std::min<std::size_t>(size, static_cast<std::size_t>(remaining));
        if (total_ + n > kMaxPartBytes)
            ThrowPartTooLarge(name_);
        if (gsf_input_read(input_.get(), n, buffer) == nullptr) {
            throw WorkbookError("damaged package: " + Excerpt(name_) + " cannot be read",
                                "ファイルが壊れています（" + Excerpt(name_) + " を読めません）");
        }
        total_ += n;
        return n;
    }

  private:
    GRef<GsfInput> input_;
    std::string name_;
    std::size_t total_ = 0;
};

class ZipPackage : public Package {
  public:
    explicit ZipPackage(GsfInfile* zip) : zip_(zip) {}

    bool Has(const std::string& partName) override { return static_cast<bool>(Find(partName)); }

    std::unique_ptr<PartReader> Open(const std::string& partName) override {
        GRef<GsfInput> input = Find(partName);
        if (!input)
            throw WorkbookError("damaged package: " + Excerpt(partName) + " is missing",
                                "ファイルが壊れています（" + Excerpt(partName) + " がありません）");
        // The size the package declares is the size the container library reads.
        if (gsf_input_size(input.get()) > static_cast<gsf_off_t>(kMaxPartBytes))
            ThrowPartTooLarge(partName);
        return std::make_unique<GsfPartReader>(std::move(input), partName);
    }

  private:
    GRef<GsfInput> Find(const std::string& partName) {
        std::vector<std::string> segments;
        std::size_t start = 0;
        while (start <= partName.size()) {
            std::size_t slash = partName.find('/', start);
            if (slash == std::string::npos)
                slash = partName.size();
            if (slash > start)
                segments.push_back(partName.substr(start, slash - start));
            start = slash + 1;
        }
        if (segments.empty())
            return {};
        GRef<GsfInput> current;
        GsfInfile* dir = zip_;
        for (std::size_t i = 0; i < segments.size(); ++i) {
            GRef<GsfInput> child = ChildByName(dir, segments[i]);
            if (!child)
                return {};
            const bool last = i + 1 == segments.size();
            // A directory is an infile with children; a part must not be one.
            const bool isDir =
                GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0;
            if (last) {
                if (isDir)
                    return {};
                return child;
            }
            if (!isDir)
                return {};
            current = std::move(child);
            dir = GSF_INFILE(current.get());
        }
        return {};
    }

    GsfInfile* zip_;
};

std::vector<std::uint8_t> ReadOleStream(GsfInput* stream) {
    if (gsf_input_size(stream) > static_cast<gsf_off_t>(kMaxPartBytes))
        ThrowPartTooLarge("the Workbook stream");
    std::vector<std::uint8_t> data;
    std::array<std::uint8_t, 65536> buffer{};
    // Read in chunks: the size in the directory is not trusted for the allocation.
    while (gsf_input_remaining(stream) > 0) {
        std::size_t n = std::min<std::size_t>(
            buffer.size(), static_cast<std::size_t>(gsf_input_remaining(stream)));
        if (data.size() + n > kMaxPartBytes)
            ThrowPartTooLarge("the Workbook stream");
        if (gsf_input_read(stream, n, buffer.data()) == nullptr) {
            throw WorkbookError(
                "damaged compound document: the Workbook stream cannot be read completely",
                "ファイルが壊れています（ブックの本体を最後まで読めません）");
        }
        data.insert(data.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
    }
    return data;
}

// The bytes of the file for looking at a container's directory.
class GsfByteSource : public ByteSource {
  public:
    explicit GsfByteSource(GsfInput* file) : file_(file) {}
    std::uint64_t Size() const override {
        return static_cast<std::uint64_t>(std::max<gsf_off_t>(0, gsf_input_size(file_)));
    }
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > Size() || out.size() > Size() - offset)
            return false;
        return !gsf_input_seek(file_, static_cast<gsf_off_t>(offset), G_SEEK_SET) &&
               gsf_input_read(file_, out.size(), out.data()) != nullptr;
    }

  private:
    GsfInput* file_;
};

WorkbookSheet ReadOle(GsfInput* file, const SheetChoice& sheetName) {
    GsfByteSource bytes(file);
    const OleDirectory directory = ScanOleDirectory(bytes);
    if (gsf_input_seek(file, 0, G_SEEK_SET))
        throw WorkbookError("cannot read the file", kCannotReadJa);
    GError* error = nullptr;
    GRef<GsfInfile> ole(gsf_infile_msole_new(file, &error));
    if (!ole) {
        throw WorkbookError("damaged compound document: " +
                                Excerpt(TakeError(error, "the structure cannot be read")),
                            "ファイルが壊れています（複合文書の構造を読めません）");
    }
    if (error)
        g_error_free(error);
    // Excel 97 and later name the stream "Workbook", Excel 5.0/95 "Book"; the version in the
    // stream's first record decides, so a BIFF8 stream under the old name is still read.
    GRef<GsfInput> stream = ChildByName(ole.get(), "Workbook");
    if (!stream)
        stream = ChildByName(ole.get(), "Book");
    if (!stream) {
        // Listed in the directory but not opened: the container library drops a stream whose
        // entry is damaged.
        if (directory.workbookSize && *directory.workbookSize > bytes.Size()) {
            throw WorkbookError(
                "damaged compound document: the directory gives the Workbook stream a size "
                "larger than the file",
                "ファイルが途中で切れています（ブックの本体がファイルより大きいとされています）");
        }
        if (directory.workbookSize) {
            throw WorkbookError("damaged compound document: the Workbook stream cannot be opened",
                                "ファイルが壊れています（ブックの本体を開けません）");
        }
        if (directory.encryptedPackage)
            throw WorkbookError("the workbook is password-protected (encrypted)", kEncryptedJa);
        throw WorkbookError("not a workbook: the compound document holds no Workbook stream",
                            "ブックではありません（Excel 以外の複合文書です）");
    }
    std::vector<std::uint8_t> data = ReadOleStream(stream.get());
    return ReadBiff8Sheet(data, sheetName);
}

WorkbookSheet ReadZip(GsfInput* file, const SheetChoice& sheetName) {
    GsfByteSource bytes(file);
    CheckZipEntryCount(bytes);
    if (gsf_input_seek(file, 0, G_SEEK_SET))
        throw WorkbookError("cannot read the file", kCannotReadJa);
    GError* error = nullptr;
    GRef<GsfInfile> zip(gsf_infile_zip_new(file, &error));
    if (!zip) {
        throw WorkbookError(
            "damaged ZIP package: " + Excerpt(TakeError(error, "the directory cannot be read")),
            "ファイルが壊れています（ZIP の目次を読めません）");
    }
    if (error)
        g_error_free(error);
    ZipPackage package(zip.get());
    if (package.Has("xl/workbook.xml") || package.Has("_rels/.rels")) {
        return ReadXlsxSheet(package, sheetName);
    }
    if (package.Has("content.xml")) {
        if (package.Has("mimetype")) {
            std::string mime = ReadWholePart(package, "mimetype", 4096);
            while (!mime.empty() && std::isspace(static_cast<unsigned char>(mime.back()))) {
                mime.pop_back();
            }
            if (mime.rfind("application/vnd.oasis.opendocument.spreadsheet", 0) != 0) {
                throw WorkbookError(
                    "not a workbook: an OpenDocument file of type " + Excerpt(mime),
                    "表計算ではない OpenDocument のファイルです（" + Excerpt(mime) + "）");
            }
        }
        return ReadOdsSheet(package, sheetName);
    }
    throw WorkbookError(
        "not a workbook: the ZIP package holds neither xl/workbook.xml nor "
        "content.xml",
        "ブックではありません（.xlsx でも .ods でもない ZIP ファイルです）");
}

WorkbookSheet ReadAny(const std::string& path, const SheetChoice& sheetName) {
    InitLibraries();
    // Only regular files: a device such as /dev/zero would be copied into memory without end.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec && ec.value() == ELOOP) {
        throw WorkbookError("cannot open the file: a loop of symbolic links",
                            "シンボリックリンクが循環しています");
    }
    if (std::filesystem::is_directory(status)) {
        throw WorkbookError("cannot open the file: it is a folder", "フォルダです");
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw WorkbookError("cannot open the file: it is not a regular file",
                            "通常のファイルではありません");
    }
    GError* error = nullptr;
    GRef<GsfInput> file(gsf_input_stdio_new(path.c_str(), &error));
    if (!file)
        throw WorkbookError("cannot open the file: " + TakeError(error, "unknown error"),
                            "ファイルを開けません");
    if (error)
        g_error_free(error);

    const gsf_off_t size = gsf_input_size(file.get());
    if (size <= 0)
        throw WorkbookError("not a workbook: the file is empty", "ファイルが空です");
    std::array<std::uint8_t, 8> magic{};
    const std::size_t got = std::min<std::size_t>(magic.size(), static_cast<std::size_t>(size));
    if (gsf_input_read(file.get(), got, magic.data()) == nullptr ||
        gsf_input_seek(file.get(), 0, G_SEEK_SET)) {
        throw WorkbookError("cannot read the file", kCannotReadJa);
    }
    static constexpr std::array<std::uint8_t, 8> kOle = {0xD0, 0xCF, 0x11, 0xE0,
                                                         0xA1, 0xB1, 0x1A, 0xE1};
    if (got == 8 && magic == kOle)
        return ReadOle(file.get(), sheetName);
    if (got >= 4 && magic[0] == 'P' && magic[1] == 'K' &&
        ((magic[2] == 3 && magic[3] == 4) || (magic[2] == 5 && magic[3] == 6))) {
        return ReadZip(file.get(), sheetName);
    }
    // Excel 2.x to 4.0 wrote a bare BIFF stream: BOF 0x0009, 0x0209 or 0x0409.
    if (got >= 4 && magic[1] <= 4 && magic[0] == 0x09 && (magic[1] % 2) == 0 && magic[3] == 0) {
        throw WorkbookError(
            "Excel 4.0 and older worksheets are not supported; save as Excel 97-2003 or later",
            "Excel 4.0 以前のワークシートは読めません。Excel 97-2003 以降の形式で保存してください");
    }
    // Web pages and XML Spreadsheet 2003 files are often saved under the name .xls.
    std::size_t first =
        (got >= 3 && magic[0] == 0xEF && magic[1] == 0xBB && magic[2] == 0xBF) ? 3 : 0;
    while (first < got && std::isspace(magic[first]))
        ++first;
    if (first < got && magic[first] == '<') {
        throw WorkbookError(
            "not a workbook: the file is an HTML or XML document (web pages and XML Spreadsheet "
            "2003 files are not supported; save as Excel 97-2003 or later)",
            "ブックではなく HTML か XML の文書です（Web ページや XML スプレッドシート 2003 は読め"
            "ません。Excel 97-2003 以降の形式で保存してください）");
    }
    throw WorkbookError(
        "not a workbook: the file is neither an Excel (.xls, .xlsx) nor an OpenDocument "
        "spreadsheet (.ods)",
        "Excel (.xls, .xlsx) のブックでも OpenDocument の表計算 (.ods) でもありません");
}

WorkbookSheet ReadChosenSheet(const std::string& path, const SheetChoice& sheetName) {
    try {
        return ReadAny(path, sheetName);
    } catch (const WorkbookError& e) {
        throw WorkbookError(path + ": " + e.what(), e.Japanese());
    } catch (const std::bad_alloc&) {
        throw WorkbookError(path + ": out of memory while reading the workbook",
                            "メモリが足りずブックを読めません");
    } catch (const std::exception& e) {
        throw WorkbookError(path + ": " + e.what(), "ブックを読む途中でエラーが起きました");
    }
}

}  // namespace

WorkbookSheet ReadWorkbookSheet(const std::string& path, const std::string& sheetName) {
    return ReadChosenSheet(path, SheetChoice{sheetName, false});
}

WorkbookSheet ReadFirstWorkbookSheet(const std::string& path) {
    return ReadChosenSheet(path, SheetChoice{{}, true});
}

}  // namespace hc
