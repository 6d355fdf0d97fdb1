// The restore window's list of processed functions: the kvTreeView control used flat (one line per
// function with its sub-text), or a plain list box when the control's library cannot be loaded.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace kv {

class RestoreList {
 public:
  virtual ~RestoreList() = default;
  static std::unique_ptr<RestoreList> Create(HWND parent, int id);

  virtual HWND hwnd() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void Clear() = 0;
  // A line without check box; returns its index.
  virtual int AddLine(const std::string& caption) = 0;
  virtual void SetSubText(int line, const std::string& text) = 0;
  // Selects the line, scrolls it into view and repaints at once.
  virtual void ShowLine(int line) = 0;
  virtual int LineCount() const = 0;
  virtual std::string SubText(int line) const = 0;
  // Called with the line the user selected (-1 none).
  virtual void OnSelect(std::function<void(int line)> handler) = 0;
  // The list box form reports its selection through its parent's WM_COMMAND (LBN_SELCHANGE).
  virtual void ParentCommand(int /*notification*/) {}
};

}  // namespace kv
