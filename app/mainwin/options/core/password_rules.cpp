// Access password rules (see password_rules.h).
#include "app/mainwin/options/core/password_rules.h"

#include "app/catalogue/registry.h"
#include "app/mainwin/core/scramble_text.h"

namespace kv {

std::string PasswordUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

PasswordCheck CheckNewPassword(const std::string& password, const std::string& confirmation) {
  if (PasswordUpper(password) != PasswordUpper(confirmation)) return PasswordCheck::Mismatch;
  const std::size_t n = password.size();
  if (n < static_cast<std::size_t>(kPasswordMinLength) || n > static_cast<std::size_t>(kPasswordMaxLength))
    return PasswordCheck::BadLength;
  // The confirmation as typed is what gets stored.
  if (ScrambleText(confirmation, kScramble) == kNoKey) return PasswordCheck::ReadsAsNone;
  return PasswordCheck::Accepted;
}

}  // namespace kv
