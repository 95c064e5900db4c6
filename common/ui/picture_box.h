// A picture area: a widget that shows a backing image, so the drawing survives being covered,
// at the screen's full resolution. Charts draw into it through a QtSurface with their own user
// scale; the owner redraws when the widget is resized.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "common/render/qt_surface.h"

namespace hc {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The drawing surface over the current image. Its user scale, font, pen, colours and
    // CurrentX/CurrentY are kept across repaints and resizes (set the scale once with
    // SetScale; without one the scale is the image's pixel size). The image is cleared to
    // white when it is resized.
    Surface& Canvas();
    // Scales text (the points-to-pixels resolution) without touching the user scale, so that a
    // chart whose size follows the window keeps its text in proportion. 1 = 96 dpi.
    void SetTextZoom(double zoom);
    double TextZoom() const { return textZoom_; }
    // The backing image (device pixels).
    const QImage& Image() const { return image_; }

  Q_SIGNALS:
    // The widget changed size; the image was reallocated and cleared.
    void Resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Reallocate();
    // Ends the current surface, keeping what the chart set on it (user scale, font, pen,
    // colours, CurrentX/CurrentY) for the next one, as a picture box keeps its properties.
    void DropSurface();

    QImage image_;
    std::unique_ptr<QtSurface> surface_;
    double scaleWidth_ = 0;  // 0: no user scale set; the scale is the image's pixel size
    double scaleHeight_ = 0;
    double textZoom_ = 1.0;
    struct Properties {
        std::string fontName = kGothic;
        double fontSize = 9.0;
        bool fontTransparent = true;
        int drawWidth = 1;
        PenStyle drawStyle = PenStyle::Solid;
        int fillStyle = 1;
        Color fillColor = kBlack, foreColor = kBlack;
        double currentX = 0, currentY = 0;
    };
    std::optional<Properties> kept_;
};

}  // namespace hc
