// kvslide_client.h — using the kvSlide slider in our own programs (header only; link the CMake
// target kvslide_client, which brings the interface GUIDs and the shared event sink).
//
//   #include "kvslide_client.h"
//
//   kvslide::SliderClient slider;               // one control; not copyable, must not move
//   kvslide::SliderEvents events;
//   events.slideChange = [&] { label.SetNumber(slider.Value()); enableOk(); };
//   events.mouseUp = [&](int button, int shift, int x, int y) { ... };
//   if (FAILED(slider.Create(dialogHwnd, RECT{16, 60, 316, 110}, kSliderId, events))) { ...no slider... }
//   slider.SetRange(0, 500);                     // MinValue / MaxValue without swap surprises
//   slider.SetValue(25);                         // clamped into the range; fires no SlideChange
//   slider->put_SliderType(SlideRuler);          // any other property through the dual interface
//   ...
//   slider.Destroy();                            // or let the destructor do it
//
// Create loads kvslide.dll (next to the program, else the usual search; it stays loaded), calls its exported
// KvSlideCreate (see kvslide_api.h) and connects the events to the callbacks. Callbacks run on the
// UI thread inside the control's message handling; they may call back into the control and even
// Destroy() it. Events: slideChange (the user moved the value by mouse or key), thumbClick (left
// button pressed on the thumb), click, dblClick, and mouseDown / mouseUp / mouseMove with
// button mask (1 left, 2 right, 4 middle), shift mask (1 Shift, 2 Ctrl, 4 Alt) and client pixels.
#pragma once

#include <windows.h>

#include <functional>

#include "activex/event_sink.h"
#include "app/controls/win32/program_folder.h"
#include "kvslide_api.h"

namespace kvslide {

struct SliderEvents {
  std::function<void()> slideChange, thumbClick, click, dblClick;
  std::function<void(int button, int shift, int x, int y)> mouseDown, mouseUp, mouseMove;
};

class SliderClient {
 public:
  SliderClient() = default;
  ~SliderClient() { Destroy(); }
  SliderClient(const SliderClient&) = delete;
  SliderClient& operator=(const SliderClient&) = delete;

  HRESULT Create(HWND parent, const RECT& box, int controlId, SliderEvents events = SliderEvents()) {
    if (control_) return E_UNEXPECTED;
    HMODULE module = kv::LoadProgramFolderLibrary(L"kvslide.dll");
    if (!module) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    auto create = reinterpret_cast<KvSlideCreateFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, KVSLIDE_CREATE_EXPORT)));
    HRESULT hr = create ? create(parent, box.left, box.top, box.right - box.left, box.bottom - box.top, controlId,
                                 &control_)
                        : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    if (SUCCEEDED(hr)) {
      events_ = std::move(events);
      sink_ = kv::com::EventSink::Create([this](DISPID id, const kv::com::EventArgs& args) { Dispatch(id, args); });
      hr = sink_ ? sink_->Connect(control_, DIID__DkvSlideEvents) : E_OUTOFMEMORY;
    }
    if (FAILED(hr)) Destroy();
    return hr;
  }

  void Destroy() {
    if (sink_) {
      sink_->Disconnect();
      sink_->Release();
      sink_ = nullptr;
    }
    if (control_) {
      _DkvSlide* control = control_;
      control_ = nullptr;
      control->Release();  // destroys the window
    }
    // kvslide.dll stays loaded for the rest of the process: Destroy may run inside an event
    // callback, with the library's code still on the stack.
  }

  bool Created() const { return control_ != nullptr; }
  _DkvSlide* operator->() const { return control_; }
  _DkvSlide* Control() const { return control_; }

  HWND Window() const {
    long handle = 0;
    if (control_) control_->get_hWnd(&handle);
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle));
  }
  short Value() const { return Get(&_DkvSlide::get_Value); }
  short MinValue() const { return Get(&_DkvSlide::get_MinValue); }
  short MaxValue() const { return Get(&_DkvSlide::get_MaxValue); }
  void SetValue(short value) {
    if (control_) control_->put_Value(value);
  }
  // Sets both ends as given (a minimum above the maximum swaps them), then clamps Value.
  void SetRange(short minimum, short maximum) {
    if (!control_) return;
    control_->put_MinValue(-32768);
    control_->put_MaxValue(maximum);
    control_->put_MinValue(minimum);
  }

 private:
  short Get(HRESULT (STDMETHODCALLTYPE _DkvSlide::*getter)(short*)) const {
    short value = 0;
    if (control_) (control_->*getter)(&value);
    return value;
  }

  void Dispatch(DISPID id, const kv::com::EventArgs& args) {
    auto mouse = [&](const std::function<void(int, int, int, int)>& handler) {
      if (handler) handler(args.Long(0), args.Long(1), args.Long(2), args.Long(3));
    };
    auto plain = [](const std::function<void()>& handler) {
      if (handler) handler();
    };
    switch (id) {
      case 1: plain(events_.slideChange); break;
      case 2: plain(events_.thumbClick); break;
      case -600: plain(events_.click); break;
      case -601: plain(events_.dblClick); break;
      case -605: mouse(events_.mouseDown); break;
      case -607: mouse(events_.mouseUp); break;
      case -606: mouse(events_.mouseMove); break;
      default: break;
    }
  }

  _DkvSlide* control_ = nullptr;
  kv::com::EventSink* sink_ = nullptr;
  SliderEvents events_;
};

}  // namespace kvslide
