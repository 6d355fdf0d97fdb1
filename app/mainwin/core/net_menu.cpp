// Internet menu parsing (see net_menu.h).
#include "app/mainwin/core/net_menu.h"

#include <cctype>
#include <cstdio>

namespace kv {

std::string FormatMenuDate(const Date& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%02d", d.Month % 100, d.Day % 100, ((d.Year % 100) + 100) % 100);
  return buf;
}

namespace {
int LeadingNumber(const std::string& s) {
  std::size_t i = s.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  long v = 0;
  bool any = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && v < 100000) {
    v = v * 10 + (s[i] - '0');
    any = true;
    ++i;
  }
  return any ? static_cast<int>(v) : 0;
}

std::string ReplaceAll(std::string s, const std::string& what, const std::string& with) {
  for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + with.size()))
    s.replace(p, what.size(), with);
  return s;
}
}  // namespace

NetMenuEntry ParseNetMenuValue(int n, const std::string& text, const Date& today) {
  NetMenuEntry e;
  e.Id = kNetMenuFirstId + n;
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t p = text.find('#', start);
    parts.push_back(text.substr(start, p == std::string::npos ? std::string::npos : p - start));
    if (p == std::string::npos) break;
    start = p + 1;
  }
  const std::string& caption = parts[0];
  if (caption == "-") {
    e.Separator = true;
    return e;
  }
  e.Caption = ReplaceAll(caption, "%DATE%", FormatMenuDate(today));
  if (parts.size() > 1) e.Target = parts[1];
  if (parts.size() > 2) e.Image = LeadingNumber(parts[2]);
  return e;
}

std::vector<NetMenuEntry> ReadNetMenu(const NetMenuReader& read, const Date& today) {
  std::vector<NetMenuEntry> out;
  for (int n = 1; n <= kNetMenuEntries; ++n) {
    char name[3] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0};
    std::string text;
    if (!read(name, &text)) continue;
    out.push_back(ParseNetMenuValue(n, text, today));
  }
  return out;
}

bool NetMenuShown(const Registry& registry, const std::string& key) {
  return registry.ProbeValue(key, "") != ValuePresence::Absent;
}

int MenuImagePicture(int image) { return image <= 0 ? 0 : (image - 1) % kMenuImageCount + 1; }

bool IsUpdateTarget(const std::string& tag) {
  std::string up = tag;
  for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return up == "%UPDATE%";
}

}  // namespace kv
