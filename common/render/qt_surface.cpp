#include "common/render/qt_surface.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "common/core/file_write.h"
#include "common/core/platform.h"
#include "common/render/fonts.h"

namespace hc {

namespace {

constexpr double kMmPerInch = 25.4;

QSizeF A4Mm(Orientation o) {
    return o == Orientation::Landscape ? QSizeF(297.0, 210.0) : QSizeF(210.0, 297.0);
}

QColor ToQColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

// What a surface draws on: begins sheets and documents, and knows the device resolution.
class QtSurface::Target {
  public:
    virtual ~Target() = default;
    virtual bool Paper() const = 0;
    // Starts a sheet: the first of a document (newPage false) or a further one. Returns the
    // painter, or nullptr when this sheet is not part of the output.
    virtual QPainter* BeginSheet(int sheetIndex, bool newPage, Orientation o) = 0;
    virtual void EndDoc() = 0;
    // Ends painting and writes what the target writes; called once.
    virtual Status Finish() = 0;
    virtual QPaintDevice* MetricsDevice() = 0;
    virtual double DpiX() const = 0;
    virtual double DpiY() const = 0;
    // Size of the drawing area of the current sheet in device pixels.
    virtual QSizeF DeviceSize() const = 0;
    virtual void Clear() {}
    // The files written so far, in order.
    virtual std::vector<std::string> Files() const { return {}; }
    // The documents finished so far, when they are kept in memory.
    virtual std::vector<QByteArray> Documents() const { return {}; }
};

namespace {

// The window's picture: an image kept by the caller and shown by a widget.
class ImageTarget : public QtSurface::Target {
  public:
    ImageTarget(QImage* image, double dpi) : image_(image), dpi_(dpi) {
        int dpm = static_cast<int>(std::lround(dpi / kMmPerInch * 1000.0));
        image_->setDotsPerMeterX(dpm);
        image_->setDotsPerMeterY(dpm);
    }
    bool Paper() const override { return false; }
    QPainter* BeginSheet(int, bool, Orientation) override {
        if (!painter_.isActive()) {
            painter_.begin(image_);
            painter_.setRenderHint(QPainter::Antialiasing, true);
            painter_.setRenderHint(QPainter::TextAntialiasing, true);
        }
        return &painter_;
    }
    void EndDoc() override {}
    Status Finish() override {
        if (painter_.isActive())
            painter_.end();
        return {};
    }
    QPaintDevice* MetricsDevice() override { return image_; }
    double DpiX() const override { return dpi_; }
    double DpiY() const override { return dpi_; }
    QSizeF DeviceSize() const override { return QSizeF(image_->width(), image_->height()); }
    void Clear() override {
        QPainter* p = BeginSheet(1, false, Orientation::Portrait);
        p->save();
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(QRectF(0, 0, image_->width(), image_->height()), Qt::white);
        p->restore();
    }

  private:
    QImage* image_;
    double dpi_;
    QPainter painter_;
};

// A PDF written in memory and saved atomically when it is complete, so that a failed write
// never leaves a truncated file or costs an old one. The sheet is A4 from the paper's edge;
// on other paper the A4 sheet is scaled to fit and centred, so that nothing is cut off.
class PdfInMemory {
  public:
    explicit PdfInMemory(const QPageSize& paper = QPageSize(QPageSize::A4))
        : writer_(&buffer_), paper_(paper) {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setResolution(1200);
        writer_.setPageSize(paper_);
        writer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer_.setCreator("hydrochart");
    }
    QPdfWriter& Writer() { return writer_; }
    QPainter& Painter() { return painter_; }
    void SetTitle(const QString& title) { writer_.setTitle(title); }
    // Starts the first page or a new one.
    bool Page(Orientation o) {
        QPageLayout::Orientation qo =
            o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        writer_.setPageOrientation(qo);
        if (painter_.isActive()) {
            if (!writer_.newPage())
                return false;
        } else {
            if (!painter_.begin(&writer_))
                return false;
            painter_.setRenderHint(QPainter::Antialiasing, true);
        }
        painter_.setTransform(SheetOnPaper(o));
        return true;
    }
    bool Begun() const { return painter_.isActive() || ended_; }
    Status Save(const std::string& path) {
        QByteArray pdf = Take();
        return WriteFileAtomically(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    }
    // Ends the document and hands over its bytes.
    QByteArray Take() {
        if (painter_.isActive())
            painter_.end();
        ended_ = true;
        buffer_.close();
        return buffer_.data();
    }

  private:
    // Device pixels of the A4 sheet to device pixels of the paper: identity on A4.
    QTransform SheetOnPaper(Orientation o) const {
        if (paper_.id() == QPageSize::A4)
            return {};
        QSizeF sheet = A4Mm(o);
        QSizeF paper = paper_.size(QPageSize::Millimeter);
        if (o == Orientation::Landscape)
            paper.transpose();
        double fit = std::min(paper.width() / sheet.width(), paper.height() / sheet.height());
        const double px = writer_.resolution() / kMmPerInch;
        QTransform t;
        t.translate((paper.width() - sheet.width() * fit) / 2 * px,
                    (paper.height() - sheet.height() * fit) / 2 * px);
        t.scale(fit, fit);
        return t;
    }

    QBuffer buffer_;
    QPdfWriter writer_;
    QPageSize paper_;
    QPainter painter_;
    bool ended_ = false;
};

// Each document its own PDF: the printer dialog's "print to file" writes the first under the
// chosen name and the k-th as "name-k.pdf" beside it; a print run keeps them in memory for the
// print queue, on the paper it prints on.
class PdfDocumentsTarget : public QtSurface::Target {
  public:
    explicit PdfDocumentsTarget(std::string path) : path_(std::move(path)) {}
    PdfDocumentsTarget(const QPageSize& paper, QString title)
        : inMemory_(true), paper_(paper), title_(std::move(title)) {}
    bool Paper() const override { return true; }
    QPainter* BeginSheet(int, bool newPage, Orientation o) override {
        if (!pdf_) {
            pdf_ = NewPdf();
            newPage = false;
        }
        if (!newPage && pdf_->Begun())
            return &pdf_->Painter();
        if (!pdf_->Page(o)) {
            Fail(FileError(ErrorKind::CannotWrite, inMemory_ ? "" : DocumentFileName(path_, documents_ + 1),
                           "PDF を作れません", "cannot make the PDF"));
            return nullptr;
        }
        return &pdf_->Painter();
    }
    void EndDoc() override {
        if (!pdf_ || !pdf_->Begun())
            return;  // nothing drawn (the writer only served for text metrics)
        ++documents_;
        if (inMemory_) {
            documentsInMemory_.push_back(pdf_->Take());
            pdf_.reset();
            return;
        }
        std::string name = DocumentFileName(path_, documents_);
        if (Status s = pdf_->Save(name); !s)
            Fail(s.error());
        else
            files_.push_back(name);
        pdf_.reset();
    }
    Status Finish() override {
        EndDoc();
        if (error_)
            return *error_;
        return {};
    }
    QPaintDevice* MetricsDevice() override { return &Metrics().Writer(); }
    double DpiX() const override { return 1200; }
    double DpiY() const override { return 1200; }
    QSizeF DeviceSize() const override {
        PdfInMemory& m = const_cast<PdfDocumentsTarget*>(this)->Metrics();
        return m.Writer().pageLayout().paintRectPixels(m.Writer().resolution()).size();
    }
    std::vector<std::string> Files() const override { return files_; }
    std::vector<QByteArray> Documents() const override { return documentsInMemory_; }

  private:
    std::unique_ptr<PdfInMemory> NewPdf() const {
        auto pdf = std::make_unique<PdfInMemory>(paper_);
        if (!title_.isEmpty())
            pdf->SetTitle(documents_ == 0 ? title_ : title_ + QString(" (%1)").arg(documents_ + 1));
        return pdf;
    }
    PdfInMemory& Metrics() {
        if (!pdf_)
            pdf_ = NewPdf();
        return *pdf_;
    }
    void Fail(Error e) {
        if (!error_)
            error_ = std::move(e);
    }

    std::string path_;
    bool inMemory_ = false;
    QPageSize paper_ = QPageSize(QPageSize::A4);
    QString title_;
    std::unique_ptr<PdfInMemory> pdf_;
    int documents_ = 0;
    std::vector<std::string> files_;
    std::vector<QByteArray> documentsInMemory_;
    std::optional<Error> error_;
};

// One PDF file holding every sheet as a page.
class PdfTarget : public QtSurface::Target {
  public:
    explicit PdfTarget(const QString& path) : path_(path.toStdString()) {}
    bool Paper() const override { return true; }
    QPainter* BeginSheet(int, bool, Orientation o) override {
        // Every sheet, of this document or the next, is a page of the one file.
        if (!pdf_.Page(o)) {
            failed_ = true;
            return nullptr;
        }
        return &pdf_.Painter();
    }
    void EndDoc() override {}
    Status Finish() override {
        if (failed_)
            return FileError(ErrorKind::CannotWrite, path_, "PDF を作れません", "cannot make the PDF");
        if (!pdf_.Begun())
            return FileError(ErrorKind::Unusable, path_, "印刷する図がありません", "the printout has no sheet");
        Status s = pdf_.Save(path_);
        saved_ = s.has_value();
        return s;
    }
    QPaintDevice* MetricsDevice() override { return &pdf_.Writer(); }
    double DpiX() const override { return 1200; }
    double DpiY() const override { return 1200; }
    QSizeF DeviceSize() const override {
        QPdfWriter& w = const_cast<PdfTarget*>(this)->pdf_.Writer();
        return w.pageLayout().paintRectPixels(w.resolution()).size();
    }
    std::vector<std::string> Files() const override {
        return saved_ ? std::vector<std::string>{path_} : std::vector<std::string>{};
    }

  private:
    std::string path_;
    PdfInMemory pdf_;
    bool failed_ = false;
    bool saved_ = false;
};

// An SVG picture generated into memory.
class SvgInMemory {
  public:
    SvgInMemory(QSize px, int dpi) {
        buffer_.open(QIODevice::WriteOnly);
        gen_.setOutputDevice(&buffer_);
        gen_.setResolution(dpi);
        gen_.setSize(px);
        gen_.setViewBox(QRect(QPoint(0, 0), px));
        gen_.setTitle("hydrochart");
    }
    QSvgGenerator& Generator() { return gen_; }
    std::string_view Bytes() const {
        return {buffer_.data().constData(), static_cast<std::size_t>(buffer_.size())};
    }

  private:
    QBuffer buffer_;
    QSvgGenerator gen_;
};

}  // namespace

Status SavePng(const QImage& image, const std::string& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return FileError(ErrorKind::CannotWrite, path, "PNG を作れません", "cannot make the PNG");
    return WriteFileAtomically(
        path, std::string_view(buffer.data().constData(), static_cast<std::size_t>(buffer.size())));
}

namespace {

// One chosen sheet as an image file (PNG) or as SVG.
class SheetTarget : public QtSurface::Target {
  public:
    SheetTarget(const QString& path, int sheet, double dpi, bool svg)
        : path_(path.toStdString()), sheet_(sheet), dpi_(dpi), svg_(svg) {
        int dpm = static_cast<int>(std::lround(dpi / kMmPerInch * 1000.0));
        metrics_ = QImage(8, 8, QImage::Format_RGB32);
        metrics_.setDotsPerMeterX(dpm);
        metrics_.setDotsPerMeterY(dpm);
    }
    bool Paper() const override { return true; }
    QPainter* BeginSheet(int sheetIndex, bool, Orientation o) override {
        if (painter_.isActive())
            painter_.end();
        sheets_ = std::max(sheets_, sheetIndex);
        if (sheetIndex != sheet_)
            return nullptr;
        QSizeF mm = A4Mm(o);
        size_ = QSizeF(mm.width() / kMmPerInch * dpi_, mm.height() / kMmPerInch * dpi_);
        QSize px(static_cast<int>(std::lround(size_.width())),
                 static_cast<int>(std::lround(size_.height())));
        if (svg_) {
            svg_gen_ = std::make_unique<SvgInMemory>(px, static_cast<int>(dpi_));
            if (!painter_.begin(&svg_gen_->Generator()))
                return failed_ = true, nullptr;
            painter_.fillRect(QRect(QPoint(0, 0), px), Qt::white);
        } else {
            image_ = QImage(px, QImage::Format_RGB32);
            image_.setDotsPerMeterX(metrics_.dotsPerMeterX());
            image_.setDotsPerMeterY(metrics_.dotsPerMeterY());
            image_.fill(Qt::white);
            if (!painter_.begin(&image_))
                return failed_ = true, nullptr;
        }
        painter_.setRenderHint(QPainter::Antialiasing, true);
        drawn_ = true;
        return &painter_;
    }
    void EndDoc() override {
        if (painter_.isActive())
            painter_.end();
    }
    Status Finish() override {
        if (painter_.isActive())
            painter_.end();
        if (failed_)
            return FileError(ErrorKind::CannotWrite, path_, "図を作れません", "cannot draw the picture");
        if (!drawn_) {
            if (sheets_ == 0)
                return FileError(ErrorKind::Unusable, path_, "印刷する図がありません", "the printout has no sheet");
            return FileError(ErrorKind::Unusable, path_,
                             std::to_string(sheet_) + " 枚目はありません (全 " +
                                 std::to_string(sheets_) + " 枚)",
                             "there is no sheet " + std::to_string(sheet_) + " (the printout has " +
                                 std::to_string(sheets_) + ")");
        }
        Status s = svg_ ? WriteFileAtomically(path_, svg_gen_->Bytes()) : SavePng(image_, path_);
        saved_ = s.has_value();
        return s;
    }
    QPaintDevice* MetricsDevice() override {
        if (svg_ && svg_gen_)
            return &svg_gen_->Generator();
        return &metrics_;
    }
    double DpiX() const override { return dpi_; }
    double DpiY() const override { return dpi_; }
    QSizeF DeviceSize() const override { return size_; }
    std::vector<std::string> Files() const override {
        return saved_ ? std::vector<std::string>{path_} : std::vector<std::string>{};
    }

  private:
    std::string path_;
    int sheet_;
    double dpi_;
    bool svg_;
    QImage metrics_;
    QImage image_;
    std::unique_ptr<SvgInMemory> svg_gen_;
    QPainter painter_;
    QSizeF size_;
    int sheets_ = 0;
    bool drawn_ = false;
    bool failed_ = false;
    bool saved_ = false;
};

// A screen picture written as SVG.
class SvgCanvasTarget : public QtSurface::Target {
  public:
    SvgCanvasTarget(const QString& path, QSize px)
        : path_(path.toStdString()), size_(px), svg_(px, 96) {}
    bool Paper() const override { return false; }
    QPainter* BeginSheet(int, bool, Orientation) override {
        if (!painter_.isActive()) {
            if (!painter_.begin(&svg_.Generator()))
                return failed_ = true, nullptr;
            painter_.fillRect(QRect(QPoint(0, 0), size_), Qt::white);
            painter_.setRenderHint(QPainter::Antialiasing, true);
        }
        return &painter_;
    }
    void EndDoc() override {}
    Status Finish() override {
        if (painter_.isActive())
            painter_.end();
        if (failed_)
            return FileError(ErrorKind::CannotWrite, path_, "図を作れません", "cannot draw the picture");
        return WriteFileAtomically(path_, svg_.Bytes());
    }
    QPaintDevice* MetricsDevice() override { return &svg_.Generator(); }
    double DpiX() const override { return 96.0; }
    double DpiY() const override { return 96.0; }
    QSizeF DeviceSize() const override { return QSizeF(size_); }
    void Clear() override {
        if (QPainter* p = BeginSheet(1, false, Orientation::Portrait))
            p->fillRect(QRect(QPoint(0, 0), size_), Qt::white);
    }

  private:
    std::string path_;
    QSize size_;
    SvgInMemory svg_;
    QPainter painter_;
    bool failed_ = false;
};

}  // namespace

QtSurface::QtSurface(std::unique_ptr<Target> target) : target_(std::move(target)) {
    InstallFontSubstitutions();
    if (target_->Paper()) {
        QSizeF mm = A4Mm(orientation_);
        scaleWidth_ = mm.width();
        scaleHeight_ = mm.height();
    } else {
        QSizeF px = target_->DeviceSize();
        scaleWidth_ = px.width();
        scaleHeight_ = px.height();
    }
}

QtSurface::~QtSurface() {
    static_cast<void>(Finish());
}

std::unique_ptr<QtSurface> QtSurface::OnImage(QImage* image, double dpi) {
    return std::unique_ptr<QtSurface>(new QtSurface(std::make_unique<ImageTarget>(image, dpi)));
}
std::unique_ptr<QtSurface> QtSurface::PdfDocuments(const QString& path) {
    return std::unique_ptr<QtSurface>(
        new QtSurface(std::make_unique<PdfDocumentsTarget>(path.toStdString())));
}
std::unique_ptr<QtSurface> QtSurface::PdfDocumentsInMemory(const QPageSize& paper,
                                                           const QString& title) {
    return std::unique_ptr<QtSurface>(
        new QtSurface(std::make_unique<PdfDocumentsTarget>(paper, title)));
}
std::unique_ptr<QtSurface> QtSurface::PdfFile(const QString& path) {
    return std::unique_ptr<QtSurface>(new QtSurface(std::make_unique<PdfTarget>(path)));
}
std::unique_ptr<QtSurface> QtSurface::SvgSheet(const QString& path, int sheet) {
    return std::unique_ptr<QtSurface>(
        new QtSurface(std::make_unique<SheetTarget>(path, sheet, 96.0, true)));
}
std::unique_ptr<QtSurface> QtSurface::PngSheet(const QString& path, int sheet, double dpi) {
    return std::unique_ptr<QtSurface>(
        new QtSurface(std::make_unique<SheetTarget>(path, sheet, dpi, false)));
}

std::unique_ptr<QtSurface> QtSurface::SvgCanvas(const QString& path, QSize pixels) {
    return std::unique_ptr<QtSurface>(
        new QtSurface(std::make_unique<SvgCanvasTarget>(path, pixels)));
}

bool QtSurface::IsPaper() const {
    return target_->Paper();
}

void QtSurface::SetScale(double scaleWidth, double scaleHeight) {
    scaleWidth_ = scaleWidth;
    scaleHeight_ = scaleHeight;
    userScaleSet_ = true;
}

// Device pixels per user unit. On paper the unit is the millimetre unless a user scale was
// set over the page; on screen the user scale spans the image.
double QtSurface::UnitsX() const {
    if (target_->Paper() && !userScaleSet_)
        return target_->DpiX() / kMmPerInch;
    QSizeF dev = target_->Paper()
                     ? QSizeF(A4Mm(orientation_).width() / kMmPerInch * target_->DpiX(), 0)
                     : target_->DeviceSize();
    return scaleWidth_ != 0 ? dev.width() / scaleWidth_ : 1.0;
}

double QtSurface::UnitsY() const {
    if (target_->Paper() && !userScaleSet_)
        return target_->DpiY() / kMmPerInch;
    QSizeF dev = target_->Paper()
                     ? QSizeF(0, A4Mm(orientation_).height() / kMmPerInch * target_->DpiY())
                     : target_->DeviceSize();
    return scaleHeight_ != 0 ? dev.height() / scaleHeight_ : 1.0;
}

QPointF QtSurface::Map(double x, double y) const {
    return QPointF(x * UnitsX(), y * UnitsY());
}

void QtSurface::UpdateScaleForSheet() {
    if (target_->Paper() && !userScaleSet_) {
        QSizeF mm = A4Mm(orientation_);
        scaleWidth_ = mm.width();
        scaleHeight_ = mm.height();
    }
}

void QtSurface::SetOrientation(Orientation o) {
    Surface::SetOrientation(o);
    if (!sheetOpen_ || newPagePending_)
        UpdateScaleForSheet();
}

QPainter* QtSurface::Painter() {
    if (!sheetOpen_ || newPagePending_) {
        bool newPage = sheetOpen_ && newPagePending_;
        ++sheetsBegun_;
        UpdateScaleForSheet();
        sheetOpen_ = true;
        newPagePending_ = false;
        current_ = target_->BeginSheet(sheetsBegun_, newPage, orientation_);
    }
    return current_;
}

void QtSurface::NewPage() {
    // A new page before anything was drawn on the current sheet (right after EndDoc, say)
    // gives no empty sheet: the next drawing starts the sheet anyway.
    if (!target_->Paper() || !sheetOpen_)
        return;
    newPagePending_ = true;
}

void QtSurface::EndDoc() {
    if (!target_->Paper())
        return;
    if (sheetOpen_)
        target_->EndDoc();
    sheetOpen_ = false;
    newPagePending_ = false;
    current_ = nullptr;
}

Status QtSurface::Finish() {
    if (!finished_) {
        current_ = nullptr;
        sheetOpen_ = false;
        finished_ = true;
        finishStatus_ = target_->Finish();
    }
    return finishStatus_;
}

std::vector<std::string> QtSurface::FilesWritten() const {
    return target_->Files();
}

std::vector<QByteArray> QtSurface::Documents() const {
    return target_->Documents();
}

void QtSurface::Cls() {
    CurrentX = 0;
    CurrentY = 0;
    if (!target_->Paper()) {
        sheetOpen_ = true;
        current_ = target_->BeginSheet(1, false, orientation_);
        target_->Clear();
    }
}

void QtSurface::FontChanged() {}

void QtSurface::ApplyPen(QPainter& p, Color c) const {
    double widthPx;
    if (target_->Paper()) {
        widthPx = drawWidth_ * 0.1 / kMmPerInch * target_->DpiX();  // 0.1 mm per unit
    } else {
        widthPx = drawWidth_ * target_->DpiX() / 96.0;  // one screen pixel per unit
    }
    QPen pen(ToQColor(c));
    pen.setWidthF(std::max(widthPx, 0.5));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (drawStyle_ != PenStyle::Solid && drawStyle_ != PenStyle::Transparent) {
        // Dash lengths are fixed in device terms (screen pixels, or quarter millimetres on
        // paper) and expressed in pen widths, so a dotted line stays dotted at any width; no
        // dot or gap is shorter than the pen is wide, so a thick dot is square, not a sliver.
        double unitPx =
            target_->Paper() ? 0.25 / kMmPerInch * target_->DpiX() : target_->DpiX() / 96.0;
        double w = pen.widthF();
        auto len = [&](double units) { return std::max(units * unitPx / w, 1.0); };
        QList<qreal> pattern;
        switch (drawStyle_) {
            case PenStyle::Dash:
                pattern = {len(6), len(3)};
                break;
            case PenStyle::Dot:
                pattern = {len(1), len(2)};
                break;
            case PenStyle::DashDot:
                pattern = {len(6), len(2), len(1), len(2)};
                break;
            default:
                pattern = {len(6), len(2), len(1), len(2), len(1), len(2)};
                break;  // dash-dot-dot
        }
        pen.setDashPattern(pattern);
    } else if (drawStyle_ == PenStyle::Transparent) {
        pen.setStyle(Qt::NoPen);
    }
    p.setPen(pen);
}

void QtSurface::DoLine(double x1, double y1, double x2, double y2, Color c) {
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen(*p, c);
    p->setBrush(Qt::NoBrush);
    QPointF a = Map(x1, y1), b = Map(x2, y2);
    if (a == b) {
        p->drawPoint(a);
    } else {
        p->drawLine(a, b);
    }
}

void QtSurface::DoBox(double x1, double y1, double x2, double y2, Color c, bool filled) {
    QPainter* p = Painter();
    if (!p)
        return;
    QRectF r = QRectF(Map(x1, y1), Map(x2, y2)).normalized();
    if (filled) {
        p->fillRect(r, ToQColor(c));
    } else {
        ApplyPen(*p, c);
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
    }
}

void QtSurface::DoCircle(double x, double y, double r) {
    QPainter* p = Painter();
    if (!p)
        return;
    ApplyPen(*p, foreColor_);
    if (fillStyle_ == 1) {
        p->setBrush(Qt::NoBrush);
    } else {
        p->setBrush(ToQColor(fillColor_));
    }
    p->drawEllipse(Map(x, y), r * UnitsX(), r * UnitsX());
}

QFont QtSurface::CurrentFont() const {
    QFont font = MakeFont(QString::fromStdString(fontName_), fontSize_);
    // Screen text is small (a 6-point name is 8 to 11 pixels high). The desktop's hinting
    // bends the Mincho digits at those sizes until "8" reads as "S" and "1" as "l"; unhinted,
    // antialiased glyphs keep their shapes. Paper is left as it is.
    if (!target_->Paper())
        font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double QtSurface::TextWidth(const std::string& text) {
    QFontMetricsF fm(CurrentFont(), target_->MetricsDevice());
    QString s = QString::fromStdString(text);
    double advance = fm.horizontalAdvance(s);
    // Some glyphs reach a little beyond their advance; the box must hold the ink.
    double ink = s.isEmpty() ? 0.0 : fm.boundingRect(s).right();
    return std::max(advance, ink) / UnitsX();
}

double QtSurface::TextHeight(const std::string&) {
    QFontMetricsF fm(CurrentFont(), target_->MetricsDevice());
    return fm.height() / UnitsY();
}

void QtSurface::DoText(double x, double y, const std::string& text) {
    PaintText(x, y, text, false);
}

void QtSurface::DoTextUpward(double x, double y, const std::string& text) {
    PaintText(x, y, text, true);
}

void QtSurface::PaintText(double x, double y, const std::string& text, bool upward) {
    QPainter* p = Painter();
    if (!p)
        return;
    QFont font = CurrentFont();
    QPaintDevice* dev = target_->MetricsDevice();
    // Painting on the printer-side devices uses the device's resolution for point sizes.
    p->setFont(QFont(font, dev));
    QFontMetricsF fm(font, dev);
    QPointF at = Map(x, y);
    if (upward) {
        // The text's own frame: its start at the origin, its line running up the page.
        p->save();
        p->translate(at);
        p->rotate(-90);
        at = QPointF(0, 0);
    }
    QString s = QString::fromStdString(text);
    if (!fontTransparent_) {
        p->fillRect(QRectF(at, QSizeF(fm.horizontalAdvance(s), fm.height())), Qt::white);
    }
    p->setPen(QPen(ToQColor(foreColor_)));
    QPointF baseline(at.x(), at.y() + fm.ascent());
    // On screen the glyphs start on whole pixels: a baseline between two pixel rows smears
    // the small digits' strokes over both, and "8" then reads as "S".
    if (!target_->Paper() && !upward)
        baseline = QPointF(std::round(baseline.x()), std::round(baseline.y()));
    p->drawText(baseline, s);
    if (upward)
        p->restore();
}

}  // namespace hc
