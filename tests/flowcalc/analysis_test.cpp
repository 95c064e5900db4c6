// The main window beyond its basic flows: every refused section file named in Japanese on the
// status line, minimum window sizes, the sub-channels' Froude numbers, and the analysis menu's
// rating table and normal depth.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>

#include "common/core/numbers.h"
#include "flowcalc/core/energy_chart.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/core/rating_chart.h"
#include "flowcalc/ui/analysis_windows.h"
#include "tests/flowcalc/window_fixture.h"

namespace {

using flowtest::Box;
using flowtest::Child;
using flowtest::Click;
using flowtest::FlowWindow;
using flowtest::FlushEvents;
using flowtest::Window;

const std::string kV = "3\n0 10\n5 0\n10 10\n";

class FlowcalcAnalysis : public FlowWindow {
  protected:
    // Opens a section and computes it at this depth and slope through the settings windows.
    void OpenAndCompute(const std::string& text, const char* depth, const char* slope = "100") {
        FinishSplash();
        platform.openAnswers.push_back(TempFile("v.txt", text));
        Item("mnuFileOpenItem")->trigger();
        Click(Window("Form2"), "Command1");
        QWidget* f3 = Window("Form3");
        ASSERT_NE(f3, nullptr);
        Box(f3, "Text2")->setText(slope);
        Box(f3, "Text3")->setText(depth);
        Click(f3, "Command1");
        ASSERT_TRUE(form->App().Last().has_value());
    }
    QString Status() { return form->statusBar()->currentMessage(); }
};

TEST_F(FlowcalcAnalysis, EveryRefusedFileIsNamedInJapaneseWithItsLine) {
    FinishSplash();
    struct Case {
        const char* name;
        const char* text;   // nullptr: no such file; "/": a folder
        const char* place;  // after "path: " (the line looked at); empty: the system's reason
    };
    const Case cases[] = {
        {"missing.txt", nullptr, ""},
        {"folder", "/", "フォルダです"},
        {"empty.txt", "", "1 行目: ファイルが空です"},
        {"zero.txt", "0\n", "1 行目: 点の数 0 が 1..256 の範囲外です"},
        {"many.txt", "257\n", "1 行目: 点の数 257 が 1..256 の範囲外です"},
        {"count.txt", "abc\n", "1 行目: 「abc」は数値ではありません"},
        {"short.txt", "3\n0 10\n5 0\n", "4 行目: 3 点のうち 2 点でファイルが終わっています"},
        {"half.txt", "3\n0 10\n5 0\n10\n", "5 行目: 点 3 は距離だけで標高がありません"},
        {"item.txt", "3\n0 10\n5 <0.1\n10 10\n", "3 行目: 「<0.1」は数値ではありません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.filePath(c.name).toStdString();
        if (c.text && std::string(c.text) == "/")
            QDir().mkpath(QString::fromStdString(path));
        else if (c.text)
            TempFile(c.name, c.text);
        platform.messages.clear();
        platform.openAnswers.push_back(path);
        Item("mnuFileOpenItem")->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, flow::text::kLoadFailed);
        const std::string prefix = "読み込めませんでした: " + path + ": ";
        const std::string status = Status().toStdString();
        ASSERT_EQ(status.rfind(prefix, 0), 0u) << status;
        const std::string reason = status.substr(prefix.size());
        if (*c.place) {
            EXPECT_EQ(reason, c.place);
        }
        // Japanese throughout: no English word outside the file's name and the item quoted.
        EXPECT_FALSE(QString::fromStdString(reason).remove("abc").contains(
            QRegularExpression("[A-Za-z]{2,}")))
            << reason;
    }
}

TEST_F(FlowcalcAnalysis, MinimumSizesKeepBoxesApart) {
    OpenAndCompute(kV, "5");
    // Leaf widgets a user reads; none overlaps another in the window.
    auto apart = [](QWidget* w) {
        QList<QWidget*> leaves;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisible() ||
                !(qobject_cast<QLineEdit*>(c) || qobject_cast<QLabel*>(c) ||
                  qobject_cast<QPushButton*>(c) || qobject_cast<QTableWidget*>(c) ||
                  qobject_cast<hc::PictureBox*>(c)))
                continue;
            bool inner = false;  // the table's own editors and headers
            for (QWidget* p = c->parentWidget(); p && p != w; p = p->parentWidget())
                inner = inner || qobject_cast<QAbstractScrollArea*>(p);
            if (!inner)
                leaves << c;
        }
        EXPECT_GT(leaves.size(), 3) << w->objectName().toStdString();
        for (int i = 0; i < leaves.size(); ++i) {
            QRect a(leaves[i]->mapTo(w, QPoint(0, 0)), leaves[i]->size());
            EXPECT_TRUE(w->rect().contains(a)) << leaves[i]->objectName().toStdString();
            for (int j = i + 1; j < leaves.size(); ++j) {
                QRect b(leaves[j]->mapTo(w, QPoint(0, 0)), leaves[j]->size());
                EXPECT_FALSE(a.intersects(b)) << w->objectName().toStdString() << ": "
                                              << leaves[i]->objectName().toStdString() << " / "
                                              << leaves[j]->objectName().toStdString();
            }
        }
    };
    form->resize(400, 300);
    FlushEvents();
    EXPECT_GE(form->width(), form->minimumWidth());
    EXPECT_GT(form->minimumWidth(), 400);
    apart(form->findChild<QWidget*>("Panel")->parentWidget());
    Item("mnuSettingScaleItem")->trigger();
    Item("mnuSettingParamItem")->trigger();
    Item("mnuAnalysisDepthItem")->trigger();
    for (const char* name : {"Form2", "Form3", "FormNormalDepth"}) {
        QWidget* w = Window(name);
        ASSERT_NE(w, nullptr) << name;
        w->resize(120, 60);
        FlushEvents();
        apart(w);
    }
}

TEST_F(FlowcalcAnalysis, FroudeNumberAndRegimeOfEachSubChannel) {
    // The V notch at 5 m: V = 3.59072 m/s, A = 12.5 m2, B = 5 m, so the hydraulic depth is
    // 2.5 m and Fr = 3.59072 / sqrt(9.80665 x 2.5) = 0.725: subcritical. At a slope of 1/10
    // the velocity grows by sqrt(10), Fr = 2.293: supercritical.
    struct Case {
        const char* slope;
        const char* froude;
        const char* regime;
    };
    OpenAndCompute(kV, "5");
    for (const Case& c : {Case{"100", "0.725", "常流"}, Case{"10", "2.293", "射流"}}) {
        Item("mnuSettingParamItem")->trigger();
        QWidget* f3 = Window("Form3");
        Box(f3, "Text2")->setText(c.slope);
        Click(f3, "Command1");
        auto* table = form->findChild<QTableWidget*>("FroudeTable");
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 0)->text(), "1");
        EXPECT_EQ(table->item(0, 1)->text(), c.froude);
        EXPECT_EQ(table->item(0, 2)->text(), QString::fromUtf8(c.regime));
    }
    // Not on the printed sheet.
    Item("mnuFilePrintItem")->trigger();
    for (const hc::DrawOp& t : platform.printer.OpsOf(hc::DrawOp::Kind::Text))
        EXPECT_EQ(t.text.find("射流"), std::string::npos);
    // The job is named after the sheet's heading and the section file.
    EXPECT_EQ(platform.printJobNames.back(), "マニング式による河川流量解析結果 - v.txt");
}

TEST_F(FlowcalcAnalysis, RatingTableChartCsvAndSheet) {
    FinishSplash();
    EXPECT_FALSE(form->findChild<QMenu*>("mnuAnalysis")->menuAction()->isEnabled());
    OpenAndCompute(kV, "5");
    EXPECT_TRUE(form->findChild<QMenu*>("mnuAnalysis")->menuAction()->isEnabled());
    Item("mnuAnalysisRatingItem")->trigger();
    auto* w = Window<flow::RatingWindow>("FormRating");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Box(w, "TextStep")->text(), "0.1");
    // Bed 0 to the bank tops at 10 m in steps of 0.1: 101 stages; at 5 m the row of the window.
    auto* table = w->findChild<QTableWidget*>("RatingTable");
    ASSERT_EQ(table->rowCount(), 101);
    EXPECT_EQ(table->item(50, 0)->text(), "5.000");
    EXPECT_EQ(table->item(50, 2)->text(), "12.500");
    EXPECT_EQ(table->item(50, 7)->text(), "44.884");
    // A step of 2.5 m: 5 stages; a refused step keeps the table.
    Box(w, "TextStep")->setText("2.5");
    Click(w, "Command1");
    EXPECT_EQ(table->rowCount(), 5);
    Box(w, "TextStep")->setText("0");
    Click(w, "Command1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, flow::text::kStepInvalid);
    EXPECT_EQ(table->rowCount(), 5);
    // The table as CSV: a header and five stages, then the parameters.
    Child<QAction>(w, "mnuFileCopyTableItem")->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_GT(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith("water depth (m),water level (m),area (m2)"));
    EXPECT_TRUE(lines[3].startsWith("5,5,12.5,"));
    // One A4 landscape sheet through the print run.
    Child<QAction>(w, "mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.printer.TextsEqual(flow::kRatingSheetTitle).size(), 1u);
    EXPECT_EQ(platform.printer.GetOrientation(), hc::Orientation::Landscape);
    EXPECT_EQ(platform.printer.OpsOf(hc::DrawOp::Kind::EndDoc).size(), 1u);
    EXPECT_EQ(platform.printJobNames.back(), "水位流量曲線 - v.txt");
}

TEST_F(FlowcalcAnalysis, RatingWindowTitleNamesTheSectionOfItsTable) {
    OpenAndCompute(kV, "5");
    const std::string first = form->App().Section().DataPath;
    Item("mnuAnalysisRatingItem")->trigger();
    auto* w = Window<flow::RatingWindow>("FormRating");
    ASSERT_NE(w, nullptr);
    auto names = [&](const std::string& path) {
        return w->windowTitle().contains(QString::fromStdString(path) + " >");
    };
    EXPECT_TRUE(names(first)) << w->windowTitle().toStdString();
    // Another section loaded and computed: the table shown is still the first one's.
    const std::string second = TempFile("w.txt", "3\n0 4\n2 0\n4 4\n");
    platform.openAnswers.push_back(second);
    Item("mnuFileOpenItem")->trigger();
    Click(Window("Form2"), "Command1");
    Click(Window("Form3"), "Command1");
    ASSERT_EQ(form->App().Last()->Section.DataPath, second);
    EXPECT_TRUE(names(first)) << w->windowTitle().toStdString();
    // Computed again: the table and the title are the second section's.
    Click(w, "Command1");
    auto* table = w->findChild<QTableWidget*>("RatingTable");
    EXPECT_EQ(table->rowCount(), 41);  // bed 0 to the bank tops at 4 m by 0.1 m
    EXPECT_TRUE(names(second)) << w->windowTitle().toStdString();
}

TEST_F(FlowcalcAnalysis, NormalDepthBecomesTheWaterLevelOfTheChart) {
    OpenAndCompute(kV, "1");
    Item("mnuAnalysisDepthItem")->trigger();
    QWidget* w = Window("FormNormalDepth");
    ASSERT_NE(w, nullptr);
    // The discharge of the V notch at 5 m gives back 5 m.
    Box(w, "Text1")->setText("44.8840560423309");
    Click(w, "Command1");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w->findChild<QLabel*>("LabelDepth")->text(), "5.000");
    EXPECT_EQ(w->findChild<QLabel*>("LabelLevel")->text(), "5.000");
    EXPECT_NEAR(form->App().Last()->Result.WaterLevel, 5, 1e-6);
    EXPECT_NEAR(hc::TextToDouble(Panel(7).toStdString()), 5, 1e-6);
    EXPECT_NEAR(hc::TextToDouble(Panel(8).toStdString()), 44.884, 1e-3);
    // Beyond bank-full (the notch is full at 10 m): the message names what it can carry; the
    // depth in force stays.
    Box(w, "Text1")->setText("1000");
    Click(w, "Command1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind(flow::text::kAboveBankFull, 0), 0u);
    EXPECT_NE(platform.messages[0].text.find(flow::text::kAboveBankFullUnit), std::string::npos);
    EXPECT_NEAR(form->App().Parameters().Depth, 5, 1e-6);
}

}  // namespace

namespace {

// A main channel 5 m wide and 2 m deep between floodplains 50 m wide.
const std::string kCompound = "8\n0 5\n0 2\n50 2\n50 0\n55 0\n55 2\n105 2\n105 5\n";

TEST_F(FlowcalcAnalysis, MethodBanksUnitsAndTheSpecificEnergyWindow) {
    OpenAndCompute(kCompound, "1", "1000");
    // The analysis menu's choices: subdivided by default, the two methods exclusive, and no
    // mnemonic twice in the menu.
    EXPECT_TRUE(Item("mnuAnalysisSubdividedItem")->isChecked());
    Item("mnuAnalysisPartsItem")->trigger();
    EXPECT_FALSE(Item("mnuAnalysisSubdividedItem")->isChecked());
    EXPECT_EQ(form->App().Parameters().Method, flow::ConveyanceMethod::Parts);
    Item("mnuAnalysisSubdividedItem")->trigger();
    EXPECT_EQ(form->App().Parameters().Method, flow::ConveyanceMethod::Subdivided);
    QStringList keys;
    for (QAction* a : form->findChild<QMenu*>("mnuAnalysis")->actions()) {
        const QRegularExpressionMatch m = QRegularExpression("&(.)").match(a->text());
        if (m.hasMatch()) {
            EXPECT_FALSE(keys.contains(m.captured(1).toUpper())) << a->text().toStdString();
            keys << m.captured(1).toUpper();
        }
    }
    EXPECT_EQ(keys.size(), 5);
    // Bank stations: the right before the left is refused and changes nothing.
    Item("mnuAnalysisBanksItem")->trigger();
    QWidget* banks = Window("FormBanks");
    ASSERT_NE(banks, nullptr);
    Box(banks, "Text1")->setText("55");
    Box(banks, "Text2")->setText("50");
    Click(banks, "Command1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, flow::text::kBanksInvalid);
    EXPECT_FALSE(form->App().Parameters().Banks.Set);
    Box(banks, "Text1")->setText("50");
    Box(banks, "Text2")->setText("55");
    Click(banks, "Command1");
    EXPECT_TRUE(form->App().Parameters().Banks.Set);
    EXPECT_EQ(form->App().Parameters().Banks.Right, 55);
    // The specific energy for 30 m3/s has two minima: in the main channel and just above the
    // floodplains; both named on the window and on the sheet.
    Item("mnuAnalysisEnergyItem")->trigger();
    auto* w = Window<flow::EnergyWindow>("FormEnergy");
    ASSERT_NE(w, nullptr);
    Box(w, "TextDischarge")->setText("30");
    Click(w, "Command1");
    ASSERT_TRUE(w->Curve().has_value());
    ASSERT_EQ(w->Curve()->Critical.size(), 2u);
    const QString critical = w->findChild<QLabel*>("LabelCritical")->text();
    EXPECT_TRUE(critical.startsWith(QString::fromUtf8("限界水深 1.543 ｍ")))
        << critical.toStdString();
    EXPECT_TRUE(critical.contains(QString::fromUtf8("極小が 2 つ"))) << critical.toStdString();
    Child<QAction>(w, "mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.printer.TextsEqual(flow::kEnergySheetTitle).size(), 1u);
    EXPECT_EQ(platform.printer.OpsOf(hc::DrawOp::Kind::EndDoc).size(), 1u);
    // A discharge that is none is refused; the curve shown stays.
    Box(w, "TextDischarge")->setText("-1");
    Click(w, "Command1");
    EXPECT_EQ(platform.messages.back().text, flow::text::kDischargeInvalid);
    EXPECT_EQ(w->Curve()->Discharge, 30);
    // US units: the headers name feet.
    Item("mnuAnalysisUsUnitsItem")->trigger();
    Click(w, "Command1");
    Box(w, "TextDischarge")->setText("30");
    Click(w, "Command1");
    auto* table = w->findChild<QTableWidget*>("EnergyTable");
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QString::fromUtf8("水深 (ft)"));
}

}  // namespace
