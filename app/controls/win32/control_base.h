// Common ground of the small controls' windows: class registration, the one place where a control
// object is tied to its window, the font, and the notification of the parent.
//
// A control object is either made by its wrapper's Create (the caller owns the object, whose
// destructor destroys the window), or by the system when a window of the registered class is made
// by name (CreateWindowEx with "Korvane2K.CoolBttn" ...; then the window owns the object and
// FromWindow finds it).
#pragma once

#include <windows.h>

#include <functional>

namespace kv::controls {

class ControlBase {
 public:
  ControlBase(const ControlBase&) = delete;
  ControlBase& operator=(const ControlBase&) = delete;
  virtual ~ControlBase();

  HWND Window() const { return hwnd_; }
  int Id() const { return hwnd_ ? GetDlgCtrlID(hwnd_) : 0; }
  void Destroy();
  void Move(const RECT& box);
  void SetVisible(bool visible);
  // Font for texts (not owned; it must outlive the control). Default: the parent's font.
  void SetFont(HFONT font);
  HFONT Font() const;

  // The object behind a window of one of the small-control classes; null for other windows.
  static ControlBase* FromHandle(HWND hwnd);
  // Registers a window class of this module once; true when it exists afterwards.
  static bool RegisterControlClass(const char* className, WNDPROC procedure);

 protected:
  ControlBase() = default;

  // Creates the window of class `className` (registered on first use with `procedure`).
  HWND CreateControl(const char* className, WNDPROC procedure, HWND parent, const RECT& box, int id,
                     DWORD style, const char* text = "", DWORD exStyle = 0);
  // Messages after attachment; the default handles fonts and passes the rest to the system.
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Called once the window exists (WM_CREATE), to make child windows and apply the properties.
  virtual void Created() {}

  // Runs the callback and sends WM_COMMAND(id, code) to the parent. Either may destroy this control:
  // the caller must not touch the object afterwards.
  void Notify(WORD code, const std::function<void()>& callback);

  template <class T>
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      auto* made = static_cast<T*>(create->lpCreateParams);
      ControlBase* self = made;
      if (!self) {
        self = new T();
        self->ownedByWindow_ = true;
      }
      self->Attach(hwnd);
    }
    return Dispatch(hwnd, message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;

 private:
  void Attach(HWND hwnd);
  static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool ownedByWindow_ = false;
  HFONT font_ = nullptr;
};

// The module that holds this code (window classes are registered in it).
HINSTANCE ControlsModule();

}  // namespace kv::controls
