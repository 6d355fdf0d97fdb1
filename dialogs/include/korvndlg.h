/* korvndlg.dll, direct C entry points for Korvane 2000's own programs.
 *
 * Texts are ANSI (the system code page). Nothing C++ crosses the DLL boundary: the caller passes
 * zero-terminated texts and receives texts allocated with CoTaskMemAlloc, which it frees with
 * CoTaskMemFree (an empty text means cancelled or not found; NULL only when memory ran out).
 * Window handles are the caller's; 0 means none. Each call reads the language from the product key.
 * C++ callers use korvndlg_client.h instead, which loads the DLL and gives std::string calls.
 */
#ifndef KORVNDLG_H
#define KORVNDLG_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Message dialog: button 0 OK, 1 OK + Cancel, 2 Yes + No. Returns 1 OK, 2 Cancel/close, 6 Yes, 7 No. */
int WINAPI KvDlgMsgDlg(const char* headline, const char* message, int fadeOut, HWND owner, int button);
/* Help box ("heading#body", "|" = line break). Returns 1 when the check box was ticked, else 0. */
int WINAPI KvDlgHlpBox(const char* message, int fadeOut, HWND owner, const char* checkText, const char* headlineText);
/* Icon picker: "path ,index" (bare path for index 0). */
char* WINAPI KvDlgIconDlg(HWND owner, const char* iconFile, int iconIndex);
/* File dialog: keyword 0 open, other save. filter is "desc\0pattern\0..." of filterLength bytes
 * (0 = default filter). retExt (may be NULL) receives the chosen filter number after a save dialog. */
char* WINAPI KvDlgFileDlg(HWND owner, const char* title, const char* file, int keyword, const char* filter,
                          int filterLength, int* retExt);
/* Colour dialog: returns -1 and stores the colour when one was chosen, 0 (colour unchanged) when cancelled. */
int WINAPI KvDlgColorDlg(HWND owner, unsigned long* color);
/* Folder browser. */
char* WINAPI KvDlgSHFolderDlg(HWND owner, const char* title, const char* titleText, const char* defaultPath,
                              int rootFolder, int centerOverForm, int includeFiles, int editBox,
                              const char* fileFldrSpec);
/* Special folder (CSIDL number) with a trailing backslash; empty when absent. */
char* WINAPI KvDlgGetSpecialFolder(HWND owner, int rootFolder);

#ifdef __cplusplus
}
#endif

#endif
