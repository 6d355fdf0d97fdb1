// Rules of the access password as the options dialog takes it: both boxes must agree (letter case aside),
// the password must have 3 to 10 characters, and its scrambled form must not read as "no password".
#pragma once

#include <string>

namespace kv {

constexpr int kPasswordMinLength = 3;
constexpr int kPasswordMaxLength = 10;  // also the limit of the two text boxes

enum class PasswordCheck { Accepted, Mismatch, BadLength, ReadsAsNone };

// Upper-casing used for every password comparison: ASCII letters only, exactly as the start-up gate
// compares, so that whatever the dialog accepts as equal also unlocks at start.
std::string PasswordUpper(std::string text);

// Mismatch wins over a bad length. A password over 10 characters (pasted or set by program past the
// boxes' limit) is refused like one under 3. A confirmation that scrambles to "NoKey", the text a
// missing value reads as, is refused: stored, it would mean no password at all.
PasswordCheck CheckNewPassword(const std::string& password, const std::string& confirmation);

}  // namespace kv
