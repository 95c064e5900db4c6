#include "flowcalc/ui/grid_editor.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/core/file_write.h"
#include "common/core/numbers.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/flow_app.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/core/section_edit.h"

namespace flow {

namespace {

// Two point columns: distance and elevation. The row numbers are the fixed header column.
constexpr int kColumns = 2;

std::string Trimmed(const QString& s) {
    return hc::S(s.trimmed());
}

}  // namespace

GridEditor::GridEditor(hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("Form5");
    setWindowTitle(hc::T("断面座標データの編集"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    auto* note1 = new QLabel(hc::T("断面の座標データを作成または編集する画面です"), central);
    note1->setObjectName("Label1");
    auto* note2 = new QLabel(hc::T("座標の値は、すべてｍ単位で入力してください"), central);
    note2->setObjectName("Label2");
    v->addWidget(note1);
    v->addWidget(note2);

    grid_ = new QTableWidget(kMaxPoints, kColumns, central);
    grid_->setObjectName("Fg1");
    grid_->setHorizontalHeaderLabels({hc::T("距離 X (m)"), hc::T("標高 Y (m)")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < kMaxPoints; ++r) {
        grid_->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    }
    grid_->setCurrentCell(0, 0);
    v->addWidget(grid_, 1);
    setCentralWidget(central);

    cellEditor_ = new QLineEdit(grid_->viewport());
    cellEditor_->setObjectName("TxtEdit");
    cellEditor_->setAccessibleName(hc::T("選んだセルの値"));
    cellEditor_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cellEditor_->clear();
    cellEditor_->hide();

    grid_->installEventFilter(this);
    cellEditor_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
        StartCellEdit(grid_->currentItem() ? grid_->currentItem()->text() : "");
    });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int, int, int prevRow, int prevColumn) {
                if (cellEditor_->isVisible() && prevRow >= 0 && prevColumn >= 0)
                    CommitCellEdit(prevRow, prevColumn);
            });

    fileMenu_ = menuBar()->addMenu(hc::T("ファイル(&F)"));
    fileMenu_->setObjectName("mnuFile");
    QAction* save = fileMenu_->addAction(hc::T("保存終了(&S)"));
    save->setObjectName("mnuFileSaveItem");
    QAction* quit = fileMenu_->addAction(hc::T("単純終了(&X)"));
    quit->setObjectName("mnuFileQuitItem");
    connect(save, &QAction::triggered, this, &GridEditor::SaveAndClose);
    connect(quit, &QAction::triggered, this, &GridEditor::QuitWithoutSaving);
    fileMenu_->menuAction()->setEnabled(false);
    statusBar()->setObjectName("StatusBar");

    baseline_ = Snapshot();
    resize(420, 560);
    // The notes, the menu and a few rows of the grid stay readable.
    setMinimumSize(360, 320);
    hc::CentreOnScreen(this);
}

QString GridEditor::Cell(int row, int column) const {
    QTableWidgetItem* item = grid_->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void GridEditor::SetCell(int row, int column, const QString& text) {
    grid_->item(row - 1, column - 1)->setText(text);
}

bool GridEditor::OpenExisting(const std::string& path) {
    hc::Result<LoadedSection> loaded = LoadSection(path);
    if (!loaded) {
        platform_.MessageBox(hc::TS(text::kEditFileRefused), hc::TS(text::kTitle));
        Q_EMIT Refused(hc::Q(LoadRefusedText(loaded.error())));
        return false;
    }
    const CrossSection& s = loaded->Section;
    if (!s.SegmentN.empty()) {
        // The grid holds distance and elevation only: saving would lose the n column.
        platform_.MessageBox(hc::TS(text::kEditFileRefused), hc::TS(text::kTitle));
        Q_EMIT Refused(hc::T(text::kEditRoughnessRefused));
        return false;
    }
    path_ = path;
    bufferX_ = s.PointX;
    bufferY_ = s.PointY;
    for (int r = 1; r <= kMaxPoints; ++r) {
        bool filled = r <= s.PointCount;
        SetCell(r, 1, filled ? hc::Q(hc::DoubleToText(s.X(r))) : QString());
        SetCell(r, 2, filled ? hc::Q(hc::DoubleToText(s.Y(r))) : QString());
    }
    setWindowTitle(hc::T("データの編集") + " < " + hc::Q(path_) + " >");
    fileMenu_->menuAction()->setEnabled(true);
    baseline_ = Snapshot();
    return true;
}

std::vector<QString> GridEditor::Snapshot() const {
    std::vector<QString> cells;
    cells.reserve(static_cast<std::size_t>(kMaxPoints) * kColumns);
    for (int r = 1; r <= kMaxPoints; ++r)
        for (int c = 1; c <= kColumns; ++c)
            cells.push_back(Cell(r, c).trimmed());
    return cells;
}

bool GridEditor::HasUnsavedChanges() const {
    // What is being typed counts too.
    if (cellEditor_->isVisible() &&
        cellEditor_->text().trimmed() !=
            Cell(grid_->currentRow() + 1, grid_->currentColumn() + 1).trimmed())
        return true;
    return Snapshot() != baseline_;
}

void GridEditor::StartNew() {
    path_.clear();
    setWindowTitle(hc::T("データの編集 < 新規 >"));
    fileMenu_->menuAction()->setEnabled(true);
    baseline_ = Snapshot();
}

void GridEditor::StartCellEdit(const QString& initial) {
    QModelIndex index = grid_->currentIndex();
    if (!index.isValid())
        return;
    cellEditor_->setGeometry(grid_->visualRect(index));
    cellEditor_->setText(initial);
    cellEditor_->show();
    cellEditor_->setFocus();
    cellEditor_->setCursorPosition(static_cast<int>(initial.size()));
}

void GridEditor::CommitCellEdit(int row, int column) {
    if (!cellEditor_->isVisible())
        return;
    if (QTableWidgetItem* item = grid_->item(row, column))
        item->setText(cellEditor_->text());
    cellEditor_->hide();
}

void GridEditor::CommitCurrent() {
    CommitCellEdit(grid_->currentRow(), grid_->currentColumn());
}

void GridEditor::MoveCurrent(int key) {
    int r = grid_->currentRow();
    int c = grid_->currentColumn();
    if (key == Qt::Key_Left && c > 0)
        --c;
    else if (key == Qt::Key_Right && c < kColumns - 1)
        ++c;
    else if (key == Qt::Key_Up && r > 0)
        --r;
    else if (key == Qt::Key_Down && r < kMaxPoints - 1)
        ++r;
    grid_->setCurrentCell(r, c);
}

bool GridEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cellEditor_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                CommitCurrent();
                grid_->setFocus();
                return true;
            case Qt::Key_Escape:
                cellEditor_->hide();  // discarded: nothing is stored
                grid_->setFocus();
                return true;
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                CommitCurrent();
                grid_->setFocus();
                MoveCurrent(key->key());
                return true;
            default:
                break;
        }
    }
    if (watched == grid_) {
        if (event->type() == QEvent::FocusIn && cellEditor_->isVisible()) {
            CommitCurrent();
        } else if (event->type() == QEvent::KeyPress && !cellEditor_->isVisible()) {
            auto* key = static_cast<QKeyEvent*>(event);
            QString typed = key->text();
            if (!typed.isEmpty()) {
                char16_t code = typed.at(0).unicode();
                if (code > 32 && typed.at(0).isPrint()) {
                    StartCellEdit(typed);
                    return true;
                }
                if (code == 32 || code == 13 || code == 8) {
                    StartCellEdit(grid_->currentItem() ? grid_->currentItem()->text() : "");
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool GridEditor::Save() {
    // What is being typed belongs to the grid too.
    CommitCurrent();
    std::vector<std::pair<std::string, std::string>> cells;
    cells.reserve(kMaxPoints);
    for (int r = 1; r <= kMaxPoints; ++r)
        cells.emplace_back(Trimmed(Cell(r, 1)), Trimmed(Cell(r, 2)));
    GridRows rows = ReadGridRows(cells);
    if (rows.Refused()) {
        // Stay with the grid intact and point at the row.
        const bool distance = rows.End == GridEnd::DistanceNotANumber ||
                              rows.End == GridEnd::DistanceMissing ||
                              rows.End == GridEnd::FilledAfterEmptyRow;
        const int column = distance ? 1 : 2;
        grid_->setCurrentCell(rows.EndRow - 1, column - 1);
        grid_->scrollToItem(grid_->currentItem());
        statusBar()->showMessage(
            hc::Q(GridRefusalText(rows, hc::S(Cell(rows.EndRow, column).trimmed()))));
        return false;
    }
    if (static_cast<int>(rows.X.size()) < kMinEditedPoints) {
        // The editor stays open with what was typed; the row where the points end is chosen.
        grid_->setCurrentCell(static_cast<int>(rows.X.size()), 0);
        platform_.MessageBox(hc::TS(text::kTooFewRows), hc::TS(text::kTitle));
        return false;
    }
    hc::FileDialogRequest req;
    req.filter = hc::TS(text::kEditorFilter);
    req.filterIndex = 1;
    req.initialPath = path_;
    req.defaultSuffix = ".txt";
    auto chosen = platform_.SaveFileDialog(req);
    if (!chosen)
        return false;  // the editor stays open with its grid
    if (hc::Status saved =
            hc::WriteFileAtomically(*chosen, SectionFileTextFor(*chosen, rows.X, rows.Y));
        !saved) {
        // The editor stays open with its grid and says why.
        statusBar()->showMessage(hc::Q(SaveFailedText(saved.error())));
        return false;
    }
    path_ = *chosen;
    bufferX_ = rows.X;
    bufferY_ = rows.Y;
    baseline_ = Snapshot();
    return true;
}

void GridEditor::SaveAndClose() {
    if (!Save())
        return;
    closing_ = true;
    close();  // the window is deleted later, after the main window has taken the file
    Q_EMIT Saved(hc::Q(path_));
}

void GridEditor::QuitWithoutSaving() {
    if (!close())
        return;
    bufferX_.assign(kMaxPoints, 0.0);
    bufferY_.assign(kMaxPoints, 0.0);
}

void GridEditor::closeEvent(QCloseEvent* event) {
    bool saved = false;
    if (!closing_ && HasUnsavedChanges()) {
        using Unsaved = hc::PlatformServices::Unsaved;
        switch (platform_.SettleUnsaved(text::ShownLines(text::kUnsavedGridLines),
                                        hc::TS(text::kTitle), [this] { return Save(); })) {
            case Unsaved::Kept:
                event->ignore();
                return;
            case Unsaved::Saved:
                saved = true;
                break;
            case Unsaved::Discarded:
                cellEditor_->hide();
                break;
        }
    }
    closing_ = true;
    event->accept();
    if (saved)
        Q_EMIT Saved(hc::Q(path_));
}

EditModeWindow::EditModeWindow(hc::PlatformServices& platform, GridEditor* editor, QWidget* parent)
    : QDialog(parent), platform_(platform), editor_(editor) {
    setObjectName("Form6");
    setWindowTitle(hc::T("編集モードの選択"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    auto* v = new QVBoxLayout(this);
    auto* prompt = new QLabel(hc::T("編集する方法を選択してください"), this);
    prompt->setObjectName("Label1");
    v->addWidget(prompt);
    auto button = [this, v](const char* text, const char* name) {
        auto* b = new QPushButton(hc::T(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        v->addWidget(b);
        return b;
    };
    connect(button(hc::N("既存のファイルを読んで編集する"), "Command1"), &QPushButton::clicked,
            this, &EditModeWindow::EditExisting);
    connect(button(hc::N("新規にデータファイルを作成する"), "Command2"), &QPushButton::clicked,
            this, &EditModeWindow::CreateNew);
    connect(button(hc::N("編集をやめてもとの画面にもどる"), "Command3"), &QPushButton::clicked,
            this, &EditModeWindow::GiveUp);
    adjustSize();
    hc::CentreOnScreen(this);
}

void EditModeWindow::EditExisting() {
    hc::FileDialogRequest req;
    req.filter = hc::TS(text::kEditorFilter);
    req.filterIndex = 1;
    auto path = platform_.OpenFileDialog(req);
    if (!path || !editor_)
        return;
    if (!editor_->OpenExisting(*path))
        return;
    handedOver_ = true;
    editor_->show();
    close();
}

void EditModeWindow::CreateNew() {
    if (!editor_)
        return;
    editor_->StartNew();
    handedOver_ = true;
    editor_->show();
    close();
}

void EditModeWindow::GiveUp() {
    close();
}

void EditModeWindow::closeEvent(QCloseEvent* event) {
    // Leaving without a choice takes the prepared editor along.
    if (!handedOver_ && editor_)
        editor_->close();
    QDialog::closeEvent(event);
}

}  // namespace flow
