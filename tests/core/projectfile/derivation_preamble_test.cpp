#include "projectfile/derivation_preamble.h"

#include <gtest/gtest.h>

#include "boring/proposal_rows.h"
#include "projectfile/project_file.h"
#include "tests/core/project_file_test_support.h"
#include "tests/core/scratch_folder.h"

namespace nubera {
namespace {

SoilDerivation TwoLayers() {
    return {"BED0003.XML",
            "No.3",
            2800,
            {{"盛土（砂質土）, 礫混じり", 0, 1.2, {1.15}, {3}, 3.0},
             {"腐植土", 1.2, 1.45, {}, {}, std::nullopt}}};
}

TEST(DerivationPreamble, ReadsBackWhatItWroteNamesWithCommasIncluded) {
    ProjectPreamble preamble{{"件名", "みどり川"}};
    AppendSoilDerivation(TwoLayers(), preamble);
    ASSERT_EQ(preamble.size(), 6u);
    EXPECT_EQ(preamble[4].value, "0,1.2,3,1.15:3,盛土（砂質土）, 礫混じり");
    EXPECT_EQ(preamble[5].value, "1.2,1.45,-,,腐植土");
    EXPECT_EQ(SoilDerivationFromPreamble(preamble), TwoLayers());

    EXPECT_FALSE(SoilDerivationFromPreamble({{"件名", "みどり川"}}));
}

// A damaged derivation is left out; the project itself still loads.
TEST(DerivationPreamble, LeavesOutADerivationThatDoesNotRead) {
    for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
             {"ボーリング層", "0,1.2,3,1.15:x,砂"},  // an N that is no number
             {"ボーリング層", "0,1.2,-,1.15:3,砂"},  // tests without a mean
             {"ボーリング層", "0,1.2,3,,砂"},        // a mean without tests
             {"ボーリング層", "0,abc"},              // cut short
             {"ボーリングα", "0"},
         }) {
        ProjectPreamble preamble;
        AppendSoilDerivation(TwoLayers(), preamble);
        preamble.push_back({key, value});
        EXPECT_FALSE(SoilDerivationFromPreamble(preamble)) << key << "=" << value;
    }
}

// A project file holding the derivation of the layers below it.
std::string FileWithDerivation(std::string_view firstLayer) {
    return test::ProjectFileBytes(
        {ProjectHeaderLine(), "ボーリングファイル=BED0003.XML", "ボーリング名=No.3",
         "ボーリングα=2800", "ボーリング層=0,1.2,3,1.15:3,盛土（砂質土）, 礫混じり",
         "ボーリング層=1.2,1.45,-,,腐植土", "[開削幅]", "10", "!END", "[堤体幅]", "20", "!END",
         "[土質条件]", firstLayer, "0.25,1.45,3000", "!END", "[処理Mode]", "0", "!END"});
}

TEST(DerivationInProjectFile, IsSavedAndLoadedWithTheLayersItDescribesAndOnlyThen) {
    test::ScratchFolder folder;
    std::string error;
    auto loaded = LoadProject(folder.Write("log.nbr", FileWithDerivation("1.2,1.2,8400")), &error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(loaded->soilDerivation, TwoLayers());

    ProjectData project;
    ApplyLoadedProject(*loaded, project);
    const auto saved = folder / "saved.nbr";
    ASSERT_TRUE(SaveProject(project, saved, &error)) << error;
    EXPECT_EQ(test::ReadBytes(saved), FileWithDerivation("1.2,1.2,8400"));

    // The first layer made thicker by a program that keeps the lines but
    // knows nothing of them: the log no longer describes the layers, and a
    // project loaded over one that had a derivation keeps none.
    loaded = LoadProject(folder.Write("edited.nbr", FileWithDerivation("1.5,1.5,8400")), &error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_FALSE(loaded->soilDerivation);
    ApplyLoadedProject(*loaded, project);
    EXPECT_FALSE(project.soilDerivation);
}

// The log's file name is only a record: a character the project file cannot
// hold must not make the project unsaveable.
TEST(DerivationInProjectFile, AFileNameTheProjectFileCannotHoldIsRecordedWithAMark) {
    LayerProposal proposal;
    proposal.layers = {TwoLayers().layers[0]};
    const SoilDerivation derivation =
        DerivationOf(proposal, BoringLog{}, std::filesystem::path(u8"/logs/No3\u00A5😀.XML"));
    EXPECT_EQ(derivation.fileName, "No3??.XML");
}
}  // namespace
}  // namespace nubera
