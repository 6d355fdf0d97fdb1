// The Logon screen tab of the Boot options page without windows: eight controls, each bound to the
// catalogue function of an index slot (automatic logon, user name, password, message title and text,
// background colour, bitmap and its arrangement). Every change is written at once through the
// engine; events are ignored while the tab fills its controls (the loading flag).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/pages/core/function_tree.h"

namespace kv {

// The controls of the tab; each keeps the number of its function as decimal text in its tag.
enum class LogonControl {
  AutoLogon,     // check box, on/off function
  UserName,      // text fields (Text1(0), Text1(1), Text2(0), Text2(1))
  Password,
  MessageTitle,
  MessageText,
  BackColour,    // colour button, text function "R G B"
  BackImage,     // bitmap button, text function (path)
  Arrangement,   // Center / Tile list, on/off function (item 1 = on)
  HelpLogon,     // the three help buttons
  HelpMessage,
  HelpBackground,
};
inline constexpr int kLogonControlCount = 11;
inline constexpr int kLogonTextFields = 4;

// Index slot of each control's function, in LogonControl order.
int LogonControlSlot(LogonControl control);
// The text field's control (0 user name, 1 password, 2 title, 3 text).
LogonControl LogonTextField(int field);

// Number of the function in a control's tag: the whole tag must be decimal digits; -1 otherwise
// (empty, signs, blanks or other characters), so a damaged tag writes nothing.
int FunctionOfTag(const std::string& tag);

// Colour text of the background function: red, green and blue as decimal numbers separated by single
// blanks, taken from the low three bytes of a 0x00BBGGRR colour ("255 128 0").
std::string ColourText(std::uint32_t colour);
// Reads a stored colour text: the first three blank-separated pieces must each start with a decimal
// number (anything after the digits is ignored, values above 255 count as 255). False, and *colour
// untouched, when there are fewer than three pieces or a piece is not a number: the button then keeps
// its designed colour.
bool ParseColourText(const std::string& text, std::uint32_t* colour);

// What the tab needs from the main program: the dialog library's dialogs and the texts.
class LogonScreenHost {
 public:
  virtual ~LogonScreenHost() = default;
  virtual std::string Text(int id) const = 0;
  // Colour dialog starting at *colour; true and *colour set when a colour was chosen.
  virtual bool ChooseColour(std::uint32_t* colour) = 0;
  // Open-file dialog; "" when cancelled.
  virtual std::string ChooseOpenFile(const std::string& title, const std::string& file,
                                     const std::string& filter) = 0;
  // The function help box without a check box.
  virtual void ShowFunctionHelp(const std::string& helpText) = 0;
};

// The colour button's own colour (the page's panel colour) until a stored colour replaces it.
inline constexpr std::uint32_t kDesignedButtonColour = 0x00F8F5F3;

// What the controls show.
struct LogonScreenState {
  bool AutoLogon = false;
  std::array<std::string, kLogonTextFields> Fields{};
  std::uint32_t Colour = kDesignedButtonColour;  // 0x00BBGGRR
  std::string Bitmap;              // the bitmap button's caption
  int Arrangement = 0;             // 0 Center, 1 Tile
};

class LogonScreenTabModel {
 public:
  LogonScreenTabModel(FunctionSource& source, LogonScreenHost& host) : source_(source), host_(host) {}

  // Set-up: the tags from the slot table, the state from the engine's current values.
  void Load();
  const LogonScreenState& State() const { return state_; }
  const std::string& Tag(LogonControl control) const { return tags_[static_cast<int>(control)]; }

  // Loading flag: set while the tab fills its controls; events are ignored while it is set.
  void SetLoading(bool loading) { loading_ = loading; }
  bool Loading() const { return loading_; }

  void AutoLogonChanged(bool ticked);
  // A text field's whole text after each change (keystroke by keystroke).
  void TextChanged(int field, const std::string& text);
  void ArrangementChosen(int item);
  // The buttons; true when the state changed (the button shows something new).
  bool ColourPressed();
  bool BitmapPressed();
  void HelpPressed(LogonControl help);

 private:
  int TagFunction(LogonControl control) const { return FunctionOfTag(Tag(control)); }
  void WriteValue(LogonControl control, const std::string& value);
  void Switch(LogonControl control, bool on);

  FunctionSource& source_;
  LogonScreenHost& host_;
  LogonScreenState state_;
  std::array<std::string, kLogonControlCount> tags_{};
  bool loading_ = false;
};

}  // namespace kv
