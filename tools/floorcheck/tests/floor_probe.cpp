// A program that breaks the NT 4.0 floor on purpose: it imports GetModuleHandleExA (Windows XP).
// The floor check must refuse it; it is built with the shipped files and never shipped.
#include <windows.h>

int main() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&main), &module);
  return module != nullptr ? 0 : 1;
}
