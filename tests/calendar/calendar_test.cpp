// Calendar page: the node tree of a page in both languages, one highlight
// per page, and rebuilding when (and only when) the date changes. time() is the test double of support/fake_local_time.h.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/animator.h"
#include "app/globals.h"
#include "calendar/calendar.h"
#include "calendar/calendar_grid.h"
#include "support/fake_local_time.h"
#include "support/show_archives.h"
#include "scene/scene_node.h"
#include "support/gl_recorder.h"
#include "support/process_state.h"

namespace {

class CalendarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glrec::reset();
    glrec::setLogging(false);
    resetProcessState(100);
  }
  void TearDown() override {
    if (anchor) deleteSceneTree(anchor);
    fakeclock::useRealTime();
    glrec::setLogging(true);
  }

  void build(int32_t language) {
    anchor = new SceneNode;
    AnimTrack track(1, true, -1.0);
    track.setCurve(buildCalendar, language, 0, 0, 0);
    startTrack(anchor, track);
  }

  void frame() {
    frameTick += 16;
    anchor->render();
  }

  SceneNode* holder() { return anchor->children.at(1); }
  SceneNode* page() { return holder()->children.back(); }

  // The page's cells (skipping row, month and highlight) as entry names.
  std::vector<std::string> cells() {
    std::vector<std::string> out;
    const std::vector<SceneNode*>& c = page()->children;
    for (size_t i = 2; i < c.size(); ++i) {
      const std::string e = showarchives::entryShown(c[i]);
      if (e != "sel") out.push_back(e);
    }
    return out;
  }

  showarchives::Folder archives{{"calendar.pak"}};
  SceneNode* anchor = nullptr;
};

}  // namespace

TEST_F(CalendarTest, SundayFirstPageOfFebruary2026) {
  fakeclock::set(2026, 2, 14, 9, 0, 0);
  build(1);
  frame();
  ASSERT_EQ(2u, anchor->children.size());
  EXPECT_EQ("fon", showarchives::entryShown(anchor->children[0]));
  EXPECT_DOUBLE_EQ(-16, anchor->children[0]->transform.position[0]);
  EXPECT_DOUBLE_EQ(-12, anchor->children[0]->transform.position[1]);
  ASSERT_EQ(1u, holder()->children.size());
  EXPECT_EQ(20260214, lastPageDate);

  const std::vector<SceneNode*>& c = page()->children;
  ASSERT_EQ(45u, c.size());  // row, month, 42 cells, one highlight
  // The weekday row and the month name stand over the middle column.
  EXPECT_EQ("day", showarchives::entryShown(c[0]));
  EXPECT_DOUBLE_EQ(-16, c[0]->transform.position[0]);
  EXPECT_DOUBLE_EQ(8, c[0]->transform.position[1]);
  EXPECT_EQ("m2", showarchives::entryShown(c[1]));
  EXPECT_DOUBLE_EQ(-16, c[1]->transform.position[0]);
  EXPECT_DOUBLE_EQ(16, c[1]->transform.position[1]);
  std::vector<std::string> want;
  for (int d = 1; d <= 28; ++d) want.push_back(std::to_string(d));
  while (want.size() < 42) want.push_back("null");
  EXPECT_EQ(want, cells());

  // The highlight stands just before today's cell, at the same place.
  int highlights = 0;
  for (size_t i = 0; i < c.size(); ++i) {
    if (showarchives::entryShown(c[i]) != "sel") continue;
    ++highlights;
    ASSERT_LT(i + 1, c.size());
    EXPECT_EQ("14", showarchives::entryShown(c[i + 1]));
    // Day 14 is cell 13: column 6, row 1.
    EXPECT_DOUBLE_EQ((6 - 5) * 8, c[i]->transform.position[0]);
    EXPECT_DOUBLE_EQ(-8, c[i]->transform.position[1]);
    EXPECT_EQ(c[i]->transform.position[0], c[i + 1]->transform.position[0]);
    EXPECT_EQ(c[i]->transform.position[1], c[i + 1]->transform.position[1]);
  }
  EXPECT_EQ(1, highlights);
  // No frame callbacks inside the calendar: the overlay root's cover it.
  for (SceneNode* n : c) EXPECT_TRUE(n->frameCallbacks.empty());
}

TEST_F(CalendarTest, RussianPagesStartOnMonday) {
  fakeclock::set(2026, 2, 1, 0, 0, 0);
  build(0);
  frame();
  EXPECT_EQ("fon_rus", showarchives::entryShown(anchor->children[0]));
  EXPECT_EQ("day_rus", showarchives::entryShown(page()->children[0]));
  std::vector<std::string> cellsNow = cells();
  for (int i = 0; i < 6; ++i) EXPECT_EQ("null", cellsNow[i]);
  EXPECT_EQ("1", cellsNow[6]);
  EXPECT_EQ("28", cellsNow[33]);
  EXPECT_EQ("null", cellsNow[34]);
  deleteSceneTree(anchor);

  lastPageDate = -1;
  fakeclock::set(2026, 12, 24, 0, 0, 0);
  build(0);
  frame();
  EXPECT_EQ("m12", showarchives::entryShown(page()->children[1]));
  cellsNow = cells();
  EXPECT_EQ("null", cellsNow[0]);
  EXPECT_EQ("1", cellsNow[1]);
  EXPECT_EQ("31", cellsNow[31]);
}

TEST_F(CalendarTest, NewPageOnANewDateOnly) {
  fakeclock::set(2026, 2, 14, 23, 59, 59);
  build(1);
  frame();
  SceneNode* first = page();
  frame();
  EXPECT_EQ(first, page());
  EXPECT_EQ(1u, holder()->children.size());

  fakeclock::advance(1);  // midnight: 15 February
  frame();
  ASSERT_EQ(2u, holder()->children.size());
  EXPECT_TRUE(holder()->children[0]->expired);
  EXPECT_FALSE(page()->expired);
  EXPECT_EQ(20260215, lastPageDate);
  // The old page takes itself apart within a few frames.
  for (int i = 0; i < 4; ++i) frame();
  ASSERT_EQ(1u, holder()->children.size());
  EXPECT_NE(first, page());

  // The clock set to the same day of another month (or year): a new page
  // of that month, not the old one until the next day.
  for (const int year : {2026, 2027}) {
    SceneNode* before = page();
    fakeclock::set(year, 3, 15, 12, 0, 0);
    for (int i = 0; i < 4; ++i) frame();
    ASSERT_EQ(1u, holder()->children.size()) << year;
    EXPECT_NE(before, page()) << year;
    EXPECT_EQ("m3", showarchives::entryShown(page()->children[1]));
    EXPECT_EQ(year * 10000 + 315, lastPageDate);
  }
}

TEST_F(CalendarTest, LeapFebruaryPages) {
  const int years[3] = {2024, 2100, 2000};
  const int lastDay[3] = {29, 28, 29};
  for (int k = 0; k < 3; ++k) {
    lastPageDate = -1;
    fakeclock::set(years[k], 2, 10, 12, 0, 0);
    build(1);
    frame();
    const std::vector<std::string> c = cells();
    int days = 0;
    for (const std::string& e : c)
      if (e != "null") ++days;
    EXPECT_EQ(lastDay[k], days) << years[k];
    deleteSceneTree(anchor);
    anchor = nullptr;
  }
}
