#include "common/ui/about_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "build_info.h"
#include "common/core/language.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"

namespace hc {

namespace {

// The program's icon, drawn in code so that the window needs no image file.
QPixmap Icon(const std::function<void(QPainter&)>& draw) {
    QPixmap pm(32, 32);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, 31, 31);
    if (draw)
        draw(p);
    return pm;
}

}  // namespace

VersionNumbers SuiteVersion() {
    return {kVersionMajor, kVersionMinor, kVersionPatch};
}

const std::vector<std::string>& SystemInfoViewers() {
    static const std::vector<std::string> viewers = {"hardinfo2", "hardinfo", "kinfocenter",
                                                     "gnome-system-monitor"};
    return viewers;
}

void StartSysInfo(PlatformServices& platform, const std::string& messageTitle) {
    for (const std::string& name : SystemInfoViewers()) {
        if (std::optional<std::string> path = platform.FindProgram(name)) {
            platform.StartProgram(*path, {});
            return;
        }
    }
    platform.MessageBox(hc::TS(kNoSystemInfo), messageTitle);
}

AboutWindow::AboutWindow(QWidget* parent, PlatformServices& platform, AboutTexts texts)
    : QDialog(parent), platform_(platform), texts_(std::move(texts)) {
    setObjectName("frmAbout");
    setWindowTitle(Q(texts_.caption));
    const QFont font = MakeFont(kGothic, 10);
    setFont(font);

    auto label = [&](const std::string& name, const std::string& text) {
        // The texts keep their classic CR line breaks; the label shows them as new lines.
        auto* l = new QLabel(MessageText(text), this);
        l->setObjectName(Q(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(Icon(texts_.drawIcon));
    icon->setFixedSize(32, 32);

    QLabel* title = label("lblTitle", texts_.title);
    QLabel* version = label("lblVersion", texts_.version);
    QLabel* description = label("lblDescription", texts_.description);
    std::vector<QLabel*> contact;
    for (const AboutLine& line : texts_.contact)
        contact.push_back(label(line.objectName, line.text));
    description->setWordWrap(true);
    QFont big = font;
    big.setPointSizeF(12);
    big.setBold(true);
    title->setFont(big);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(hc::T("ｼｽﾃﾑ情報(&S)..."), this);
    sysInfo->setObjectName("cmdSysInfo");
    connect(ok, &QPushButton::clicked, this, &AboutWindow::Confirm);
    connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::StartSystemInformation);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    column->addWidget(title);
    column->addWidget(version);
    column->addWidget(description);
    column->addSpacing(10);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);
    for (QLabel* l : contact)
        column->addWidget(l);
    grid->addLayout(column, 0, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 2);
    setMinimumWidth(520);
    adjustSize();
    CentreOnScreen(this);
}

void AboutWindow::Confirm() {
    if (texts_.beepOnOk)
        platform_.Beep();
    close();
}

void AboutWindow::StartSystemInformation() {
    StartSysInfo(platform_, texts_.messageTitle);
}

void ShowAboutWindow(QWidget* parent, PlatformServices& platform, AboutTexts texts) {
    auto* w = new AboutWindow(parent, platform, std::move(texts));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
}

}  // namespace hc
