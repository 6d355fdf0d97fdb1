// A library that is not a system library but lies beside the test program: the system library
// loader must never pick it up by its bare name.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI KvProbeAnswer() { return 42; }
