// Monitors to cover (see monitor_rect.h).
#include "platform/monitor_rect.h"

static bool overlap(const MonitorRect& a, const MonitorRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<MonitorRect> monitorsToCover(const std::vector<MonitorRect>& monitors, const MonitorRect& showWindow) {
  std::vector<MonitorRect> out;
  for (const MonitorRect& m : monitors)
    if (m.right > m.left && m.bottom > m.top && !overlap(m, showWindow)) out.push_back(m);
  return out;
}
