// The three help texts of the main window's help menu: title and the message text, whose lines
// end with CR (CR LF at a paragraph end) as the message box shows them.
#pragma once

#include <string>

namespace rain {

struct HelpText {
    std::string title;
    std::string text;
};

HelpText DrawingHelp();   // "作図方法と印刷にあたっての注意点です"
HelpText DataFileHelp();  // "データファイルの作成にあたっての注意点です"
HelpText AnalysisHelp();  // "解析項目について"

}  // namespace rain
