// GL recorder: definitions of the GL and GLU entry points for unit tests.
#include "gl_recorder.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

namespace {

struct Mat {
  double m[16];
};

Mat identity() {
  Mat r;
  for (int i = 0; i < 16; ++i) r.m[i] = (i % 5 == 0) ? 1.0 : 0.0;
  return r;
}

Mat mul(const Mat& a, const Mat& b) {  // a * b, column-major
  Mat r;
  for (int c = 0; c < 4; ++c)
    for (int row = 0; row < 4; ++row) {
      double s = 0;
      for (int k = 0; k < 4; ++k) s += a.m[k * 4 + row] * b.m[c * 4 + k];
      r.m[c * 4 + row] = s;
    }
  return r;
}

bool invert(const Mat& in, Mat& out) {
  const double* m = in.m;
  double inv[16];
  inv[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15] + m[9] * m[7] * m[14] + m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
  inv[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15] - m[8] * m[7] * m[14] - m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
  inv[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15] + m[8] * m[7] * m[13] + m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
  inv[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14] - m[8] * m[6] * m[13] - m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
  inv[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15] - m[9] * m[3] * m[14] - m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
  inv[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15] + m[8] * m[3] * m[14] + m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
  inv[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15] - m[8] * m[3] * m[13] - m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
  inv[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14] + m[8] * m[2] * m[13] + m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
  inv[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15] + m[5] * m[3] * m[14] + m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
  inv[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15] - m[4] * m[3] * m[14] - m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
  inv[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15] + m[4] * m[3] * m[13] + m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
  inv[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14] - m[4] * m[2] * m[13] - m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
  inv[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11] - m[5] * m[3] * m[10] - m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
  inv[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11] + m[4] * m[3] * m[10] + m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
  inv[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11] - m[4] * m[3] * m[9] - m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
  inv[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10] + m[4] * m[2] * m[9] + m[8] * m[1] * m[6] - m[8] * m[2] * m[5];
  double det = m[0] * inv[0] + m[1] * inv[4] + m[2] * inv[8] + m[3] * inv[12];
  if (det == 0) return false;
  for (int i = 0; i < 16; ++i) out.m[i] = inv[i] / det;
  return true;
}

struct State {
  std::vector<std::string> log;
  std::set<GLenum> caps;
  std::vector<Mat> modelView{identity()};
  std::vector<Mat> projection{identity()};
  GLenum matrixMode = GL_MODELVIEW;
  GLint viewport[4] = {0, 0, 0, 0};
  GLboolean depthMask = GL_TRUE;
  GLuint bound = 0;
  GLuint nextTexture = 1;
  std::set<GLuint> textures;
  int gens = 0;
  GLuint nextList = 1;
  std::set<GLuint> lists;
  std::string extensions = "GL_ARB_multitexture";
  std::string renderer = "GL recorder";
  const void* vertex = nullptr;
  const void* normal = nullptr;
  const void* texCoord = nullptr;
  GLint unpackAlignment = 4;
};

State& st() {
  static State s;
  return s;
}

std::vector<Mat>& stack() {
  return st().matrixMode == GL_PROJECTION ? st().projection : st().modelView;
}

void multiply(const Mat& m) {
  Mat& top = stack().back();
  top = mul(top, m);
}

bool logging = true;

void log(const char* fmt, ...) {
  if (!logging) return;
  char buf[512];
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(buf, sizeof buf, fmt, ap);
  va_end(ap);
  st().log.push_back(buf);
}

// Numbers print with %g so that tests can write them naturally.
std::string num(double v) {
  char buf[64];
  snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

const char* e(GLenum v) {
  static std::string holder[8];
  static int slot = 0;
  slot = (slot + 1) % 8;
  holder[slot] = glrec::enumName(v);
  return holder[slot].c_str();
}

// Kept so that the compiler cannot drop the reads below.
volatile unsigned pixelSum;

// Reads every byte a texture upload hands over, as a driver copying it
// would, so that a buffer shorter than its sides say shows under ASan.
void readPixels(GLsizei w, GLsizei h, GLenum format, GLenum type, const GLvoid* pixels) {
  if (!pixels || w <= 0 || h <= 0) return;
  size_t components = 4;
  switch (format) {
    case GL_RGB: case GL_BGR: components = 3; break;
    case GL_LUMINANCE_ALPHA: components = 2; break;
    case GL_LUMINANCE: case GL_ALPHA: case GL_RED: components = 1; break;
    default: break;
  }
  const size_t componentBytes = type == GL_UNSIGNED_BYTE || type == GL_BYTE ? 1 : type == GL_FLOAT ? 4 : 2;
  const size_t rowBytes = static_cast<size_t>(w) * components * componentBytes;
  const size_t align = static_cast<size_t>(st().unpackAlignment);
  const size_t stride = (rowBytes + align - 1) / align * align;
  const unsigned char* p = static_cast<const unsigned char*>(pixels);
  unsigned sum = 0;
  for (GLsizei y = 0; y < h; ++y)
    for (size_t i = 0; i < rowBytes; ++i) sum += p[static_cast<size_t>(y) * stride + i];
  pixelSum = sum;
}

}  // namespace

namespace glrec {

void setLogging(bool on) { logging = on; }
void reset() { st() = State(); }
const std::vector<std::string>& calls() { return st().log; }
void clearCalls() { st().log.clear(); }
void note(const std::string& text) {
  if (logging) st().log.push_back(text);
}

std::vector<std::string> callsStartingWith(const std::string& prefix) {
  std::vector<std::string> r;
  for (const auto& c : st().log)
    if (c.compare(0, prefix.size(), prefix) == 0) r.push_back(c);
  return r;
}

int count(const std::string& text) {
  int n = 0;
  for (const auto& c : st().log) n += (c == text);
  return n;
}

int indexOf(const std::string& text, int from) {
  for (size_t i = from < 0 ? 0 : from; i < st().log.size(); ++i)
    if (st().log[i] == text) return static_cast<int>(i);
  return -1;
}

std::string dump() {
  std::string r;
  for (const auto& c : st().log) r += c + "\n";
  return r;
}

void setExtensions(const char* extensions) { st().extensions = extensions; }
void setRenderer(const char* renderer) { st().renderer = renderer; }
bool enabled(GLenum cap) { return st().caps.count(cap) != 0; }
GLboolean depthMask() { return st().depthMask; }
GLuint boundTexture() { return st().bound; }
bool textureExists(GLuint name) { return st().textures.count(name) != 0; }
int liveTextureCount() { return static_cast<int>(st().textures.size()); }
int genCount() { return st().gens; }
int liveListCount() { return static_cast<int>(st().lists.size()); }
const double* modelView() { return st().modelView.back().m; }
const double* projection() { return st().projection.back().m; }
const void* vertexPointer() { return st().vertex; }
const void* normalPointer() { return st().normal; }
const void* texCoordPointer() { return st().texCoord; }

std::string enumName(GLenum v) {
  static const std::map<GLenum, const char*> names = {
      {GL_TEXTURE_2D, "GL_TEXTURE_2D"}, {GL_DEPTH_TEST, "GL_DEPTH_TEST"},
      {GL_BLEND, "GL_BLEND"}, {GL_ALPHA_TEST, "GL_ALPHA_TEST"},
      {GL_NORMALIZE, "GL_NORMALIZE"}, {GL_LIGHTING, "GL_LIGHTING"},
      {GL_LIGHT0, "GL_LIGHT0"}, {GL_LIGHT1, "GL_LIGHT1"}, {GL_LIGHT2, "GL_LIGHT2"},
      {GL_LIGHT3, "GL_LIGHT3"}, {GL_LIGHT4, "GL_LIGHT4"}, {GL_LIGHT5, "GL_LIGHT5"},
      {GL_LIGHT6, "GL_LIGHT6"}, {GL_LIGHT7, "GL_LIGHT7"}, {GL_FOG, "GL_FOG"},
      {GL_MULTISAMPLE, "GL_MULTISAMPLE"}, {GL_SMOOTH, "GL_SMOOTH"}, {GL_FLAT, "GL_FLAT"},
      {GL_LEQUAL, "GL_LEQUAL"}, {GL_LESS, "GL_LESS"}, {GL_GREATER, "GL_GREATER"},
      {GL_SRC_ALPHA, "GL_SRC_ALPHA"}, {GL_ONE_MINUS_SRC_ALPHA, "GL_ONE_MINUS_SRC_ALPHA"},
      {GL_PERSPECTIVE_CORRECTION_HINT, "GL_PERSPECTIVE_CORRECTION_HINT"},
      {GL_FOG_HINT, "GL_FOG_HINT"}, {GL_NICEST, "GL_NICEST"},
      {GL_LIGHT_MODEL_COLOR_CONTROL, "GL_LIGHT_MODEL_COLOR_CONTROL"},
      {GL_SEPARATE_SPECULAR_COLOR, "GL_SEPARATE_SPECULAR_COLOR"},
      {GL_VERTEX_ARRAY, "GL_VERTEX_ARRAY"}, {GL_NORMAL_ARRAY, "GL_NORMAL_ARRAY"},
      {GL_TEXTURE_COORD_ARRAY, "GL_TEXTURE_COORD_ARRAY"},
      {GL_PROJECTION, "GL_PROJECTION"}, {GL_MODELVIEW, "GL_MODELVIEW"},
      {GL_MODELVIEW_MATRIX, "GL_MODELVIEW_MATRIX"}, {GL_PROJECTION_MATRIX, "GL_PROJECTION_MATRIX"},
      {GL_VIEWPORT, "GL_VIEWPORT"}, {GL_FOG_MODE, "GL_FOG_MODE"}, {GL_EXP2, "GL_EXP2"},
      {GL_FOG_COLOR, "GL_FOG_COLOR"}, {GL_FOG_DENSITY, "GL_FOG_DENSITY"},
      {GL_FOG_START, "GL_FOG_START"}, {GL_FOG_END, "GL_FOG_END"},
      {GL_TEXTURE_ENV, "GL_TEXTURE_ENV"}, {GL_TEXTURE_ENV_MODE, "GL_TEXTURE_ENV_MODE"},
      {GL_MODULATE, "GL_MODULATE"}, {GL_TEXTURE_MIN_FILTER, "GL_TEXTURE_MIN_FILTER"},
      {GL_TEXTURE_MAG_FILTER, "GL_TEXTURE_MAG_FILTER"}, {GL_LINEAR, "GL_LINEAR"},
      {GL_RGBA, "GL_RGBA"}, {GL_RGB, "GL_RGB"}, {GL_UNSIGNED_BYTE, "GL_UNSIGNED_BYTE"},
      {GL_DOUBLE, "GL_DOUBLE"}, {GL_FLOAT, "GL_FLOAT"}, {GL_TRIANGLES, "GL_TRIANGLES"}, {GL_COMPILE, "GL_COMPILE"}, {GL_RENDERER, "GL_RENDERER"},
      {GL_FRONT_AND_BACK, "GL_FRONT_AND_BACK"}, {GL_SHININESS, "GL_SHININESS"},
      {GL_SPECULAR, "GL_SPECULAR"}, {GL_DIFFUSE, "GL_DIFFUSE"}, {GL_AMBIENT, "GL_AMBIENT"},
      {GL_UNPACK_ALIGNMENT, "GL_UNPACK_ALIGNMENT"}, {GL_UNPACK_ROW_LENGTH, "GL_UNPACK_ROW_LENGTH"},
      {GL_EXTENSIONS, "GL_EXTENSIONS"}, {GL_CULL_FACE, "GL_CULL_FACE"},
      {GL_TEXTURE_WRAP_S, "GL_TEXTURE_WRAP_S"}, {GL_TEXTURE_WRAP_T, "GL_TEXTURE_WRAP_T"},
  };
  auto it = names.find(v);
  if (it != names.end()) return it->second;
  return num(v);
}

}  // namespace glrec

extern "C" {

void GLAPIENTRY glEnable(GLenum cap) { if (logging) log("glEnable(%s)", e(cap)); st().caps.insert(cap); }
void GLAPIENTRY glDisable(GLenum cap) { if (logging) log("glDisable(%s)", e(cap)); st().caps.erase(cap); }
GLboolean GLAPIENTRY glIsEnabled(GLenum cap) {
  if (logging) log("glIsEnabled(%s)", e(cap));
  return st().caps.count(cap) ? GL_TRUE : GL_FALSE;
}
void GLAPIENTRY glEnableClientState(GLenum a) { if (logging) log("glEnableClientState(%s)", e(a)); }
void GLAPIENTRY glDisableClientState(GLenum a) { if (logging) log("glDisableClientState(%s)", e(a)); }
void GLAPIENTRY glShadeModel(GLenum m) { if (logging) log("glShadeModel(%s)", e(m)); }
void GLAPIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
  if (logging) log("glClearColor(%s,%s,%s,%s)", num(r).c_str(), num(g).c_str(), num(b).c_str(), num(a).c_str());
}
void GLAPIENTRY glClearDepth(GLclampd d) { if (logging) log("glClearDepth(%s)", num(d).c_str()); }
void GLAPIENTRY glClear(GLbitfield mask) {
  std::string s;
  if (mask & GL_COLOR_BUFFER_BIT) s += "GL_COLOR_BUFFER_BIT";
  if (mask & GL_DEPTH_BUFFER_BIT) s += s.empty() ? "GL_DEPTH_BUFFER_BIT" : "|GL_DEPTH_BUFFER_BIT";
  if (logging) log("glClear(%s)", s.c_str());
}
void GLAPIENTRY glDepthFunc(GLenum f) { if (logging) log("glDepthFunc(%s)", e(f)); }
void GLAPIENTRY glDepthMask(GLboolean flag) {
  if (logging) log("glDepthMask(%s)", flag ? "GL_TRUE" : "GL_FALSE");
  st().depthMask = flag;
}
void GLAPIENTRY glBlendFunc(GLenum s, GLenum d) { if (logging) log("glBlendFunc(%s,%s)", e(s), e(d)); }
void GLAPIENTRY glAlphaFunc(GLenum f, GLclampf ref) { if (logging) log("glAlphaFunc(%s,%s)", e(f), num(ref).c_str()); }
void GLAPIENTRY glHint(GLenum t, GLenum m) { if (logging) log("glHint(%s,%s)", e(t), e(m)); }
const GLubyte* GLAPIENTRY glGetString(GLenum name) {
  if (logging) log("glGetString(%s)", e(name));
  if (name == GL_EXTENSIONS) return reinterpret_cast<const GLubyte*>(st().extensions.c_str());
  if (name == GL_RENDERER) return reinterpret_cast<const GLubyte*>(st().renderer.c_str());
  return reinterpret_cast<const GLubyte*>("GL recorder");
}
GLenum GLAPIENTRY glGetError(void) { return GL_NO_ERROR; }
void GLAPIENTRY glLightModeli(GLenum p, GLint v) { if (logging) log("glLightModeli(%s,%s)", e(p), e(v)); }
void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
  if (logging) log("glViewport(%d,%d,%d,%d)", x, y, w, h);
  st().viewport[0] = x; st().viewport[1] = y; st().viewport[2] = w; st().viewport[3] = h;
}
void GLAPIENTRY glMatrixMode(GLenum m) { if (logging) log("glMatrixMode(%s)", e(m)); st().matrixMode = m; }
void GLAPIENTRY glLoadIdentity(void) { if (logging) log("glLoadIdentity()"); stack().back() = identity(); }
void GLAPIENTRY glPushMatrix(void) { if (logging) log("glPushMatrix()"); stack().push_back(stack().back()); }
void GLAPIENTRY glPopMatrix(void) {
  if (logging) log("glPopMatrix()");
  if (stack().size() > 1) stack().pop_back();
}
void GLAPIENTRY glLoadMatrixd(const GLdouble* m) {
  if (logging) log("glLoadMatrixd()");
  std::memcpy(stack().back().m, m, sizeof(double) * 16);
}
void GLAPIENTRY glMultMatrixd(const GLdouble* m) {
  if (logging) log("glMultMatrixd()");
  Mat t;
  std::memcpy(t.m, m, sizeof t.m);
  multiply(t);
}
static void translate(double x, double y, double z) {
  Mat t = identity();
  t.m[12] = x; t.m[13] = y; t.m[14] = z;
  multiply(t);
}
static void rotate(double deg, double x, double y, double z) {
  double len = std::sqrt(x * x + y * y + z * z);
  if (len == 0) return;
  x /= len; y /= len; z /= len;
  double a = deg * M_PI / 180.0, c = std::cos(a), s = std::sin(a), ic = 1 - c;
  Mat r = identity();
  r.m[0] = x * x * ic + c;     r.m[4] = x * y * ic - z * s; r.m[8] = x * z * ic + y * s;
  r.m[1] = y * x * ic + z * s; r.m[5] = y * y * ic + c;     r.m[9] = y * z * ic - x * s;
  r.m[2] = x * z * ic - y * s; r.m[6] = y * z * ic + x * s; r.m[10] = z * z * ic + c;
  multiply(r);
}
static void scale(double x, double y, double z) {
  Mat t = identity();
  t.m[0] = x; t.m[5] = y; t.m[10] = z;
  multiply(t);
}
void GLAPIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  if (logging) log("glTranslatef(%s,%s,%s)", num(x).c_str(), num(y).c_str(), num(z).c_str());
  translate(x, y, z);
}
void GLAPIENTRY glTranslated(GLdouble x, GLdouble y, GLdouble z) {
  if (logging) log("glTranslated(%s,%s,%s)", num(x).c_str(), num(y).c_str(), num(z).c_str());
  translate(x, y, z);
}
void GLAPIENTRY glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) {
  if (logging) log("glRotatef(%s,%s,%s,%s)", num(a).c_str(), num(x).c_str(), num(y).c_str(), num(z).c_str());
  rotate(a, x, y, z);
}
void GLAPIENTRY glRotated(GLdouble a, GLdouble x, GLdouble y, GLdouble z) {
  if (logging) log("glRotated(%s,%s,%s,%s)", num(a).c_str(), num(x).c_str(), num(y).c_str(), num(z).c_str());
  rotate(a, x, y, z);
}
void GLAPIENTRY glScaled(GLdouble x, GLdouble y, GLdouble z) {
  if (logging) log("glScaled(%s,%s,%s)", num(x).c_str(), num(y).c_str(), num(z).c_str());
  scale(x, y, z);
}
void GLAPIENTRY glScalef(GLfloat x, GLfloat y, GLfloat z) {
  if (logging) log("glScalef(%s,%s,%s)", num(x).c_str(), num(y).c_str(), num(z).c_str());
  scale(x, y, z);
}
void GLAPIENTRY glGetDoublev(GLenum p, GLdouble* out) {
  if (logging) log("glGetDoublev(%s)", e(p));
  if (p == GL_MODELVIEW_MATRIX) std::memcpy(out, st().modelView.back().m, sizeof(double) * 16);
  else if (p == GL_PROJECTION_MATRIX) std::memcpy(out, st().projection.back().m, sizeof(double) * 16);
}
void GLAPIENTRY glGetFloatv(GLenum p, GLfloat* out) {
  if (logging) log("glGetFloatv(%s)", e(p));
  const double* src = nullptr;
  if (p == GL_MODELVIEW_MATRIX) src = st().modelView.back().m;
  else if (p == GL_PROJECTION_MATRIX) src = st().projection.back().m;
  if (src)
    for (int i = 0; i < 16; ++i) out[i] = static_cast<float>(src[i]);
}
void GLAPIENTRY glGetIntegerv(GLenum p, GLint* out) {
  if (logging) log("glGetIntegerv(%s)", e(p));
  if (p == GL_VIEWPORT) std::memcpy(out, st().viewport, sizeof st().viewport);
}
void GLAPIENTRY glFogi(GLenum p, GLint v) { if (logging) log("glFogi(%s,%s)", e(p), e(v)); }
void GLAPIENTRY glFogf(GLenum p, GLfloat v) { if (logging) log("glFogf(%s,%s)", e(p), num(v).c_str()); }
void GLAPIENTRY glFogfv(GLenum p, const GLfloat* v) {
  if (logging) log("glFogfv(%s,%s,%s,%s,%s)", e(p), num(v[0]).c_str(), num(v[1]).c_str(), num(v[2]).c_str(), num(v[3]).c_str());
}
void GLAPIENTRY glGenTextures(GLsizei n, GLuint* names) {
  if (logging) log("glGenTextures(%d)", n);
  ++st().gens;
  for (GLsizei i = 0; i < n; ++i) {
    names[i] = st().nextTexture++;
    st().textures.insert(names[i]);
  }
}
void GLAPIENTRY glDeleteTextures(GLsizei n, const GLuint* names) {
  std::string s;
  for (GLsizei i = 0; i < n; ++i) {
    s += (i ? "," : "") + std::to_string(names[i]);
    st().textures.erase(names[i]);
    if (st().bound == names[i]) st().bound = 0;
  }
  if (logging) log("glDeleteTextures(%d,%s)", n, s.c_str());
}
void GLAPIENTRY glBindTexture(GLenum t, GLuint name) {
  if (logging) log("glBindTexture(%s,%u)", e(t), name);
  st().bound = name;
}
void GLAPIENTRY glTexImage2D(GLenum t, GLint level, GLint internal, GLsizei w, GLsizei h, GLint border,
                             GLenum format, GLenum type, const GLvoid* pixels) {
  readPixels(w, h, format, type, pixels);
  if (logging) log("glTexImage2D(%s,%d,%s,%d,%d,%d,%s,%s)", e(t), level, e(internal), w, h, border, e(format), e(type));
}
void GLAPIENTRY glTexSubImage2D(GLenum t, GLint level, GLint x, GLint y, GLsizei w, GLsizei h, GLenum format,
                                GLenum type, const GLvoid* pixels) {
  readPixels(w, h, format, type, pixels);
  if (logging) log("glTexSubImage2D(%s,%d,%d,%d,%d,%d,%s,%s)", e(t), level, x, y, w, h, e(format), e(type));
}
void GLAPIENTRY glTexEnvi(GLenum t, GLenum p, GLint v) { if (logging) log("glTexEnvi(%s,%s,%s)", e(t), e(p), e(v)); }
void GLAPIENTRY glTexParameteri(GLenum t, GLenum p, GLint v) { if (logging) log("glTexParameteri(%s,%s,%s)", e(t), e(p), e(v)); }
void GLAPIENTRY glPixelStorei(GLenum p, GLint v) {
  if (p == GL_UNPACK_ALIGNMENT && (v == 1 || v == 2 || v == 4 || v == 8)) st().unpackAlignment = v;
  if (logging) log("glPixelStorei(%s,%d)", e(p), v);
}
void GLAPIENTRY glMaterialf(GLenum f, GLenum p, GLfloat v) { if (logging) log("glMaterialf(%s,%s,%s)", e(f), e(p), num(v).c_str()); }
void GLAPIENTRY glMaterialfv(GLenum f, GLenum p, const GLfloat* v) {
  if (logging) log("glMaterialfv(%s,%s,%s,%s,%s,%s)", e(f), e(p), num(v[0]).c_str(), num(v[1]).c_str(), num(v[2]).c_str(),
      num(v[3]).c_str());
}
void GLAPIENTRY glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  if (logging) log("glColor4f(%s,%s,%s,%s)", num(r).c_str(), num(g).c_str(), num(b).c_str(), num(a).c_str());
}
void GLAPIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) {
  if (logging) log("glColor3f(%s,%s,%s)", num(r).c_str(), num(g).c_str(), num(b).c_str());
}
void GLAPIENTRY glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* p) {
  if (logging) log("glVertexPointer(%d,%s,%d)", size, e(type), stride);
  st().vertex = p;
}
void GLAPIENTRY glNormalPointer(GLenum type, GLsizei stride, const GLvoid* p) {
  if (logging) log("glNormalPointer(%s,%d)", e(type), stride);
  st().normal = p;
}
void GLAPIENTRY glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* p) {
  if (logging) log("glTexCoordPointer(%d,%s,%d)", size, e(type), stride);
  st().texCoord = p;
}
void GLAPIENTRY glDrawArrays(GLenum mode, GLint first, GLsizei n) { if (logging) log("glDrawArrays(%s,%d,%d)", e(mode), first, n); }
GLuint GLAPIENTRY glGenLists(GLsizei range) {
  if (logging) log("glGenLists(%d)", range);
  const GLuint first = st().nextList;
  for (GLsizei i = 0; i < range; ++i) st().lists.insert(st().nextList++);
  return first;
}
void GLAPIENTRY glNewList(GLuint list, GLenum mode) { if (logging) log("glNewList(%u,%s)", list, e(mode)); }
void GLAPIENTRY glEndList(void) { if (logging) log("glEndList()"); }
void GLAPIENTRY glCallList(GLuint list) { if (logging) log("glCallList(%u)", list); }
void GLAPIENTRY glDeleteLists(GLuint list, GLsizei range) {
  if (logging) log("glDeleteLists(%u,%d)", list, range);
  for (GLsizei i = 0; i < range; ++i) st().lists.erase(list + i);
}
void GLAPIENTRY glFlush(void) { if (logging) log("glFlush()"); }
void GLAPIENTRY glFinish(void) { if (logging) log("glFinish()"); }

void GLAPIENTRY gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
  if (logging) log("gluPerspective(%s,%s,%.17g,%s)", num(fovy).c_str(), num(aspect).c_str(), zNear, num(zFar).c_str());
  double f = 1.0 / std::tan(fovy * M_PI / 360.0);
  Mat p;
  std::memset(p.m, 0, sizeof p.m);
  p.m[0] = f / aspect;
  p.m[5] = f;
  p.m[10] = (zFar + zNear) / (zNear - zFar);
  p.m[11] = -1;
  p.m[14] = 2 * zFar * zNear / (zNear - zFar);
  multiply(p);
}

GLint GLAPIENTRY gluUnProject(GLdouble wx, GLdouble wy, GLdouble wz, const GLdouble* model, const GLdouble* proj,
                              const GLint* view, GLdouble* ox, GLdouble* oy, GLdouble* oz) {
  if (logging) log("gluUnProject(%s,%s,%s)", num(wx).c_str(), num(wy).c_str(), num(wz).c_str());
  Mat a, b, inv;
  std::memcpy(a.m, proj, sizeof a.m);
  std::memcpy(b.m, model, sizeof b.m);
  if (!invert(mul(a, b), inv)) return GL_FALSE;
  double in[4] = {(wx - view[0]) / view[2] * 2 - 1, (wy - view[1]) / view[3] * 2 - 1, wz * 2 - 1, 1};
  double out[4];
  for (int r = 0; r < 4; ++r) {
    out[r] = 0;
    for (int k = 0; k < 4; ++k) out[r] += inv.m[k * 4 + r] * in[k];
  }
  if (out[3] == 0) return GL_FALSE;
  *ox = out[0] / out[3];
  *oy = out[1] / out[3];
  *oz = out[2] / out[3];
  return GL_TRUE;
}

}  // extern "C"
