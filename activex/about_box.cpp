// String table texts of the server module and its About box.
#include "activex/about_box.h"

#include "activex/com_module.h"

namespace kv::com {

int LanguageOffset() {
  DWORD language = 0, size = sizeof language, type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", 0, KEY_READ, &key) == ERROR_SUCCESS) {
    if (RegQueryValueExA(key, "Language", nullptr, &type, reinterpret_cast<BYTE*>(&language), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
      language = 0;
    RegCloseKey(key);
  }
  return language == 1 ? 1000 : 0;
}

std::string ModuleText(int id) {
  char text[1024];
  int length = LoadStringA(Module(), static_cast<UINT>(id + LanguageOffset()), text, sizeof text);
  if (length <= 0) length = LoadStringA(Module(), static_cast<UINT>(id), text, sizeof text);
  std::string out(text, length > 0 ? size_t(length) : 0);
  for (char& c : out) {
    if (c == '|') c = '\n';
  }
  return out;
}

void ShowAboutBox(HWND owner, int captionId, int textId) {
  MessageBoxA(owner ? owner : GetActiveWindow(), ModuleText(textId).c_str(), ModuleText(captionId).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

}  // namespace kv::com
