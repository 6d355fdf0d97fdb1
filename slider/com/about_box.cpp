// About box of kvSlide: texts from the library's string table (German at N, English at N + 1000).
#include "slider/com/about_box.h"

#include "activex/com_module.h"
#include "resources/kvslide/kvslide_strings.h"

namespace kvslide {
namespace {

void LoadText(int id, char* out, int capacity) {
  int offset = LanguageOffset();
  if (LoadStringA(kv::com::Module(), static_cast<UINT>(id + offset), out, capacity) > 0) return;
  if (LoadStringA(kv::com::Module(), static_cast<UINT>(id), out, capacity) > 0) return;
  out[0] = '\0';
}

}  // namespace

int LanguageOffset() {
  DWORD language = 0, size = sizeof(language), type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", 0, KEY_READ, &key) == ERROR_SUCCESS) {
    if (RegQueryValueExA(key, "Language", nullptr, &type, reinterpret_cast<BYTE*>(&language), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
      language = 0;
    }
    RegCloseKey(key);
  }
  return language == 1 ? 1000 : 0;  // only the two editions exist
}

void ShowAboutBox(HWND owner) {
  char caption[128], text[512];
  LoadText(IDS_KVSLIDE_ABOUT_CAPTION, caption, sizeof(caption));
  LoadText(IDS_KVSLIDE_ABOUT_TEXT, text, sizeof(text));
  // "|" is the line break of the string tables.
  for (char* c = text; *c; ++c) {
    if (*c == '|') *c = '\n';
  }
  MessageBoxA(owner ? owner : GetActiveWindow(), text, caption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace kvslide
