// The rules the main window applies without a window of its own: what the run
// still needs, when the project counts as changed since it was saved, and the
// name a project is saved under.

#include <gtest/gtest.h>

#include "projectfile/project_file.h"
#include "projectfile/saved_project_state.h"
#include "screenrules/run_enabling_rule.h"
#include "tests/core/one_block_project.h"

namespace nubera {
namespace {

using test::OneBlockProject;
using test::Points;

TEST(RunRequirementText, NamesEveryMissingInputAndNothingOnceAllowed) {
    ProjectData project;
    EXPECT_EQ(RunRequirementText(project, Placement::Automatic),
              "実行するには、土質条件の入力、盛土荷重の入力が必要です。");
    project = OneBlockProject();
    EXPECT_EQ(RunRequirementText(project, Placement::Automatic), "");
    EXPECT_TRUE(RunAllowed(project, Placement::Automatic));
    EXPECT_EQ(RunRequirementText(project, Placement::Manual),
              "実行するには、着目点の手動設定が必要です。");
    EXPECT_FALSE(RunAllowed(project, Placement::Manual));
    project.focusPoints = Points({1.0});
    EXPECT_EQ(RunRequirementText(project, Placement::Manual), "");
}

TEST(SavedStateOf, IgnoresTheStoredRatioAndComparesTheRatioAsItWouldBeSaved) {
    ProjectData project = OneBlockProject();
    const SavedProjectState saved = SavedStateOf(project, "");
    project.poissonRatio = 0.3;  // stored by a run
    EXPECT_EQ(SavedStateOf(project, "0.45"), saved) << "settlement only: no ratio is saved";

    project.alsoLateral = true;
    EXPECT_NE(SavedStateOf(project, ""), saved);
    const SavedProjectState lateral = SavedStateOf(project, "0.30");
    EXPECT_EQ(SavedStateOf(project, "0.3"), lateral);
    EXPECT_EQ(SavedStateOf(project, ""), lateral) << "an empty box saves 0.3";
    EXPECT_NE(SavedStateOf(project, "0.31"), lateral);
    EXPECT_NE(SavedStateOf(project, "abc"), lateral);

    project.excavationWidth = 11;
    EXPECT_NE(SavedStateOf(project, "0.30"), lateral);
}

TEST(WithProjectExtension, AddsItOnlyToANameWithoutAnyExtension) {
    EXPECT_EQ(WithProjectExtension("/d/myproj"), "/d/myproj.nbr");
    EXPECT_EQ(WithProjectExtension("/d.x/myproj"), "/d.x/myproj.nbr");
    EXPECT_EQ(WithProjectExtension("/d/myproj.nbr"), "/d/myproj.nbr");
    EXPECT_EQ(WithProjectExtension("/d/myproj.txt"), "/d/myproj.txt");
}

}  // namespace
}  // namespace nubera
