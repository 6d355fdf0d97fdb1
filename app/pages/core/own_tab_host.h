// What the tool pages' own (non-tree) tabs need from the main program beyond the function source:
// the dialog library's dialogs with the main window as owner and the program's fade-out setting,
// registry access for the pages' own settings, and the running system's folders and kind.
#pragma once

#include <cstdint>
#include <string>

namespace kv {

class Registry;

// Folders of the running system; each ends with a backslash except Boot, which is the "BootDir"
// text as stored (default "C:\").
struct SystemFolderSet {
  std::string System, Windows, Temp, Boot;
};

class OwnTabHost {
 public:
  virtual ~OwnTabHost() = default;
  virtual std::string Text(int id) const = 0;  // numbered text with the language offset
  // Message dialog: buttons 0 OK, 1 OK + Cancel, 2 Yes + No. Result 1 OK, 2 Cancel, 6 Yes, 7 No.
  virtual int MessageDialog(const std::string& headline, const std::string& text, int buttons) = 0;
  // Function help box ("heading#body"); with a check-box text, true when the user ticked that box.
  virtual bool HelpBox(const std::string& text, const std::string& checkText) = 0;
  // Colour dialog starting at *colour (0x00BBGGRR); true and *colour set when a colour was chosen.
  virtual bool ChooseColour(std::uint32_t* colour) = 0;
  // File dialog in open mode; filter in the "desc\0pattern\0" form. Empty when cancelled.
  virtual std::string ChooseOpenFile(const std::string& title, const std::string& file,
                                     const std::string& filter) = 0;
  // Icon dialog; the chosen "path ,index" location, empty when cancelled.
  virtual std::string ChooseIcon(const std::string& file, int index) = 0;
  virtual Registry& Reg() = 0;
  virtual const SystemFolderSet& Folders() const = 0;
  virtual bool RunningNt4() const = 0;
};

}  // namespace kv
