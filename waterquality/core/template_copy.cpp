#include "waterquality/core/template_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/core/desktop_handoff.h"
#include "common/core/language.h"
#include "waterquality/core/messages.h"
#include "waterquality/core/workbook_load.h"

namespace wq {

namespace fs = std::filesystem;

std::string TemplateCopyName(int k) {
    std::string name = kTemplateCopyStem;
    if (k >= 2)
        name += "-" + std::to_string(k);
    return name + ".xls";
}

namespace {

// Writes all of `bytes` to a file that must not exist yet; EEXIST when it does. A file left
// half written is removed.
int CreateExclusively(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0)
        ::unlink(path.c_str());
    return err;
}

}  // namespace

hc::Result<std::string> CopyTemplate(const std::string& templatePath, const std::string& dir) {
    const auto unreadable = [&] {
        return hc::FileError(hc::ErrorKind::CannotRead, templatePath, "読めません",
                             "cannot be read");
    };
    std::ifstream in(templatePath, std::ios::binary);
    if (!in.is_open())
        return unreadable();
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.empty())
        return unreadable();
    for (int k = 1; k <= kMaxTemplateCopies; ++k) {
        const std::string path = (fs::path(dir) / TemplateCopyName(k)).string();
        const int err = CreateExclusively(path, bytes);
        if (err == 0)
            return path;
        if (err != EEXIST)
            return hc::SystemError(hc::ErrorKind::CannotWrite, path, err);
    }
    return hc::FileError(hc::ErrorKind::CannotWrite,
                         (fs::path(dir) / TemplateCopyName(kMaxTemplateCopies)).string(),
                         "空いている名前がありません", "no free name left");
}

TemplateHandOff HandOverTemplate(const std::string& startDir, const std::string& folder,
                                 hc::PlatformServices& platform) {
    TemplateHandOff out;
    std::optional<std::string> found = platform.LocateDataFile(startDir, kTemplateName);
    if (!found) {
        out.error =
            hc::FileError(hc::ErrorKind::CannotRead, (fs::path(startDir) / kTemplateName).string(),
                          "見つかりません", "not found");
        return out;
    }
    hc::Result<std::string> copy = CopyTemplate(*found, folder);
    if (!copy) {
        out.outcome = TemplateHandOff::Outcome::CopyFailed;
        out.error = copy.error();
        return out;
    }
    out.copy = *copy;
    std::optional<hc::DesktopHandler> handler = platform.DesktopHandlerFor(out.copy);
    if (!handler || hc::IsSuiteHandler(*handler)) {
        out.outcome = TemplateHandOff::Outcome::NoSpreadsheet;
        return out;
    }
    if (hc::Status opened = platform.OpenWithDesktop(out.copy); !opened) {
        out.outcome = TemplateHandOff::Outcome::OpenFailed;
        out.error = opened.error();
        return out;
    }
    out.outcome = TemplateHandOff::Outcome::Opened;
    return out;
}

std::string TemplateStatusText(const TemplateHandOff& handOff) {
    using Outcome = TemplateHandOff::Outcome;
    switch (handOff.outcome) {
        case Outcome::Opened:
            return hc::TS("入力表を作り、表計算ソフトで開きました: %1", {handOff.copy});
        case Outcome::NoSpreadsheet:
            return hc::TS("表計算ソフトが見つかりません。入力表を作りました: %1", {handOff.copy});
        case Outcome::OpenFailed:
            return hc::TS("表計算ソフトで開けませんでした。入力表を作りました: %1", {handOff.copy});
        case Outcome::CopyFailed:
            return hc::TS("入力表を作れませんでした: %1", {hc::Shown(handOff.error)});
        case Outcome::Missing:
            break;
    }
    return StatusLine(handOff.error);
}

std::string TemplateHandOffMessage(const TemplateHandOff& handOff,
                                   const std::vector<std::string>& searched) {
    using Outcome = TemplateHandOff::Outcome;
    const std::string fill =
        hc::TS("表計算ソフトで次のファイルを開いて入力し、保存してください。") + "\r  " +
        handOff.copy;
    switch (handOff.outcome) {
        case Outcome::Opened:
            return {};
        case Outcome::NoSpreadsheet:
            return hc::TS("表計算ソフトが見つかりませんでした。") + "\r" +
                   hc::TS("入力表のひな形をコピーしました。") + fill;
        case Outcome::OpenFailed:
            return hc::TS("表計算ソフトで開けませんでした: %1",
                          {hc::CurrentLanguage() == hc::Language::English ? handOff.error.en
                                                                          : handOff.error.ja}) +
                   "\r" + hc::TS("入力表のひな形をコピーしました。") + fill;
        case Outcome::CopyFailed:
            return hc::TS("入力表のひな形をコピーできませんでした。") + "\r" +
                   hc::Shown(handOff.error);
        case Outcome::Missing:
            break;
    }
    return TemplateMessage(handOff.error, searched);
}

}  // namespace wq
