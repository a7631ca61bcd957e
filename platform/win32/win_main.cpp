// Windows entry point: the GUI entry receives the command line without the
// program name, which is exactly what the run modes parse.
#include <windows.h>

#include <string>

#include "app/entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  return appMain(commandLine ? std::string(commandLine) : std::string(), instance);
}
