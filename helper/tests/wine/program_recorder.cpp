// Stand-in for the main program Korvn2k.exe in the resident helper's Wine test: appends the command
// line it was started with and its current folder as one line to C:\kvtray\started.txt, then ends.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  std::FILE* f = std::fopen("C:\\kvtray\\started.txt", "ab");
  if (!f) return 1;
  std::fprintf(f, "%s|%s\n", GetCommandLineA(), folder);
  std::fclose(f);
  return 0;
}
