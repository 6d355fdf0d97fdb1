// Header-only client of the kvTreeView control for our own programs (korvn2k, korvnst).
//
//   #include "treelist/include/kvtree_client.h"      // CMake: link kv_treelist_client
//
//   kv::treeclient::TreeList tree;                     // must not move while it lives
//   tree.events.change = [&](long index) { ... };     // any time, also before Create
//   tree.events.checkClick = [&](long index, short column, bool value) { ... };
//   if (tree.Create(parentHwnd, RECT{8, 8, 408, 308}, 1001)) {
//     long group = tree.AddNode(L"Explorer", 0, 1);
//     tree.SetNodeFontBold(group, 2);
//     long item = tree.AddNode(L"Show hidden files", 0, 2);
//     tree.SetNodeCargo(item, L"117");
//     tree->put_NodeExpanded(group, VARIANT_TRUE);    // the whole dual interface IkvTreeView
//   }
//
// Create() loads kvtree.dll (from the program's folder unless a path is given; it stays loaded), calls its
// exported kvTreeCreateWindow and connects an event sink; events arrive synchronously on the UI
// thread, inside the call or message that caused them, as calls of the std::function members of
// `events` (unset ones are skipped; `events.any` sees every event raw). Only COM interfaces, BSTRs
// and window handles cross into the DLL: no C++ objects. COM must be initialised on the thread
// (CoInitialize / OleInitialize) before Create.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <functional>
#include <string>

#include "activex/event_sink.h"
#include "activex/ole_functions.h"
#include "app/controls/win32/program_folder.h"
#include "treelist/include/kvtree_api.h"

namespace kv::treeclient {

// Texts of the program (ANSI, the system code page) to and from the control's wide texts.
inline std::wstring FromAnsi(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

inline std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int n =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
  return out;
}

// Event dispatch ids of the control (the type library's _DkvTreeViewEvents).
enum EventId : DISPID {
  kClick = -600,
  kDblClick = -601,
  kKeyDown = -602,
  kKeyPress = -603,
  kKeyUp = -604,
  kMouseDown = -605,
  kMouseMove = -606,
  kMouseUp = -607,
  kChange = 1,
  kCollapse = 2,
  kExpand = 3,
  kDropNode = 4,
  kRightClick = 5,
  kDragNode = 6,
  kClickClip = 7,
  kNodeOver = 8,
  kCtrlError = 9,
  kColumnResize = 10,
  kGetNode = 11,
  kStartDragOut = 12,
  kSetTips = 13,
  kAfterLabelEdit = 14,
  kSetLabelEdit = 15,
  kCheckClick = 16,
  kRadioClick = 17,
  kBeforeLabelEdit = 18,
  kBeforeSort = 19,
  kHeaderClick = 20,
  kHeaderDblClick = 21,
};

struct TreeEvents {
  using NodeHandler = std::function<void(long index)>;
  using MouseHandler = std::function<void(short button, short shift, long x, long y)>;
  std::function<void()> click, dblClick;
  MouseHandler mouseDown, mouseUp, mouseMove;
  std::function<void(short&keyCode, short shift)> keyDown, keyUp;  // set keyCode to 0 to swallow it
  std::function<void(short& keyAscii)> keyPress;
  NodeHandler change, collapse, expand, rightClick, nodeOver, clickClip, setLabelEdit, beforeLabelEdit;
  NodeHandler dragNode, dropNode;      // a drag begins on a node; a drag ends on this tree (-1: below the lines)
  std::function<void()> startDragOut;  // this tree's drag left it
  std::function<void(long index, short column)> getNode;  // LoadVirtual: fill this node now
  std::function<void(short error, long index)> ctrlError;
  std::function<void(long index, short column, bool value)> checkClick;
  std::function<void(long index, short value)> radioClick;
  std::function<void(long index, const std::wstring& text)> afterLabelEdit;
  std::function<void(short column)> headerClick, headerDblClick;
  std::function<void(DISPID id, const kv::com::EventArgs& args)> any;  // every event, before the above
};

namespace detail {
inline std::wstring Take(BSTR text) {
  std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return out;
}
class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : value_(SysAllocStringLen(text.data(), UINT(text.size()))) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return value_; }

 private:
  BSTR value_;
};
// A picture object owning a copy of `bitmap` (the caller keeps and frees its own bitmap).
inline IPictureDisp* PictureOfCopy(HBITMAP bitmap) {
  if (!bitmap) return nullptr;
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
  if (!copy) return nullptr;
  PICTDESC desc = {};
  desc.cbSizeofstruct = sizeof desc;
  desc.picType = PICTYPE_BITMAP;
  desc.bmp.hbitmap = copy;
  IPictureDisp* picture = nullptr;
  if (FAILED(kv::ole::CreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture)))) {
    DeleteObject(copy);
    return nullptr;
  }
  return picture;
}

inline void Route(const TreeEvents& e, DISPID id, const kv::com::EventArgs& a) {
  if (e.any) e.any(id, a);
  auto node = [&](const TreeEvents::NodeHandler& h) {
    if (h) h(a.Long(0));
  };
  auto mouse = [&](const TreeEvents::MouseHandler& h) {
    if (h) h(short(a.Long(0)), short(a.Long(1)), a.Long(2), a.Long(3));
  };
  auto key = [&](const std::function<void(short&, short)>& h) {
    VARIANT* code = a.At(0);
    if (!h || !code) return;
    short value = short(a.Long(0));
    h(value, short(a.Long(1)));
    if (code->vt == (VT_I2 | VT_BYREF)) *code->piVal = value;
  };
  switch (id) {
    case kClick:
      if (e.click) e.click();
      break;
    case kDblClick:
      if (e.dblClick) e.dblClick();
      break;
    case kMouseDown:
      mouse(e.mouseDown);
      break;
    case kMouseUp:
      mouse(e.mouseUp);
      break;
    case kMouseMove:
      mouse(e.mouseMove);
      break;
    case kKeyDown:
      key(e.keyDown);
      break;
    case kKeyUp:
      key(e.keyUp);
      break;
    case kKeyPress:
      if (e.keyPress && a.At(0)) {
        short value = short(a.Long(0));
        e.keyPress(value);
        if (a.At(0)->vt == (VT_I2 | VT_BYREF)) *a.At(0)->piVal = value;
      }
      break;
    case kChange:
      node(e.change);
      break;
    case kCollapse:
      node(e.collapse);
      break;
    case kExpand:
      node(e.expand);
      break;
    case kRightClick:
      node(e.rightClick);
      break;
    case kNodeOver:
      node(e.nodeOver);
      break;
    case kClickClip:
      node(e.clickClip);
      break;
    case kSetLabelEdit:
      node(e.setLabelEdit);
      break;
    case kBeforeLabelEdit:
      node(e.beforeLabelEdit);
      break;
    case kDragNode:
      node(e.dragNode);
      break;
    case kDropNode:
      node(e.dropNode);
      break;
    case kStartDragOut:
      if (e.startDragOut) e.startDragOut();
      break;
    case kGetNode:
      if (e.getNode) e.getNode(a.Long(0), short(a.Long(1)));
      break;
    case kCtrlError:
      if (e.ctrlError) e.ctrlError(short(a.Long(0)), a.Long(1));
      break;
    case kCheckClick:
      if (e.checkClick) e.checkClick(a.Long(0), short(a.Long(1)), a.Bool(2));
      break;
    case kRadioClick:
      if (e.radioClick) e.radioClick(a.Long(0), short(a.Long(1)));
      break;
    case kAfterLabelEdit:
      if (e.afterLabelEdit) e.afterLabelEdit(a.Long(0), a.Text(1));
      break;
    case kHeaderClick:
      if (e.headerClick) e.headerClick(short(a.Long(0)));
      break;
    case kHeaderDblClick:
      if (e.headerDblClick) e.headerDblClick(short(a.Long(0)));
      break;
    default:
      break;
  }
}
}  // namespace detail

class TreeList {
 public:
  TreeEvents events;

  TreeList() = default;
  ~TreeList() { Destroy(); }
  TreeList(const TreeList&) = delete;
  TreeList& operator=(const TreeList&) = delete;

  // Creates the control window in `parent` at `rect`; false when the library or the window failed.
  bool Create(HWND parent, const RECT& rect, int controlId, const wchar_t* dllPath = nullptr) {
    if (control_) return false;
    // The library stays loaded for the rest of the process: a control may be destroyed from inside
    // one of its own event handlers, while its code is still running.
    HMODULE library = dllPath ? LoadLibraryW(dllPath) : kv::LoadProgramFolderLibrary(L"kvtree.dll");
    if (!library) return false;
    auto create =
        reinterpret_cast<KvTreeCreateWindowFn>(reinterpret_cast<void*>(GetProcAddress(library, "kvTreeCreateWindow")));
    if (!create || FAILED(create(parent, &rect, controlId, &control_))) {
      Destroy();
      return false;
    }
    sink_ = kv::com::EventSink::Create(
        [this](DISPID id, const kv::com::EventArgs& args) { detail::Route(events, id, args); });
    if (sink_) sink_->Connect(control_, DIID__DkvTreeViewEvents);
    return true;
  }

  // Disconnects the events, destroys the window and releases the control (safe inside a handler).
  void Destroy() {
    if (sink_) {
      sink_->Disconnect();
      sink_->Release();
      sink_ = nullptr;
    }
    if (control_) {
      HWND window = Window();
      if (window && IsWindow(window)) DestroyWindow(window);
      control_->Release();
      control_ = nullptr;
    }
  }

  explicit operator bool() const { return control_ != nullptr; }
  IkvTreeView* operator->() const { return control_; }
  IkvTreeView* Get() const { return control_; }
  HWND Window() const {
    LONG_PTR handle = 0;
    if (control_) control_->get_hWnd(&handle);
    return reinterpret_cast<HWND>(handle);
  }

  // --- the calls our pages use most, with std::wstring texts ---
  long AddNode(const std::wstring& text, short position, short level) {
    LONG index = -1;
    if (control_) control_->AddNode(detail::Bstr(text), position, level, &index);
    return index;
  }
  long AddPictureNode(const std::wstring& text, short position, short level, short picture, short expanded = 0,
                      short selected = 0) {
    LONG index = -1;
    if (control_) control_->AddPictureNode(detail::Bstr(text), position, level, picture, expanded, selected, &index);
    return index;
  }
  std::wstring NodeText(long index) const { return GetText(&IkvTreeView::get_NodeText, index); }
  void SetNodeText(long index, const std::wstring& text) { PutText(&IkvTreeView::put_NodeText, index, text); }
  std::wstring NodeCargo(long index) const { return GetText(&IkvTreeView::get_NodeCargo, index); }
  void SetNodeCargo(long index, const std::wstring& text) { PutText(&IkvTreeView::put_NodeCargo, index, text); }
  std::wstring NodeSubText(long index) const { return GetText(&IkvTreeView::get_NodeSubText, index); }
  void SetNodeSubText(long index, const std::wstring& text) { PutText(&IkvTreeView::put_NodeSubText, index, text); }
  void SetNodeFontBold(long index, short style) {
    if (control_) control_->put_NodeFontBold(index, style);
  }
  short NodeCheck(long index, short column = 1) const {
    short value = 0;
    if (control_) control_->get_NodeColumnCheck(index, column, &value);
    return value;
  }
  void SetNodeCheck(long index, short value, short column = 1) {
    if (control_) control_->put_NodeColumnCheck(index, column, value);
  }
  long ListCount() const {
    LONG count = 0;
    if (control_) control_->get_ListCount(&count);
    return count;
  }
  long Selected() const {
    LONG index = -1;
    if (control_) control_->get_Selected(&index);
    return index;
  }
  void SetSelected(long index) {
    if (control_) control_->put_Selected(index);
  }
  // Adds a column (the first one added is the tree's own); returns its number, 0 when refused.
  short AddColumn(const std::wstring& caption, short width) {
    short column = 0;
    if (control_) control_->AddColumn(detail::Bstr(caption), width, &column);
    return column;
  }
  void SetNodeColumnText(long index, short column, const std::wstring& text) {
    if (control_) control_->put_NodeColumnText(index, column, detail::Bstr(text));
  }
  void SetTitleText(const std::wstring& text) {
    if (control_) control_->put_TitleText(detail::Bstr(text));
  }
  // Bitmaps are copied: the caller keeps (and frees) its own.
  // Adds a bitmap to the image list; returns the image number from 1, 0 when refused.
  short AddBitmap(HBITMAP bitmap) {
    IPictureDisp* picture = control_ ? detail::PictureOfCopy(bitmap) : nullptr;
    if (!picture) return 0;
    short number = 0;
    control_->AddImage(picture, &number);
    picture->Release();
    return number;
  }
  // The picture strip cut into cols x rows cells (picture numbers from 1, left to right).
  void SetPictureStrip(HBITMAP strip, short cols, short rows = 1) {
    if (!control_) return;
    control_->put_PicCols(cols);
    control_->put_PicRows(rows);
    SetPicture(&IkvTreeView::put_Picture, strip);
  }
  // The background picture behind the lines (tiled); null removes it.
  void SetBackImage(HBITMAP image) { SetPicture(&IkvTreeView::put_BackImage, image); }

 private:
  using TextGetter = HRESULT (STDMETHODCALLTYPE IkvTreeView::*)(LONG, BSTR*);
  using TextSetter = HRESULT (STDMETHODCALLTYPE IkvTreeView::*)(LONG, BSTR);
  std::wstring GetText(TextGetter getter, long index) const {
    BSTR text = nullptr;
    if (!control_ || FAILED((control_->*getter)(index, &text))) return {};
    return detail::Take(text);
  }
  void PutText(TextSetter setter, long index, const std::wstring& text) {
    if (control_) (control_->*setter)(index, detail::Bstr(text));
  }
  void SetPicture(HRESULT (STDMETHODCALLTYPE IkvTreeView::*setter)(IPictureDisp*), HBITMAP bitmap) {
    if (!control_) return;
    IPictureDisp* picture = detail::PictureOfCopy(bitmap);
    (control_->*setter)(picture);
    if (picture) picture->Release();
  }
  IkvTreeView* control_ = nullptr;
  kv::com::EventSink* sink_ = nullptr;
};

}  // namespace kv::treeclient
