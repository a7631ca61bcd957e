// Calendar: the month page in the overlay. A one-shot builder on the anchor
// adds the background and a page holder; the holder builds a page of the
// current month whenever the date changes, and each page retires itself
// when its date is over. Language L travels in the tracks'
// `axis`: 0 Russian (weeks from Monday), 1 the other (weeks from Sunday).
#pragma once

#include <cstdint>

// One-shot track of the anchor: background and page holder.
void buildCalendar(int32_t userValue);
// Endless track of the page holder: a new page when the date changes.
void calendarPageCurve(int32_t userValue);
// Endless track of a page (`axis` its date): expires the page on another date.
void pageWatchCurve(int32_t userValue);
