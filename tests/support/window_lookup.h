// Finding windows and their controls the way the window tests do: by the object names the
// programs give them, after the posted events (and the deletion of closed windows) have run.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

namespace hc::test {

// Processes posted events, including the deletion of closed windows.
inline void FlushEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The visible top-level window of that name and class, or nullptr.
template <class T = QWidget>
T* VisibleWindow(const char* name) {
    FlushEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            if (T* t = qobject_cast<T*>(w))
                return t;
    return nullptr;
}

// A control of a window by its object name; the test fails when it is missing.
template <class T>
T* Child(QObject* window, const char* name) {
    T* child = window ? window->findChild<T*>(name) : nullptr;
    EXPECT_NE(child, nullptr) << name;
    return child;
}
inline QLineEdit* Box(QObject* window, const char* name) {
    return Child<QLineEdit>(window, name);
}
inline void Click(QObject* window, const char* name) {
    if (auto* b = Child<QAbstractButton>(window, name))
        b->click();
}

}  // namespace hc::test
