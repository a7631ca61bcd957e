// GL recorder: stands in for libGL and GLU in the unit tests.
//
// Every GL 1.x and GLU entry point the code calls is defined in
// gl_recorder.cpp with C linkage. Each call is logged as text, e.g.
// "glEnable(GL_DEPTH_TEST)" or "glTranslatef(0,0,-100)", and the recorder
// keeps just enough state to answer the queries the code makes: enabled
// caps, the matrix stacks (real arithmetic), the viewport, texture names and
// the extension string.
#pragma once

#include <GL/gl.h>
#include <string>
#include <vector>

namespace glrec {

// With logging off the recorder keeps its state but writes no log, so that
// benchmarks time only the code under test ("null driver").
void setLogging(bool on);

// Forgets the log and all state (caps off, identity matrices, no textures).
void reset();

// The calls since the last reset() or clearCalls(), in order.
const std::vector<std::string>& calls();
void clearCalls();
// Appends a line to the log: other stand-ins (the SDL recorder) and test
// callbacks put their calls in order with the GL calls.
void note(const std::string& text);

// Calls whose text starts with prefix (e.g. "glEnable").
std::vector<std::string> callsStartingWith(const std::string& prefix);
// Number of calls equal to text.
int count(const std::string& text);
// Index of the first call equal to text at or after from, or -1.
int indexOf(const std::string& text, int from = 0);
// All calls joined with "\n" (for failure messages).
std::string dump();

// What glGetString(GL_EXTENSIONS) answers.
void setExtensions(const char* extensions);
// What glGetString(GL_RENDERER) answers ("GL recorder" unless told).
void setRenderer(const char* renderer);

bool enabled(GLenum cap);
GLboolean depthMask();
GLuint boundTexture();
bool textureExists(GLuint name);
int liveTextureCount();
// Number of glGenTextures calls since reset.
int genCount();
// Display lists made and not yet deleted.
int liveListCount();

// Current matrices, column-major as glGetDoublev returns them.
const double* modelView();
const double* projection();

// Last client array pointers given to glVertexPointer and friends.
const void* vertexPointer();
const void* normalPointer();
const void* texCoordPointer();

// Name of a GL enum as the log prints it ("GL_DEPTH_TEST"), or its number.
std::string enumName(GLenum value);

}  // namespace glrec
