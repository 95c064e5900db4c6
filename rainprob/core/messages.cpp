#include "rainprob/core/messages.h"

#include "common/core/language.h"
#include "common/core/numbers.h"
#include "rainprob/core/fit_table.h"

namespace rain::text {

namespace {

struct PositionText {
    PlottingPosition id;
    const char* caption;
    const char* label;
};
constexpr PositionText kPositionTexts[] = {
    {PlottingPosition::Hazen, hc::N("ハーゼン  (i－0.5)/n  (&H)"), hc::N("ハーゼン")},
    {PlottingPosition::Weibull, hc::N("ワイブル  i/(n＋1)  (&W)"), hc::N("ワイブル")},
    {PlottingPosition::Cunnane, hc::N("カナン  (i－0.4)/(n＋0.2)  (&C)"), hc::N("カナン")},
    {PlottingPosition::Gringorten, hc::N("グリンゴーテン  (i－0.44)/(n＋0.12)  (&G)"),
     hc::N("グリンゴーテン")},
    {PlottingPosition::Blom, hc::N("ブロム  (i－0.375)/(n＋0.25)  (&B)"), hc::N("ブロム")}};

struct DistributionText {
    Distribution id;
    const char* caption;
    const char* label;
};
constexpr DistributionText kDistributionTexts[] = {
    {Distribution::Normal, hc::N("正規分布(&N)"), hc::N("正規分布")},
    {Distribution::LogNormal, hc::N("対数正規分布(&L)"), hc::N("対数正規分布")},
    {Distribution::GumbelMoments, hc::N("グンベル分布 (積率法)(&M)"),
     hc::N("グンベル分布 (積率法)")},
    {Distribution::GumbelRegression, hc::N("グンベル分布 (回帰)(&G)"),
     hc::N("グンベル分布 (回帰)")},
    {Distribution::GumbelLMoments, hc::N("グンベル分布 (L 積率法)(&U)"),
     hc::N("グンベル分布 (L 積率法)")},
    {Distribution::LogNormal3, hc::N("3 母数対数正規分布 (L 積率法)(&3)"),
     hc::N("3 母数対数正規分布")},
    {Distribution::Pearson3, hc::N("ピアソンⅢ型分布 (積率法)(&P)"), hc::N("ピアソンⅢ型分布")},
    {Distribution::LogPearson3, hc::N("対数ピアソンⅢ型分布 (積率法)(&R)"),
     hc::N("対数ピアソンⅢ型分布")},
    {Distribution::Gev, hc::N("一般化極値分布 (L 積率法)(&V)"), hc::N("一般化極値分布")},
    {Distribution::GenLogistic, hc::N("一般化ロジスティック分布 (L 積率法)(&O)"),
     hc::N("一般化ロジスティック分布")},
    {Distribution::SqrtEt, hc::N("平方根指数型最大値分布 SQRT-ET (最尤法)(&S)"), "SQRT-ET"},
    {Distribution::Exponential, hc::N("指数分布 (L 積率法)(&X)"), hc::N("指数分布")}};

const PositionText& Of(PlottingPosition p) {
    for (const PositionText& t : kPositionTexts)
        if (t.id == p)
            return t;
    return kPositionTexts[0];
}

const DistributionText& Of(Distribution d) {
    for (const DistributionText& t : kDistributionTexts)
        if (t.id == d)
            return t;
    return kDistributionTexts[0];
}

}  // namespace

std::string LoadRefused(const hc::Error& e) {
    return hc::Shown(e);
}

std::string SaveRefused(const hc::Error& e) {
    return hc::TS("保存できませんでした: ") + hc::Shown(e);
}

std::string Saved(const std::string& path) {
    return hc::TS("保存しました: ") + path;
}

std::string FitRefused(const std::string& path, const hc::Error& e) {
    hc::Error named = e;
    if (named.file.empty())
        named.file = path;
    return hc::Shown(named);
}

const char* PositionCaption(PlottingPosition p) {
    return Of(p).caption;
}

const char* DistributionCaption(Distribution d) {
    return Of(d).caption;
}

const char* PositionLabel(PlottingPosition p) {
    return Of(p).label;
}

const char* DistributionLabel(Distribution d) {
    return Of(d).label;
}

const char* MethodLabel(Distribution d) {
    switch (d) {
        case Distribution::Normal:
        case Distribution::LogNormal:
        case Distribution::GumbelRegression:
            return hc::N("回帰");
        case Distribution::GumbelMoments:
        case Distribution::Pearson3:
        case Distribution::LogPearson3:
            return hc::N("積率法");
        case Distribution::SqrtEt:
            return hc::N("最尤法");
        default:
            return hc::N("L 積率法");
    }
}

std::string FitHeading(PlottingPosition p, Distribution d) {
    return hc::TS("分布：%1　プロット位置：%2",
                  {hc::TS(DistributionLabel(d)), hc::TS(PositionLabel(p))});
}

std::string FitQuality(const DistributionFit& fit) {
    const std::string ppcc = fit.ppcc ? hc::FixedDecimals(*fit.ppcc, 4) : hc::N("－");
    const std::string se =
        fit.standardError ? hc::FixedDecimals(*fit.standardError, 1) + " mm" : hc::N("－");
    std::string line = hc::TS("確率プロット相関係数：%1　標準誤差：%2", {ppcc, se});
    if (fit.slsc)
        line += hc::TS("　SLSC：%1", {hc::FixedDecimals(*fit.slsc, 3)});
    return line;
}

std::string JackknifeNote(int years, const std::optional<hc::Error>& refused) {
    if (refused)
        return hc::TS("推定誤差なし：%1",
                      {hc::CurrentLanguage() == hc::Language::English ? refused->en : refused->ja});
    return hc::TS(
        "ジャックナイフ法：1 年ずつ除いた %1 通りの当てはめから（推定値はその平均、"
        "補正値は偏りを補正した値、推定誤差は標準誤差）",
        {std::to_string(years)});
}

std::string FitTableHeading(PlottingPosition p) {
    return hc::TS("プロット位置：%1　SLSC が %2 以下の分布を適合とします",
                  {hc::TS(PositionLabel(p)), hc::FixedDecimals(kSlscAcceptance, 2)});
}

}  // namespace rain::text
