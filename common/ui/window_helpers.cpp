#include "common/ui/window_helpers.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "common/core/numbers.h"

namespace hc {

void MakeResultTable(QAbstractItemView* table) {
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect avail = screen->availableGeometry();
    QSize frame = window->frameGeometry().size();
    if (!window->isVisible())
        frame = window->size();
    Point2i o = CentredOrigin(avail.width(), avail.height(), frame.width(), frame.height());
    window->move(avail.left() + o.x, avail.top() + o.y);
}

QString MessageText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    s.replace('\r', '\n');
    return s;
}

}  // namespace hc
