#include "hydrochart/output.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iostream>
#include <memory>
#include <mutex>

#include "common/core/file_write.h"
#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "common/render/qt_surface.h"

namespace hcmd {

double OptionDouble(const std::string& option, const std::string& text) {
    auto v = hc::TryTextToDouble(text);
    if (!v || !std::isfinite(*v))
        throw UsageError{option + ": not a number: " + text};
    return *v;
}

int OptionInt(const std::string& option, const std::string& text) {
    auto v = hc::TryTextToDouble(text);
    // The range first: converting a double outside it is undefined.
    if (!v || !(*v >= -2147483648.0 && *v <= 2147483647.0) || *v != std::floor(*v))
        throw UsageError{option + ": not a whole number: " + text};
    return static_cast<int>(*v);
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == ',') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool IsChartFormat(const std::string& f) {
    return f == "pdf" || f == "svg" || f == "png";
}

std::mutex reportMutex;
std::mutex stdoutMutex;
// While a progress line is shown, a message first clears it.
bool progressShown = false;

}  // namespace

void ReportLine(const std::string& line) {
    std::lock_guard<std::mutex> lock(reportMutex);
    std::cerr << (progressShown ? "\r\x1b[K" : "") << line << "\n" << std::flush;
}

void ReportProgress(const std::string& text) {
    std::lock_guard<std::mutex> lock(reportMutex);
    if (text.empty()) {
        if (progressShown)
            std::cerr << "\n" << std::flush;
        progressShown = false;
        return;
    }
    progressShown = true;
    std::cerr << "\r" << text << std::flush;
}

int Fail(const hc::Error& e) {
    ReportLine("hydrochart: " + e.English());
    return 1;
}

std::string OutputFormat(const OutputOptions& o) {
    if (!o.format.empty())
        return o.format;
    if (o.out.empty() || o.out == "-")
        return {};
    return Lower(QFileInfo(QString::fromStdString(o.out)).suffix().toStdString());
}

void CheckOutputOptions(const OutputOptions& o) {
    if (o.out.empty() && !o.json && !o.csv && o.displayList.empty())
        throw UsageError{"nothing to write: give -o FILE, --json, --csv or --display-list FILE"};
    if (o.json && o.csv)
        throw UsageError{"--json and --csv both write to standard output: give one"};
    if (!o.format.empty() && std::none_of(std::begin(kFormats), std::end(kFormats),
                                          [&](const char* f) { return o.format == f; }))
        throw UsageError{"--format takes pdf, svg, png, json or csv"};
    if (o.out.empty()) {
        if (!o.format.empty())
            throw UsageError{"--format applies to -o: give -o FILE or -o -"};
        return;
    }
    const std::string f = OutputFormat(o);
    if (f.empty() && (o.out == "-" || o.out.back() == '/'))
        throw UsageError{"-o - writes to standard output: give --format pdf|svg|png|json|csv"};
    if (o.out == "-" && (o.json || o.csv))
        throw UsageError{"-o - and --json/--csv would both write to standard output"};
    if (!IsChartFormat(f) && f != "json" && f != "csv")
        throw UsageError{"-o takes a .pdf, .svg, .png, .json or .csv file (or give --format)"};
    if (o.screen && f == "pdf")
        throw UsageError{"--screen writes .png or .svg"};
}

std::string JsonText(const QJsonObject& document) {
    return QJsonDocument(document).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

int WriteText(const std::string& path, const std::string& text) {
    if (!path.empty() && path != "-") {
        hc::Status s = hc::WriteFileAtomically(path, text);
        return s ? 0 : Fail(s.error());
    }
    // Whole documents, even when inputs of a batch finish at once.
    std::lock_guard<std::mutex> lock(stdoutMutex);
    std::cout << text;
    std::cout.flush();
    if (!std::cout)
        return Fail(hc::SystemError(hc::ErrorKind::CannotWrite, "standard output", errno));
    return 0;
}

namespace {

int WriteDisplayList(const OutputOptions& o, const ChartJob& job) {
    const double w = o.screenWidth > 0 ? o.screenWidth : job.screenWidth;
    const double h = o.screenHeight > 0 ? o.screenHeight : job.screenHeight;
    hc::RecordingSurface rec =
        o.screen ? hc::RecordingSurface::Screen(w, h) : hc::RecordingSurface::Paper();
    if (o.screen) {
        job.drawScreen(rec);
    } else {
        job.drawPaper(rec);
    }
    std::string text;
    for (const hc::DrawOp& op : rec.Ops()) {
        if (op.kind == hc::DrawOp::Kind::Cls)
            continue;
        text += op.ToJson() + "\n";
    }
    if (hc::Status s = hc::WriteFileAtomically(o.displayList, text); !s)
        return Fail(s.error());
    return 0;
}

int WriteChartFile(const std::string& path, const std::string& format, const OutputOptions& o,
                   const ChartJob& job) {
    const QString file = QString::fromStdString(path);
    std::unique_ptr<hc::QtSurface> s;
    QImage image;
    if (o.screen) {
        const int w = o.screenWidth > 0 ? o.screenWidth : static_cast<int>(job.screenWidth);
        const int h = o.screenHeight > 0 ? o.screenHeight : static_cast<int>(job.screenHeight);
        if (format == "png") {
            image = QImage(w, h, QImage::Format_RGB32);
            image.fill(Qt::white);
            s = hc::QtSurface::OnImage(&image, 96.0);
        } else {
            s = hc::QtSurface::SvgCanvas(file, QSize(w, h));
        }
        job.drawScreen(*s);
        hc::Status done = s->Finish();
        if (done && format == "png")
            done = hc::SavePng(image, path);
        return done ? 0 : Fail(done.error());
    }
    if (format == "pdf") {
        s = hc::QtSurface::PdfFile(file);
    } else if (format == "svg") {
        s = hc::QtSurface::SvgSheet(file, o.page);
    } else {
        s = hc::QtSurface::PngSheet(file, o.page, o.dpi);
    }
    job.drawPaper(*s);
    hc::Status done = s->Finish();
    return done ? 0 : Fail(done.error());
}

// A chart for standard output: drawn to a private temporary file, then copied.
int WriteChartToStdout(const std::string& format, const OutputOptions& o, const ChartJob& job) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return Fail(hc::SystemError(hc::ErrorKind::CannotWrite, "a temporary directory", errno));
    const std::string path = dir.filePath(QString::fromStdString("chart." + format)).toStdString();
    if (int rc = WriteChartFile(path, format, o, job))
        return rc;
    // Our own file of any size (a PNG sheet at a high resolution passes the text cap).
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return Fail(hc::SystemError(hc::ErrorKind::CannotRead, path, EIO));
    return WriteText("-", f.readAll().toStdString());
}

}  // namespace

int WriteOutputs(const OutputOptions& o, const ChartJob& job) {
    CheckOutputOptions(o);
    if (!o.out.empty()) {
        const std::string f = OutputFormat(o);
        int rc = 0;
        if (f == "json") {
            rc = WriteText(o.out, JsonText(job.json ? job.json() : QJsonObject{}));
        } else if (f == "csv") {
            rc = WriteText(o.out, job.csv ? job.csv() : std::string{});
        } else if (o.out == "-") {
            rc = WriteChartToStdout(f, o, job);
        } else {
            rc = WriteChartFile(o.out, f, o, job);
        }
        if (rc)
            return rc;
    }
    if (!o.displayList.empty()) {
        if (int rc = WriteDisplayList(o, job))
            return rc;
    }
    if (o.json)
        return WriteText("-", JsonText(job.json ? job.json() : QJsonObject{}));
    if (o.csv)
        return WriteText("-", job.csv ? job.csv() : std::string{});
    return 0;
}

}  // namespace hcmd
