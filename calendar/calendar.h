// Calendar: the month page in the overlay. A one-shot builder on the anchor
// adds the background and a page holder; the holder builds a page of the
// current month whenever the date changes, and each page retires itself
// when its date is over.
#pragma once

#include <cstdint>

// The language travels in the `axis` of the builder's and the holder's
// tracks. The Russian page starts its weeks on Monday, the English one on
// Sunday.
enum CalendarLanguage { CalendarRussian = 0, CalendarEnglish = 1 };

// Date of the page shown as yyyymmdd, so that the holder rebuilds only on a
// change; -1 at start. The whole date, not the day of the month: set from
// 1 June to 1 July, the clock would otherwise leave the June page up for a day.
extern int32_t lastPageDate;

// How far the page's art reaches right of and above its anchor: the
// background, 62 x 68 centred 16 left of and 12 below it.
const double calendarReachRight = 15.0;
const double calendarReachUp = 22.0;

// One-shot track of the anchor: background and page holder.
void buildCalendar(int32_t userValue);
// Endless track of the page holder: a new page when the date changes.
void calendarPageCurve(int32_t userValue);
// Endless track of a page (`axis` its date): expires the page on another date.
void pageWatchCurve(int32_t userValue);
