// The cross-section grid editor: Form6 chooses between editing a file and starting empty,
// Form5 is the grid with its floating cell editor, and saving writes a section file that the
// main window then loads.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/core/platform.h"

class QAction;
class QMenu;

namespace flow {

// The rows the editor takes: from the first row on, while both cells are filled and the
// distance is not negative. `badRow` >= 0 when a filled cell of a taken row is not a number.
struct GridRows {
    std::vector<double> x, y;
    int badRow = -1;
    int badColumn = -1;
};
GridRows ReadGridRows(const std::vector<std::pair<std::string, std::string>>& cells);

class Form5 : public QMainWindow {
    Q_OBJECT
  public:
    // onSaved loads the file just written (the main window's load and guided sequence).
    Form5(hc::PlatformServices& platform, std::function<void(const std::string&)> onSaved,
          QWidget* parent);

    // Fills the grid from a file; false (and the message) when the file cannot be edited.
    bool OpenExisting(const std::string& path);
    void StartNew();

    QTableWidget* Fg1;
    QLineEdit* TxtEdit;
    QMenu* mnuFile;
    QAction* mnuFileSaveItem;
    QAction* mnuFileQuitItem;

    // Text of a cell; row 1.. and column 1 (distance) or 2 (elevation).
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);
    const std::string& EditPath() const { return path_; }

    void SaveAndClose();
    void QuitWithoutSaving();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartCellEdit(const QString& initial);
    void CommitCellEdit(int row, int column);
    void CommitCurrent();
    void MoveCurrent(int key);

    hc::PlatformServices& platform_;
    std::function<void(const std::string&)> onSaved_;
    std::string path_;
    std::vector<double> bufferX_, bufferY_;  // the editor's own copy of the points
};

class Form6 : public QDialog {
    Q_OBJECT
  public:
    Form6(hc::PlatformServices& platform, Form5* editor, QWidget* parent);

    QPushButton* Command1;  // edit an existing file
    QPushButton* Command2;  // start a new file
    QPushButton* Command3;  // give up and go back

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void EditExisting();
    void CreateNew();
    void GiveUp();

    hc::PlatformServices& platform_;
    QPointer<Form5> editor_;
    bool handedOver_ = false;
};

}  // namespace flow
