// Geometry of the generated art against where the show places it: misfit
// art (a dial too large for its corner, a hand pointing the wrong way, a
// digit floating above the plate, a cell overlapping its neighbour, a
// landscape whose backdrop lets the black background through) fails here.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "generated_archive.h"

namespace {

#define OPEN_OR_SKIP(var, file)                                              \
  auto var = GeneratedArchive::open(file);                                   \
  if (!var) GTEST_SKIP() << file << " was not generated in this build";

Box boxOf(const GeneratedArchive& pak, const std::string& entry) {
  MeshView m = pak.mesh(entry);
  EXPECT_TRUE(m.parsed) << entry << ": " << m.error;
  EXPECT_FALSE(m.positions.empty()) << entry;
  return boundsOf(m.positions);
}

}  // namespace

TEST(ClockGeometry, DialFitsInRadius8_5AboutTheOrigin) {
  OPEN_OR_SKIP(pak, "clock.pak");
  MeshView dial = pak->mesh("ciferblat");
  double reach = 0;
  for (const Point3& p : dial.positions) reach = std::max(reach, std::hypot(p.x, p.y));
  EXPECT_LE(reach, 8.5);
  EXPECT_GE(reach, 7.0) << "a dial this small leaves the hands sticking out";
}

TEST(ClockGeometry, HandsPivotAtTheOriginAndPointToPlusY) {
  OPEN_OR_SKIP(pak, "clock.pak");
  double lengths[3];
  const char* hands[3] = {"sec", "min", "chas"};
  for (int i = 0; i < 3; ++i) {
    Box b = boxOf(*pak, hands[i]);
    EXPECT_GT(b.y1, 3.0) << hands[i];
    EXPECT_LT(-b.y0, b.y1 / 2) << hands[i] << ": the tail is longer than half the hand";
    EXPECT_LT(std::fabs(b.x0 + b.x1), 0.05) << hands[i] << " is not centred on x = 0";
    EXPECT_LT(b.x1 - b.x0, 2.0) << hands[i];
    EXPECT_LE(std::hypot(std::max(b.x1, -b.x0), b.y1), 8.5) << hands[i] << " reaches past the dial";
    lengths[i] = b.y1;
  }
  EXPECT_GT(lengths[0], lengths[2]) << "the second hand must be longer than the hour hand";
  EXPECT_GT(lengths[1], lengths[2]) << "the minute hand must be longer than the hour hand";
}

TEST(ClockGeometry, AllPartsAreDrawnInOnePassSoTheyStackInChildOrder) {
  // A blended dial under opaque hands would be drawn after them, over them.
  OPEN_OR_SKIP(pak, "clock.pak");
  for (const std::string& name : pak->archive->names) {
    if (name.find('.') != std::string::npos) continue;
    for (bool d : pak->mesh(name).deferred) EXPECT_TRUE(d) << name;
  }
}

TEST(ClockGeometry, DigitsStandOnYZeroAndFitTheirSlots) {
  OPEN_OR_SKIP(pak, "clock.pak");
  for (char c = '0'; c <= '9'; ++c) {
    Box b = boxOf(*pak, std::string(1, c));
    EXPECT_NEAR(b.y0, 0.0, 0.05) << c;
    EXPECT_GE(b.y1, 4.0) << c;
    EXPECT_LE(b.y1, 5.5) << c;
    // Slots are about 3.9 apart.
    EXPECT_LE(b.x1 - b.x0, 3.9) << c;
    EXPECT_NEAR(b.x0 + b.x1, 0.0, 0.05) << c;
  }
  Box dot = boxOf(*pak, "dot");
  EXPECT_GE(dot.y0, -0.05);
  EXPECT_LE(dot.x1 - dot.x0, 1.6) << "the colon would touch the hour and minute digits";
}

TEST(ClockGeometry, PlatesSpanTheirSlotsAndTheAmPmSign) {
  OPEN_OR_SKIP(pak, "clock.pak");
  Box plate = boxOf(*pak, "podlozka"), wide = boxOf(*pak, "podlozka_am");
  EXPECT_NEAR(plate.x0, -8.5, 0.3);
  EXPECT_NEAR(plate.x1, 8.5, 0.3);
  EXPECT_NEAR(wide.x0, -8.5, 0.3);
  EXPECT_NEAR(wide.x1, 13.5, 0.3);
  for (const Box& p : {plate, wide}) {
    EXPECT_LE(p.y0, 0.0);
    EXPECT_GE(p.y0, -1.0) << "below the origin there is only about 1 unit of screen";
    EXPECT_GE(p.y1, 5.0);
  }
  // The outer digits (slots at -6.483 and 6.466) lie on the plate.
  Box digit = boxOf(*pak, "8");
  EXPECT_GE(-6.483 + digit.x0, plate.x0);
  EXPECT_LE(6.466 + digit.x1, plate.x1);
  for (const char* sign : {"am", "pm"}) {
    Box s = boxOf(*pak, sign);
    EXPECT_GE(11.432 + s.x0, 6.466 + digit.x1) << sign << " overlaps the minute digits";
    EXPECT_LE(11.432 + s.x1, wide.x1) << sign << " sticks out of the plate";
    EXPECT_GE(s.y0, -0.05) << sign;
  }
}

TEST(CalendarGeometry, CellsFit7_5By7_5AboutTheirOrigin) {
  OPEN_OR_SKIP(pak, "calendar.pak");
  std::vector<std::string> cells = {"null", "sel"};
  for (int d = 1; d <= 31; ++d) cells.push_back(std::to_string(d));
  for (const std::string& c : cells) {
    Box b = boxOf(*pak, c);
    EXPECT_GE(b.x0, -3.75) << c;
    EXPECT_LE(b.x1, 3.75) << c;
    EXPECT_GE(b.y0, -3.75) << c;
    EXPECT_LE(b.y1, 3.75) << c;
  }
}

TEST(CalendarGeometry, RowsAndNamesAreCentredAndTheBackgroundHoldsThePage) {
  OPEN_OR_SKIP(pak, "calendar.pak");
  for (const char* e : {"day", "day_rus"}) {
    Box b = boxOf(*pak, e);
    EXPECT_NEAR(b.x0 + b.x1, 0.0, 0.1) << e;
    EXPECT_GE(b.x1 - b.x0, 7 * 8 - 8) << e << " cannot hold seven labels 8 apart";
    EXPECT_LE(b.y1 - b.y0, 8.0) << e << " would run into the first row of cells";
  }
  for (int m = 1; m <= 12; ++m) {
    Box b = boxOf(*pak, "m" + std::to_string(m));
    EXPECT_NEAR(b.x0 + b.x1, 0.0, 0.1) << m;
    EXPECT_LE(b.x1 - b.x0, 62.0) << m;
    EXPECT_GE(b.y0, -8.0 + 3.0) << "m" << m << " reaches into the weekday row 8 below";
  }
  // Background at (-16, -12) relative to the page; cells at x -40..8,
  // y 0..-40, weekday row at y 8, month name at y 16.
  for (const char* e : {"fon", "fon_rus"}) {
    Box b = boxOf(*pak, e);
    EXPECT_LE(b.x0 - 16, -40 - 3.5) << e;
    EXPECT_GE(b.x1 - 16, 8 + 3.5) << e;
    EXPECT_LE(b.y0 - 12, -40 - 3.5) << e;
    EXPECT_GE(b.y1 - 12, 16 + 3.0) << e;
    EXPECT_NEAR(b.x1 - b.x0, 62, 2) << e;
    EXPECT_NEAR(b.y1 - b.y0, 68, 2) << e;
  }
}

TEST(OverlayGeometry, FpsLabelEndsLeftOfItsDigits) {
  OPEN_OR_SKIP(pak, "utils.pak");
  Box label = boxOf(*pak, "fps");
  EXPECT_LE(label.x1, 0.0);
  EXPECT_GE(label.x0, -5.0) << "the anchor stands only 5 units inside the view";
  for (char c = '0'; c <= '9'; ++c) {
    Box b = boxOf(*pak, std::string(1, c));
    EXPECT_GE(b.x0, -0.05) << c;
    EXPECT_LE(b.x1, 1.4) << c << " overlaps the next place 1.4 to the right";
    EXPECT_NEAR(b.y1 - b.y0, 2.0, 0.3) << c;
  }
}

TEST(MainGeometry, SnowflakeAndGreetingFitWhereTheShowDrawsThem) {
  OPEN_OR_SKIP(pak, "main.pak");
  Box flake = boxOf(*pak, "sn");
  EXPECT_GE(flake.x1 - flake.x0, 10.0);
  EXPECT_LE(flake.x1 - flake.x0, 15.0);
  Box greeting = boxOf(*pak, "nn");
  // Drawn at half size 100 units from the eye: the 16:9 view there is
  // about +-73 x +-41, the 4:3 one +-55 x +-41.
  EXPECT_LE(std::max(greeting.x1, -greeting.x0), 110.0);
  EXPECT_LE(std::max(greeting.y1, -greeting.y0), 80.0);
  for (bool d : pak->mesh("nn").deferred) EXPECT_TRUE(d) << "the greeting is meant to be see-through";
}

TEST(MainGeometry, LandscapeKeepsItsBudgetAndABackdropAllRound) {
  OPEN_OR_SKIP(pak, "main.pak");
  MeshView scena = pak->mesh("scena");
  long long triangles = 0;
  for (const MeshRecordInfo& r : scena.records) triangles += r.triangleCount;
  EXPECT_LT(triangles, 60000);
  // The top of the view looks past the far plane at the ground: in every
  // direction something must rise at least 20 units at radius 130-150.
  double highest[36] = {};
  for (const Point3& p : scena.positions) {
    double r = std::hypot(p.x, p.y);
    if (r < 125 || r > 152) continue;
    int sector = int((std::atan2(p.y, p.x) + M_PI) / (2 * M_PI) * 36) % 36;
    highest[sector] = std::max(highest[sector], p.z);
  }
  for (int s = 0; s < 36; ++s) EXPECT_GE(highest[s], 20.0) << "sector " << s * 10 << " degrees";
  // Nothing reaches the eye, which circles 78 units out and 45 up.
  for (const Point3& p : scena.positions) {
    if (std::fabs(std::hypot(p.x, p.y) - 78) < 10) {
      ASSERT_LT(p.z, 35.0);
    }
  }
}
