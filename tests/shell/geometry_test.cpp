// Tests of window centring and status-pane edge arithmetic.
#include "shell/geometry.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(CentreRect, CentresOnTheReferenceAndKeepsTheSize) {
    Placement p = CentreRect({100, 50, 900, 650}, {0, 0, 200, 100});
    EXPECT_EQ(p.x, 400);
    EXPECT_EQ(p.y, 300);
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.height, 100);
}

TEST(CentreRect, AWindowLargerThanTheScreenGoesToTheOrigin) {
    Placement p = CentreRect({0, 0, 1024, 768}, {300, 200, 1500, 1000});
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.width, 1200);
    EXPECT_EQ(p.height, 800);
}

TEST(CentreRect, AnOwnerOffTheLeftOfTheScreenStillGivesAVisiblePosition) {
    Placement p = CentreRect({-500, -300, 100, 100}, {0, 0, 200, 100});
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

TEST(CentreRect, NearTheBottomEdgeTheWindowEndsAtTheReferenceBottom) {
    // A tall window on a short owner near the bottom of the screen: the start is pulled back.
    Placement p = CentreRect({0, 500, 400, 600}, {0, 0, 100, 300});
    EXPECT_EQ(p.y, 300);
}

TEST(PaneEdges, FixedPanesKeepTheirWidthAndTheFirstTakesTheRest) {
    std::vector<int> edges = PaneEdges({80, 20, 20}, 800, 8);
    EXPECT_EQ(edges, (std::vector<int>{456, 616, 776}));
}

TEST(PaneEdges, ANarrowBarGivesNegativeEdgesRatherThanFailing) {
    std::vector<int> edges = PaneEdges({80, 20, 20}, 100, 8);
    EXPECT_EQ(edges, (std::vector<int>{-244, -84, 76}));
}

TEST(PaneEdges, NoPanesGiveNoEdges) { EXPECT_TRUE(PaneEdges({}, 800, 8).empty()); }

} // namespace
} // namespace kestrel
