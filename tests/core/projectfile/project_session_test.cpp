// What tells the open project's window that its project changed since it was
// last loaded or saved.

#include "projectfile/project_session.h"

#include <gtest/gtest.h>

namespace nubera {
namespace {

TEST(ProjectSession, ModifiedUntilMarkedSavedAndAgainAfterAnEdit) {
    ProjectSession session;
    EXPECT_FALSE(session.Modified("")) << "the empty project at start";
    EXPECT_EQ(session.FileName(), "");
    session.Project().excavationWidth = 12.5;
    EXPECT_TRUE(session.Modified(""));
    session.MarkSaved("/data/堤防.nbr", "");
    EXPECT_FALSE(session.Modified(""));
    EXPECT_EQ(session.FileName(), "/data/堤防.nbr");
    session.Results().equivalentModulus = 6860;
    EXPECT_FALSE(session.Modified("")) << "results are not saved in the project file";
    session.Project().leveeWidth = 20;
    EXPECT_TRUE(session.Modified(""));
}

TEST(ProjectSession, PoissonBoxCountsOnlyInLateralModeAndAsASaveWouldWriteIt) {
    ProjectSession session;
    session.MarkSaved("a.nbr", "0.3");
    EXPECT_FALSE(session.Modified("0.45")) << "settlement only: the box is not saved";
    session.Project().poissonRatio = 0.3;
    EXPECT_FALSE(session.Modified("")) << "the ratio a check stored is not an edit";

    session.Project().alsoLateral = true;
    session.MarkSaved("a.nbr", "0.3");
    EXPECT_FALSE(session.Modified("0.30")) << "written as 0.30 either way";
    EXPECT_TRUE(session.Modified("0.35"));
    EXPECT_TRUE(session.Modified("abc"));
}

}  // namespace
}  // namespace nubera
