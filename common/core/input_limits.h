// Every cap on what an input file may make the programs read, hold or spend, in one place.
// Each lies far above any real file (a 32-sample workbook of a few hundred cells in parts of a
// few hundred KB, a 257-year precipitation record or a 256-point section of a few KB, the help
// text), and low enough that a file meeting one is refused in well under a second and 200 MB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hc::limits {

// --- Text inputs (precipitation records, cross-sections, help texts) ---------------------------

// Largest text file read. Checked against the file's size before reading, and only regular
// files are read at all: a device such as /dev/zero never ends, a FIFO blocks.
inline constexpr std::size_t kMaxTextFileBytes = 1024 * 1024;

// --- CSV tables (water-quality samples) --------------------------------------------------------

// Fields of one row. A laboratory's table has a few dozen columns.
inline constexpr std::size_t kMaxTableColumns = 1000;

// Largest CSV table read. wqplot reads tables of up to 10,000 samples: with some 20 columns of
// a few digits and a name, such a table takes 1 to 2 MB; splitting 8 MB takes about 0.2 s.
inline constexpr std::size_t kMaxTableFileBytes = 8 * 1024 * 1024;

// --- Messages -----------------------------------------------------------------------------------

// An item of a file quoted in a message is cut to this many characters (Excerpt), so that a
// one-line 100 MB file does not become a 100 MB message in the status bar.
inline constexpr std::size_t kMaxExcerptChars = 40;

// --- Workbooks (.xls, .xlsx, .ods) ----------------------------------------------------------

// Cells of the sheet read. A cell costs about 80 bytes however small its file record (an .ods
// repeat count makes a million of them from one element): 100000 cost some 8 MB and 0.1 s. A
// long table of 10,000 samples in some 20 columns holds 200000 cells.
inline constexpr std::size_t kMaxCells = 300000;

// All the text a workbook read keeps: the shared strings and every cell's text. A text used by
// many cells (a repeated .ods cell, a shared string) is kept once and charged once. Each text
// is charged its bytes plus kTextOverheadBytes, about what holding one costs, so that a table of
// millions of empty strings is bounded too. A long table of 10,000 rows whose 20 cells are all
// texts (as a CSV saved as a workbook keeps them) is charged some 15 MB.
inline constexpr std::size_t kMaxWorkbookTextBytes = 32 * 1024 * 1024;
inline constexpr std::size_t kTextOverheadBytes = 64;

// Longest single text built for one cell (Excel's own limit is 32767 characters).
inline constexpr std::size_t kMaxCellTextBytes = 1024 * 1024;

// Largest stream (.xls "Workbook") or package part (.xlsx, .ods XML) read, uncompressed; the
// size the container declares is checked before reading. Caps zip bombs and parse time (the
// XML parser takes about 0.2 s for 16 MB). An .ods sheet of 10,000 samples in 20 columns takes
// some 20 to 30 MB of XML.
inline constexpr std::size_t kMaxPartBytes = 32 * 1024 * 1024;

// Entries of a ZIP package (.xlsx, .ods: a real one has a few dozen), counted from the end
// record before the container is opened: the container library takes time growing with the
// square of the entries (100000 entries: minutes).
inline constexpr std::size_t kMaxZipEntries = 2000;

// Directory entries of an OLE2 compound document (.xls: a real one has a handful), counted by
// following the directory's sector chain before the container is opened, for the same reason.
inline constexpr std::size_t kMaxOleDirectoryEntries = 2000;

// Sheets listed by a workbook and relationships of one .xlsx part.
inline constexpr std::size_t kMaxSheets = 10000;
inline constexpr std::size_t kMaxRelationships = 10000;

// Longest run of spaces one .ods <text:s> may stand for.
inline constexpr std::int64_t kMaxSpaceRun = 32767;

}  // namespace hc::limits

namespace hc {

// At most limits::kMaxExcerptChars characters of text for a message, cut at a character
// boundary and marked with "..." when cut; line breaks and other control characters become
// blanks so that the message stays on one line.
std::string Excerpt(std::string_view text);

}  // namespace hc
