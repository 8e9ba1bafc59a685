#include "boring/layer_proposal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "boring/proposal_rows.h"
#include "tests/core/boring/boring_samples.h"

namespace nubera {
namespace {

using test::ParseSample;

struct Expected {
    std::string name;
    double top;
    double bottom;
    std::vector<double> nValues;
    std::optional<double> meanN;
    std::optional<double> modulus;
};

void ExpectLayers(const LayerProposal& proposal, const std::vector<Expected>& expected) {
    ASSERT_EQ(proposal.layers.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DerivedLayer& layer = proposal.layers[i];
        SCOPED_TRACE("layer " + std::to_string(i + 1) + " " + layer.name);
        EXPECT_EQ(layer.name, expected[i].name);
        EXPECT_EQ(layer.top, expected[i].top);
        EXPECT_EQ(layer.bottom, expected[i].bottom);
        EXPECT_EQ(layer.nValues, expected[i].nValues);
        EXPECT_EQ(layer.meanN, expected[i].meanN);
        EXPECT_EQ(DerivedModulus(proposal.alpha, layer), expected[i].modulus);
    }
}

ProposalOptions Options(double alpha, std::optional<double> cutDepth, bool merge = false) {
    ProposalOptions options;
    options.alpha = alpha;
    options.cutDepth = cutDepth;
    options.mergeAlike = merge;
    return options;
}

LayerProposal Propose(const BoringLog& log, const ProposalOptions& options) {
    std::string error;
    const auto proposal = ProposeLayers(log, options, &error);
    EXPECT_TRUE(proposal) << error;
    return proposal.value_or(LayerProposal{});
}

TEST(LayerProposal, NOfATestIsItsBlowsOrConvertedTo30cmUpToTheCap) {
    struct Case {
        double blows, penetrationCm, n;
    } const cases[] = {
        {3, 30, 3},   {0, 45, 0},    // sank under the hammer's weight
        {1, 45, 1},                  // one blow drove it past 30 cm: still N = 1
        {20, 20, 30}, {7, 29, 7.2},  // 30·7/29 = 7.24
        {40, 25, 48}, {50, 25, 50},  // 60 capped
        {50, 0, 50},                 // no penetration at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NValueOf({1.0, c.blows, c.penetrationCm, 0}), c.n)
            << c.blows << " blows for " << c.penetrationCm << " cm";
    }
}

TEST(LayerProposal, EachDivisionIsALayerWithTheTestsStartingInIt) {
    const LayerProposal proposal = Propose(ParseSample("LEVEE_NO3_BED0300.XML"), {});
    EXPECT_EQ(proposal.cutDepth, 15.45);
    ExpectLayers(proposal, {
                               {"盛土（砂質土）", 0, 1.2, {3}, 3.0, 8400},
                               {"シルト", 1.2, 2.85, {2}, 2.0, 5600},
                               // 2.85 to 3.10 holds no test start: Es is typed by hand.
                               {"腐植土", 2.85, 3.1, {}, std::nullopt, std::nullopt},
                               {"粘土", 3.1, 5.6, {1, 0, 2}, 1.0, 2800},
                               {"粘土", 5.6, 7.1, {3}, 3.0, 8400},
                               {"砂質シルト", 7.1, 9.5, {6, 8, 9}, 7.7, 21560},
                               {"細砂", 9.5, 12.3, {15, 18, 22}, 18.3, 51240},
                               {"砂礫", 12.3, 15.45, {40, 50, 50}, 46.7, 130760},
                           });
    EXPECT_EQ(proposal.layers[2].Thickness(), 0.25);
}

TEST(LayerProposal, MergingAndCuttingChangeTheLayersAndTheirMeans) {
    const BoringLog log = ParseSample("LEVEE_NO3_BED0300.XML");
    // The two clay divisions pool their tests: (1 + 0 + 2 + 3) / 4.
    const LayerProposal merged = Propose(log, Options(2800, 8.0, true));
    ExpectLayers(merged, {
                             {"盛土（砂質土）", 0, 1.2, {3}, 3.0, 8400},
                             {"シルト", 1.2, 2.85, {2}, 2.0, 5600},
                             {"腐植土", 2.85, 3.1, {}, std::nullopt, std::nullopt},
                             {"粘土", 3.1, 7.1, {1, 0, 2, 3}, 1.5, 4200},
                             // Cut at H = 8: only the test starting above 8 m counts.
                             {"砂質シルト", 7.1, 8.0, {6}, 6.0, 16800},
                         });
    // A cut on a division's bottom leaves no empty layer; α scales Es.
    const LayerProposal shallow = Propose(log, Options(1400, 2.85));
    ExpectLayers(shallow, {{"盛土（砂質土）", 0, 1.2, {3}, 3.0, 4200},
                           {"シルト", 1.2, 2.85, {2}, 2.0, 2800}});
}

// A layer α·N̄ gives no Es, or an Es of 0, cannot become a soil layer as it
// stands: its Es is left for the user to type, and a project is not written.
TEST(LayerProposal, ALayerWithoutAnEsFromItsTestsIsLeftForEsByHand) {
    BoringLog allZero = ParseSample("SMALL_BED0210.XML");
    allZero.tests.insert(allZero.tests.begin(), {0.5, 0, 45, 0});
    allZero.tests[1].blows = 0;  // 1.00 m, 30 cm
    const struct {
        const char* name;
        BoringLog log;
        double alpha;
        std::vector<std::string> moduli;  // as the soil grid gets them
        std::string unfit;
    } cases[] = {
        {"every layer tested",
         ParseSample("SMALL_BED0210.XML"),
         kDefaultAlpha,
         {"11200", "33600", "140000"},
         ""},
        {"a layer of N 0 and 0",
         allZero,
         kDefaultAlpha,
         {"", "33600", "140000"},
         "第1層「粘土」(0.00～2.00 m)は N値の平均が 0 のため、Es が決まりません（Es "
         "を入力してください）。"},
        {"an α that rounds every Es to 0",
         ParseSample("SMALL_BED0210.XML"),
         0.0001,
         {"0", "0", "0"},
         "第1層「粘土」(0.00～2.00 m)の Es が係数 α 0.0001 では 0 になります（α "
         "を大きくしてください）。"},
        {"a layer without a test",
         ParseSample("LEVEE_NO3_BED0300.XML"),
         kDefaultAlpha,
         {"8400", "5600", "", "2800", "8400", "21560", "51240", "130760"},
         "第3層「腐植土」(2.85～3.10 m)には標準貫入試験がないため、Es が決まりません（Es "
         "を入力してください）。"},
    };
    for (const auto& c : cases) {
        const LayerProposal proposal = Propose(c.log, Options(c.alpha, std::nullopt));
        std::vector<std::string> moduli;
        for (const SoilLayerRow& row : SoilRowsOf(proposal)) moduli.push_back(row.modulus);
        EXPECT_EQ(moduli, c.moduli) << c.name;
        EXPECT_EQ(ProposalUnfit(proposal).value_or(""), c.unfit) << c.name;
    }
}

TEST(LayerProposal, RefusesAnAlphaOrDepthOutOfRange) {
    const BoringLog log = ParseSample("SMALL_BED0210.XML");
    std::string error;
    for (const double alpha : {0.0, -2800.0, 1e9, std::nan("")}) {
        EXPECT_FALSE(ProposeLayers(log, Options(alpha, std::nullopt), &error)) << alpha;
        EXPECT_EQ(error, "係数 α は 0 より大きく 100000 以下の数で指定してください。");
    }
    for (const double depth : {0.0, 0.004, 6.01, -1.0, std::nan("")}) {
        EXPECT_FALSE(ProposeLayers(log, Options(kDefaultAlpha, depth), &error)) << depth;
        EXPECT_EQ(error,
                  "深度 H は 0 より大きく、ボーリングの記録の深さ 6.00 m 以下で指定してください。");
    }
    EXPECT_TRUE(ProposeLayers(log, Options(kDefaultAlpha, 6.004), &error)) << error;
}

}  // namespace
}  // namespace nubera
