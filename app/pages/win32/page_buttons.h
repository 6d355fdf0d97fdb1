// Seam for the page buttons: the info button (CoolBttn) and the style picture button (PicBttn1) are
// plain Win32 buttons here; the program's own skinned controls can replace these two functions.
#pragma once

#include <windows.h>

#include <string>

namespace kv {

HWND CreateCoolButton(HWND parent, int id, const std::string& caption);
HWND CreatePictureButton(HWND parent, int id);
// Draws an owner-drawn picture button (a small tree glyph); true when handled.
bool DrawPictureButton(const DRAWITEMSTRUCT* item);

}  // namespace kv
