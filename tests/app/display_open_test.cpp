// What Display::open decides, against the SDL and GL recorders: the mode it
// asks for, the GL attributes in their order, the fallback without
// multisampling, the cursor, and which video drivers count as a display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/display.h"
#include "support/gl_recorder.h"
#include "support/sdl_recorder.h"

namespace {

const char* const kFlags = "0x80000007";  // SDL_OPENGL | SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT

const std::vector<std::string> kAttributes = {
    "SDL_GL_SetAttribute(SDL_GL_RED_SIZE,8)",           "SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE,8)",
    "SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE,8)",          "SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE,24)",
    "SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER,1)",       "SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS,1)",
    "SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES,4)", "SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL,1)",
    "SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL,1)",
};
const std::vector<std::string> kWithoutMultisampling = {
    "SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS,0)",
    "SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES,0)",
    "SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL,-1)",
};

// SDL ended and started again with the attributes of one sample a pixel.
void startOverWithOneSample(std::vector<std::string>& want) {
  want.push_back("SDL_Quit()");
  want.push_back("SDL_Init(SDL_INIT_VIDEO)");
  std::vector<std::string> single = kAttributes;
  single[5] = kWithoutMultisampling[0];
  single[6] = kWithoutMultisampling[1];
  want.insert(want.end(), single.begin(), single.end());
}

// The SDL calls and GL_MULTISAMPLE, in order; the rest of the GL state has
// its own tests.
std::vector<std::string> sdlCalls() {
  std::vector<std::string> out;
  for (const std::string& c : glrec::calls())
    if (c.compare(0, 4, "SDL_") == 0 || c.find("(GL_MULTISAMPLE)") != std::string::npos) out.push_back(c);
  return out;
}

struct OpenCase {
  const char* what;
  int width, height, depth;  // as the settings give them
  int refused;               // mode requests the display turns down
  int wantWidth, wantHeight, wantDepth;
  const char* renderer;
};

const char* const kHardware = "GL recorder";
const char* const kSoftware = "llvmpipe (LLVM 15.0.6, 256 bits)";

const OpenCase kCases[] = {
    {"settings row 0: the desktop's mode", 0, 0, 0, 0, 1600, 900, 24, kHardware},
    {"a table row, asked at 32 bpp whatever its depth", 1024, 768, 16, 0, 1024, 768, 16, kHardware},
    {"only some zeros are kept as given", 0, 768, 32, 0, 0, 768, 32, kHardware},
    {"no 4-sample multisampling: the second attempt", 800, 600, 32, 1, 800, 600, 32, kHardware},
    {"a software renderer: the mode again, single-sample", 800, 600, 32, 0, 800, 600, 32, kSoftware},
    {"software, refused single-sample: the plain fallback", 800, 600, 32, -1, 800, 600, 32, kSoftware},
};

}  // namespace

TEST(DisplayOpen, ModeAttributesFallbackAndCursor) {
  for (const OpenCase& c : kCases) {
    SCOPED_TRACE(c.what);
    glrec::reset();
    sdlrec::reset();
    sdlrec::setDesktop(1600, 900, 24);
    // -1: the first mode is granted, the next one refused.
    sdlrec::refuseModes(c.refused < 0 ? 1 : c.refused, c.refused < 0 ? 1 : 0);
    glrec::setRenderer(c.renderer);
    Display d;
    d.open(c.width, c.height, c.depth);
    EXPECT_EQ(d.softwareRendered, c.renderer == kSoftware);
    EXPECT_EQ(d.width, c.wantWidth);
    EXPECT_EQ(d.height, c.wantHeight);
    EXPECT_EQ(d.depth, c.wantDepth);

    const std::string mode =
        "SDL_SetVideoMode(" + std::to_string(c.wantWidth) + "," + std::to_string(c.wantHeight) + ",32," + kFlags + ")";
    std::vector<std::string> want = {"SDL_Init(SDL_INIT_VIDEO)"};
    want.insert(want.end(), kAttributes.begin(), kAttributes.end());
    want.push_back(mode);
    if (c.renderer == kSoftware) {
      // Video starts over, so that SDL makes a new window with one sample.
      startOverWithOneSample(want);
      want.push_back(mode);
    }
    if (c.refused != 0) {
      // SDL starts over and takes any single-sample visual.
      startOverWithOneSample(want);
      want.push_back(kWithoutMultisampling[2]);
      want.push_back(mode);
    }
    // Hardware keeps its four samples; GL_MULTISAMPLE, on by default, is off
    // wherever there are none.
    want.push_back(c.refused == 0 && c.renderer == kHardware ? "glEnable(GL_MULTISAMPLE)"
                                                             : "glDisable(GL_MULTISAMPLE)");
    want.push_back("SDL_SetCursor(no pixels)");
    EXPECT_EQ(sdlCalls(), want) << glrec::dump();
    // The cursor goes last, after the projection.
    EXPECT_EQ(glrec::calls().back(), "SDL_SetCursor(no pixels)");
    EXPECT_GT(
        glrec::indexOf("SDL_SetCursor(no pixels)"),
        glrec::indexOf("glViewport(0,0," + std::to_string(c.wantWidth) + "," + std::to_string(c.wantHeight) + ")"));
  }
}

TEST(DisplayOpenDeathTest, FailuresEndTheProcessWithTheirMessage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  glrec::reset();
  sdlrec::reset();
  sdlrec::refuseModes(2);
  EXPECT_EXIT(Display().open(0, 0, 0), testing::ExitedWithCode(1), "^Video mode set failed: mode refused\n$");
  // Every display driver refused: the first one's reason.
  unsetenv("SDL_VIDEODRIVER");
  sdlrec::reset();
  sdlrec::refuseInit();
  EXPECT_EXIT(Display().open(0, 0, 0), testing::ExitedWithCode(1),
              "^Video initialization failed: x11: no video here\n$");
  // A driver that shows nothing is no display, even when the user names it.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  sdlrec::reset();
  EXPECT_EXIT(Display().open(0, 0, 0), testing::ExitedWithCode(1),
              "^Video initialization failed: SDL's video driver \"dummy\" shows nothing on a screen\n$");
  unsetenv("SDL_VIDEODRIVER");
}
