// Looks at the directory of a ZIP package or an OLE2 compound document before the container
// library walks it: the library's time grows with the square of the entries, so a small file
// of many entries could keep it busy for minutes. Only the counts and a few names are read.
#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_set>
#include <vector>

#include "common/core/workbook_internal.h"

namespace hc::wb {
namespace {

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(U16(p)) | (static_cast<std::uint32_t>(U16(p + 2)) << 16);
}

std::uint64_t U64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(U32(p)) | (static_cast<std::uint64_t>(U32(p + 4)) << 32);
}

[[noreturn]] void ThrowTooManyEntries(const char* container, std::size_t cap) {
    throw WorkbookError(
        std::string("the ") + container + " holds more than " + std::to_string(cap) + " entries",
        "ファイルの中の項目が " + std::to_string(cap) +
            " を超えています（壊れているか、大きすぎます）");
}

// ---------------------------------------------------------------------------------------------
// ZIP

constexpr std::uint32_t kEndRecord = 0x06054B50;
constexpr std::uint32_t kZip64Locator = 0x07064B50;
constexpr std::uint32_t kZip64EndRecord = 0x06064B50;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kMaxCommentSize = 0xFFFF;

// The entry count of the ZIP64 end record a locator right before the end record points to.
std::uint64_t Zip64EntryCount(ByteSource& file, std::uint64_t endRecordAt) {
    std::array<std::uint8_t, 20> locator{};
    if (endRecordAt < locator.size() || !file.ReadAt(endRecordAt - locator.size(), locator) ||
        U32(locator.data()) != kZip64Locator) {
        return 0;
    }
    std::array<std::uint8_t, 40> record{};
    if (!file.ReadAt(U64(locator.data() + 8), record) || U32(record.data()) != kZip64EndRecord)
        return 0;
    return std::max(U64(record.data() + 24), U64(record.data() + 32));
}

// ---------------------------------------------------------------------------------------------
// OLE2

constexpr std::uint32_t kLastRegularSector = 0xFFFFFFF9;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;
constexpr std::size_t kHeaderFatEntries = 109;
constexpr std::size_t kDirectoryEntrySize = 128;
constexpr std::uint8_t kUnusedEntry = 0;
constexpr std::uint8_t kStreamEntry = 2;

bool NameIs(const std::uint8_t* entry, std::string_view wanted) {
    const std::size_t length = U16(entry + 0x40);  // bytes, with the terminating zero
    if (length != 2 * (wanted.size() + 1))
        return false;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const std::uint16_t unit = U16(entry + 2 * i);
        if (unit > 0x7F ||
            std::tolower(unit) != std::tolower(static_cast<unsigned char>(wanted[i])))
            return false;
    }
    return true;
}

class OleScanner {
  public:
    explicit OleScanner(ByteSource& file) : file_(file) {}

    OleDirectory Scan() {
        std::array<std::uint8_t, 512> header{};
        if (!file_.ReadAt(0, header))
            Damaged("the header is incomplete");
        const unsigned shift = U16(header.data() + 0x1E);
        // 512-byte sectors (version 3) and 4096-byte ones (version 4) are all that exist.
        if (shift != 9 && shift != 12)
            Damaged("its sector size is impossible");
        sectorSize_ = std::size_t{1} << shift;
        for (std::size_t i = 0; i < kHeaderFatEntries; ++i)
            fatSectors_.push_back(U32(header.data() + 0x4C + 4 * i));
        nextDifatSector_ = U32(header.data() + 0x44);

        OleDirectory directory;
        std::vector<std::uint8_t> sector(sectorSize_);
        std::vector<std::uint8_t> types;  // of every entry, for the root's siblings
        std::array<std::uint32_t, 2> rootSiblings{kNoEntry, kNoEntry};
        std::unordered_set<std::uint32_t> seen;
        for (std::uint32_t s = U32(header.data() + 0x30); s <= kLastRegularSector; s = Next(s)) {
            if (!seen.insert(s).second)
                Damaged("its directory runs in a circle");
            directory.entries += sectorSize_ / kDirectoryEntrySize;
            if (directory.entries > kMaxOleDirectoryEntries)
                ThrowTooManyEntries("compound document's directory", kMaxOleDirectoryEntries);
            if (!ReadSector(s, sector))
                Damaged("its directory lies beyond the end of the file");
            for (std::size_t at = 0; at < sector.size(); at += kDirectoryEntrySize) {
                const std::uint8_t* entry = sector.data() + at;
                if (types.empty())
                    rootSiblings = {U32(entry + 0x44), U32(entry + 0x48)};
                types.push_back(entry[0x42]);
                if (entry[0x42] != kStreamEntry)
                    continue;
                // Version 3 files may hold garbage in the upper half of the size.
                const std::uint64_t size = shift == 9 ? U32(entry + 0x78) : U64(entry + 0x78);
                if (NameIs(entry, "Workbook") || (NameIs(entry, "Book") && !directory.workbookSize))
                    directory.workbookSize = size;
                if (NameIs(entry, "EncryptedPackage"))
                    directory.encryptedPackage = true;
            }
        }
        // The root is alone at its level. A sibling given to it is damage that the container
        // library takes into no folder and never frees.
        for (std::uint32_t sibling : rootSiblings) {
            if (sibling != 0 && sibling < types.size() && types[sibling] != kUnusedEntry)
                Damaged("its root entry has a sibling");
        }
        return directory;
    }

  private:
    [[noreturn]] static void Damaged(const std::string& reason) {
        throw WorkbookError("damaged compound document: " + reason,
                            "ファイルが壊れています（複合文書の構造）");
    }

    bool ReadSector(std::uint32_t s, std::span<std::uint8_t> out) {
        return file_.ReadAt((std::uint64_t{s} + 1) * sectorSize_, out);
    }

    std::uint32_t ReadU32(std::uint32_t sector, std::size_t index) {
        std::array<std::uint8_t, 4> bytes{};
        if (sector > kLastRegularSector ||
            !file_.ReadAt((std::uint64_t{sector} + 1) * sectorSize_ + 4 * index, bytes)) {
            Damaged("its allocation table lies beyond the end of the file");
        }
        return U32(bytes.data());
    }

    // The sector following s in its chain, from the allocation table. The table's own sectors
    // are listed in the header, then in a chain of further list sectors, each ending with a link.
    std::uint32_t Next(std::uint32_t s) {
        const std::size_t perSector = sectorSize_ / 4;
        const std::size_t fatIndex = s / perSector;
        while (fatSectors_.size() <= fatIndex) {
            // Every list sector names a table sector of the file, so there are never more list
            // sectors than the file has sectors.
            if (nextDifatSector_ > kLastRegularSector ||
                ++difatSectorsRead_ > file_.Size() / sectorSize_) {
                Damaged("its allocation table is incomplete");
            }
            for (std::size_t i = 0; i + 1 < perSector; ++i)
                fatSectors_.push_back(ReadU32(nextDifatSector_, i));
            nextDifatSector_ = ReadU32(nextDifatSector_, perSector - 1);
        }
        return ReadU32(fatSectors_[fatIndex], s % perSector);
    }

    ByteSource& file_;
    std::size_t sectorSize_ = 512;
    std::vector<std::uint32_t> fatSectors_;
    std::uint32_t nextDifatSector_ = 0;
    std::uint64_t difatSectorsRead_ = 0;
};

}  // namespace

void CheckZipEntryCount(ByteSource& file) {
    // The end record sits in the last 22 bytes plus a comment of up to 64 KB. Every candidate is
    // taken at its word: one hidden in a comment must not let a larger true count pass.
    const std::uint64_t size = file.Size();
    const std::uint64_t tail = std::min<std::uint64_t>(size, kEndRecordSize + kMaxCommentSize);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tail));
    if (tail < kEndRecordSize || !file.ReadAt(size - tail, bytes))
        return;
    std::uint64_t entries = 0;
    for (std::size_t at = 0; at + kEndRecordSize <= bytes.size(); ++at) {
        const std::uint8_t* p = bytes.data() + at;
        if (U32(p) != kEndRecord)
            continue;
        entries = std::max<std::uint64_t>({entries, U16(p + 8), U16(p + 10)});
        entries = std::max(entries, Zip64EntryCount(file, size - tail + at));
    }
    if (entries > kMaxZipEntries)
        ThrowTooManyEntries("ZIP package", kMaxZipEntries);
}

OleDirectory ScanOleDirectory(ByteSource& file) {
    return OleScanner(file).Scan();
}

}  // namespace hc::wb
