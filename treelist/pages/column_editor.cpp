// Column editor of the "Columns" page (see column_editor.h): list box, caption and width fields,
// Add and Remove; loads the columns through ColumnCount/ColumnText/ColumnWidth and applies the
// plan's steps through RemoveColumn, ColumnText, ColumnWidth and InsertColumn.
#include "treelist/pages/column_editor.h"

#include <new>
#include <string>

#include "activex/about_box.h"
#include "activex/com_module.h"
#include "activex/property_page/ansi_text.h"
#include "activex/property_page/dispatch_property.h"
#include "activex/property_page/field_text.h"
#include "treelist/pages/column_plan.h"
#include "treelist/pages/tree_page_strings.h"

namespace kv::tree::pages {
namespace {

using kv::pages::Call;
using kv::pages::Narrow;
using kv::pages::Wide;

enum Part { kList, kListLabel, kCaptionLabel, kCaption, kWidthLabel, kWidth, kAdd, kRemove, kPartCount };
constexpr int kWidthOfPart = 230;
constexpr int kHeightOfPart = 230;
constexpr int kDefaultWidth = 100;

VARIANT Short(int value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I2;
  v.iVal = static_cast<SHORT>(value);
  return v;
}

std::string Text(HWND control) {
  char text[512] = "";
  GetWindowTextA(control, text, sizeof text);
  return text;
}

class ColumnEditor final : public kv::pages::PagePart {
 public:
  SIZE Size() const override { return SIZE{kWidthOfPart, kHeightOfPart}; }

  void Create(HWND page, int x, int y, int firstId) override {
    page_ = page;
    firstId_ = firstId;
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto make = [&](Part part, DWORD exStyle, const char* cls, int textId, DWORD style, int cx, int cy, int w, int h) {
      std::string text = textId ? com::ModuleText(textId) : std::string();
      HWND control = CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x + cx, y + cy, w, h,
                                     page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + part)),
                                     com::Module(), nullptr);
      SendMessageA(control, WM_SETFONT, WPARAM(font), 0);
    };
    make(kListLabel, 0, "STATIC", IDS_TREEFIELD_COLUMNLIST, SS_LEFT, 0, 3, kWidthOfPart, 16);
    make(kList, WS_EX_CLIENTEDGE, "LISTBOX", 0, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 22,
         kWidthOfPart, 120);
    make(kCaptionLabel, 0, "STATIC", IDS_TREEFIELD_COLUMNCAPTION, SS_LEFT, 0, 153, 80, 16);
    make(kCaption, WS_EX_CLIENTEDGE, "EDIT", 0, WS_TABSTOP | ES_AUTOHSCROLL, 84, 150, kWidthOfPart - 84, 21);
    make(kWidthLabel, 0, "STATIC", IDS_TREEFIELD_COLUMNWIDTH, SS_LEFT, 0, 179, 80, 16);
    make(kWidth, WS_EX_CLIENTEDGE, "EDIT", 0, WS_TABSTOP | ES_AUTOHSCROLL, 84, 176, 60, 21);
    make(kAdd, 0, "BUTTON", IDS_TREEFIELD_COLUMNADD, WS_TABSTOP | BS_PUSHBUTTON, 0, 205, 110, 23);
    make(kRemove, 0, "BUTTON", IDS_TREEFIELD_COLUMNREMOVE, WS_TABSTOP | BS_PUSHBUTTON, kWidthOfPart - 110, 205, 110, 23);
  }

  void Load(IDispatch* object) override {
    std::vector<EditedColumn> columns;
    VARIANT count;
    if (SUCCEEDED(Call(object, L"ColumnCount", DISPATCH_METHOD, nullptr, 0, &count)) &&
        SUCCEEDED(VariantChangeType(&count, &count, 0, VT_I4))) {
      for (long c = 1; c <= count.lVal && c <= 32767; ++c) {
        VARIANT number = Short(int(c)), caption, width;
        EditedColumn column;
        if (SUCCEEDED(Call(object, L"ColumnText", DISPATCH_PROPERTYGET, &number, 1, &caption)) &&
            SUCCEEDED(VariantChangeType(&caption, &caption, 0, VT_BSTR))) {
          column.caption.assign(caption.bstrVal, SysStringLen(caption.bstrVal));
        }
        VariantClear(&caption);
        if (SUCCEEDED(Call(object, L"ColumnWidth", DISPATCH_PROPERTYGET, &number, 1, &width)) &&
            SUCCEEDED(VariantChangeType(&width, &width, 0, VT_I4))) {
          column.width = width.lVal;
        }
        columns.push_back(column);
      }
    }
    plan_.Load(std::move(columns));
    Refill(-1);
  }

  bool Command(int id, int code) override {
    if (updating_) return false;
    int selected = int(SendMessageA(Control(kList), LB_GETCURSEL, 0, 0));
    switch (id - firstId_) {
      case kList:
        if (code == LBN_SELCHANGE) ShowSelected(selected);
        return false;
      case kCaption:
        if (code != EN_CHANGE || selected < 0) return false;
        plan_.SetCaption(size_t(selected), Wide(Text(Control(kCaption))));
        Refill(selected, false);
        return true;
      case kWidth: {
        if (code != EN_CHANGE || selected < 0) return false;
        // A width that is not a number from 0 to 32767 is not taken; the column keeps its width.
        auto width = kv::pages::ParseNumber(Text(Control(kWidth)), 0, 32767);
        if (!width) return false;
        plan_.SetWidth(size_t(selected), int(*width));
        Refill(selected, false);
        return true;
      }
      case kAdd:
        if (code != BN_CLICKED) return false;
        plan_.Add(Wide(com::ModuleText(IDS_TREEFIELD_COLUMNNEW)), kDefaultWidth);
        Refill(int(plan_.Columns().size()) - 1);
        SetFocus(Control(kCaption));
        SendMessageA(Control(kCaption), EM_SETSEL, 0, -1);
        return true;
      case kRemove:
        if (code != BN_CLICKED || selected < 0) return false;
        plan_.Remove(size_t(selected));
        Refill(selected < int(plan_.Columns().size()) ? selected : selected - 1);
        return true;
    }
    return false;
  }

  bool Dirty() const override { return plan_.Changed(); }

  HRESULT Apply(IDispatch* object) override {
    HRESULT result = S_OK;
    for (const ColumnStep& step : plan_.Steps()) {
      VARIANT args[3] = {Short(step.column), Short(step.width), Short(step.column)};
      HRESULT hr = S_OK;
      switch (step.kind) {
        case ColumnStep::Remove:
          hr = Call(object, L"RemoveColumn", DISPATCH_METHOD, args, 1, nullptr);
          break;
        case ColumnStep::SetWidth:
          hr = Call(object, L"ColumnWidth", DISPATCH_PROPERTYPUT, args, 2, nullptr);
          break;
        case ColumnStep::SetCaption:
        case ColumnStep::Insert: {
          BSTR caption = SysAllocStringLen(step.caption.data(), UINT(step.caption.size()));
          if (!caption) return E_OUTOFMEMORY;
          if (step.kind == ColumnStep::SetCaption) {
            args[1].vt = VT_BSTR;
            args[1].bstrVal = caption;
            hr = Call(object, L"ColumnText", DISPATCH_PROPERTYPUT, args, 2, nullptr);
          } else {
            args[0].vt = VT_BSTR;
            args[0].bstrVal = caption;
            hr = Call(object, L"InsertColumn", DISPATCH_METHOD, args, 3, nullptr);
          }
          SysFreeString(caption);
          break;
        }
      }
      if (FAILED(hr) && SUCCEEDED(result)) result = hr;
    }
    return result;
  }

 private:
  HWND Control(Part part) const { return GetDlgItem(page_, firstId_ + part); }

  // The list from the plan, with `selected` chosen (-1: none) and, when `fields`, the caption and
  // width fields showing it.
  void Refill(int selected, bool fields = true) {
    updating_ = true;
    HWND list = Control(kList);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const EditedColumn& column : plan_.Columns()) {
      std::string line = Narrow(column.caption) + " (" + std::to_string(column.width) + ")";
      SendMessageA(list, LB_ADDSTRING, 0, LPARAM(line.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, WPARAM(selected), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    updating_ = false;
    if (fields) ShowSelected(selected);
  }

  void ShowSelected(int selected) {
    updating_ = true;
    bool valid = selected >= 0 && size_t(selected) < plan_.Columns().size();
    SetWindowTextA(Control(kCaption), valid ? Narrow(plan_.Columns()[size_t(selected)].caption).c_str() : "");
    SetWindowTextA(Control(kWidth), valid ? std::to_string(plan_.Columns()[size_t(selected)].width).c_str() : "");
    EnableWindow(Control(kCaption), valid);
    EnableWindow(Control(kWidth), valid);
    EnableWindow(Control(kRemove), valid);
    updating_ = false;
  }

  HWND page_ = nullptr;
  int firstId_ = 0;
  bool updating_ = false;
  ColumnPlan plan_;
};

}  // namespace

kv::pages::PagePart* NewColumnEditor() { return new (std::nothrow) ColumnEditor; }

}  // namespace kv::tree::pages
