#include "common/ui/about_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "build_info.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"

namespace hc {

namespace {

// Contact line: the suite is maintained as a whole; no personal data is shipped.
constexpr const char* kMaintainer = "hydrochart suite maintainers";

std::string Num(int v) {
    return std::to_string(v);
}

// A 32 x 32 icon drawn in code, so the window needs no image file: a rain drop over a
// probability line for rainprob, a channel cross-section with water for flowcalc.
QPixmap ProgramIcon(AboutVariant v) {
    QPixmap pm(32, 32);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(0, 0, 31, 31);
    if (v == AboutVariant::Rainprob) {
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawLine(5, 27, 27, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 255));
        QPainterPath drop;
        drop.moveTo(11, 6);
        drop.cubicTo(11, 6, 5, 14, 8, 17);
        drop.cubicTo(10, 19, 13, 19, 14, 17);
        drop.cubicTo(17, 14, 11, 6, 11, 6);
        p.drawPath(drop);
    } else {
        p.setBrush(QColor(0, 128, 255));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(7, 14), QPoint(25, 14), QPoint(20, 25), QPoint(12, 25)}));
        p.setPen(QPen(QColor(128, 64, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(
            QPolygon({QPoint(3, 6), QPoint(7, 14), QPoint(12, 25), QPoint(20, 25), QPoint(28, 6)}));
    }
    return pm;
}

}  // namespace

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
    platform.MessageBox(kNoSystemInfo, messageTitle);
}

frmAbout::frmAbout(QWidget* parent, PlatformServices& platform, AboutVariant variant)
    : QDialog(parent), platform_(platform), variant_(variant) {
    setObjectName("frmAbout");
    const bool rainprob = variant == AboutVariant::Rainprob;
    const std::string title = rainprob ? "rainprob" : "flowcalc";
    const int major = kVersionMajor, minor = kVersionMinor, patch = kVersionPatch;
    const QFont font = MakeFont(kGothic, 10);
    setFont(font);

    auto label = [&](const char* name, const std::string& text) {
        // The texts keep their classic CR line breaks; the label shows them as new lines.
        auto* l = new QLabel(MessageText(text), this);
        l->setObjectName(name);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(ProgramIcon(variant));
    picIcon->setFixedSize(32, 32);

    if (rainprob) {
        setWindowTitle(Q(title + "のﾊﾞｰｼﾞｮﾝ情報"));
        lblTitle = label("lblTitle", "プログラム名  rainprob.exe ");
        lblVersion = label("lblVersion",
                           "バージョン     " + Num(major) + "." + Num(minor) + "." + Num(patch));
        lblDescription = label("lblDescription",
                               "年降水量データから非超過確率を計算・解析して"
                               "画面とプリンタに出力・印刷するプログラムです");
        Label1 = label("Label1", "このプログラムについての照会先");
        Label2 = label("Label2", kMaintainer);
    } else {
        setWindowTitle(Q(title + "のバージョン情報"));
        lblTitle = label("lblTitle", "アプリケーションタイトル  " + title);
        lblVersion =
            label("lblVersion", "バージョン " + Num(major) + ". " + Num(minor) + ". " + Num(patch));
        lblDescription =
            label("lblDescription",
                  "アプリケーションの説明\rマニング式を用いて河川などの流量を計算します");
        lblDisclaimer = label("lblDisclaimer",
                              std::string("このアプリケーションについての照会先\r") + kMaintainer);
    }
    lblDescription->setWordWrap(true);
    QFont big = font;
    big.setPointSizeF(12);
    big.setBold(true);
    lblTitle->setFont(big);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton("ｼｽﾃﾑ情報(&S)...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    texts->addSpacing(10);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    texts->addWidget(rule);
    if (Label1) {
        texts->addWidget(Label1);
        texts->addWidget(Label2);
    }
    if (lblDisclaimer)
        texts->addWidget(lblDisclaimer);
    grid->addLayout(texts, 0, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 2);
    setMinimumWidth(520);
    adjustSize();
    CentreOnScreen(this);
}

void frmAbout::cmdOK_Click() {
    if (variant_ == AboutVariant::Flowcalc)
        platform_.Beep();
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(platform_, variant_ == AboutVariant::Rainprob ? "rainprob" : "flowcalc");
}

void ShowAboutWindow(QWidget* parent, PlatformServices& platform, AboutVariant variant) {
    auto* w = new frmAbout(parent, platform, variant);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
}

}  // namespace hc
