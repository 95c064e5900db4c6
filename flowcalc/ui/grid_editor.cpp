#include "flowcalc/ui/grid_editor.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/core/numbers.h"
#include "common/core/file_write.h"
#include "common/core/text_file.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/messages.h"

namespace flow {

namespace {

// Two point columns: distance and elevation. The row numbers are the fixed header column.
constexpr int kColumns = 2;
constexpr int kMinimumRows = 3;

std::string Trimmed(const QString& s) {
    return hc::S(s.trimmed());
}

}  // namespace

GridRows ReadGridRows(const std::vector<std::pair<std::string, std::string>>& cells) {
    GridRows out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto& [xt, yt] = cells[i];
        if (xt.empty() || yt.empty())
            break;
        auto x = hc::TryTextToDouble(xt);
        if (!x) {
            out.badRow = static_cast<int>(i) + 1;
            out.badColumn = 1;
            break;
        }
        if (*x < 0)
            break;
        auto y = hc::TryTextToDouble(yt);
        if (!y) {
            out.badRow = static_cast<int>(i) + 1;
            out.badColumn = 2;
            break;
        }
        out.x.push_back(*x);
        out.y.push_back(*y);
    }
    return out;
}

Form5::Form5(hc::PlatformServices& platform, std::function<void(const std::string&)> onSaved,
             QWidget* parent)
    : QMainWindow(parent), platform_(platform), onSaved_(std::move(onSaved)) {
    setObjectName("Form5");
    setWindowTitle(hc::Q("断面座標データの編集"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    auto* note1 = new QLabel(hc::Q("断面の座標データを作成または編集する画面です"), central);
    note1->setObjectName("Label1");
    auto* note2 = new QLabel(hc::Q("座標の値は、すべてｍ単位で入力してください"), central);
    note2->setObjectName("Label2");
    v->addWidget(note1);
    v->addWidget(note2);

    Fg1 = new QTableWidget(kMaxPoints, kColumns, central);
    Fg1->setObjectName("Fg1");
    Fg1->setHorizontalHeaderLabels({hc::Q("距離 X (m)"), hc::Q("標高 Y (m)")});
    Fg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Fg1->setSelectionMode(QAbstractItemView::SingleSelection);
    Fg1->setTabKeyNavigation(false);
    Fg1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Fg1->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < kMaxPoints; ++r) {
        Fg1->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Fg1->setItem(r, c, item);
        }
    }
    Fg1->setCurrentCell(0, 0);
    v->addWidget(Fg1, 1);
    setCentralWidget(central);

    TxtEdit = new QLineEdit(Fg1->viewport());
    TxtEdit->setObjectName("TxtEdit");
    TxtEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TxtEdit->clear();
    TxtEdit->hide();

    Fg1->installEventFilter(this);
    TxtEdit->installEventFilter(this);
    connect(Fg1, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
        StartCellEdit(Fg1->currentItem() ? Fg1->currentItem()->text() : "");
    });
    connect(Fg1, &QTableWidget::currentCellChanged, this,
            [this](int, int, int prevRow, int prevColumn) {
                if (TxtEdit->isVisible() && prevRow >= 0 && prevColumn >= 0)
                    CommitCellEdit(prevRow, prevColumn);
            });

    mnuFile = menuBar()->addMenu(hc::Q("ファイル(&F)"));
    mnuFile->setObjectName("mnuFile");
    mnuFileSaveItem = mnuFile->addAction(hc::Q("保存終了(&S)"));
    mnuFileSaveItem->setObjectName("mnuFileSaveItem");
    mnuFileQuitItem = mnuFile->addAction(hc::Q("単純終了(&X)"));
    mnuFileQuitItem->setObjectName("mnuFileQuitItem");
    connect(mnuFileSaveItem, &QAction::triggered, this, &Form5::SaveAndClose);
    connect(mnuFileQuitItem, &QAction::triggered, this, &Form5::QuitWithoutSaving);
    mnuFile->menuAction()->setEnabled(false);
    statusBar()->setObjectName("StatusBar");

    resize(420, 560);
    hc::CentreOnScreen(this);
}

QString Form5::Cell(int row, int column) const {
    QTableWidgetItem* item = Fg1->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void Form5::SetCell(int row, int column, const QString& text) {
    Fg1->item(row - 1, column - 1)->setText(text);
}

bool Form5::OpenExisting(const std::string& path) {
    std::string error;
    auto bytes = hc::ReadFileBytes(path, &error);
    LoadOutcome loaded = bytes ? ParseSection(*bytes) : LoadOutcome{};
    if (!loaded.ok) {
        platform_.MessageBox(text::kEditFileRefused, text::kTitle);
        return false;
    }
    path_ = path;
    bufferX_ = loaded.section.PointX;
    bufferY_ = loaded.section.PointY;
    for (int r = 1; r <= kMaxPoints; ++r) {
        bool filled = r <= loaded.section.PointCount;
        SetCell(r, 1, filled ? hc::Q(hc::DoubleToText(loaded.section.X(r))) : QString());
        SetCell(r, 2, filled ? hc::Q(hc::DoubleToText(loaded.section.Y(r))) : QString());
    }
    setWindowTitle(hc::Q("データの編集 < " + path_ + " >"));
    mnuFile->menuAction()->setEnabled(true);
    return true;
}

void Form5::StartNew() {
    path_.clear();
    setWindowTitle(hc::Q("データの編集 < 新規 >"));
    mnuFile->menuAction()->setEnabled(true);
}

void Form5::StartCellEdit(const QString& initial) {
    QModelIndex index = Fg1->currentIndex();
    if (!index.isValid())
        return;
    TxtEdit->setGeometry(Fg1->visualRect(index));
    TxtEdit->setText(initial);
    TxtEdit->show();
    TxtEdit->setFocus();
    TxtEdit->setCursorPosition(static_cast<int>(initial.size()));
}

void Form5::CommitCellEdit(int row, int column) {
    if (!TxtEdit->isVisible())
        return;
    if (QTableWidgetItem* item = Fg1->item(row, column))
        item->setText(TxtEdit->text());
    TxtEdit->hide();
}

void Form5::CommitCurrent() {
    CommitCellEdit(Fg1->currentRow(), Fg1->currentColumn());
}

void Form5::MoveCurrent(int key) {
    int r = Fg1->currentRow();
    int c = Fg1->currentColumn();
    if (key == Qt::Key_Left && c > 0)
        --c;
    else if (key == Qt::Key_Right && c < kColumns - 1)
        ++c;
    else if (key == Qt::Key_Up && r > 0)
        --r;
    else if (key == Qt::Key_Down && r < kMaxPoints - 1)
        ++r;
    Fg1->setCurrentCell(r, c);
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TxtEdit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                CommitCurrent();
                Fg1->setFocus();
                return true;
            case Qt::Key_Escape:
                TxtEdit->hide();  // discarded: nothing is stored
                Fg1->setFocus();
                return true;
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                CommitCurrent();
                Fg1->setFocus();
                MoveCurrent(key->key());
                return true;
            default:
                break;
        }
    }
    if (watched == Fg1) {
        if (event->type() == QEvent::FocusIn && TxtEdit->isVisible()) {
            CommitCurrent();
        } else if (event->type() == QEvent::KeyPress && !TxtEdit->isVisible()) {
            auto* key = static_cast<QKeyEvent*>(event);
            QString typed = key->text();
            if (!typed.isEmpty()) {
                char16_t code = typed.at(0).unicode();
                if (code > 32 && typed.at(0).isPrint()) {
                    StartCellEdit(typed);
                    return true;
                }
                if (code == 32 || code == 13 || code == 8) {
                    StartCellEdit(Fg1->currentItem() ? Fg1->currentItem()->text() : "");
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form5::SaveAndClose() {
    // What is being typed belongs to the grid too.
    CommitCurrent();
    std::vector<std::pair<std::string, std::string>> cells;
    cells.reserve(kMaxPoints);
    for (int r = 1; r <= kMaxPoints; ++r)
        cells.emplace_back(Trimmed(Cell(r, 1)), Trimmed(Cell(r, 2)));
    GridRows rows = ReadGridRows(cells);
    if (rows.badRow > 0) {
        // Stay with the grid intact and point at the cell.
        Fg1->setCurrentCell(rows.badRow - 1, rows.badColumn - 1);
        statusBar()->showMessage(hc::Q("行 " + std::to_string(rows.badRow) + ": 「" +
                                       hc::S(Cell(rows.badRow, rows.badColumn)) +
                                       "」は数値ではありません"));
        return;
    }
    if (static_cast<int>(rows.x.size()) < kMinimumRows) {
        platform_.MessageBox(text::kTooFewRows, text::kTitle);
        close();
        return;
    }
    hc::FileDialogRequest req;
    req.filter = text::kEditorFilter;
    req.filterIndex = 1;
    req.initialPath = path_;
    req.defaultSuffix = ".txt";
    auto chosen = platform_.SaveFileDialog(req);
    if (!chosen)
        return;  // the editor stays open with its grid
    if (hc::Status saved = hc::WriteFileAtomically(*chosen, SectionFileText(rows.x, rows.y));
        !saved) {
        // The editor stays open with its grid and says why.
        statusBar()->showMessage(hc::Q("保存できませんでした: " + saved.error().Japanese()));
        return;
    }
    path_ = *chosen;
    bufferX_ = rows.x;
    bufferY_ = rows.y;
    std::string saved = path_;
    auto onSaved = onSaved_;
    close();
    if (onSaved)
        onSaved(saved);
}

void Form5::QuitWithoutSaving() {
    bufferX_.assign(kMaxPoints, 0.0);
    bufferY_.assign(kMaxPoints, 0.0);
    close();
}

Form6::Form6(hc::PlatformServices& platform, Form5* editor, QWidget* parent)
    : QDialog(parent), platform_(platform), editor_(editor) {
    setObjectName("Form6");
    setWindowTitle(hc::Q("編集モードの選択"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    auto* v = new QVBoxLayout(this);
    auto* prompt = new QLabel(hc::Q("編集する方法を選択してください"), this);
    prompt->setObjectName("Label1");
    v->addWidget(prompt);
    auto button = [this, v](const char* text, const char* name) {
        auto* b = new QPushButton(hc::Q(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        v->addWidget(b);
        return b;
    };
    Command1 = button("既存のファイルを読んで編集する", "Command1");
    Command2 = button("新規にデータファイルを作成する", "Command2");
    Command3 = button("編集をやめてもとの画面にもどる", "Command3");
    connect(Command1, &QPushButton::clicked, this, &Form6::EditExisting);
    connect(Command2, &QPushButton::clicked, this, &Form6::CreateNew);
    connect(Command3, &QPushButton::clicked, this, &Form6::GiveUp);
    adjustSize();
    hc::CentreOnScreen(this);
}

void Form6::EditExisting() {
    hc::FileDialogRequest req;
    req.filter = text::kEditorFilter;
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

void Form6::CreateNew() {
    if (!editor_)
        return;
    editor_->StartNew();
    handedOver_ = true;
    editor_->show();
    close();
}

void Form6::GiveUp() {
    close();
}

void Form6::closeEvent(QCloseEvent* event) {
    // Leaving without a choice takes the prepared editor along.
    if (!handedOver_ && editor_)
        editor_->close();
    QDialog::closeEvent(event);
}

}  // namespace flow
