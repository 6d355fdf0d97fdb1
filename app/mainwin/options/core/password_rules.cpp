// Access password rules (see password_rules.h).
#include "app/mainwin/options/core/password_rules.h"

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
  return PasswordCheck::Accepted;
}

}  // namespace kv
