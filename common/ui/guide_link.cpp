#include "common/ui/guide_link.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>
#include <cerrno>
#include <filesystem>

#include "common/core/desktop_handoff.h"
#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/core/text_file.h"

#include "common/ui/window_helpers.h"

namespace hc {

namespace {

constexpr const char* kDocDirFromBinDir = "../share/doc/hydrochart";
constexpr const char* kGuideTitle = hc::N("ユーザーズガイド");

}  // namespace

std::vector<std::string> GuideDirs(const std::string& exeDir, const std::string& extraDocsDir) {
    std::vector<std::string> dirs;
    if (!exeDir.empty())
        dirs.push_back(
            (std::filesystem::path(exeDir) / kDocDirFromBinDir).lexically_normal().string());
    if (!extraDocsDir.empty())
        dirs.push_back(extraDocsDir);
    return dirs;
}

std::optional<std::string> FindGuide(const std::vector<std::string>& dirs) {
    // Per folder, so that an installed guide is never passed over for a stale source copy.
    for (const std::string& dir : dirs)
        for (const char* name : {"guide.html", "guide.md"})
            if (auto found = FindFileInDirs({dir}, name))
                return found;
    return std::nullopt;
}

Result<std::string> RenderGuide(const std::string& markdownPath, const std::string& outDir) {
    Result<std::string> text = ReadTextFile(markdownPath);
    if (!text)
        return text.error();
    // Pictures and the other guide are named relative to the Markdown file.
    const QString base = QFileInfo(Q(markdownPath)).absolutePath() + "/";
    QString markdown = Q(*text);
    auto url = [&](const char* relative) {
        return "](" + QUrl::fromLocalFile(base + relative).toString(QUrl::FullyEncoded);
    };
    markdown.replace("](images/", url("images/"));
    markdown.replace("](guide", url("guide"));
    QTextDocument doc;
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    doc.setMetaInformation(QTextDocument::DocumentTitle, hc::T(kGuideTitle));
    if (!QDir().mkpath(Q(outDir)))
        return SystemError(ErrorKind::CannotWrite, outDir, EACCES);
    std::string out = (std::filesystem::path(outDir) / "guide.html").string();
    if (Status written = WriteFileAtomically(out, S(doc.toHtml())); !written)
        return written.error();
    return out;
}

QAction* AddGuideItem(QMenu* help, PlatformServices& platform,
                      std::optional<std::vector<std::string>> dirs) {
    if (!dirs)
        dirs = GuideDirs(QCoreApplication::applicationDirPath().toStdString(), {});
    QAction* item = help->addAction(hc::T(kGuideItemText));
    item->setObjectName("mnuHelpGuideItem");
    QObject::connect(item, &QAction::triggered, help, [&platform, dirs = *dirs] {
        std::optional<std::string> guide = FindGuide(dirs);
        if (!guide) {
            std::string text = hc::TS("ユーザーズガイドが見つかりません。次の場所を探しました：");
            for (const std::string& dir : dirs)
                text += "\r" + dir;
            platform.MessageBox(text, hc::TS(kGuideTitle));
            return;
        }
        if (guide->ends_with(".md")) {
            const std::string cache =
                S(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                  "/hydrochart");
            if (Result<std::string> html = RenderGuide(*guide, cache); html)
                guide = *html;
        }
        // Never one of the suite's own programs, whatever the desktop would choose.
        std::optional<DesktopHandler> handler = platform.DesktopHandlerFor(*guide);
        std::string why;
        if (handler && IsSuiteHandler(*handler))
            why = hc::TS("表示するプログラムが見つかりません");
        else if (Status opened = platform.OpenWithDesktop(*guide); !opened)
            why = CurrentLanguage() == Language::English ? opened.error().en : opened.error().ja;
        if (!why.empty())
            platform.MessageBox(hc::TS("ユーザーズガイドを開けませんでした（%1）。", {why}) + "\r" +
                                    *guide + "\r" +
                                    hc::TS("このファイルをブラウザなどで開いてください。"),
                                hc::TS(kGuideTitle));
    });
    return item;
}

}  // namespace hc
