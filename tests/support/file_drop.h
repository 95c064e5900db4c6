// Drags local files over a window and drops them, as a file manager would, then runs what the
// drop posted (and nothing else: a splash's timer keeps still).
#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <string>
#include <vector>

namespace hc::test {

// True when the window accepted the drag and the drop.
inline bool DropFiles(QWidget* window, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& p : paths)
        urls << QUrl::fromLocalFile(QString::fromStdString(p));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    QCoreApplication::sendPostedEvents();
    return drop.isAccepted();
}

inline bool DropFile(QWidget* window, const std::string& path) {
    return DropFiles(window, {path});
}

}  // namespace hc::test
