// Runs that write several files (a print to PDF, one file a document; a figure as SVG or PNG,
// one file a sheet) make them in a private folder first, so that every name is known before
// anything is written: then inputs are refused, the user is asked once about the files that
// exist already, and only then is each put in place, whole.
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "common/core/platform.h"
#include "common/core/result.h"

namespace hc {

class StagedOutput {
  public:
    // The run's first file is to become `target`, the k-th DocumentFileName(target, k).
    explicit StagedOutput(std::string target);

    // Fails when the private folder could not be made.
    Status Ready() const;
    // Where the run writes its first file instead; the others go beside it, named alike.
    std::string StagePath() const;
    // The error of a run, naming the target's files instead of the staged ones.
    Error Named(Error e) const;
    // Puts the staged files (as the run wrote them, in order) in place. Nothing is written
    // when one of the targets is an input or the user declines to replace existing files.
    PrintResult Place(PlatformServices& platform, const std::vector<std::string>& staged) const;

  private:
    std::string target_;
    QTemporaryDir dir_;
};

// A print run into PDF files, one per document: `path`, then "name-2.pdf" ... beside it.
PrintResult PrintToPdfFiles(PlatformServices& platform, const std::string& path,
                            const std::function<void(Surface&)>& draw);

}  // namespace hc
