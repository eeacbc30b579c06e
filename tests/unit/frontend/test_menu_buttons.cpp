// A menu screen's buttons are named, not counted: each row of its table carries its name, the rows are
// registered in the order of their names whatever order the table lists them in, and a table that leaves an
// index without its button (or names one twice, or puts a column button off the column) does not compile.
#include <gtest/gtest.h>

#include "frontend/menu_screens.h"
#include "shell/hotspots.h"

namespace kestrine {
namespace {

enum TestButton : int32_t { FIRST, SECOND, THIRD };

// Listed bottom-up: the third first.
constexpr MenuButton kBottomUp[] = {
    Strip(THIRD, 300, 0, 20, 10),
    Strip(FIRST, 100, 0, 20, 10),
    NoButton(SECOND),
};
static_assert(ValidButtonTable(kBottomUp));

constexpr MenuButton kGap[] = {Strip(FIRST, 0, 0, 1, 1), Strip(THIRD, 0, 0, 1, 1)};
static_assert(!ValidButtonTable(kGap));
constexpr MenuButton kTwice[] = {Strip(FIRST, 0, 0, 1, 1), Strip(FIRST, 0, 0, 1, 1)};
static_assert(!ValidButtonTable(kTwice));
constexpr MenuButton kOffTheColumn[] = {ColumnButton(FIRST, 8, L"EIGHTH ROW")};
static_assert(!ValidButtonTable(kOffTheColumn));
constexpr MenuButton kOnTheColumn[] = {ColumnButton(FIRST, 7, L"SEVENTH ROW")};
static_assert(ValidButtonTable(kOnTheColumn));

TEST(MenuButtons, AButtonsIndexIsItsNameWhateverOrderTheTableListsThemIn) {
  ClearHotspots();
  AddButtons(kBottomUp);
  ASSERT_EQ(Hotspots().MenuHotspots.count, 3);
  // FIRST at x 100..120, SECOND the empty rectangle at the origin, THIRD at x 300..320.
  EXPECT_EQ(Hotspots().MenuHotspots.entries[FIRST].x0, 100);
  EXPECT_EQ(Hotspots().MenuHotspots.entries[FIRST].x1, 120);
  EXPECT_EQ(Hotspots().MenuHotspots.entries[SECOND].x0, 0);
  EXPECT_EQ(Hotspots().MenuHotspots.entries[SECOND].x1, 0);
  EXPECT_EQ(Hotspots().MenuHotspots.entries[THIRD].x0, 300);
  EXPECT_EQ(Hotspots().MenuHotspots.entries[THIRD].y1, 10);
  ClearHotspots();
}

}  // namespace
}  // namespace kestrine
