// Platform layer: the few operating-system services the show needs, behind
// plain functions. posix/ implements them for Linux, win32/ for Windows.
// Callers never test which platform they run on.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Separator used when paths are composed ('/' or '\\').
extern const char pathSeparator;

// Folder of the running program, ending with pathSeparator.
std::string programFolder();

// Reads a text value of the system's settings store (the registry on
// Windows). Returns false, out unchanged, when there is none; Linux has none.
bool readRegistryText(const char* subKey, const char* valueName, std::string& out);

// Common application-data folder, created when missing, without a trailing
// separator.
std::string commonAppDataFolder();

// Reads the whole file at path into bytes. The file is opened without
// blocking, so that a FIFO or a device at that path cannot hang the caller,
// and only a regular file of at most maxBytes is read (sizes in 64 bits).
// FileMissing: there is no such file; FileUnreadable: problem says why.
enum FileReadResult { FileRead, FileMissing, FileUnreadable };
FileReadResult readRegularFile(const std::string& path, uint64_t maxBytes, std::string& bytes, std::string& problem);

// The file name under which a program named like "config.exe" is installed
// here ("config" on Linux).
std::string programFileName(const std::string& windowsName);

// Starts the program at path with workingFolder as its current folder, the
// caller's environment and argument as its one argument (none when empty).
// With wait set, blocks until it ends; on Windows it then also ends when the
// caller is ended (a job closed with the caller), everything it started with
// it. False when it could not be started.
bool startProgram(const std::string& path, const std::string& workingFolder, bool wait, const std::string& argument);

// Puts "NAME=value" into the process environment; the text must outlive the
// process (both putenv and _putenv keep the pointer or a copy of it).
void putEnvironment(const char* assignment);

// SDL video drivers that show the picture on a screen, in the order they are
// tried, ending with a null entry. Any other driver SDL may fall back to (a
// text terminal, an off-screen or dummy one) is no display for the show.
extern const char* const displayVideoDrivers[];

// Whether a software renderer's multisampled drawable may be replaced by
// starting SDL video over with one sample a pixel. Windows' own software GL
// has no multisampled pixel formats, so it gets one sample from the start,
// and SDL 1.2's full-screen window there does not always come back from a
// restart (over two monitors it stayed unmapped): Windows keeps its first
// drawable and only switches GL_MULTISAMPLE off.
extern const bool singleSampleRestart;

// Whether the show hides the pointer with a cursor of no pixels rather than
// with SDL_ShowCursor. The layer over SDL 2 (Linux) takes a hidden cursor in
// a grabbed full-screen window for relative mouse mode, which misses absolute
// pointers. Windows has only SDL 1.2, whose hidden cursor is what lets the
// pointer's movements over another monitor's cover reach the show.
extern const bool blankCursor;

// Keeps the libraries under SDL from starting a session message bus of
// their own when the user has none: such a bus would outlive the show.
void useOnlyRunningSessionBus();

// Refresh rate of the screen the show runs on, in whole frames a second,
// or 0 when the system does not tell it.
int displayRefreshRate();

// Covers every monitor but the one the show's full-screen window fills with
// a black, top-most window without frame or cursor, so no other screen
// shows the desktop while the show runs, and where a monitor's show can run
// apart from this one (Windows) starts the show over each cover, with
// showArguments, as in a host window. Input on a cover counts as input on
// the show, and a monitor's show ended by the user's input ends this one.
// Called after the display is open; uncoverOtherMonitors removes the covers
// before it closes, which ends the monitors' shows. A single monitor gets no
// cover.
void coverOtherMonitors(const std::string& showArguments);
void uncoverOtherMonitors();

// Preview window: a child of the window named by parentHandle covering its
// client area. paint is called on every expose with a pixel setter. Returns
// the mode's exit status once the parent is gone (or at once, with 0, when
// the handle names no window).
//
// Where the system's screensaver dialog leaves the pane to the screensaver
// (Windows), live names the show to run over the picture: the program at
// path, started from folder with "-window-id <the preview window> " and
// options, in a job that ends it when the mode ends. Its window appears only
// once it has drawn, and one that fails (a non-zero status) is tried again a
// few times, so the picture stays in sight until the show replaces it and
// comes back when it ends. The X11 settings programs run the show in their
// pane themselves: there live is not used.
struct PreviewLiveShow {
  std::string path, folder, options;
};
typedef void (*PreviewSetPixel)(void* context, int x, int y, unsigned char r, unsigned char g, unsigned char b);
typedef void (*PreviewPaint)(int width, int height, PreviewSetPixel setPixel, void* context);
int runPreviewWindow(void* instance, long long parentHandle, PreviewPaint paint, const PreviewLiveShow* live = nullptr);

// A window of another program that the show draws into (the screensaver
// daemon's window, its settings program's preview pane, on Windows the
// system dialog's preview pane or another monitor's cover). On X11 it is
// watched over a connection of our own. On Windows the show draws into a
// window of its own that never takes input from the host: over a pane, a
// disabled child, hidden until the first frame has been drawn so that what
// the pane shows stays in sight until then, which follows the pane's size
// and is gone with it (the pane may belong to another process, whose handle
// this process cannot always test); over a monitor's cover, a top-most
// window over its rectangle, which never takes the focus.

// What pollHostWindow found since the last call.
enum HostWindowChange { HostUnchanged, HostResized, HostGone };

// Starts watching window id, or the root window when id is 0 (X11 only);
// sets id to the window to hand to SDL (on Windows the show's own) and its
// size. False when there is no such window.
bool watchHostWindow(unsigned long& id, int& width, int& height);
// Takes the pending notices without blocking; on HostResized the new size.
// Called before each frame: on Windows the first call after a frame was
// drawn shows the show's window.
HostWindowChange pollHostWindow(int& width, int& height);
// Whether the window watched is mapped, as the last poll found it (true
// when none is watched): an unmapped window shows nothing drawn into it.
bool hostWindowMapped();
// From now on an X error on any connection ends the process: with status 0
// at once when the host window has gone (drawing raced its destruction),
// with a message and status 1 otherwise. Call after the video driver is
// up, since it sets a handler of its own while starting.
void endWithHostWindow();

// Where the overlays belong on a screen of this size spanning several
// monitors: the primary monitor's rectangle (x, y from the top left, width,
// height). False with one monitor, or when the size is not the screen's.
bool primaryMonitorArea(int screenWidth, int screenHeight, int area[4]);

}  // namespace platform
