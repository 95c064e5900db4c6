// The Help menu item that opens the user's guide (docs/guide.md and its pictures) in the
// desktop's browser or viewer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/core/language.h"
#include "common/core/platform.h"
#include "common/core/result.h"

class QAction;
class QMenu;

namespace hc {

inline constexpr const char* kGuideItemText = hc::N("ユーザーズガイド(&G)");

// Where the guide is looked for, in order: the documentation folder of an installed tree
// (share/doc/hydrochart relative to the executable, wherever the prefix now lies; the build
// tree links its own to the source tree's docs/), then `extraDocsDir` when not empty.
std::vector<std::string> GuideDirs(const std::string& exeDir, const std::string& extraDocsDir);

// The guide in the first of `dirs` that holds one: a rendered guide.html before guide.md.
std::optional<std::string> FindGuide(const std::vector<std::string>& dirs);

// Browsers and viewers show Markdown as plain text, so the guide is handed over as HTML made
// from it: written as guide.html into `outDir`, its pictures referred to by absolute paths.
// Returns the file written.
Result<std::string> RenderGuide(const std::string& markdownPath, const std::string& outDir);

// Appends 「ユーザーズガイド(&G)」 to `help`. Choosing it hands the guide to the desktop; when
// none is found or the desktop cannot open it, a message box names the places or the file.
// A Markdown guide is rendered into the user's cache folder (hydrochart/) first (the Markdown
// itself is opened when that fails). `dirs` defaults to GuideDirs for this executable.
QAction* AddGuideItem(QMenu* help, PlatformServices& platform,
                      std::optional<std::vector<std::string>> dirs = std::nullopt);

}  // namespace hc
