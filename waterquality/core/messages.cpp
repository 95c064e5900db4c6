#include "waterquality/core/messages.h"
#include "common/core/language.h"

#include <filesystem>

namespace wq {

namespace {

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

std::string StatusLine(const hc::Error& error) {
    hc::Error shown = error;
    shown.file = FileName(error.file);
    return hc::Shown(shown);
}

std::string TemplateMessage(const hc::Error& error, const std::vector<std::string>& searched) {
    const std::string name = FileName(error.file);
    if (error.kind == hc::ErrorKind::CannotRead) {
        std::string text = hc::TS("入力表のひな形 %1 が見つかりません。", {name}) + "\r" +
                           hc::TS("次のいずれかのフォルダに置いてから、もう一度選んでください。");
        for (const std::string& dir : searched)
            if (!dir.empty())
                text += "\r  " + dir;
        return text;
    }
    return hc::TS("入力表のひな形を開くプログラムが見つかりませんでした。") + "\r" +
           hc::TS("表計算ソフトで次のファイルを開いて入力してください。") + "\r  " + error.file;
}

std::string CheckFileLine(const std::string& path, bool loaded) {
    return FileName(path) +
           (loaded ? hc::TS("（読み込み済み）") : hc::TS("（読み込めませんでした）"));
}

}  // namespace wq
