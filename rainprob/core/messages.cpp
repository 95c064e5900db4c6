#include "rainprob/core/messages.h"

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
    {PlottingPosition::Hazen, "ハーゼン  (i－0.5)/n  (&H)", "ハーゼン"},
    {PlottingPosition::Weibull, "ワイブル  i/(n＋1)  (&W)", "ワイブル"},
    {PlottingPosition::Cunnane, "カナン  (i－0.4)/(n＋0.2)  (&C)", "カナン"},
    {PlottingPosition::Gringorten, "グリンゴーテン  (i－0.44)/(n＋0.12)  (&G)", "グリンゴーテン"},
    {PlottingPosition::Blom, "ブロム  (i－0.375)/(n＋0.25)  (&B)", "ブロム"}};

struct DistributionText {
    Distribution id;
    const char* caption;
    const char* label;
};
constexpr DistributionText kDistributionTexts[] = {
    {Distribution::Normal, "正規分布(&N)", "正規分布"},
    {Distribution::LogNormal, "対数正規分布(&L)", "対数正規分布"},
    {Distribution::GumbelMoments, "グンベル分布 (積率法)(&M)", "グンベル分布 (積率法)"},
    {Distribution::GumbelRegression, "グンベル分布 (回帰)(&G)", "グンベル分布 (回帰)"},
    {Distribution::GumbelLMoments, "グンベル分布 (L 積率法)(&U)", "グンベル分布 (L 積率法)"},
    {Distribution::LogNormal3, "3 母数対数正規分布 (L 積率法)(&3)", "3 母数対数正規分布"},
    {Distribution::Pearson3, "ピアソンⅢ型分布 (積率法)(&P)", "ピアソンⅢ型分布"},
    {Distribution::LogPearson3, "対数ピアソンⅢ型分布 (積率法)(&R)", "対数ピアソンⅢ型分布"},
    {Distribution::Gev, "一般化極値分布 (L 積率法)(&V)", "一般化極値分布"},
    {Distribution::GenLogistic, "一般化ロジスティック分布 (L 積率法)(&O)",
     "一般化ロジスティック分布"},
    {Distribution::SqrtEt, "平方根指数型最大値分布 SQRT-ET (最尤法)(&S)", "SQRT-ET"},
    {Distribution::Exponential, "指数分布 (L 積率法)(&X)", "指数分布"}};

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
    return e.Japanese();
}

std::string SaveRefused(const hc::Error& e) {
    return "保存できませんでした: " + e.Japanese();
}

std::string Saved(const std::string& path) {
    return "保存しました: " + path;
}

std::string FitRefused(const std::string& path, const hc::Error& e) {
    hc::Error named = e;
    if (named.file.empty())
        named.file = path;
    return named.Japanese();
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
            return "回帰";
        case Distribution::GumbelMoments:
        case Distribution::Pearson3:
        case Distribution::LogPearson3:
            return "積率法";
        case Distribution::SqrtEt:
            return "最尤法";
        default:
            return "L 積率法";
    }
}

std::string FitHeading(PlottingPosition p, Distribution d) {
    return std::string("分布：") + DistributionLabel(d) + "　プロット位置：" + PositionLabel(p);
}

std::string FitQuality(const DistributionFit& fit) {
    const std::string ppcc = fit.ppcc ? hc::FixedDecimals(*fit.ppcc, 4) : "－";
    const std::string se =
        fit.standardError ? hc::FixedDecimals(*fit.standardError, 1) + " mm" : "－";
    std::string line = "確率プロット相関係数：" + ppcc + "　標準誤差：" + se;
    if (fit.slsc)
        line += "　SLSC：" + hc::FixedDecimals(*fit.slsc, 3);
    return line;
}

std::string JackknifeNote(int years, const std::optional<hc::Error>& refused) {
    if (refused)
        return "推定誤差なし：" + refused->ja;
    return "ジャックナイフ法：1 年ずつ除いた " + std::to_string(years) +
           " 通りの当てはめから（推定値はその平均、補正値は偏りを補正した値、推定誤差は標準誤差）";
}

std::string FitTableHeading(PlottingPosition p) {
    return std::string("プロット位置：") + PositionLabel(p) + "　SLSC が " +
           hc::FixedDecimals(kSlscAcceptance, 2) + " 以下の分布を適合とします";
}

}  // namespace rain::text
