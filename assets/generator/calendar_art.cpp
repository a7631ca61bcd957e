// "calendar.pak": the two backgrounds (weekend columns differ: Sunday-first
// and Monday-first), the two weekday rows, bilingual month names, the day
// cells, the empty cell and today's highlight. Offsets follow the page:
// cells 8 apart, the weekday row 8 above the first row, the month name 8
// above that, the background centred 16 left and 12 below the page origin.
#include <cmath>
#include <string>

#include "assets/generator/overlay_art.h"

using namespace overlay;

static const char* const englishMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
static const char* const russianMonths[12] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                              "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

// Background, in its own coordinates: cell columns at x = -24..24, rows at
// y = 12..-28, weekday row at y = 20, month name around y = 28.
static void buildBackground(ArtArchive& pak, const char* entry, const char* image, int weekendA, int weekendB) {
  Canvas c(-31, -34, 31, 34, 512, 512);
  c.roundRect(-30.9, -33.9, 30.9, 33.9, 3.0, glass);
  c.roundRect(-29.6, 23.6, 29.6, 32.6, 2.0, rgba(0.35, 0.5, 0.8, 0.16));
  for (int col : {weekendA, weekendB}) {
    double x = -24 + 8 * col;
    c.roundRect(x - 3.9, -32.2, x + 3.9, 23.0, 1.6, rgba(0.9, 0.4, 0.32, 0.13));
  }
  c.capsule(-28.5, 16.0, 28.5, 16.0, 0.1, rgba(0.85, 0.9, 1.0, 0.4));
  c.fill([&](double x, double y) { return std::fabs(roundRectDistance(x, y, -30.3, -33.3, 30.3, 33.3, 2.5)) - 0.12; },
         glassEdge, -31, -34, 31, 34);
  pak.addCanvasMesh(entry, image, c);
}

static void buildWeekdays(ArtArchive& pak, const Font& font, const char* entry, const char* image,
                          const char* const labels[7], int weekendA, int weekendB) {
  Canvas c(-28, -2.5, 28, 2.5, 512, 64);
  double em = 3.1, baseline = -0.5 * font.capHeight() * em;
  for (int i = 0; i < 7; ++i) {
    Color colour = (i == weekendA || i == weekendB) ? weekend : ink;
    c.text(font, labels[i], em, -24 + 8 * i, baseline, false, text(0.3, colour));
  }
  pak.addCanvasMesh(entry, image, c);
}

static void buildMonths(ArtArchive& pak, const Font& title, const Font& sub) {
  for (int m = 0; m < 12; ++m) {
    Canvas c(-28, -4.5, 28, 5.5, 512, 128);
    double em = 3.7;
    while (c.textWidth(title, englishMonths[m], em) > 50) em -= 0.1;
    c.text(title, englishMonths[m], em, 0, 1.3, false, text(0.35));
    c.text(sub, russianMonths[m], 2.7, 0, -2.6, false, text(0.3, rgba(0.82, 0.88, 1.0, 1)));
    std::string n = std::to_string(m + 1);
    pak.addCanvasMesh("m" + n, "month" + n + ".png", c);
  }
}

// A day cell: a faint tile, so the grid reads as a grid, and the number.
static Canvas cellTile() {
  Canvas c(-3.5, -3.5, 3.5, 3.5, 64, 64);
  c.roundRect(-3.3, -3.3, 3.3, 3.3, 0.9, rgba(0.75, 0.85, 1.0, 0.07));
  return c;
}

static void buildCells(ArtArchive& pak, const Font& font) {
  for (int d = 1; d <= 31; ++d) {
    Canvas c = cellTile();
    std::string n = std::to_string(d);
    c.text(font, n, 3.6, 0, 0, true, text(0.35));
    pak.addCanvasMesh(n, "day" + n + ".png", c);
  }
  pak.addCanvasMesh("null", "cell.png", cellTile());
  Canvas sel(-3.5, -3.5, 3.5, 3.5, 64, 64);
  sel.roundRect(-3.45, -3.45, 3.45, 3.45, 1.2, rgba(1.0, 0.72, 0.3, 0.35));
  sel.roundRect(-3.0, -3.0, 3.0, 3.0, 0.9, rgba(0.95, 0.6, 0.2, 0.85));
  pak.addCanvasMesh("sel", "today.png", sel);
}

void buildCalendarArchive(ArtArchive& pak) {
  Font sans(fontPath("DejaVuSans.ttf"));
  Font bold(fontPath("DejaVuSansCondensed-Bold.ttf"));
  Font serif(fontPath("DejaVuSerif.ttf"));
  static const char* const english[7] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
  static const char* const russian[7] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
  buildBackground(pak, "fon", "page.png", 0, 6);
  buildBackground(pak, "fon_rus", "page_ru.png", 5, 6);
  buildWeekdays(pak, bold, "day", "weekdays.png", english, 0, 6);
  buildWeekdays(pak, bold, "day_rus", "weekdays_ru.png", russian, 5, 6);
  buildMonths(pak, serif, sans);
  buildCells(pak, bold);
}
