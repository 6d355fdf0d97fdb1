// The Logon screen tab's logic (see logon_screen_tab.h).
#include "app/pages/logon_screen/core/logon_screen_tab.h"

#include <cctype>

#include "app/catalogue/function_record.h"

namespace kv {

namespace {
constexpr int kSlots[kLogonControlCount] = {16, 17, 18, 15, 14, 19, 20, 21, 16, 14, 19};
constexpr int kImageTitleText = 124;
constexpr int kImageFilterText = 125;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Leading decimal digits of a piece as 0..255; false when the piece does not start with a digit.
bool ColourComponent(const std::string& piece, std::uint32_t* value) {
  if (piece.empty() || !IsDigit(piece[0])) return false;
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < piece.size() && IsDigit(piece[i]); ++i) {
    v = v * 10 + static_cast<std::uint32_t>(piece[i] - '0');
    if (v > 255) v = 255;
  }
  *value = v;
  return true;
}
}  // namespace

int LogonControlSlot(LogonControl control) { return kSlots[static_cast<int>(control)]; }

LogonControl LogonTextField(int field) { return static_cast<LogonControl>(static_cast<int>(LogonControl::UserName) + field); }

int FunctionOfTag(const std::string& tag) {
  if (tag.empty() || tag.size() > 9) return -1;
  int n = 0;
  for (char c : tag) {
    if (!IsDigit(c)) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string ColourText(std::uint32_t colour) {
  return std::to_string(colour & 0xFF) + " " + std::to_string((colour >> 8) & 0xFF) + " " +
         std::to_string((colour >> 16) & 0xFF);
}

bool ParseColourText(const std::string& text, std::uint32_t* colour) {
  std::uint32_t rgb[3] = {};
  std::size_t at = 0;
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  for (std::uint32_t& component : rgb) {
    while (at < text.size() && blank(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && !blank(text[at])) ++at;
    if (at == start || !ColourComponent(text.substr(start, at - start), &component)) return false;
  }
  *colour = rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
  return true;
}

void LogonScreenTabModel::Load() {
  loading_ = true;
  for (int c = 0; c < kLogonControlCount; ++c) {
    const int function = source_.SlotFunction(kSlots[c]);
    tags_[c] = function >= 0 && source_.Function(function) ? std::to_string(function) : std::string();
  }
  state_ = LogonScreenState();
  auto value = [&](LogonControl c) {
    const int function = TagFunction(c);
    return function >= 0 ? source_.ReadValueText(function) : std::string();
  };
  auto on = [&](LogonControl c) {
    const int function = TagFunction(c);
    return function >= 0 && source_.ReadCheckState(function) != 0;
  };
  state_.AutoLogon = on(LogonControl::AutoLogon);
  for (int field = 0; field < kLogonTextFields; ++field) state_.Fields[field] = value(LogonTextField(field));
  ParseColourText(value(LogonControl::BackColour), &state_.Colour);
  state_.Bitmap = value(LogonControl::BackImage);
  state_.Arrangement = on(LogonControl::Arrangement) ? 1 : 0;
  loading_ = false;
}

void LogonScreenTabModel::WriteValue(LogonControl control, const std::string& value) {
  const int function = TagFunction(control);
  if (function >= 0) source_.ApplyFunctionValue(function, value);
}

void LogonScreenTabModel::Switch(LogonControl control, bool on) {
  const int function = TagFunction(control);
  if (function >= 0) source_.ApplyFunctionState(function, on);
}

void LogonScreenTabModel::AutoLogonChanged(bool ticked) {
  if (loading_) return;
  state_.AutoLogon = ticked;
  Switch(LogonControl::AutoLogon, ticked);
}

void LogonScreenTabModel::TextChanged(int field, const std::string& text) {
  if (loading_ || field < 0 || field >= kLogonTextFields) return;
  state_.Fields[field] = text;
  WriteValue(LogonTextField(field), text);
}

void LogonScreenTabModel::ArrangementChosen(int item) {
  if (loading_ || (item != 0 && item != 1)) return;
  state_.Arrangement = item;
  Switch(LogonControl::Arrangement, item == 1);
}

bool LogonScreenTabModel::ColourPressed() {
  if (loading_) return false;
  std::uint32_t colour = state_.Colour;
  if (!host_.ChooseColour(&colour)) return false;
  state_.Colour = colour & 0x00FFFFFF;
  WriteValue(LogonControl::BackColour, ColourText(state_.Colour));
  return true;
}

bool LogonScreenTabModel::BitmapPressed() {
  if (loading_) return false;
  const std::string filter = host_.Text(kImageFilterText) + std::string(1, '\0') + "*.bmp" + std::string(1, '\0');
  // A cancelled dialog gives "": the bitmap is removed, as the user asked for no picture.
  state_.Bitmap = host_.ChooseOpenFile(host_.Text(kImageTitleText), state_.Bitmap, filter);
  WriteValue(LogonControl::BackImage, state_.Bitmap);
  return true;
}

void LogonScreenTabModel::HelpPressed(LogonControl help) {
  const int function = TagFunction(help);
  const FunctionRecord* f = function >= 0 ? source_.Function(function) : nullptr;
  if (f) host_.ShowFunctionHelp(f->HelpText);
}

}  // namespace kv
