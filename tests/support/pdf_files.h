// Reading back the PDF files the programs write: page count and text (through pdftotext).
#pragma once

#include <optional>
#include <string>

namespace hc::test {

// Pages of a PDF file, -1 when it cannot be read.
int PdfPageCount(const std::string& path);
// The text pdftotext finds in a PDF file, nullopt when pdftotext is not installed.
std::optional<std::string> PdfText(const std::string& path);

}  // namespace hc::test
