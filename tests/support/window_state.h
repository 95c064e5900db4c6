// What opening a file changes in a main window, as one text two windows can be compared by:
// the caption, the status bar, the window's text boxes and labels, the enabled state and check mark
// of every named menu and item, and the dialogs the window has open.
#pragma once

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <string>

namespace hc::test {

inline std::string WindowState(QMainWindow& w) {
    std::string s =
        w.windowTitle().toStdString() + "|" + w.statusBar()->currentMessage().toStdString();
    // The boxes and labels of the window itself; those of its dialogs (a loading notice still
    // waiting for deletion) are not part of what a load leaves behind.
    for (QLineEdit* e : w.findChildren<QLineEdit*>())
        if (e->window() == &w)
            s += "|" + e->objectName().toStdString() + "=" + e->text().toStdString();
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->window() == &w)
            s += "|" + l->text().toStdString();
    for (QMenu* m : w.findChildren<QMenu*>())
        s += "|" + m->objectName().toStdString() + (m->menuAction()->isEnabled() ? "+" : "-");
    for (QAction* a : w.findChildren<QAction*>())
        if (!a->objectName().isEmpty())
            s += "|" + a->objectName().toStdString() + (a->isEnabled() ? "e" : "d") +
                 (a->isChecked() ? "x" : "");
    for (QDialog* d : w.findChildren<QDialog*>())
        if (d->isVisible())
            s += "|open:" + d->objectName().toStdString();
    return s;
}

}  // namespace hc::test
