// Single instance: the previous-instance test and the caption search over the top-level windows.
#pragma once

#include <windows.h>

#include <string>

namespace kv {

// True when another instance of the program runs (a named mutex held for the whole run).
bool AnotherInstanceRuns();

// Walks the z-order list of `start` from its first window; returns the first window whose caption
// contains `text` (trimmed, upper-cased) and replaces `text` by that caption; nullptr when none.
// The message queue is pumped once per window.
HWND FindWindowByCaption(HWND start, std::string* text);

// The second instance's step: ends silently when a message window is up, otherwise brings the first
// instance's window (captioned with `title`) forward. Errors are ignored.
void HandOverToFirstInstance(const std::string& title);

}  // namespace kv
