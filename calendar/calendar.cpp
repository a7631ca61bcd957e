// Calendar: the node tree of the page and its rebuilding by day.
#include "calendar/calendar.h"

#include "anim/anim_track.h"
#include "calendar/calendar_grid.h"
#include "clock/local_time.h"
#include "scene/scene_node.h"

int32_t lastPageDate = -1;

static int32_t dateOf(const struct tm& t) { return (t.tm_year + 1900) * 10000 + (t.tm_mon + 1) * 100 + t.tm_mday; }

static SceneNode* meshNode(const char* entry, double x, double y) {
  SceneNode* node = new SceneNode;
  node->loadMeshes("calendar.pak", entry);
  node->transform.setPosition(x, y, 0);
  return node;
}

void buildCalendar(int32_t) {
  SceneNode* anchor = currentNode;
  const int32_t language = currentTrack->axis;
  anchor->addChild(meshNode(language == CalendarRussian ? "fon_rus" : "fon", -16, -12));

  SceneNode* holder = new SceneNode;
  startCurve(holder, endlessTrack, calendarPageCurve, language);
  anchor->addChild(holder);
}

void calendarPageCurve(int32_t) {
  const struct tm* read = readLocalTime();
  if (!read) return;
  // The page is built from this one reading, the same date its watcher
  // compares with, even if the building took past midnight.
  const struct tm now = *read;
  const int32_t date = dateOf(now);
  if (date == lastPageDate) return;
  lastPageDate = date;
  const int32_t language = currentTrack->axis;
  SceneNode* holder = currentNode;

  SceneNode* page = new SceneNode;
  startCurve(page, endlessTrack, pageWatchCurve, date);
  holder->addChild(page);

  CalendarDate shown;
  int32_t grid[calendarCellCount];
  fillGrid(now, language == CalendarRussian ? WeekFromMonday : WeekFromSunday, shown, grid);

  page->addChild(meshNode(language == CalendarRussian ? "day_rus" : "day", -16, 8));
  if (shown.month >= 0 && shown.month < 12) page->addChild(meshNode(monthNameTable[shown.month], -16, 16));

  for (int32_t i = 0; i < calendarCellCount; ++i) {
    const int32_t value = grid[i] >= 0 && grid[i] <= 31 ? grid[i] : 0;
    const double x = (i % 7 - 5) * 8;
    const double y = -(i / 7) * 8;
    SceneNode* cell = meshNode(dayNameTable[value], x, y);
    // The highlight goes in just before today's cell, so the number is
    // drawn over it.
    if (value != 0 && value == shown.day) page->addChild(meshNode("sel", x, y));
    page->addChild(cell);
  }
}

void pageWatchCurve(int32_t) {
  const struct tm* now = readLocalTime();
  if (!now) return;
  if (currentTrack->axis != dateOf(*now)) currentNode->expire();
}
