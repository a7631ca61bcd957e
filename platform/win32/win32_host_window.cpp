// Windows: the only host window is the black cover that the show on the
// primary monitor puts over another monitor; a show started for that
// monitor draws over it (platform/win32/win32_monitor_cover.h) and ends when
// it goes.
#include <cstdint>

#include "platform/platform.h"
#include "platform/win32/win32_monitor_cover.h"

namespace platform {

bool watchHostWindow(unsigned long& id, int& width, int& height) {
  HWND host = reinterpret_cast<HWND>(static_cast<uintptr_t>(id));
  // Only a cover: over any other window a top-most window that never takes
  // the focus would stand until that window went, with no way to close it.
  if (!id || !isMonitorCover(host)) return false;
  HWND drawing = drawOverMonitorCover(host, width, height);
  if (!drawing) return false;
  id = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(drawing));
  return true;
}

HostWindowChange pollHostWindow(int&, int&) { return monitorCoverGone() ? HostGone : HostUnchanged; }

bool hostWindowMapped() { return true; }

void endWithHostWindow() {}

bool primaryMonitorArea(int, int, int[4]) { return false; }

}  // namespace platform
