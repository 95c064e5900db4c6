#include "waterquality/ui/loading_notice.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "common/core/language.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "waterquality/ui/diagram_program.h"

namespace wq {

LoadingNotice::LoadingNotice(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("Form8");
    setStyleSheet("QDialog { background: white; border: 2px solid #4a6a8a; }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 22);
    auto* label = new QLabel(hc::T(kLoadingNoticeText), this);
    label->setObjectName("Label1");
    label->setFont(hc::MakeFont(hc::Q(hc::kGothic), 11));
    layout->addWidget(label);
    adjustSize();
}

void LoadingNotice::ShowNow() {
    hc::CentreOnScreen(this);
    show();
    raise();
    // The read that follows blocks the event loop: paint the notice first.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace wq
