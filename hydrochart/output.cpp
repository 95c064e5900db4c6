#include "hydrochart/output.h"

#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

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

int Fail(const std::string& file, const std::string& reason) {
    std::cerr << "hydrochart: " << file << ": " << reason << "\n";
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
    QSaveFile f(QString::fromStdString(o.displayList));
    if (!f.open(QIODevice::WriteOnly))
        return Fail(o.displayList, "cannot be written");
    for (const hc::DrawOp& op : rec.Ops()) {
        if (op.kind == hc::DrawOp::Kind::Cls)
            continue;
        std::string line = op.ToJson() + "\n";
        f.write(line.data(), static_cast<qint64>(line.size()));
    }
    if (!f.commit())
        return Fail(o.displayList, "cannot be written");
    return 0;
}

int WriteChartFile(const OutputOptions& o, const ChartJob& job) {
    std::string ext = Lower(QFileInfo(QString::fromStdString(o.out)).suffix().toStdString());
    QString path = QString::fromStdString(o.out);
    if (o.screen) {
        if (ext == "png" || ext == "svg") {
            QImage image(static_cast<int>(job.screenWidth), static_cast<int>(job.screenHeight),
                         QImage::Format_RGB32);
            image.fill(Qt::white);
            if (ext == "png") {
                {
                    auto s = hc::QtSurface::OnImage(&image, 96.0);
                    job.drawScreen(*s);
                    s->Finish();
                }
                if (!image.save(path, "PNG"))
                    return Fail(o.out, "cannot be written");
                return 0;
            }
            auto s = hc::QtSurface::SvgCanvas(path, QSize(image.width(), image.height()));
            job.drawScreen(*s);
            if (!s->Finish())
                return Fail(o.out, "cannot be written");
            return 0;
        }
        throw UsageError{"--screen writes .png or .svg"};
    }
    std::unique_ptr<hc::QtSurface> s;
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
    int sheets = s->SheetsBegun();
    if (sheets == 0) {
        // A PDF writer that never painted writes no file at all: say so rather than succeed.
        s->Finish();
        return Fail(o.out, "the printout has no sheet");
    }
    if (!s->Finish()) {
        if (ext != "pdf" && o.page > sheets)
            return Fail(o.out, "there is no sheet " + std::to_string(o.page) +
                                   " (the printout has " + std::to_string(sheets) + ")");
        return Fail(o.out, "cannot be written");
    }
    return 0;
}

}  // namespace

int WriteOutputs(const OutputOptions& o, const ChartJob& job) {
    if (o.out.empty() && !o.json && o.displayList.empty())
        throw UsageError{"nothing to write: give -o FILE, --json or --display-list FILE"};
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
    return 0;
}

const char* OutputUsage() {
    return "  -o OUT.pdf|OUT.svg|OUT.png  the printed sheets (PDF: one page per sheet; SVG/PNG: "
           "sheet --page)\n"
           "  --screen                    write the window's picture instead of the printed "
           "sheets\n"
           "  --page N                    the sheet written to SVG or PNG (default 1)\n"
           "  --json                      the computed values as JSON on standard output\n"
           "  --display-list FILE         the drawing operations, one JSON object per line\n";
}

}  // namespace hcmd
