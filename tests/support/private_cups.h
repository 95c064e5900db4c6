// A print server of the test's own: cupsd on a free port of 127.0.0.1 with its configuration,
// spool and logs in a temporary folder, reached through CUPS_SERVER, with queues that print
// into files. Tests drive print runs through it and read back what the queues did.
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace hc::test {

class PrivateCups {
  public:
    struct Job {
        int id = 0;
        std::string printer;
        std::string title;
        bool completed = false;
    };

    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Empty when the server runs and CUPS_SERVER points at it; else why it could not start.
    const std::string& StartError() const { return error_; }

    // A queue printing into OutputFile(name): PostScript through the generic PostScript driver,
    // or PDF as the print filters hand it on (so that the output can be compared exactly).
    enum class Output { PostScript, Pdf };
    bool AddFileQueue(const std::string& name, Output output = Output::PostScript);
    std::string OutputFile(const std::string& name) const;
    // Runs a CUPS command (lpadmin, cupsreject, cupsdisable...) against this server.
    bool Admin(const std::string& program, const std::vector<std::string>& args);
    // Every job the server knows, oldest first.
    std::vector<Job> Jobs() const;
    // Waits until job `id` is completed (false after `seconds`).
    bool WaitCompleted(int id, double seconds = 30) const;

    // Freezes the server (SIGSTOP) or lets it go on.
    void Freeze();
    void Thaw();

  private:
    QTemporaryDir dir_;
    QProcess cupsd_;
    int port_ = 0;
    std::string error_;
    QByteArray previousServer_;
    bool hadServer_ = false;
};

// A PostScript or PDF file rendered to an 8-bit grey image at `dpi` by Ghostscript; empty when
// that fails. Both sides of a comparison go through the same renderer.
struct GreyPage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};
std::vector<GreyPage> RenderWithGhostscript(const std::string& path, int dpi);

}  // namespace hc::test
