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
    // Whether the grid differs from what was opened or last saved.
    bool HasUnsavedChanges() const;

  Q_SIGNALS:
    // A section file was written; the main window loads it and leads through the settings.
    void Saved(const QString& path);
    // A file was refused for editing: why, for the main window's status line.
    void Refused(const QString& reason);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // With unsaved changes, asks 保存 / 破棄 / キャンセル first.
    void closeEvent(QCloseEvent* event) override;

  private Q_SLOTS:
    void SaveAndClose();
    void QuitWithoutSaving();

  private:
    // Checks the grid and writes it where the save dialog says. False when the grid is
    // refused (the row is selected and named), the dialog cancelled or the write failed.
    bool Save();
    std::vector<QString> Snapshot() const;
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
    std::vector<QString> baseline_;          // the cells as opened or last saved
    bool closing_ = false;                   // saved or discarded: close without asking
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
