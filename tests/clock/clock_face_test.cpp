// Clock face: what every slot kind and hand shows at the times where the
// 12/24-hour rules and the blank places are easy to get wrong.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "clock/clock_face.h"

namespace {

struct tm at(int hour, int minute, int second = 0) {
  struct tm t = {};
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_mday = 1;
  t.tm_year = 126;
  return t;
}

std::string show(int kind, const struct tm& t) { return digitSlotEntry(kind, digitSlotValue(kind, t)); }

// Hour tens, hour units, minute tens, minute units; "_" for a blank place.
std::string face24(int h, int m) {
  std::string s;
  for (int kind : {1, 2, 3, 4}) {
    const std::string e = show(kind, at(h, m));
    s += e.empty() ? "_" : e;
  }
  return s;
}

std::string face12(int h, int m) {
  std::string s;
  for (int kind : {6, 7, 3, 4}) {
    const std::string e = show(kind, at(h, m));
    s += e.empty() ? "_" : e;
  }
  return s + " " + show(8, at(h, m));
}

}  // namespace

TEST(ClockFace, TwentyFourHourForm) {
  EXPECT_EQ("0007", face24(0, 7));
  EXPECT_EQ("_930", face24(9, 30));
  EXPECT_EQ("1305", face24(13, 5));
  EXPECT_EQ("2359", face24(23, 59));
  EXPECT_EQ("1000", face24(10, 0));
}

TEST(ClockFace, TwelveHourForm) {
  EXPECT_EQ("1215 am", face12(0, 15));
  EXPECT_EQ("1200 pm", face12(12, 0));
  EXPECT_EQ("_100 pm", face12(13, 0));
  EXPECT_EQ("1010 pm", face12(22, 10));
  EXPECT_EQ("1159 am", face12(11, 59));
  EXPECT_EQ("_959 pm", face12(21, 59));
  EXPECT_EQ("_100 am", face12(1, 0));
}

TEST(ClockFace, DotOnOddSecondsOnly) {
  EXPECT_EQ("dot", show(5, at(10, 0, 1)));
  EXPECT_EQ("dot", show(5, at(10, 0, 59)));
  EXPECT_EQ("", show(5, at(10, 0, 0)));
  EXPECT_EQ("", show(5, at(10, 0, 60)));  // leap second
}

TEST(ClockFace, SlotValuesAndWatchers) {
  const struct tm t = at(13, 45, 7);
  // Slot kind -> (value followed, watcher axis, lastShown position).
  const int expect[9][3] = {{-1, 0, -1}, {13, 1, 0}, {13, 2, 1}, {45, 3, 2}, {45, 4, 3},
                            {7, 5, 4},   {13, 1, 0}, {13, 1, 1}, {13, 1, 5}};
  for (int kind = 0; kind <= 8; ++kind) {
    EXPECT_EQ(expect[kind][0], digitSlotValue(kind, t)) << kind;
    EXPECT_EQ(expect[kind][1], digitWatcherAxis(kind)) << kind;
    EXPECT_EQ(expect[kind][2], lastShownIndex(kind)) << kind;
  }
  // A watcher compares its digit with the field its slot followed.
  for (int kind = 1; kind <= 8; ++kind)
    EXPECT_EQ(digitSlotValue(kind, t), digitWatchValue(digitWatcherAxis(kind), t)) << kind;
  EXPECT_EQ(-1, digitWatchValue(0, t));
  EXPECT_EQ(-1, digitWatchValue(6, t));
  EXPECT_EQ(-1, digitSlotValue(9, t));
  EXPECT_EQ("", digitSlotEntry(9, 3));
}

TEST(ClockFace, HandAngles) {
  double a = 1;
  ASSERT_TRUE(clockHandAngle(2, at(10, 0), a));
  EXPECT_EQ(0.0, a);
  ASSERT_TRUE(clockHandAngle(3, at(10, 0), a));
  EXPECT_EQ(-300.0, a);
  ASSERT_TRUE(clockHandAngle(3, at(15, 30), a));
  EXPECT_EQ(-465.0, a);
  ASSERT_TRUE(clockHandAngle(2, at(15, 30), a));
  EXPECT_EQ(-180.0, a);
  ASSERT_TRUE(clockHandAngle(1, at(15, 30, 45), a));
  EXPECT_EQ(-270.0, a);
  ASSERT_TRUE(clockHandAngle(3, at(23, 59), a));
  EXPECT_EQ(-719.0, a);  // not reduced modulo 360
  ASSERT_TRUE(clockHandAngle(3, at(0, 3), a));
  EXPECT_EQ(-1.0, a);  // one whole degree per two minutes
  a = 5;
  EXPECT_FALSE(clockHandAngle(0, at(1, 2, 3), a));
  EXPECT_FALSE(clockHandAngle(4, at(1, 2, 3), a));
  EXPECT_EQ(5.0, a);
}
