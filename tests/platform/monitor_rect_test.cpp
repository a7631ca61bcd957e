// Which monitors get a black cover while the show runs, over made-up
// layouts (the Wine test sees the real two-monitor case).
#include <gtest/gtest.h>

#include "platform/monitor_rect.h"

namespace {

bool operator==(const MonitorRect& a, const MonitorRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(MonitorsToCover, EveryMonitorButTheShowsOne) {
  const MonitorRect primary{0, 0, 1920, 1080};
  const MonitorRect left{-1280, 0, 0, 1024}, above{0, -900, 1600, 0}, right{1920, 200, 3200, 1224};
  const MonitorRect mirror = primary, empty{50, 50, 50, 80};
  struct Case {
    const char* layout;
    std::vector<MonitorRect> monitors;
    MonitorRect show;
    std::vector<MonitorRect> covered;
  } cases[] = {
      {"one monitor", {primary}, primary, {}},
      {"a second to the right", {primary, right}, primary, {right}},
      {"negative coordinates, show on the second", {primary, left}, left, {primary}},
      {"three around the primary", {left, primary, above, right}, primary, {left, above, right}},
      {"a mirrored monitor is the show's too", {primary, mirror, right}, primary, {right}},
      {"a smaller mode on the primary keeps the others", {primary, right}, {0, 0, 1024, 768}, {right}},
      {"an empty rectangle is no monitor", {primary, empty, right}, primary, {right}},
      {"a show window nowhere covers all", {primary, right}, {-5000, -5000, -4000, -4000}, {primary, right}},
  };
  for (const Case& c : cases) {
    std::vector<MonitorRect> got = monitorsToCover(c.monitors, c.show);
    ASSERT_EQ(got.size(), c.covered.size()) << c.layout;
    for (size_t i = 0; i < got.size(); ++i) EXPECT_TRUE(got[i] == c.covered[i]) << c.layout << ", cover " << i;
  }
}
