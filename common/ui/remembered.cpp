#include "common/ui/remembered.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <memory>

#include "common/core/language.h"
#include "common/core/platform.h"

namespace hc {
namespace remembered {

namespace {

std::unique_ptr<QSettings>& Store() {
    static std::unique_ptr<QSettings> store;
    return store;
}

const char* FolderKey(Folder kind) {
    return kind == Folder::Open ? "folders/open" : "folders/save";
}

}  // namespace

void Enable(const QString& program) {
    Store() = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "hydrochart",
                                          program);
}

void Disable() {
    Store().reset();
}

bool Enabled() {
    return Store() != nullptr;
}

QString LastFolder(Folder kind) {
    if (!Enabled())
        return {};
    const QString folder = Store()->value(FolderKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void SetLastFolder(Folder kind, const QString& folder) {
    if (Enabled() && !folder.isEmpty())
        Store()->setValue(FolderKey(kind), QDir::cleanPath(folder));
}

QStringList RecentFiles() {
    if (!Enabled())
        return {};
    QStringList files = Store()->value("recent/files").toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    return files.mid(0, kRecentFiles);
}

void AddRecentFile(const QString& path) {
    if (!Enabled() || path.isEmpty())
        return;
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(file);
    files.prepend(file);
    Store()->setValue("recent/files", files.mid(0, kRecentFiles));
}

void RemoveRecentFile(const QString& path) {
    if (!Enabled())
        return;
    QStringList files = RecentFiles();
    files.removeAll(path);
    Store()->setValue("recent/files", files);
}

std::optional<std::string> SavedLanguage() {
    if (!Enabled() || !Store()->contains("language"))
        return std::nullopt;
    return Store()->value("language").toString().toStdString();
}

void SaveLanguage(const std::string& code) {
    if (Enabled())
        Store()->setValue("language", QString::fromStdString(code));
}

void RestoreWindowPlace(QWidget* window) {
    if (!Enabled() || !Store()->contains("window/geometry"))
        return;
    const QRect kept = Store()->value("window/geometry").toRect();
    if (!kept.isValid())
        return;
    const bool resizable = window->minimumSize() != window->maximumSize();
    const QRect wanted(kept.topLeft(), resizable ? kept.size() : window->size());
    // A place on a screen that is no longer there, or one that would hang over an edge, would
    // leave the window partly out of reach: the window then opens where it always does.
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(wanted)) {
            window->setGeometry(wanted);
            if (Store()->value("window/maximized").toBool())
                window->setWindowState(window->windowState() | Qt::WindowMaximized);
            return;
        }
    }
}

void SaveWindowPlace(const QWidget* window) {
    if (!Enabled())
        return;
    Store()->setValue("window/geometry", window->normalGeometry().isValid()
                                             ? window->normalGeometry()
                                             : window->geometry());
    Store()->setValue("window/maximized", window->isMaximized());
}

}  // namespace remembered

RecentFilesMenu::RecentFilesMenu(QMenu* fileMenu, QAction* before, QAction* openItem,
                                 PlatformServices& platform,
                                 std::function<void(const std::string&)> open)
    : QObject(fileMenu),
      menu_(new QMenu(hc::T("最近使ったファイル(&R)"), fileMenu)),
      openItem_(openItem),
      platform_(platform),
      open_(std::move(open)) {
    menu_->setObjectName("mnuRecent");
    QAction* item = fileMenu->insertMenu(before, menu_);
    item->setVisible(remembered::Enabled());
    item->setEnabled(openItem_->isEnabled());
    // The list follows the open item: whenever a file may not be opened, neither may these.
    QObject::connect(openItem_, &QAction::changed, this,
                     [this, item] { item->setEnabled(openItem_->isEnabled()); });
    QObject::connect(menu_, &QMenu::aboutToShow, this, [this] { Fill(); });
    Fill();
}

void RecentFilesMenu::Fill() {
    menu_->clear();
    const QStringList files = remembered::RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QString name = QFileInfo(file).fileName();
        name.replace('&', "&&");
        QAction* a = menu_->addAction(QString("&%1 %2").arg(i + 1).arg(name));
        a->setToolTip(QDir::toNativeSeparators(file));
        a->setStatusTip(QDir::toNativeSeparators(file));
        QObject::connect(a, &QAction::triggered, this, [this, file] {
            if (!QFileInfo(file).isFile()) {
                remembered::RemoveRecentFile(file);
                platform_.MessageBox(
                    hc::TS("ファイルが見つかりません。最近使ったファイルの一覧から外しました。\n%1",
                           {QDir::toNativeSeparators(file).toStdString()}),
                    hc::TS("最近使ったファイル"));
                return;
            }
            open_(file.toStdString());
        });
    }
    if (files.isEmpty())
        menu_->addAction(hc::T("（なし）"))->setEnabled(false);
}

}  // namespace hc
