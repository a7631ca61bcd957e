// Transform: which GL calls apply() and applyScale() issue, and how the
// setters accumulate.
#include <gtest/gtest.h>

#include "support/gl_recorder.h"
#include "scene/transform.h"

TEST(Transform, IdentityIssuesNoCall) {
  glrec::reset();
  Transform t;
  EXPECT_FALSE(t.scaled);
  t.apply();
  EXPECT_TRUE(glrec::calls().empty()) << glrec::dump();
}

TEST(Transform, ZeroComponentsIssueNoCallForThatAxis) {
  glrec::reset();
  Transform t;
  t.setRotation(0, 30, 0);
  t.apply();
  ASSERT_EQ(glrec::calls(), std::vector<std::string>({"glRotatef(30,0,1,0)"}));

  glrec::reset();
  t.setPosition(0, 0, -2.5);
  t.setRotation(10, 0, 45);
  t.apply();
  EXPECT_EQ(glrec::calls(),
            std::vector<std::string>({"glTranslatef(0,0,-2.5)", "glRotatef(10,1,0,0)", "glRotatef(45,0,0,1)"}));
}

TEST(Transform, ApplyNarrowsToFloatAndNeverScales) {
  glrec::reset();
  Transform t;
  t.setPosition(0.1, 0, 0);
  t.setScale(2, 2, 2);
  t.apply();
  ASSERT_EQ(glrec::calls().size(), 1u);
  EXPECT_EQ(glrec::modelView()[12], static_cast<double>(0.1f));
  glrec::clearCalls();
  t.applyScale();
  EXPECT_EQ(glrec::calls(), std::vector<std::string>({"glScaled(2,2,2)"}));
}

TEST(Transform, ResetKeepsScaledAndSetScaleSetsIt) {
  Transform t;
  t.setScale(1, 1, 1);  // identity values still count as scaled
  EXPECT_TRUE(t.scaled);
  t.setPosition(1, 2, 3);
  t.setRotation(4, 5, 6);
  t.reset();
  EXPECT_TRUE(t.scaled);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(t.position[i], 0.0);
    EXPECT_EQ(t.rotation[i], 0.0);
    EXPECT_EQ(t.scale[i], 1.0);
  }
}

TEST(Transform, TranslateAndRotateAccumulate) {
  Transform t;
  t.rotateBy(0, 0, 5);
  t.rotateBy(0, 0, 5);
  t.translateBy(1, -2, 0.5);
  t.translateBy(1, 0, 0.25);
  EXPECT_EQ(t.rotation[2], 10.0);
  EXPECT_EQ(t.position[0], 2.0);
  EXPECT_EQ(t.position[1], -2.0);
  EXPECT_EQ(t.position[2], 0.75);
}
