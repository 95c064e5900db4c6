#include "support/private_cups.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace hc::test {

namespace {

int FreePort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

bool WriteText(const QString& path, const std::string& text) {
    std::ofstream out(path.toStdString());
    out << text;
    return static_cast<bool>(out);
}

std::string Server(int port) {
    return "127.0.0.1:" + std::to_string(port);
}

}  // namespace

PrivateCups::PrivateCups() {
    const char* old = std::getenv("CUPS_SERVER");
    hadServer_ = old != nullptr;
    if (old)
        previousServer_ = old;
    const QString cupsd = "/usr/sbin/cupsd";
    if (!QFile::exists(cupsd)) {
        error_ = "cupsd is not installed";
        return;
    }
    if (!dir_.isValid() || !(port_ = FreePort())) {
        error_ = "no temporary folder or port";
        return;
    }
    const QString root = dir_.path();
    for (const char* sub : {"conf", "spool", "tmp", "cache", "state", "log", "out"})
        QDir(root).mkpath(sub);
    // The filters and the queues' files run as another user when the server runs as root.
    QFile::setPermissions(root, QFileDevice::Permissions(0x7755));
    QFile::setPermissions(root + "/out", QFileDevice::Permissions(0x7777));
    QFile::setPermissions(root + "/tmp", QFileDevice::Permissions(0x7777));
    const std::string r = root.toStdString();
    WriteText(root + "/conf/cupsd.conf",
              "Listen 127.0.0.1:" + std::to_string(port_) +
                  "\nLogLevel info\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  JobPrivateValues none\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    WriteText(root + "/conf/cups-files.conf",
              "ServerRoot " + r + "/conf\nRequestRoot " + r + "/spool\nTempDir " + r +
                  "/tmp\nCacheDir " + r + "/cache\nStateDir " + r + "/state\nAccessLog " + r +
                  "/log/access_log\nErrorLog " + r + "/log/error_log\nPageLog " + r +
                  "/log/page_log\nFileDevice Yes\nPrintcap " + r + "/state/printcap\n");
    cupsd_.setProgram(cupsd);
    cupsd_.setArguments({"-f", "-c", root + "/conf/cupsd.conf", "-s", root + "/conf/cups-files.conf"});
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start();
    if (!cupsd_.waitForStarted(5000)) {
        error_ = "cupsd does not start";
        return;
    }
    setenv("CUPS_SERVER", Server(port_).c_str(), 1);
    // Ready once it answers.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < until) {
        if (cupsd_.state() != QProcess::Running) {
            error_ = "cupsd stopped: " + cupsd_.readAll().toStdString();
            return;
        }
        if (http_t* http = httpConnect2("127.0.0.1", port_, nullptr, AF_INET,
                                        HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr)) {
            httpClose(http);
            return;
        }
        QThread::msleep(100);
    }
    error_ = "cupsd does not answer";
}

PrivateCups::~PrivateCups() {
    if (cupsd_.state() != QProcess::NotRunning) {
        Thaw();
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
    if (hadServer_)
        setenv("CUPS_SERVER", previousServer_.constData(), 1);
    else
        unsetenv("CUPS_SERVER");
}

bool PrivateCups::Admin(const std::string& program, const std::vector<std::string>& args) {
    QStringList a{"-h", QString::fromStdString(Server(port_))};
    for (const std::string& s : args)
        a << QString::fromStdString(s);
    QString exe = QStandardPaths::findExecutable(QString::fromStdString(program));
    if (exe.isEmpty())
        exe = QStandardPaths::findExecutable(QString::fromStdString(program), {"/usr/sbin"});
    if (exe.isEmpty())
        return false;
    QProcess p;
    p.start(exe, a);
    const bool ok = p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", program.c_str(), p.readAllStandardError().constData());
    return ok;
}

bool PrivateCups::AddFileQueue(const std::string& name, Output output) {
    std::vector<std::string> driver{"-m", "drv:///sample.drv/generic.ppd"};
    if (output == Output::Pdf) {
        // The PDF printer's description with a last filter that passes PDF through: what
        // reaches the file is the job after the standard PDF filter, page for page.
        std::ifstream in("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
        if (!in)
            return false;
        std::ostringstream ppd;
        for (std::string line; std::getline(in, line);) {
            ppd << line << "\n";
            if (line.rfind("*ModelName:", 0) == 0)
                ppd << "*cupsFilter2: \"application/vnd.cups-pdf application/pdf 0 -\"\n";
        }
        const QString path = dir_.filePath("pdf-file.ppd");
        if (!WriteText(path, ppd.str()))
            return false;
        driver = {"-P", path.toStdString()};
    }
    std::vector<std::string> args{"-p", name, "-v", "file://" + OutputFile(name)};
    args.insert(args.end(), driver.begin(), driver.end());
    args.insert(args.end(), {"-o", "media-default=iso_a4_210x297mm", "-E"});
    return Admin("lpadmin", args);
}

std::string PrivateCups::OutputFile(const std::string& name) const {
    return dir_.filePath("out/" + QString::fromStdString(name) + ".ps").toStdString();
}

std::vector<PrivateCups::Job> PrivateCups::Jobs() const {
    std::vector<Job> out;
    http_t* http = httpConnect2("127.0.0.1", port_, nullptr, AF_INET, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                                5000, nullptr);
    if (!http)
        return out;
    cups_job_t* jobs = nullptr;
    int n = cupsGetJobs2(http, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < n; ++i)
        out.push_back({jobs[i].id, jobs[i].dest, jobs[i].title, jobs[i].state == IPP_JSTATE_COMPLETED});
    cupsFreeJobs(n, jobs);
    httpClose(http);
    std::sort(out.begin(), out.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return out;
}

bool PrivateCups::WaitCompleted(int id, double seconds) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        for (const Job& j : Jobs())
            if (j.id == id && j.completed)
                return true;
        QThread::msleep(100);
    }
    return false;
}

void PrivateCups::Freeze() {
    if (cupsd_.processId() > 0)
        kill(static_cast<pid_t>(cupsd_.processId()), SIGSTOP);
}

void PrivateCups::Thaw() {
    if (cupsd_.processId() > 0)
        kill(static_cast<pid_t>(cupsd_.processId()), SIGCONT);
}

std::vector<GreyPage> RenderWithGhostscript(const std::string& path, int dpi) {
    std::vector<GreyPage> pages;
    QTemporaryDir out;
    const QString gs = QStandardPaths::findExecutable("gs");
    if (!out.isValid() || gs.isEmpty())
        return pages;
    QProcess p;
    p.start(gs, {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pgmraw",
                 "-r" + QString::number(dpi), "-sOutputFile=" + out.filePath("p%03d.pgm"),
                 QString::fromStdString(path)});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        std::fprintf(stderr, "gs %s: %s\n", path.c_str(), p.readAll().constData());
        return pages;
    }
    for (int k = 1;; ++k) {
        std::ifstream in(out.filePath(QString::asprintf("p%03d.pgm", k)).toStdString(), std::ios::binary);
        if (!in)
            break;
        std::string magic;
        int maxval = 0;
        GreyPage page;
        // "P5", then width, height and the largest value, with "#" comment lines between.
        auto field = [&in]() -> std::string {
            std::string word;
            while (in >> word && word[0] == '#')
                std::getline(in, word);
            return word;
        };
        magic = field();
        page.width = std::atoi(field().c_str());
        page.height = std::atoi(field().c_str());
        maxval = std::atoi(field().c_str());
        in.get();
        if (magic != "P5" || maxval != 255)
            break;
        page.pixels.resize(static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height));
        in.read(reinterpret_cast<char*>(page.pixels.data()), static_cast<std::streamsize>(page.pixels.size()));
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace hc::test
