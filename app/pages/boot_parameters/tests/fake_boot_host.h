// OwnTabHost for the Boot parameters tests: texts are "T<id>", dialogs answer from scripted replies
// and are recorded; the registry is an in-memory store; the folders are those of a default install.
#pragma once

#include <string>
#include <vector>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"
#include "app/pages/core/own_tab_host.h"

namespace kv {

class FakeBootHost : public OwnTabHost {
 public:
  struct Dialog {
    std::string headline, text;
    int buttons;
  };
  std::vector<Dialog> messages;
  std::vector<std::string> helpBoxes;
  int messageAnswer = 6;       // answer of a Yes/No question
  bool helpBoxTicked = false;  // "don't show again" ticked in the help box
  bool nt4 = false;
  SystemFolderSet folders{"C:\\WINNT\\system32\\", "C:\\WINNT\\", "C:\\TEMP\\", "C:\\"};
  MemoryRegistryStore store;
  Registry registry{store};

  std::string Text(int id) const override { return "T" + std::to_string(id); }
  int MessageDialog(const std::string& headline, const std::string& text, int buttons) override {
    messages.push_back({headline, text, buttons});
    return buttons == 2 ? messageAnswer : 1;
  }
  bool HelpBox(const std::string& text, const std::string& checkText) override {
    helpBoxes.push_back(text + "|" + checkText);
    return helpBoxTicked;
  }
  bool ChooseColour(std::uint32_t*) override { return false; }
  std::string ChooseOpenFile(const std::string&, const std::string&, const std::string&) override { return ""; }
  std::string ChooseIcon(const std::string&, int) override { return ""; }
  Registry& Reg() override { return registry; }
  const SystemFolderSet& Folders() const override { return folders; }
  bool RunningNt4() const override { return nt4; }
};

}  // namespace kv
