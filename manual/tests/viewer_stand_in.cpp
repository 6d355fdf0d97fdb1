// Stand-in for the HTML Help viewer in the end-to-end test of Help > Help Topics: installed as
// C:\windows\hh.exe, it appends the command line it was started with to C:\hh-args.txt and ends.
#include <windows.h>

#include <cstdio>

int main() {
  if (FILE* f = std::fopen("C:\\hh-args.txt", "a")) {
    std::fprintf(f, "%s\n", GetCommandLineA());
    std::fclose(f);
  }
  return 0;
}
