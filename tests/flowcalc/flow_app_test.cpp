// flowcalc's application layer without windows: the entry rules at their limits, loading into
// the application, and the settings requests in every state the windows reach them in.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>

#include "flowcalc/core/flow_app.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/core/section_edit.h"
#include "tests/flowcalc/sections.h"

namespace {

using flow::Setting;

// The window's message box text of a refusal, or "" when the entry passes.
std::string Message(const hc::Status& s) {
    return s ? "" : s.error().ja;
}
template <class T>
std::string Message(const hc::Result<T>& r) {
    return r ? "" : r.error().ja;
}

TEST(FlowcalcRules, EachLimitAtItsEdge) {
    const std::string scale = flow::text::kScaleInvalid;
    const std::string roughness = flow::text::kRoughnessInvalid;
    const std::string slope = flow::text::kSlopeInvalid;
    const std::string depth = flow::text::kDepthInvalid;
    struct Case {
        const char* name;
        hc::Status status;
        std::string message;
    };
    const Case cases[] = {
        {"scale 1", flow::CheckScales({1, 100}), scale},
        {"vertical scale 1", flow::CheckScales({100, 1}), scale},
        {"scales 2", flow::CheckScales({2, 2}), ""},
        {"roughness 0.000999", flow::CheckRoughness(0.000999), roughness},
        {"roughness 0.001", flow::CheckRoughness(0.001), ""},
        // Unusual, and outside the usual range the message names, but accepted.
        {"roughness 0.5", flow::CheckRoughness(0.5), ""},
        {"roughness 1", flow::CheckRoughness(1), ""},
        {"roughness 1.0001", flow::CheckRoughness(1.0001), roughness},
        {"slope 1/0", flow::CheckSlope(0), slope},
        {"slope 1/-5", flow::CheckSlope(-5), slope},
        {"slope 1/1", flow::CheckSlope(1), ""},
        {"depth 0.0099", flow::CheckDepth(0.0099), depth},
        {"depth 0.01", flow::CheckDepth(0.01), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Message(c.status), c.message);
        if (!c.status) {
            EXPECT_EQ(c.status.error().kind, hc::ErrorKind::BadValue);
            EXPECT_FALSE(c.status.error().en.empty());
        }
    }
    // The English reasons name the limits.
    EXPECT_EQ(flow::Refusal(Setting::Roughness).en,
              "the roughness must lie between 0.001 and 1 (usually 0.01 to 0.1)");
    EXPECT_EQ(flow::Refusal(Setting::Depth).en, "the water depth must be at least 0.01 m");
}

TEST(FlowcalcRules, RangeAgainstTheSection) {
    // Points at 2, 5 and 10 m: the range may start before the first point, but must end by the
    // last one and run left to right.
    flow::CrossSection s = flowtest::Section({{2, 10}, {5, 0}, {10, 10}});
    const std::string range = flow::text::kRangeInvalid;
    EXPECT_EQ(Message(flow::CheckRange(s, {-3, 9})), "");
    EXPECT_EQ(Message(flow::CheckRange(s, {2, 10})), "");
    EXPECT_EQ(Message(flow::CheckRange(s, {2, 10.001})), range);
    EXPECT_EQ(Message(flow::CheckRange(s, {6, 6})), range);
    EXPECT_EQ(Message(flow::CheckRange(s, {7, 6})), range);
    EXPECT_EQ(Message(flow::CheckRange(flow::CrossSection{}, {0, 1})), range);  // nothing loaded
}

TEST(FlowcalcRules, EntriesAsTyped) {
    // Whole numbers round half to even; anything but a number is refused as its setting.
    EXPECT_EQ(*flow::ReadWholeNumber(Setting::Slope, "100.6"), 101);
    EXPECT_EQ(*flow::ReadWholeNumber(Setting::Slope, "100.5"), 100);
    EXPECT_EQ(*flow::ReadNumber(Setting::Depth, " 2.5 "), 2.5);
    EXPECT_EQ(Message(flow::ReadNumber(Setting::Roughness, "0.03n")),
              flow::text::kRoughnessInvalid);
    EXPECT_EQ(Message(flow::ReadWholeNumber(Setting::Slope, "")), flow::text::kSlopeInvalid);
    EXPECT_EQ(Message(flow::ReadWholeNumber(Setting::Slope, "3e9")), flow::text::kSlopeInvalid);
    // The scale window's pairs: read, then checked.
    EXPECT_EQ(flow::ReadScales("500", "99.5")->VScale, 100);
    EXPECT_EQ(Message(flow::ReadScales("abc", "200")), flow::text::kScaleInvalid);
    EXPECT_EQ(Message(flow::ReadScales("100", "1.4")), flow::text::kScaleInvalid);
    flow::CrossSection s = flowtest::Section({{0, 10}, {5, 0}, {10, 10}});
    EXPECT_EQ(flow::ReadRange(s, "1", "9")->Right, 9);
    EXPECT_EQ(Message(flow::ReadRange(s, "1", "")), flow::text::kRangeInvalid);
    EXPECT_EQ(Message(flow::ReadRange(s, "1", "10.5")), flow::text::kRangeInvalid);
}

TEST(FlowcalcRules, UsableParameters) {
    flow::CrossSection s = flowtest::Section({{0, 10}, {5, 0}, {10, 10}});
    EXPECT_TRUE(flow::ParametersUsable(flowtest::Params(s, 0.03, 100, 0.01)));
    EXPECT_FALSE(flow::ParametersUsable(flowtest::Params(s, 0.03, 100, 0.009)));
    EXPECT_FALSE(flow::ParametersUsable(flowtest::Params(s, 0, 100, 1)));
    EXPECT_FALSE(flow::ParametersUsable(flowtest::Params(s, 0.03, 0, 1)));
    // Cancel computes with a roughness the window would refuse, as long as it is above 0.
    EXPECT_TRUE(flow::ParametersUsable(flowtest::Params(s, 5, 1, 1)));
    EXPECT_FALSE(flow::RoughnessAndSlopeUsable(flowtest::Params(s, INFINITY, 1, 1)));
}

class FlowcalcApp : public ::testing::Test {
  protected:
    std::string File(const char* name, const std::string& text) {
        std::string path = dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // A file loaded and both windows confirmed: scales and range as proposed, n 0.03, 1/100,
    // the given depth, computed.
    void LoadAndCompute(const std::string& path, double depth) {
        ASSERT_TRUE(app.Load(path));
        ASSERT_TRUE(app.SetScales({app.Scales().HScale, app.Scales().VScale},
                                  {app.Parameters().RangeLeft, app.Parameters().RangeRight}));
        app.StoreParameters(0.03, 100, depth);
        app.Compute();
    }

    QTemporaryDir dir;
    flow::FlowApp app{"/start", "\r\nhelp"};
};

TEST_F(FlowcalcApp, StartsWithNothingSetAndTheDefaultPrintWidths) {
    EXPECT_EQ(app.StartDir(), "/start");
    EXPECT_EQ(app.HelpText(), "\r\nhelp");
    EXPECT_FALSE(app.HasScales());
    EXPECT_FALSE(app.Last().has_value());
    EXPECT_EQ(app.Section().PointCount, 0);
    EXPECT_EQ(app.PrintWidth(flow::PrintLine::Frame), 2);
    EXPECT_EQ(app.PrintWidth(flow::PrintLine::Section), 3);
    EXPECT_EQ(app.PrintWidth(flow::PrintLine::Water), 2);
    // Before any file the scale window's cancel does nothing, and the parameter window's
    // cancel refuses.
    EXPECT_EQ(app.CancelScales(), flow::FollowUp::Nothing);
    EXPECT_EQ(Message(app.CancelParameters()), flow::text::kParametersUnusable);
}

TEST_F(FlowcalcApp, LoadSetsRangeAndDepthAndARefusedFileKeepsTheSection) {
    app.StoreParameters(0.04, 200, 2);
    ASSERT_TRUE(app.Load(File("s.txt", "3\n1 10\n5 0\n12 10\n")));
    EXPECT_TRUE(app.HasScales());
    EXPECT_EQ(app.Scales().HScale, 100);
    EXPECT_DOUBLE_EQ(app.Parameters().RangeLeft, 1);
    EXPECT_DOUBLE_EQ(app.Parameters().RangeRight, 12);
    EXPECT_EQ(app.Parameters().Depth, 0);
    EXPECT_DOUBLE_EQ(app.Parameters().Roughness, 0.04);  // kept for the next file
    EXPECT_EQ(app.Parameters().SlopeDenominator, 200);
    app.StoreParameters(0.04, 200, 2);
    app.Compute();

    const std::string bad = File("bad.txt", "300\n");
    hc::Status refused = app.Load(bad);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, hc::ErrorKind::BadCount);
    EXPECT_EQ(refused.error().file, bad);
    EXPECT_EQ(refused.error().line, 1);
    EXPECT_FALSE(app.HasScales());
    EXPECT_EQ(app.Scales().VScale, 0);
    EXPECT_EQ(app.Parameters().Depth, 0);
    EXPECT_EQ(app.Section().PointCount, 3);  // the previous section is whole
    EXPECT_DOUBLE_EQ(app.Section().X(3), 12);
    // The last computation (what the printout shows) stays.
    ASSERT_TRUE(app.Last().has_value());
    EXPECT_EQ(app.Last()->Scales.HScale, 100);
    EXPECT_EQ(app.Last()->Parameters.Depth, 2);
    EXPECT_EQ(app.Load(dir.filePath("none.txt").toStdString()).error().kind,
              hc::ErrorKind::CannotRead);
}

TEST_F(FlowcalcApp, ScaleRequestsBeforeAndAfterADepthIsSet) {
    ASSERT_TRUE(app.Load(File("v.txt", "3\n0 10\n5 0\n10 10\n")));
    // A fresh file has no depth: confirming leads on to the parameter window, cancelling
    // leads nowhere.
    EXPECT_EQ(app.CancelScales(), flow::FollowUp::Nothing);
    hc::Result<flow::FollowUp> next = app.SetScales({500, 100}, {1, 9});
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, flow::FollowUp::AskParameters);
    EXPECT_EQ(app.Scales().HScale, 500);
    EXPECT_DOUBLE_EQ(app.Parameters().RangeLeft, 1);
    // Refused scales or range change nothing.
    EXPECT_EQ(Message(app.SetScales({1, 100}, {0, 10})), flow::text::kScaleInvalid);
    EXPECT_EQ(Message(app.SetScales({200, 100}, {0, 11})), flow::text::kRangeInvalid);
    EXPECT_EQ(app.Scales().HScale, 500);
    EXPECT_DOUBLE_EQ(app.Parameters().RangeRight, 9);
    // With a depth the scale window recomputes, on either button.
    app.StoreParameters(0.03, 100, 0.01);
    EXPECT_EQ(*app.SetScales({100, 200}, {0, 10}), flow::FollowUp::Compute);
    EXPECT_EQ(app.CancelScales(), flow::FollowUp::Compute);
}

TEST_F(FlowcalcApp, ParameterDefaultsFillOnlyValuesStillZero) {
    ASSERT_TRUE(app.Load(File("v.txt", "3\n0 10\n5 0\n10 10\n")));
    const flow::FlowParameters& first = app.ProposeParameters();
    EXPECT_DOUBLE_EQ(first.Roughness, 0.03);
    EXPECT_EQ(first.SlopeDenominator, 100);
    EXPECT_DOUBLE_EQ(first.Depth, 1.0);
    // The proposal is in force: cancelling computes with it.
    EXPECT_TRUE(app.CancelParameters());
    app.StoreParameters(0.05, 300, 2);
    ASSERT_TRUE(app.Load(File("w.txt", "3\n0 4\n20 0\n40 4\n")));
    const flow::FlowParameters& again = app.ProposeParameters();
    EXPECT_DOUBLE_EQ(again.Roughness, 0.05);
    EXPECT_EQ(again.SlopeDenominator, 300);
    EXPECT_DOUBLE_EQ(again.Depth, 1.0);  // each new file proposes 1 m
    // A refused depth is stored: cancel then refuses, and the next opening proposes 1 m only
    // for a depth of 0.
    app.StoreParameters(0.05, 300, 0.005);
    EXPECT_EQ(Message(app.CancelParameters()), flow::text::kParametersUnusable);
    EXPECT_DOUBLE_EQ(app.ProposeParameters().Depth, 0.005);
}

TEST_F(FlowcalcApp, ComputeKeepsWhatItUsedForThePrintout) {
    LoadAndCompute(File("v.txt", "3\n0 10\n5 0\n10 10\n"), 5);
    ASSERT_TRUE(app.Last().has_value());
    const flow::Computation& c = *app.Last();
    EXPECT_EQ(c.Section.DataPath, dir.filePath("v.txt").toStdString());
    EXPECT_EQ(c.Scales.VScale, 200);
    EXPECT_NEAR(c.Result.TotalDischarge, 44.884, 1e-3);  // the V notch at 5 m, by hand
    // Changing settings afterwards leaves the last computation as it was until the next one.
    ASSERT_TRUE(app.SetScales({500, 100}, {0, 10}));
    EXPECT_EQ(app.Last()->Scales.HScale, 100);
    EXPECT_EQ(app.Compute().Scales.HScale, 500);
}

TEST_F(FlowcalcApp, PrintWidthsOneToFive) {
    for (int w : {0, 6}) {
        hc::Status refused = app.SetPrintWidth(flow::PrintLine::Water, w);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error().en, "each width is 1 to 5");
    }
    EXPECT_EQ(app.PrintWidth(flow::PrintLine::Water), 2);
    ASSERT_TRUE(app.SetPrintWidth(flow::PrintLine::Water, 5));
    ASSERT_TRUE(app.SetPrintWidth(flow::PrintLine::Frame, 1));
    EXPECT_EQ(app.Widths().Water, 5);
    EXPECT_EQ(app.Widths().Frame, 1);
    EXPECT_EQ(app.Widths().Section, 3);
}

TEST(FlowcalcGridRows, TakenWhileFilledAndNotNegative) {
    using Cells = std::vector<std::pair<std::string, std::string>>;
    flow::GridRows r = flow::ReadGridRows(
        Cells{{"0", "10"}, {"2", "8"}, {"4", "7"}, {"6", "8"}, {"-1", "9"}, {"8", "10"}});
    EXPECT_EQ(r.X, (std::vector<double>{0, 2, 4, 6}));
    EXPECT_EQ(r.Y, (std::vector<double>{10, 8, 7, 8}));
    EXPECT_EQ(r.End, flow::GridEnd::NegativeDistance);
    EXPECT_EQ(r.EndRow, 5);
    struct Case {
        Cells cells;
        std::size_t taken;
        flow::GridEnd end;
        int row;
    };
    for (const Case& c : {
             // A half-filled row is refused, not taken as the end.
             Case{{{"0", "10"}, {"2", ""}, {"4", "7"}}, 1, flow::GridEnd::ElevationMissing, 2},
             Case{{{"0", "10"}, {"", "8"}}, 1, flow::GridEnd::DistanceMissing, 2},
             // An empty row ends the rows only when nothing is typed below it.
             Case{{{"0", "10"}, {"", ""}, {"", ""}}, 1, flow::GridEnd::EmptyCell, 2},
             Case{{{"0", "10"}, {"", ""}, {"", ""}, {"", "3"}},
                  1,
                  flow::GridEnd::FilledAfterEmptyRow,
                  2},
             // The end marker needs no elevation.
             Case{{{"0", "10"}, {"-1", ""}, {"4", "7"}}, 1, flow::GridEnd::NegativeDistance, 2},
             Case{{{"0", "10"}, {"2", "x8"}, {"4", "7"}}, 1, flow::GridEnd::ElevationNotANumber, 2},
             Case{{{"0", "10"}, {"2", "8"}, {"4,5", "7"}}, 2, flow::GridEnd::DistanceNotANumber, 3},
             // A negative distance ends the rows before its elevation is read.
             Case{{{"-1", "x"}}, 0, flow::GridEnd::NegativeDistance, 1},
             Case{{{"0", "10"}, {"2", "8"}}, 2, flow::GridEnd::LastRow, 0},
         }) {
        flow::GridRows got = flow::ReadGridRows(c.cells);
        EXPECT_EQ(got.X.size(), c.taken);
        EXPECT_EQ(got.End, c.end);
        EXPECT_EQ(got.EndRow, c.row);
    }
}

TEST(FlowcalcGridRows, RefusalsNameTheirRow) {
    using Cells = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        Cells cells;
        std::string text;
    };
    for (const Case& c : {
             Case{{{"0", "10"}, {"1", "9"}, {"2", "8"}, {"3", "7"}, {"4", ""}},
                  "5 行目: 標高が入力されていません"},
             Case{{{"", "10"}}, "1 行目: 距離が入力されていません"},
             Case{{{"0", "10"}, {"", ""}, {"", ""}, {"", "3"}},
                  "2 行目: 空の行です。後の 4 行目にもデータがあります"},
             Case{{{"0", "1O"}}, "1 行目: 「1O」は数値ではありません"},
         }) {
        flow::GridRows got = flow::ReadGridRows(c.cells);
        EXPECT_TRUE(got.Refused());
        EXPECT_EQ(flow::GridRefusalText(got, "1O"), c.text);
    }
    EXPECT_FALSE(flow::ReadGridRows(Cells{{"0", "1"}, {"", ""}}).Refused());
}

}  // namespace
