// The mask editor: a small editor window (Form3) that writes precipitation files, with the
// year-range dialog (Form4) that prepares one line per year for a new file.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "common/core/platform.h"
#include "common/core/result.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rain {

class Form3;

inline constexpr const char* kEditorCaption = "仮面エディター < 年降水量ファイルの作成 >";
inline constexpr const char* kEditorNewCaption = "仮面エディター < 新規の編集 >";

// The year-range dialog of a new file. Its defaults are set when it is first created; the
// buttons only hide it, so it keeps what was typed while the editor stays open.
class Form4 : public QDialog {
    Q_OBJECT
  public:
    Form4(Form3* editor, hc::PlatformServices& platform, int thisYear);

    QLineEdit* Text1;  // oldest year
    QLineEdit* Text2;  // newest year
    QPushButton* Command1;
    QPushButton* Command2;

    void Command1_Click();
    void Command2_Click();

  private:
    Form3* editor_;
    hc::PlatformServices& platform_;
};

class Form3 : public QMainWindow {
    Q_OBJECT
  public:
    struct Callbacks {
        std::function<void(const std::string&)> saved;   // save and exit: load this file
        std::function<void()> closedWithoutSaving;       // forced exit or window closed
        std::function<void(const std::string&)> status;  // why a save failed
    };
    // thisYear: the calendar year the new-file defaults are counted from.
    Form3(QWidget* parent, hc::PlatformServices& platform, Callbacks callbacks, int thisYear);

    const std::string& EditorPath() const { return editorPath_; }
    Form4* YearDialog() const { return form4_; }
    // The editor text with CR LF between lines.
    std::string EditorText() const;
    void SetEditorText(const std::string& text);
    // Reads a file into the editor; false (editor unchanged) when it is unreadable, empty or
    // longer than the editor holds.
    bool EditorLoadText(const std::string& path);
    // Writes the editor text and one line break; false (old file intact) on failure.
    hc::Status EditorSaveText(const std::string& path);

    QPlainTextEdit* Text1;
    QLabel* Label1;
    QAction* EmnuFileNewItem;
    QAction* EmnuFileOpenItem;
    QAction* EmnuFileSaveItem;
    QAction* EmnuEndItem;

    void EmnuFileNewItem_Click();
    void EmnuFileOpenItem_Click();
    void EmnuFileSaveItem_Click();
    void EmnuEndItem_Click();

    // Form4 hands the prepared text over here.
    void NewTextPrepared(const std::string& text);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    hc::PlatformServices& platform_;
    Callbacks callbacks_;
    int thisYear_;
    std::string editorPath_;
    QPointer<Form4> form4_;
    bool saved_ = false;
};

}  // namespace rain
