// The cross-section grid editor (Form5): the grid with its floating cell editor; saving writes
// a section file that the main window then loads. The edit-mode window (Form6) chooses between
// editing a file and starting empty.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "common/core/platform.h"

class QAction;
class QMenu;

namespace flow {

class GridEditor : public QMainWindow {
    Q_OBJECT
  public:
    GridEditor(hc::PlatformServices& platform, QWidget* parent);

    // Fills the grid from a file; false (and the message) when the file cannot be edited.
    bool OpenExisting(const std::string& path);
    void StartNew();

  Q_SIGNALS:
    // A section file was written; the main window loads it and leads through the settings.
    void Saved(const QString& path);
    // A file was refused for editing: why, for the main window's status line.
    void Refused(const QString& reason);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private Q_SLOTS:
    void SaveAndClose();
    void QuitWithoutSaving();

  private:
    // Text of a cell; row 1.. and column 1 (distance) or 2 (elevation).
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);
    void StartCellEdit(const QString& initial);
    void CommitCellEdit(int row, int column);
    void CommitCurrent();
    void MoveCurrent(int key);

    hc::PlatformServices& platform_;
    std::string path_;
    std::vector<double> bufferX_, bufferY_;  // the editor's own copy of the points
    QTableWidget* grid_;
    QLineEdit* cellEditor_;
    QMenu* fileMenu_;
};

// The edit-mode window (Form6): edit an existing file, start an empty grid, or give up.
class EditModeWindow : public QDialog {
    Q_OBJECT
  public:
    EditModeWindow(hc::PlatformServices& platform, GridEditor* editor, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private Q_SLOTS:
    void EditExisting();
    void CreateNew();
    void GiveUp();

  private:
    hc::PlatformServices& platform_;
    QPointer<GridEditor> editor_;
    bool handedOver_ = false;
};

}  // namespace flow
