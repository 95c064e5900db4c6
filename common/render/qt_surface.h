// The Surface on a QPainter, for every target: the window's picture (a backing image), the
// system printer, a PDF file, and one sheet as SVG or PNG. Coordinates are mapped from user
// units to device pixels by hand and text is drawn untransformed, so that a font size in points
// is never scaled a second time by the user scale.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "common/core/result.h"
#include "common/core/surface.h"

class QPageSize;
class QPainter;

namespace hc {

class QtSurface : public Surface {
  public:
    class Target;

    ~QtSurface() override;

    // A screen picture drawn into *image (owned by the caller), whose size is in device pixels;
    // dpi is the logical screen resolution times the device-pixel ratio (96 x ratio).
    static std::unique_ptr<QtSurface> OnImage(QImage* image, double dpi = 96.0);
    // Paper into PDF files, one per document: the first is `path`, later ones "name-2.pdf",
    // "name-3.pdf" beside it, so that none overwrites another.
    static std::unique_ptr<QtSurface> PdfDocuments(const QString& path);
    // The same documents kept in memory for a print queue, titled `title` ("title (2)" for the
    // second...), on `paper`: A4 sheets as they are, on other paper scaled to fit and centred.
    static std::unique_ptr<QtSurface> PdfDocumentsInMemory(const QPageSize& paper,
                                                           const QString& title);
    // Paper into one PDF file: every sheet of every document becomes one page.
    static std::unique_ptr<QtSurface> PdfFile(const QString& path);
    // Paper, only sheet `sheet` (1-based, counted over all documents) into an SVG or PNG file.
    static std::unique_ptr<QtSurface> SvgSheet(const QString& path, int sheet);
    static std::unique_ptr<QtSurface> PngSheet(const QString& path, int sheet, double dpi = 200.0);
    // A screen picture of the given pixel size written as SVG (the headless --screen output).
    static std::unique_ptr<QtSurface> SvgCanvas(const QString& path, QSize pixels);

    void SetScale(double scaleWidth, double scaleHeight) override;
    double ScaleWidth() const override { return scaleWidth_; }
    double ScaleHeight() const override { return scaleHeight_; }
    void Cls() override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    // On paper without a user scale, the scale follows the orientation at once (297 x 210 mm
    // in landscape); a sheet already begun keeps its own.
    void SetOrientation(Orientation o) override;
    void NewPage() override;
    void EndDoc() override;
    bool IsPaper() const override;
    // True once SetScale was called; until then the scale is the device's own size.
    bool HasUserScale() const { return userScaleSet_; }

    // Ends painting and writes the file targets (each written whole or not at all). Fails when
    // a sheet could not be started on the device, a file could not be written or the requested
    // sheet was never drawn. Later calls return the first answer; the destructor calls it too.
    Status Finish();
    // The files written (after Finish, or per finished document for PdfDocuments).
    std::vector<std::string> FilesWritten() const;
    // The PDF documents of PdfDocumentsInMemory, after Finish.
    std::vector<QByteArray> Documents() const;
    // Sheets begun so far, over all documents.
    int SheetsBegun() const { return sheetsBegun_; }

  protected:
    void DoLine(double x1, double y1, double x2, double y2, Color c) override;
    void DoBox(double x1, double y1, double x2, double y2, Color c, bool filled) override;
    void DoCircle(double x, double y, double r) override;
    void DoText(double x, double y, const std::string& text) override;
    void DoTextUpward(double x, double y, const std::string& text) override;
    void FontChanged() override;

  private:
    // Text at (x, y) in the current font, level or turned a quarter anticlockwise.
    void PaintText(double x, double y, const std::string& text, bool upward);
    explicit QtSurface(std::unique_ptr<Target> target);
    // Begins a sheet when needed; nullptr when this sheet is not drawn (single-sheet targets).
    QPainter* Painter();
    QPointF Map(double x, double y) const;
    // The current font as drawn on this target.
    QFont CurrentFont() const;
    double UnitsX() const;  // device pixels per user unit, horizontally
    double UnitsY() const;
    void ApplyPen(QPainter& p, Color c) const;
    void UpdateScaleForSheet();

    std::unique_ptr<Target> target_;
    double scaleWidth_ = 0;
    double scaleHeight_ = 0;
    bool userScaleSet_ = false;
    int sheetsBegun_ = 0;
    bool sheetOpen_ = false;
    bool newPagePending_ = false;
    QPainter* current_ = nullptr;
    bool finished_ = false;
    Status finishStatus_;
};

// Writes an image as PNG, whole or not at all.
Status SavePng(const QImage& image, const std::string& path);

}  // namespace hc
