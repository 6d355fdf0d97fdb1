// The tool pages' own buttons in the program's flat blue look: the flat button (CoolBttn; the info
// button and any other captioned page button) and the style picture button (PicBttn1, a small tree
// drawn in its normal, pointer-over and pressed pictures). Both send WM_COMMAND(id, BN_CLICKED) to
// the page like a push button; the returned object owns the window (destroying the page first is fine).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/controls/win32/cool_button.h"
#include "app/controls/win32/picture_button.h"

namespace kv {

// A flat page button with a caption and an optional 16 x 16 icon (shared or kept alive by the caller).
std::unique_ptr<controls::CoolButton> CreateCoolButton(HWND parent, int id, const std::string& caption,
                                                       HICON icon = nullptr);
// The info button: a flat page button with the system's question icon.
std::unique_ptr<controls::CoolButton> CreateInfoButton(HWND parent, int id, const std::string& caption);
// The style picture button (PicBttn1); its pictures are made once and shared by all pages.
std::unique_ptr<controls::PictureButton> CreatePictureButton(HWND parent, int id);
// A help picture button of the own tabs (a question mark on the page's background).
std::unique_ptr<controls::PictureButton> CreateHelpPictureButton(HWND parent, int id);

}  // namespace kv
