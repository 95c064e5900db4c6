#include "common/ui/program_start.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QWidget>
#include <iostream>

#include "common/core/language.h"
#include "common/core/platform.h"
#include "common/ui/remembered.h"

namespace hc {

namespace {

// The local file a drag carries, when it carries exactly one.
std::optional<QString> DraggedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile())
        return std::nullopt;
    return url.toLocalFile();
}

class FileDropFilter : public QObject {
  public:
    FileDropFilter(QWidget* window, QAction* openItem, std::function<void(const std::string&)> open)
        : QObject(window), window_(window), openItem_(openItem), open_(std::move(open)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* e = static_cast<QDropEvent*>(event);
                if (openItem_ && MenuItemUsable(openItem_) && DraggedFile(e->mimeData()))
                    e->acceptProposedAction();
                else
                    e->ignore();
                return true;
            }
            case QEvent::Drop: {
                auto* e = static_cast<QDropEvent*>(event);
                std::optional<QString> file = DraggedFile(e->mimeData());
                if (!openItem_ || !MenuItemUsable(openItem_) || !file) {
                    e->ignore();
                    return true;
                }
                e->acceptProposedAction();
                // The drop must be answered before a load may show a message box.
                QMetaObject::invokeMethod(
                    window_, [open = open_, path = file->toStdString()] { open(path); },
                    Qt::QueuedConnection);
                return true;
            }
            default:
                return false;
        }
    }

  private:
    QWidget* window_;
    QPointer<QAction> openItem_;
    std::function<void(const std::string&)> open_;
};

std::vector<std::string> Arguments(int argc, char** argv) {
    std::vector<std::string> out;
    for (int i = 1; i < argc; ++i)
        out.emplace_back(argv[i]);
    return out;
}

}  // namespace

std::optional<int> AnswerInfoOptions(int argc, char** argv, const ProgramInfo& info) {
    // Qt's own options are still on the line here; anything else waits for TakeFileArgument.
    ProgramArguments a = ParseProgramArguments(Arguments(argc, argv));
    if (a.action == ProgramArguments::Action::Help) {
        std::cout << ProgramHelpText(info);
        return 0;
    }
    if (a.action == ProgramArguments::Action::Version) {
        std::cout << ProgramVersionText(info.name);
        return 0;
    }
    return std::nullopt;
}

bool TakeFileArgument(const ProgramInfo& info, std::optional<std::string>& file) {
    std::vector<std::string> args;
    const QStringList qargs = QCoreApplication::arguments();
    for (qsizetype i = 1; i < qargs.size(); ++i)
        args.push_back(qargs[i].toStdString());
    ProgramArguments a = ParseProgramArguments(args);
    if (a.action == ProgramArguments::Action::Usage) {
        std::cerr << info.name << ": " << a.error << "\n"
                  << "Usage: " << info.name << " [" << info.fileKind << "]\n";
        return false;
    }
    file.reset();
    if (a.file)
        file = QFileInfo(QString::fromStdString(*a.file)).absoluteFilePath().toStdString();
    return true;
}

void ChooseLanguage() {
    std::vector<std::string> args;
    const QStringList qargs = QCoreApplication::arguments();
    for (qsizetype i = 1; i < qargs.size(); ++i)
        args.push_back(qargs[i].toStdString());
    std::optional<std::string> code = ParseProgramArguments(args).language;
    if (!code)
        code = remembered::SavedLanguage();
    std::optional<Language> language = code ? ParseLanguage(*code) : std::nullopt;
    if (!SetLanguage(language.value_or(LanguageOfLocale(QLocale::system()))))
        SetLanguage(Language::Japanese);
}

void AddLanguageMenu(QMenu* help, PlatformServices& platform) {
    help->addSeparator();
    QMenu* menu = help->addMenu(hc::T("表示言語 (Language)(&L)"));
    menu->setObjectName("mnuLanguage");
    auto* group = new QActionGroup(menu);
    // Each language by its own name, so that either can be found without reading the other.
    const std::pair<Language, const char*> choices[] = {{Language::Japanese, "日本語"},
                                                        {Language::English, "English"}};
    for (const auto& [language, name] : choices) {
        QAction* a = menu->addAction(QString::fromUtf8(name));
        a->setObjectName(language == Language::English ? "mnuLanguageEn" : "mnuLanguageJa");
        a->setCheckable(true);
        a->setChecked(language == CurrentLanguage());
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [&platform, language = language] {
            remembered::SaveLanguage(LanguageCode(language));
            platform.MessageBox(language == Language::English
                                    ? "The windows speak English from the next start.\n"
                                      "次に起動したときから英語で表示します。"
                                    : "次に起動したときから日本語で表示します。\n"
                                      "The windows speak Japanese from the next start.",
                                hc::T("表示言語 (Language)(&L)").remove("(&L)").toStdString());
        });
    }
}

QIcon ProgramIcon(const std::string& program) {
    return QIcon(QString(":/icons/%1.svg").arg(QString::fromStdString(program)));
}

void OpenAfterSplash(const QPointer<SplashWindow>& splash, QObject* context,
                     std::function<void()> open) {
    if (!splash) {
        QMetaObject::invokeMethod(context, std::move(open), Qt::QueuedConnection);
        return;
    }
    QObject::connect(splash, &SplashWindow::Closed, context, std::move(open), Qt::QueuedConnection);
}

bool MenuItemUsable(const QAction* item) {
    if (!item->isEnabled())
        return false;
    for (QObject* holder : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(holder))
            if (!menu->menuAction()->isEnabled())
                return false;
    return true;
}

void AcceptFileDrops(QWidget* window, QAction* openItem,
                     std::function<void(const std::string&)> open) {
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window, openItem, std::move(open)));
}

}  // namespace hc
