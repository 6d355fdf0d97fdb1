// Stand-in for the uninstaller "RMVKT.EXE" in the Wine tests: records the command line it was
// started with in C:\kvhelper-test\rmvkt.txt and ends.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::FILE* f = std::fopen("C:\\kvhelper-test\\rmvkt.txt", "wb");
  if (!f) return 1;
  const char* line = GetCommandLineA();
  std::fwrite(line, 1, std::strlen(line), f);
  std::fclose(f);
  return 0;
}
