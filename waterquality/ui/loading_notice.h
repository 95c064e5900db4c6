// The loading notice (Form8): shown while a workbook is read.
#pragma once

#include <QDialog>

namespace wq {

class LoadingNotice : public QDialog {
    Q_OBJECT
  public:
    explicit LoadingNotice(QWidget* parent);
    // Shows the notice at once (not modal), painted before the caller goes on working.
    void ShowNow();
};

}  // namespace wq
