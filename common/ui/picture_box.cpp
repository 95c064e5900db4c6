#include "common/ui/picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>

namespace hc {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    Reallocate();
}

PictureBox::~PictureBox() {
    if (surface_)
        static_cast<void>(surface_->Finish());
}

void PictureBox::DropSurface() {
    if (!surface_)
        return;
    if (surface_->HasUserScale()) {
        scaleWidth_ = surface_->ScaleWidth();
        scaleHeight_ = surface_->ScaleHeight();
    }
    const QtSurface& s = *surface_;
    kept_ =
        Properties{s.FontName(),  s.FontSize(),  s.FontTransparent(), s.DrawWidth(), s.DrawStyle(),
                   s.FillStyle(), s.FillColor(), s.ForeColor(),       s.CurrentX,    s.CurrentY};
    static_cast<void>(surface_->Finish());
    surface_.reset();
}

void PictureBox::Reallocate() {
    DropSurface();
    double dpr = devicePixelRatioF();
    QSize px(std::max(1, static_cast<int>(std::lround(width() * dpr))),
             std::max(1, static_cast<int>(std::lround(height() * dpr))));
    image_ = QImage(px, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

Surface& PictureBox::Canvas() {
    update();  // whatever is drawn now is shown at the next paint
    if (!surface_) {
        surface_ = QtSurface::OnImage(&image_, 96.0 * textZoom_ * devicePixelRatioF());
        if (scaleWidth_ > 0 && scaleHeight_ > 0)
            surface_->SetScale(scaleWidth_, scaleHeight_);
        if (kept_) {
            surface_->SetFontName(kept_->fontName);
            surface_->SetFontSize(kept_->fontSize);
            surface_->SetFontTransparent(kept_->fontTransparent);
            surface_->SetDrawWidth(kept_->drawWidth);
            surface_->SetDrawStyle(kept_->drawStyle);
            surface_->SetFillStyle(kept_->fillStyle);
            surface_->SetFillColor(kept_->fillColor);
            surface_->SetForeColor(kept_->foreColor);
            surface_->CurrentX = kept_->currentX;
            surface_->CurrentY = kept_->currentY;
        }
    }
    return *surface_;
}

void PictureBox::SetTextZoom(double zoom) {
    if (zoom <= 0 || zoom == textZoom_)
        return;
    textZoom_ = zoom;
    DropSurface();
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The surface paints into the image with its own painter; end it before showing.
    DropSurface();
    QPainter p(this);
    p.drawImage(QRectF(0, 0, width(), height()), image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Reallocate();
    Q_EMIT Resized();
}

}  // namespace hc
