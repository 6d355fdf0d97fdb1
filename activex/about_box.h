// Texts of a server's own string table in the program's language, and the About box built from
// two of them. The language is the product's "Language" value (1 = English, else German).
#pragma once

#include <windows.h>

#include <string>

namespace kv::com {

// 0 for the German edition, 1000 for the English one (string ids: German N, English N + 1000).
int LanguageOffset();
// String `id` + LanguageOffset() from the module's table, falling back to `id`; "|" becomes a line break.
std::string ModuleText(int id);
// A message box with the module's texts `captionId` and `textId`.
void ShowAboutBox(HWND owner, int captionId, int textId);

}  // namespace kv::com
