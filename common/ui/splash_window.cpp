#include "common/ui/splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "common/core/language.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"

namespace hc {

SplashWindow::SplashWindow(QWidget* parent, PlatformServices& platform, const QString& objectName,
                           const QString& title, const std::vector<SplashLabel>& labels,
                           int closeTick, std::function<void()> onClosed)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      platform_(platform),
      closeTick_(closeTick),
      onClosed_(std::move(onClosed)) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet("QDialog { background: white; border: 2px solid #4a6a8a; }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 28);
    layout->setSpacing(14);
    int n = 1;
    for (const SplashLabel& l : labels) {
        auto* label = new QLabel(hc::T(l.text.c_str()), this);
        label->setObjectName(QString("Label%1").arg(n++));
        label->setFont(MakeFont(QString::fromStdString(l.font), l.points));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(l.color.r, l.color.g, l.color.b));
        label->setPalette(pal);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    adjustSize();
    CentreOnScreen(this);
    platform_.SetMousePointer(kPointerHourglass);
    timer_.setObjectName("Timer1");
    timer_.setInterval(platform_.TimerTickMs());
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::Tick);
    timer_.start();
}

void SplashWindow::Tick() {
    if (done_)
        return;
    ++ticks_;
    if (ticks_ >= closeTick_)
        Finish();
}

void SplashWindow::Finish() {
    if (done_)
        return;
    done_ = true;
    timer_.stop();
    if (onClosed_)
        onClosed_();
    platform_.SetMousePointer(kPointerDefault);
    Q_EMIT Closed();
    close();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    Finish();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    Finish();
}

}  // namespace hc
