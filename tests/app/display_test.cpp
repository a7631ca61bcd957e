// Initial GL state and the projection, checked against the GL recorder.
#include "app/display.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/gl_recorder.h"

namespace {

const std::vector<std::string> kBaseState = {
    "glEnable(GL_TEXTURE_2D)",
    "glShadeModel(GL_SMOOTH)",
    "glClearColor(0,0,0,0)",
    "glClearDepth(1)",
    "glEnable(GL_DEPTH_TEST)",
    "glDepthFunc(GL_LEQUAL)",
    "glBlendFunc(GL_SRC_ALPHA,GL_ONE_MINUS_SRC_ALPHA)",
    "glAlphaFunc(GL_GREATER,0.9)",
    "glHint(GL_PERSPECTIVE_CORRECTION_HINT,GL_NICEST)",
    "glGetString(GL_EXTENSIONS)",
};

const std::vector<std::string> kTail = {
    "glEnableClientState(GL_VERTEX_ARRAY)",
    "glEnableClientState(GL_NORMAL_ARRAY)",
    "glEnableClientState(GL_TEXTURE_COORD_ARRAY)",
    "glEnable(GL_TEXTURE_2D)",
};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

// GL_MULTISAMPLE starts on in GL: it is switched off wherever it would cost
// without smoothing edges for us.
TEST(DisplayGlState, MultisampledModeEnablesMultisampleFirstUnlessRenderedInSoftware) {
  for (const char* renderer : {"GL recorder", "llvmpipe (LLVM 15.0.6, 256 bits)", "GDI Generic"}) {
    glrec::reset();
    glrec::setRenderer(renderer);
    Display::applyInitialGlState(true);
    const bool hardware = renderer[0] == 'G' && renderer[1] == 'L';
    std::vector<std::string> want = {"glGetString(GL_RENDERER)"};
    want.push_back(hardware ? "glEnable(GL_MULTISAMPLE)" : "glDisable(GL_MULTISAMPLE)");
    EXPECT_EQ(glrec::calls(), concat(concat(want, kBaseState), kTail)) << renderer << "\n" << glrec::dump();
  }
}

TEST(DisplayGlState, FallbackModeLeavesMultisampleOff) {
  glrec::reset();
  Display::applyInitialGlState(false);
  EXPECT_EQ(glrec::calls(), concat(concat({"glDisable(GL_MULTISAMPLE)"}, kBaseState), kTail)) << glrec::dump();
  EXPECT_FALSE(glrec::enabled(0x809D));
}

TEST(DisplayGlState, SeparateSpecularOnlyWithTheExtension) {
  glrec::reset();
  glrec::setExtensions("GL_ARB_texture_env_add GL_EXT_separate_specular_color GL_EXT_fog_coord");
  Display::applyInitialGlState(false);
  std::vector<std::string> want = concat({"glDisable(GL_MULTISAMPLE)"}, kBaseState);
  want.push_back("glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL,GL_SEPARATE_SPECULAR_COLOR)");
  EXPECT_EQ(glrec::calls(), concat(want, kTail)) << glrec::dump();
  glrec::reset();
  glrec::setExtensions("GL_EXT_separate_specular");  // a prefix is not the extension
  Display::applyInitialGlState(false);
  EXPECT_EQ(glrec::count("glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL,GL_SEPARATE_SPECULAR_COLOR)"), 0);
}

TEST(Projection, PerspectiveAndViewEdgesAtFourToThree) {
  glrec::reset();
  Display d;
  EXPECT_EQ(d.setProjection(1024, 768), 1);
  std::vector<std::string> head(glrec::calls().begin(), glrec::calls().begin() + 6);
  std::vector<std::string> want = {
      "glViewport(0,0,1024,768)",   "glMatrixMode(GL_PROJECTION)",
      "glLoadIdentity()",           "gluPerspective(45,1.33333,0.10000000149011612,250)",
      "glMatrixMode(GL_MODELVIEW)", "glLoadIdentity()",
  };
  EXPECT_EQ(head, want) << glrec::dump();
  const double t = std::tan(22.5 * M_PI / 180.0);
  EXPECT_NEAR(d.viewEdgeX(-100), -100 * (4.0 / 3.0) * t, 1e-4);
  EXPECT_NEAR(d.viewEdgeX(-100), -55.23, 0.01);
  EXPECT_NEAR(d.viewEdgeY(-100), -41.42, 0.01);
  EXPECT_EQ(d.viewEdgeX(0), 0);
  EXPECT_NEAR(d.viewEdgeY(100), 41.42, 0.01);  // behind the eye: the mirrored edge
  EXPECT_LT(d.viewNearCorner[2], -0.04);       // just in front of the eye
  EXPECT_GT(d.viewNearCorner[2], -0.1);
}

TEST(Projection, HeightZeroActsAsOne) {
  glrec::reset();
  Display d;
  d.setProjection(640, 0);
  EXPECT_EQ(glrec::indexOf("glViewport(0,0,640,1)"), 0) << glrec::dump();
  EXPECT_EQ(glrec::indexOf("gluPerspective(45,640,0.10000000149011612,250)"), 3) << glrec::dump();
}
