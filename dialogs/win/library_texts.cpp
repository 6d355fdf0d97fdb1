// Module handle, language offset and string table of the dialog library.
#include "dialogs/win/library_texts.h"

#include "app/controls/win32/code_module.h"
#include "dialogs/core/text_rules.h"

namespace kvdlg {

HINSTANCE LibraryModule() {
  HINSTANCE module = kv::CodeModule(reinterpret_cast<const void*>(&LibraryModule));
  return module ? module : GetModuleHandleA(nullptr);
}

bool RegisterLibraryClass(const char* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSA existing{};
  if (GetClassInfoA(LibraryModule(), name, &existing)) return true;
  WNDCLASSA cls{};
  cls.lpfnWndProc = procedure;
  cls.hInstance = LibraryModule();
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = background;
  cls.lpszClassName = name;
  return RegisterClassA(&cls) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

int ReadLanguageOffset() {
  HKEY key = nullptr;
  DWORD language = 0;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExA(key, "Language", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof(value)) {
      language = value;
    }
    RegCloseKey(key);
  }
  return LanguageOffsetFromSetting(language);
}

std::string LibraryText(int id, int languageOffset) {
  char buffer[512] = {};
  int length = LoadStringA(LibraryModule(), static_cast<UINT>(id + languageOffset), buffer, sizeof(buffer));
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace kvdlg
