#include "rainprob/ui/about_texts.h"
#include "common/core/language.h"

#include <QPainter>
#include <QPainterPath>
#include <string>

namespace rain {

namespace {

// A rain drop over a probability line.
void DrawIcon(QPainter& p) {
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
}

}  // namespace

hc::AboutTexts RainprobAbout() {
    const std::string program = "rainprob";
    hc::AboutTexts t;
    t.caption = hc::TS("%1のﾊﾞｰｼﾞｮﾝ情報", {program});
    t.title = hc::TS("プログラム名  rainprob.exe ");
    const hc::VersionNumbers v = hc::SuiteVersion();
    t.version = hc::TS(
        "バージョン     %1",
        {std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.patch)});
    t.description = hc::TS(
        "年降水量データから非超過確率を計算・解析して"
        "画面とプリンタに出力・印刷するプログラムです");
    t.contact = {{"Label1", hc::TS("このプログラムについての照会先")},
                 {"Label2", hc::kSuiteContact}};
    t.drawIcon = DrawIcon;
    t.messageTitle = program;
    return t;
}

}  // namespace rain
