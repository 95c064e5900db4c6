#include "hydrochart/output.h"

#include <QFileInfo>
#include <QImage>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "common/core/file_write.h"
#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "common/render/qt_surface.h"

namespace hcmd {

std::string Args::Value(const std::string& option) {
    if (Empty())
        throw UsageError{option + " needs a value"};
    return Next();
}

bool TakeOutputOption(Args& args, OutputOptions& options) {
    if (args.Empty())
        return false;
    const std::string a = args.Peek();
    if (a == "-o" || a == "--output") {
        args.Next();
        options.out = args.Value(a);
    } else if (a == "--screen") {
        args.Next();
        options.screen = true;
    } else if (a == "--page") {
        args.Next();
        options.page = OptionInt(a, args.Value(a));
        if (options.page < 1)
            throw UsageError{"--page must be 1 or more"};
    } else if (a == "--json") {
        args.Next();
        options.json = true;
    } else if (a == "--csv") {
        args.Next();
        options.csv = true;
    } else if (a == "--display-list") {
        args.Next();
        options.displayList = args.Value(a);
    } else {
        return false;
    }
    return true;
}

double OptionDouble(const std::string& option, const std::string& text) {
    auto v = hc::TryTextToDouble(text);
    if (!v)
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

int Fail(const hc::Error& e) {
    std::cerr << "hydrochart: " << e.English() << "\n";
    return 1;
}

int WriteDisplayList(const OutputOptions& o, const ChartJob& job) {
    hc::RecordingSurface rec = o.screen
                                   ? hc::RecordingSurface::Screen(job.screenWidth, job.screenHeight)
                                   : hc::RecordingSurface::Paper();
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

int WriteChartFile(const OutputOptions& o, const ChartJob& job) {
    std::string ext = Lower(QFileInfo(QString::fromStdString(o.out)).suffix().toStdString());
    QString path = QString::fromStdString(o.out);
    std::unique_ptr<hc::QtSurface> s;
    QImage image;
    if (o.screen) {
        if (ext == "png") {
            image = QImage(static_cast<int>(job.screenWidth), static_cast<int>(job.screenHeight),
                           QImage::Format_RGB32);
            image.fill(Qt::white);
            s = hc::QtSurface::OnImage(&image, 96.0);
        } else if (ext == "svg") {
            s = hc::QtSurface::SvgCanvas(path, QSize(static_cast<int>(job.screenWidth),
                                                     static_cast<int>(job.screenHeight)));
        } else {
            throw UsageError{"--screen writes .png or .svg"};
        }
        job.drawScreen(*s);
        hc::Status done = s->Finish();
        if (done && ext == "png")
            done = hc::SavePng(image, o.out);
        return done ? 0 : Fail(done.error());
    }
    if (ext == "pdf") {
        s = hc::QtSurface::PdfFile(path);
    } else if (ext == "svg") {
        s = hc::QtSurface::SvgSheet(path, o.page);
    } else if (ext == "png") {
        s = hc::QtSurface::PngSheet(path, o.page);
    } else {
        throw UsageError{"-o takes a .pdf, .svg or .png file"};
    }
    job.drawPaper(*s);
    hc::Status done = s->Finish();
    return done ? 0 : Fail(done.error());
}

}  // namespace

int WriteOutputs(const OutputOptions& o, const ChartJob& job) {
    if (o.out.empty() && !o.json && !o.csv && o.displayList.empty())
        throw UsageError{"nothing to write: give -o FILE, --json, --csv or --display-list FILE"};
    if (o.json && o.csv)
        throw UsageError{"--json and --csv both write to standard output: give one"};
    if (!o.out.empty()) {
        if (int rc = WriteChartFile(o, job))
            return rc;
    }
    if (!o.displayList.empty()) {
        if (int rc = WriteDisplayList(o, job))
            return rc;
    }
    if (o.json) {
        std::string j = job.json ? job.json() : "{}";
        std::cout << j << "\n";
    }
    if (o.csv && job.csv)
        std::cout << job.csv();
    if (o.json || o.csv) {
        std::cout.flush();
        if (!std::cout)
            return Fail(hc::SystemError(hc::ErrorKind::CannotWrite, "standard output", errno));
    }
    return 0;
}

const char* OutputUsage() {
    return "  -o OUT.pdf|OUT.svg|OUT.png  the printed sheets (PDF: one page per sheet; SVG/PNG: "
           "sheet --page)\n"
           "  --screen                    write the window's picture instead of the printed "
           "sheets\n"
           "  --page N                    the sheet written to SVG or PNG (default 1)\n"
           "  --json                      the computed values as JSON on standard output\n"
           "  --csv                       the numbers as CSV on standard output (as the window\n"
           "                              saves them with 数値を保存)\n"
           "  --display-list FILE         the drawing operations, one JSON object per line\n";
}

}  // namespace hcmd
