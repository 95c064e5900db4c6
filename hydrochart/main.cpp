// hydrochart: renders the suite's charts without a window, for batch use. One call takes one
// or many input files; many are processed in parallel, each refused file reported and skipped.
#include <sys/stat.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <iostream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/core/program_args.h"
#include "common/render/fonts.h"
#include "hydrochart/commands.h"

namespace hcmd {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

int Refuse(const std::string& file, const std::string& reason) {
    ReportLine("hydrochart: " + file + ": " + reason);
    return 1;
}

int Refuse(const Input& input, hc::Error error) {
    error.file.clear();  // the refusal names the file as given
    return Refuse(input.shown, error.English());
}

Options::Options(std::shared_ptr<QCommandLineParser> parser, std::set<std::string> known)
    : parser_(std::move(parser)), known_(std::move(known)) {}

bool Options::Has(const std::string& name) const {
    return known_.count(name) && parser_->isSet(QString::fromStdString(name));
}

std::string Options::Value(const std::string& name) const {
    return Has(name) ? parser_->value(QString::fromStdString(name)).toStdString() : std::string{};
}

std::vector<std::string> Options::Values(const std::string& name) const {
    std::vector<std::string> out;
    if (!Has(name))
        return out;
    for (const QString& v : parser_->values(QString::fromStdString(name)))
        out.push_back(v.toStdString());
    return out;
}

}  // namespace hcmd

namespace {

using hcmd::Command;
using hcmd::OptionSpec;
using hcmd::UsageError;

constexpr const char* kExitCodes =
    "exit status: 0 every input written; 1 an input was refused (the others are still written)\n"
    "or an output could not be written; 2 the command line is wrong (nothing is read).\n"
    "Messages go to standard error, one line each, naming the file and the line or cell.\n";

// The options every chart command shares.
const std::vector<OptionSpec>& ChartOptions() {
    static const std::vector<OptionSpec> options{
        {"o,output", "OUT",
         "write to OUT: .pdf every printed sheet, .svg or .png sheet --page, .json the computed "
         "values, .csv the numbers; - writes to standard output (give --format). With several "
         "inputs OUT is a directory ending in / or a pattern holding {stem}, the input's name "
         "without its extension: -o 'out/{stem}.pdf'"},
        {"format", "FORMAT",
         "pdf|svg|png|json|csv: what -o writes (default: OUT's extension; "
         "pdf for a directory)"},
        {"screen", "", "write the window's picture instead of the printed sheets (.png or .svg)"},
        {"size", "WxH",
         "the window picture's size in pixels with --screen, 16 to 8000 each (default: the "
         "window's own)"},
        {"page", "N", "the printed sheet written to .svg or .png, 1 or more (default 1)"},
        {"dpi", "N", "resolution of a .png sheet in dots per inch, 50 to 1200 (default 200)"},
        {"json", "", "the computed values as JSON on standard output (see docs/json.md)"},
        {"csv", "",
         "the numbers as CSV on standard output, as the window saves them with 数値を保存"},
        {"display-list", "FILE", "the drawing operations, one JSON object per line"},
        {"lang", "ja|en",
         "the language of the chart's words (legends, titles, notes), as the windows draw them "
         "in that language (default ja); CSV and JSON are the same in both"},
    };
    return options;
}

const std::vector<OptionSpec>& CheckOutputs() {
    static const std::vector<OptionSpec> options{
        {"o,output", "OUT",
         "write to OUT (.json or .csv); - for standard output with --format; with several "
         "inputs a directory ending in / or a pattern holding {stem}"},
        {"format", "FORMAT", "json|csv: what -o writes (default: OUT's extension)"},
        {"json", "", "the check as JSON on standard output (see docs/json.md)"},
        {"csv", "", "the check as CSV on standard output: the samples, then the suspect cells"},
    };
    return options;
}

// How a batch runs, the same for every command.
const std::vector<OptionSpec>& BatchOptions() {
    static const std::vector<OptionSpec> options{
        {"j,jobs", "N",
         "inputs processed at once, 1 to 256 (default: one for each processor core)"},
        {"q,quiet", "", "no progress line; refused inputs are still reported"},
        {"progress", "",
         "report each finished input, also when standard error is not a terminal (one line "
         "each, for logs); without it a terminal shows a progress line for more than four "
         "inputs"},
    };
    return options;
}

std::vector<OptionSpec> AllOptions(const Command& c) {
    std::vector<OptionSpec> all = c.options;
    const auto& shared = c.chartOutputs ? ChartOptions() : CheckOutputs();
    all.insert(all.end(), shared.begin(), shared.end());
    all.insert(all.end(), BatchOptions().begin(), BatchOptions().end());
    all.push_back({"h,help", "", "this help"});
    return all;
}

// "  -o, --output OUT   text..." with the text wrapped to 100 columns.
void PrintOptions(std::ostream& os, const std::vector<OptionSpec>& options) {
    constexpr std::size_t kTextColumn = 30, kWidth = 100;
    for (const OptionSpec& o : options) {
        std::string head = "  ";
        std::stringstream names(o.names);
        std::string n;
        bool first = true;
        while (std::getline(names, n, ',')) {
            head += (first ? "" : ", ") + std::string(n.size() == 1 ? "-" : "--") + n;
            first = false;
        }
        if (!o.valueName.empty())
            head += " " + o.valueName;
        os << head;
        std::size_t col = head.size();
        if (col + 1 >= kTextColumn) {
            os << "\n";
            col = 0;
        }
        std::stringstream words(o.help);
        std::string w;
        bool lineStart = true;
        while (words >> w) {
            if (!lineStart && col + 1 + w.size() > kWidth) {
                os << "\n";
                col = 0;
                lineStart = true;
            }
            if (lineStart) {
                os << std::string(kTextColumn - col, ' ');
                col = kTextColumn;
            } else {
                os << ' ';
                ++col;
            }
            os << w;
            col += w.size();
            lineStart = false;
        }
        os << "\n";
    }
}

std::vector<Command> SortedCommands() {
    std::vector<Command> cmds = hcmd::Commands();
    std::sort(cmds.begin(), cmds.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return cmds;
}

void PrintUsage(std::ostream& os) {
    os << "usage: hydrochart COMMAND [options] FILE...\n"
          "       hydrochart COMMAND --help | hydrochart --version\n\ncommands:\n";
    for (const auto& c : SortedCommands())
        os << "  " << c.name << "\t" << c.summary << "\n";
    os << "\nOptions take --opt=value or --opt value, before or after the files; -- ends the\n"
          "options; - reads standard input.\n"
       << kExitCodes;
}

void PrintCommandHelp(const Command& c) {
    std::cout << "usage: hydrochart " << c.name << " [options] " << c.input << "...\n\n"
              << c.summary << ".\n\n";
    if (!c.options.empty()) {
        std::cout << "options:\n";
        PrintOptions(std::cout, c.options);
        std::cout << "\n";
    }
    std::cout << "output options:\n";
    PrintOptions(std::cout, c.chartOutputs ? ChartOptions() : CheckOutputs());
    std::cout << "\nbatch options:\n";
    PrintOptions(std::cout, BatchOptions());
    if (!c.notes.empty())
        std::cout << "\n" << c.notes;
    std::cout << "\nOptions take --opt=value or --opt value, before or after the files; -- ends "
                 "the options;\n- as "
              << c.input << " reads standard input. Several " << c.input
              << "s are processed in parallel.\n"
              << kExitCodes;
}

// Batch jobs often run without a login session; Qt then warns about the missing runtime
// directory on every start. Give it a private one instead.
void EnsureRuntimeDirectory() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    std::string dir = "/tmp/hydrochart-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
        (st.st_mode & 0077) == 0)
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
}

// The largest standard input taken: more than any workbook the readers accept.
constexpr std::size_t kMaxStdinBytes = 64u * 1024 * 1024;

// More threads than this would only wait on the disk and on each other.
constexpr int kMaxJobs = 256;

// Standard input saved to a private file, named so that the readers recognise its kind.
std::string SaveStandardInput(const QTemporaryDir& dir, const Command& c) {
    std::string bytes;
    char buffer[65536];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        if (bytes.size() > kMaxStdinBytes)
            throw hc::FileError(hc::ErrorKind::TooLarge, "standard input", "",
                                "more than 64 MB on standard input");
    }
    std::string suffix = ".txt";
    if (c.input == "WORKBOOK") {
        if (bytes.rfind("\xD0\xCF\x11\xE0", 0) == 0)
            suffix = ".xls";
        else if (bytes.rfind("PK\x03\x04", 0) == 0)
            suffix = ".xlsx";
        else
            suffix = ".csv";  // a text table of samples
    }
    const std::string path = dir.filePath(QString::fromStdString("stdin" + suffix)).toStdString();
    if (hc::Status s = hc::WriteFileAtomically(path, bytes); !s)
        throw s.error();
    return path;
}

hcmd::OutputOptions TakeOutputOptions(const hcmd::Options& o, const Command& c) {
    hcmd::OutputOptions out;
    out.out = o.Value("output");
    out.format = o.Value("format");
    out.json = o.Has("json");
    out.csv = o.Has("csv");
    if (out.out.empty() && o.Has("output"))
        throw UsageError{"-o needs a file name"};
    if (!c.chartOutputs)
        return out;
    out.screen = o.Has("screen");
    out.displayList = o.Value("display-list");
    if (o.Has("page")) {
        out.page = hcmd::OptionInt("--page", o.Value("page"));
        if (out.page < 1)
            throw UsageError{"--page must be 1 or more"};
    }
    if (o.Has("dpi")) {
        out.dpi = hcmd::OptionInt("--dpi", o.Value("dpi"));
        if (out.dpi < hcmd::kMinDpi || out.dpi > hcmd::kMaxDpi)
            throw UsageError{"--dpi takes 50 to 1200 dots per inch"};
    }
    if (o.Has("size")) {
        const std::string v = o.Value("size");
        const auto x = v.find_first_of("xX");
        if (x == std::string::npos)
            throw UsageError{"--size takes WIDTHxHEIGHT in pixels, e.g. 1200x600"};
        out.screenWidth = hcmd::OptionInt("--size", v.substr(0, x));
        out.screenHeight = hcmd::OptionInt("--size", v.substr(x + 1));
        for (int side : {out.screenWidth, out.screenHeight})
            if (side < hcmd::kMinScreenPixels || side > hcmd::kMaxScreenPixels)
                throw UsageError{"--size takes 16 to 8000 pixels each way"};
        if (!out.screen)
            throw UsageError{"--size applies to the window's picture: give --screen"};
    }
    if (out.dpi != hcmd::kDefaultDpi && (out.screen || hcmd::OutputFormat(out) != "png"))
        throw UsageError{"--dpi applies to a printed sheet written as .png"};
    return out;
}

struct Job {
    hcmd::Input input;
    hcmd::OutputOptions out;
};

// -o names a directory: one file per input goes into it.
bool IsDirectory(const std::string& out) {
    return !out.empty() && out != "-" &&
           (out.back() == '/' || QFileInfo(QString::fromStdString(out)).isDir());
}

// What a name stands for on the disk, so that two spellings of one file (s.csv, ./s.csv, a
// link to it) compare equal: the device and inode of an existing file, else the real folder
// and the name. Empty for a device or FIFO, which any number of writers may share.
std::string FileKey(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
            return {};
        return "#" + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    }
    const QFileInfo info(QString::fromStdString(path));
    QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(info.absolutePath());
    return (folder + "/" + info.fileName()).toStdString();
}

// The outputs of each input: -o and --display-list as given for one input; a directory or a
// {stem} pattern for several. No output may be an input (it would be overwritten before or
// while it is read) or the output of another input.
std::vector<Job> PlanJobs(const std::vector<hcmd::Input>& inputs, const hcmd::OutputOptions& base) {
    const bool many = inputs.size() > 1;
    const QString out = QString::fromStdString(base.out);
    const bool directory = IsDirectory(base.out);
    const bool pattern = out.contains("{stem}");
    if (many) {
        if (base.json || base.csv || base.out == "-")
            throw UsageError{
                "several inputs write several files: give -o DIR/ or -o "
                "'{stem}.json' instead of standard output"};
        if (!base.out.empty() && !directory && !pattern)
            throw UsageError{"several inputs need -o DIR/ or a pattern with {stem}"};
        if (!base.displayList.empty() && base.displayList.find("{stem}") == std::string::npos)
            throw UsageError{"several inputs need --display-list with {stem}"};
    }
    if (directory && base.format.empty())
        throw UsageError{"-o DIR/ needs --format"};
    std::map<std::string, std::string> read;  // input file -> input as given
    for (const hcmd::Input& in : inputs)
        if (in.path != "-")
            if (std::string key = FileKey(in.path); !key.empty())
                read.emplace(key, in.shown);
    std::vector<Job> jobs;
    std::map<std::string, std::string> written;  // output file -> input
    for (const hcmd::Input& in : inputs) {
        Job j{in, base};
        const QString stem = in.path == "-"
                                 ? QString("stdin")
                                 : QFileInfo(QString::fromStdString(in.path)).completeBaseName();
        if (directory) {
            j.out.out = QDir(out).filePath(stem).toStdString() + "." + base.format;
        } else if (pattern) {
            j.out.out = QString(out).replace("{stem}", stem).toStdString();
        }
        if (!base.displayList.empty())
            j.out.displayList =
                QString::fromStdString(base.displayList).replace("{stem}", stem).toStdString();
        for (const std::string& target : {j.out.out, j.out.displayList}) {
            if (target.empty() || target == "-")
                continue;
            const std::string key = FileKey(target);
            if (key.empty())
                continue;
            if (auto input = read.find(key); input != read.end())
                throw UsageError{"the output " + target + " is the input " + input->second +
                                 ": it would be overwritten"};
            auto [at, fresh] = written.emplace(key, in.shown);
            if (!fresh)
                throw UsageError{at->second + " and " + in.shown + " would both write " + target};
        }
        jobs.push_back(std::move(j));
    }
    return jobs;
}

int RunOne(const hcmd::FileRun& run, const Job& job, bool alone) {
    try {
        return run(job.input, job.out);
    } catch (const UsageError& e) {
        if (alone)
            throw;
        return hcmd::Refuse(job.input.shown, e.message);
    } catch (const std::exception& e) {
        // Whatever a command did not turn into a refusal still ends with a message and a
        // failure status, never with an abort.
        return hcmd::Refuse(job.input.shown, e.what());
    }
}

enum class Progress { Terminal, Always, Never };

struct BatchSettings {
    unsigned jobs = 0;  // 0: one for each core
    Progress progress = Progress::Terminal;
};

BatchSettings TakeBatchSettings(const hcmd::Options& o) {
    BatchSettings b;
    if (o.Has("jobs")) {
        const int jobs = hcmd::OptionInt("--jobs", o.Value("jobs"));
        if (jobs < 1 || jobs > kMaxJobs)
            throw UsageError{"-j takes 1 to 256 inputs at once"};
        b.jobs = static_cast<unsigned>(jobs);
    }
    if (o.Has("quiet") && o.Has("progress"))
        throw UsageError{"--quiet and --progress contradict each other: give one"};
    if (o.Has("quiet"))
        b.progress = Progress::Never;
    else if (o.Has("progress"))
        b.progress = Progress::Always;
    return b;
}

// The jobs on as many threads as asked; the exit status is 1 when any failed.
int RunJobs(const hcmd::FileRun& run, const std::vector<Job>& jobs, const BatchSettings& batch) {
    const std::size_t n = jobs.size();
    const bool terminal = isatty(STDERR_FILENO);
    const bool progress = batch.progress == Progress::Always ||
                          (batch.progress == Progress::Terminal && terminal && n > 4);
    auto report = [&](std::size_t k) {
        if (!progress)
            return;
        const std::string line = "hydrochart: " + std::to_string(k) + "/" + std::to_string(n) +
                                 (n == 1 ? " file" : " files");
        // A log gets a line for each input; a terminal one line rewritten in place.
        if (terminal)
            hcmd::ReportProgress(line);
        else
            hcmd::ReportLine(line);
    };
    int status = 0;
    if (n == 1) {
        // Alone, a usage error in the input's options is a usage error of the call.
        status = RunOne(run, jobs[0], true);
        report(1);
    } else {
        std::atomic<std::size_t> next{0};
        std::atomic<bool> failed{false};
        std::mutex counting;  // so that the count goes up one line at a time
        std::size_t done = 0;
        auto worker = [&] {
            for (std::size_t i; (i = next++) < n;) {
                if (RunOne(run, jobs[i], false) != 0)
                    failed = true;
                std::lock_guard<std::mutex> lock(counting);
                report(++done);
            }
        };
        const unsigned threads =
            batch.jobs ? batch.jobs : std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::thread> pool;
        for (std::size_t t = 0; t < std::min<std::size_t>(threads, n); ++t)
            pool.emplace_back(worker);
        for (std::thread& t : pool)
            t.join();
        status = failed ? 1 : 0;
    }
    if (progress && terminal)
        hcmd::ReportProgress("");
    return status;
}

bool AsksForHelp(const std::vector<std::string>& rest) {
    for (const std::string& a : rest) {
        if (a == "--")
            return false;
        if (a == "--help" || a == "-h")
            return true;
    }
    return false;
}

std::shared_ptr<QCommandLineParser> Parse(const Command& c, const std::vector<std::string>& rest) {
    auto parser = std::make_shared<QCommandLineParser>();
    for (const OptionSpec& o : AllOptions(c)) {
        QCommandLineOption option(QString::fromStdString(o.names).split(','),
                                  QString::fromStdString(o.help),
                                  QString::fromStdString(o.valueName));
        parser->addOption(option);
    }
    QStringList args{"hydrochart"};
    for (const std::string& a : rest)
        args << QString::fromStdString(a);
    if (!parser->parse(args))
        throw UsageError{parser->errorText().toStdString()};
    return parser;
}

int Run(const Command& cmd, const std::vector<std::string>& rest, char** argv) {
    std::shared_ptr<QCommandLineParser> parser = Parse(cmd, rest);
    std::set<std::string> known;
    for (const OptionSpec& o : AllOptions(cmd))
        for (const QString& n : QString::fromStdString(o.names).split(','))
            known.insert(n.toStdString());
    hcmd::Options options(parser, known);
    hcmd::OutputOptions base = TakeOutputOptions(options, cmd);
    const BatchSettings batch = TakeBatchSettings(options);
    hc::Language language = hc::Language::Japanese;
    if (options.Has("lang")) {
        const std::optional<hc::Language> l = hc::ParseLanguage(options.Value("lang"));
        if (!l)
            throw UsageError{"--lang takes ja or en"};
        language = *l;
    }
    // A directory takes one file per input, PDF unless --format says otherwise.
    if (IsDirectory(base.out) && base.format.empty() && cmd.chartOutputs)
        base.format = "pdf";
    if (cmd.chartOutputs)
        hcmd::CheckOutputOptions(base);
    hcmd::FileRun run = cmd.prepare(options);

    std::vector<hcmd::Input> inputs;
    for (const QString& p : parser->positionalArguments())
        inputs.push_back({p.toStdString(), p.toStdString()});
    if (inputs.empty())
        throw UsageError{"no " + cmd.input + " given"};
    const auto dashes = std::count_if(inputs.begin(), inputs.end(),
                                      [](const hcmd::Input& i) { return i.path == "-"; });
    if (dashes > 1)
        throw UsageError{"- (standard input) can be read once"};
    std::vector<Job> jobs = PlanJobs(inputs, base);
    // The directory of -o DIR/ or of a {stem} pattern is made when missing.
    std::set<QString> made;
    const bool perInput = IsDirectory(base.out) || base.out.find("{stem}") != std::string::npos;
    for (const Job& j : jobs) {
        if (!perInput)
            break;
        const QString parent = QFileInfo(QString::fromStdString(j.out.out)).absolutePath();
        if (made.insert(parent).second && !QDir().mkpath(parent))
            return hcmd::Refuse(parent.toStdString(), "the directory cannot be made");
    }

    int qargc = 1;
    QGuiApplication app(qargc, argv);
    hc::InstallFontSubstitutions();
    if (language != hc::Language::Japanese && !hc::SetLanguage(language))
        return hcmd::Refuse("--lang", "the English translations cannot be loaded");
    // Made only when standard input is read: a run on named files leaves no trace in /tmp.
    std::optional<QTemporaryDir> stdinDir;
    for (Job& j : jobs) {
        if (j.input.path != "-")
            continue;
        try {
            stdinDir.emplace();
            if (!stdinDir->isValid())
                throw hc::FileError(
                    hc::ErrorKind::CannotWrite, "standard input", "",
                    "no temporary folder to keep it in: " + stdinDir->errorString().toStdString());
            j.input = {SaveStandardInput(*stdinDir, cmd), "standard input"};
        } catch (const hc::Error& e) {
            return hcmd::Refuse("standard input", e.en);
        }
    }
    return RunJobs(run, jobs, batch);
}

}  // namespace

int main(int argc, char** argv) {
    // Headless by design: no window system is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    EnsureRuntimeDirectory();
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << hc::ProgramVersionText("hydrochart");
        return 0;
    }
    std::string name = argv[1];
    const Command* cmd = nullptr;
    for (const auto& c : hcmd::Commands())
        if (name == c.name)
            cmd = &c;
    if (!cmd) {
        std::cerr << "hydrochart: unknown command '" << name << "'\n";
        PrintUsage(std::cerr);
        return 2;
    }
    std::vector<std::string> rest(argv + 2, argv + argc);
    if (AsksForHelp(rest)) {
        PrintCommandHelp(*cmd);
        return 0;
    }
    try {
        return Run(*cmd, rest, argv);
    } catch (const UsageError& e) {
        std::cerr << "hydrochart " << cmd->name << ": " << e.message << "\n"
                  << "usage: hydrochart " << cmd->name << " [options] " << cmd->input
                  << "...  ('hydrochart " << cmd->name << " --help' lists the options)\n";
        return 2;
    }
}
