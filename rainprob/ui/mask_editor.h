// The mask editor: a small editor window that writes precipitation files, with the year-range
// dialog that prepares one line per year for a new file. A saved file goes to the main window
// through the editor's Saved signal.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <string>

#include "common/core/language.h"
#include "common/core/platform.h"
#include "common/core/result.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;

namespace rain {

inline constexpr const char* kEditorCaption = hc::N("仮面エディター < 年降水量ファイルの作成 >");
inline constexpr const char* kEditorNewCaption = hc::N("仮面エディター < 新規の編集 >");
// The question before unsaved lines are lost, in the language shown.
inline std::string UnsavedText() {
    return hc::TS("入力したデータは保存されていません。") + "\r" + hc::TS("保存しますか？");
}

// Named Form4: the oldest and newest year (Text1, Text2), Command1 to go on, Command2 to give
// up. Its defaults are set when it is first created; the buttons only hide it, so it keeps
// what was typed while the editor stays open.
class YearRangeDialog : public QDialog {
    Q_OBJECT
  public:
    YearRangeDialog(QWidget* editor, hc::PlatformServices& platform, int thisYear);

  Q_SIGNALS:
    // The prepared lines of the years typed.
    void Prepared(const QString& text);

  private Q_SLOTS:
    void Proceed();

  private:
    hc::PlatformServices& platform_;
    QLineEdit* oldestBox_;
    QLineEdit* newestBox_;
};

// Named Form3: the text (Text1), the help label (Label1) and the file menu (EmnuFileNewItem,
// EmnuFileOpenItem, EmnuFileSaveItem, EmnuEndItem).
class MaskEditor : public QMainWindow {
    Q_OBJECT
  public:
    // thisYear: the calendar year the new-file defaults are counted from.
    MaskEditor(QWidget* parent, hc::PlatformServices& platform, int thisYear);

    const std::string& EditorPath() const { return editorPath_; }
    // The editor text with CR LF between lines, and setting it as if typed.
    std::string EditorText() const;
    void SetEditorText(const std::string& text);
    // Whether the text differs from what was opened, prepared or saved last.
    bool HasUnsavedChanges() const;

  Q_SIGNALS:
    // Save and exit wrote this file: the main window loads it.
    void Saved(const QString& path);
    // Forced exit, or the window closed without saving.
    void ClosedWithoutSaving();
    // Why a save failed, for the main window's status line.
    void SaveFailed(const QString& text);

  protected:
    // With unsaved changes, asks 保存 / 破棄 / キャンセル first; 保存 saves and hands the file
    // over as 保存終了 does.
    void closeEvent(QCloseEvent* event) override;

  private Q_SLOTS:
    void StartNewFile();
    void ShowPreparedText(const QString& text);
    void ChooseFile();
    void SaveAndExit();

  private:
    // Reads a file into the editor; the error (editor unchanged) when it is unreadable, empty
    // or longer than the editor holds.
    hc::Status LoadText(const std::string& path);
    // Writes the editor text and one line break; the old file stays intact on failure.
    hc::Status SaveText(const std::string& path);
    // Checks the text and writes it where the save dialog says. False when the text is refused
    // (the line is selected and named), the dialog cancelled or the write failed.
    bool Save();
    // Before the text is replaced: true when it may be (nothing unsaved, saved, or discarded).
    bool MayReplaceText();
    void SelectLine(int line);

    hc::PlatformServices& platform_;
    int thisYear_;
    std::string editorPath_;
    QPlainTextEdit* text_;
    QAction* saveItem_;
    QPointer<YearRangeDialog> yearDialog_;
    bool saved_ = false;
    bool discarded_ = false;
    QString baseline_;  // the text as opened, prepared or saved last
};

}  // namespace rain
