// MonitorRect: a monitor's place on the virtual desktop, and which monitors
// the show leaves uncovered (the Windows show covers those).
#pragma once

#include <vector>

struct MonitorRect {
  int left, top, right, bottom;  // right and bottom exclusive
};

// The monitors that share no pixel with the show's window: the ones to
// cover. A monitor the window overlaps even in part is left alone, so a
// cover never hides the show (mirrored monitors report the same rectangle).
std::vector<MonitorRect> monitorsToCover(const std::vector<MonitorRect>& monitors, const MonitorRect& showWindow);
