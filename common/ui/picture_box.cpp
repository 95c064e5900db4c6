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
        surface_->Finish();
}

void PictureBox::Reallocate() {
    if (surface_) {
        scaleWidth_ = surface_->ScaleWidth();
        scaleHeight_ = surface_->ScaleHeight();
        surface_->Finish();
        surface_.reset();
    }
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
    }
    return *surface_;
}

void PictureBox::SetTextZoom(double zoom) {
    if (zoom <= 0 || zoom == textZoom_)
        return;
    textZoom_ = zoom;
    if (surface_) {
        scaleWidth_ = surface_->ScaleWidth();
        scaleHeight_ = surface_->ScaleHeight();
        surface_->Finish();
        surface_.reset();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The surface paints into the image with its own painter; end it before showing.
    if (surface_) {
        scaleWidth_ = surface_->ScaleWidth();
        scaleHeight_ = surface_->ScaleHeight();
        surface_->Finish();
        surface_.reset();
    }
    QPainter p(this);
    p.drawImage(QRectF(0, 0, width(), height()), image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Reallocate();
    Q_EMIT Resized();
}

}  // namespace hc
