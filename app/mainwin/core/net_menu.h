// The Internet menu, read from the values "01" .. "15" of the product key's subkey "NetMenuB".
// Each value is caption "#" target "#" image number; a caption "-" makes a separator and "%DATE%" in a
// caption becomes today's date as "MM.DD.YY".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/catalogue/registry.h"

namespace kv {

struct NetMenuEntry {
  int Id = 0;           // 5000 + n
  bool Separator = false;
  std::string Caption;
  std::string Target;   // tag of the tool: an address, a file or "%UPDATE%"
  int Image = 0;        // picture number, 0 = none
};

struct Date {
  int Year, Month, Day;
};

std::string FormatMenuDate(const Date& d);  // "MM.DD.YY"

constexpr int kNetMenuEntries = 15;
constexpr int kNetMenuFirstId = 5000;

// Reads value name "01".."15"; returns false when the value is absent.
using NetMenuReader = std::function<bool(const std::string& valueName, std::string* text)>;

NetMenuEntry ParseNetMenuValue(int n, const std::string& text, const Date& today);
std::vector<NetMenuEntry> ReadNetMenu(const NetMenuReader& read, const Date& today);

// The Internet menu shows when the key's default value exists, also when it is empty; only a missing
// value (or key) hides it.
bool NetMenuShown(const Registry& registry, const std::string& key);

// MenuImg, the indexed picture set of the menu entries, holds pictures 1 .. kMenuImageCount (the first
// seven are the side bar's); a higher image number wraps round onto it, so every number above 0 shows
// a picture. 0 (or less) = no picture.
constexpr int kMenuImageCount = 16;
int MenuImagePicture(int image);

// "%UPDATE%" (any letter case) in a tool's tag starts the update program instead of opening the tag.
bool IsUpdateTarget(const std::string& tag);

}  // namespace kv
