// kvTreeView automation object: the methods and the indexed node and column properties.
#include <algorithm>
#include <new>

#include "activex/about_box.h"
#include "activex/variant.h"
#include "resources/kvtree/kvtree_strings.h"
#include "treelist/com/tree_control.h"
#include "treelist/model/directory_loader.h"
#include "treelist/win/win32_directory_lister.h"

namespace kv::tree {

namespace {
const DISPID kEventBeforeSort = 19;

std::wstring FromBstr(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }
VARIANT_BOOL ToBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

template <class T, class U>
HRESULT Out(T* result, U value) {
  if (!result) return E_POINTER;
  *result = static_cast<T>(value);
  return S_OK;
}

// Every call into the model is guarded: no C++ exception may cross the COM boundary.
template <class F>
HRESULT Guarded(F&& body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}
}  // namespace

// --- adding and removing ---

int TreeControl::FontNumber(IFontDisp* font) {
  if (!font) return 0;
  IFont* f = nullptr;
  if (FAILED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f)))) return 0;
  HFONT handle = nullptr;
  f->get_hFont(&handle);
  int number = graphics_.AddFont(handle);
  f->Release();
  return number;
}

LONG TreeControl::AddWithLook(BSTR text, short position, short level, IFontDisp* font, short picture, short expanded,
                              short selected) {
  NodeLook look;
  look.font = FontNumber(font);
  look.picture = picture;
  look.picExpand = expanded;
  look.picSelect = selected;
  return model_.AddNode(FromBstr(text), position, level, look);
}

STDMETHODIMP TreeControl::AddNode(BSTR text, short position, short level, LONG* result) {
  return Guarded([&] { return Out(result, AddWithLook(text, position, level, nullptr, 0, 0, 0)); });
}
STDMETHODIMP TreeControl::AddFontNode(BSTR text, short position, short level, IFontDisp* font, LONG* result) {
  return Guarded([&] { return Out(result, AddWithLook(text, position, level, font, 0, 0, 0)); });
}
STDMETHODIMP TreeControl::AddPictureNode(BSTR text, short position, short level, short picture, short expandedPicture,
                                         short selectedPicture, LONG* result) {
  return Guarded([&] {
    return Out(result, AddWithLook(text, position, level, nullptr, picture, expandedPicture, selectedPicture));
  });
}
STDMETHODIMP TreeControl::AddPictureFontNode(BSTR text, short position, short level, IFontDisp* font, short picture,
                                             short expandedPicture, short selectedPicture, LONG* result) {
  return Guarded(
      [&] { return Out(result, AddWithLook(text, position, level, font, picture, expandedPicture, selectedPicture)); });
}
STDMETHODIMP TreeControl::InsertNode(BSTR text, short level, LONG index, LONG* result) {
  return Guarded([&] { return Out(result, model_.InsertNode(FromBstr(text), level, index)); });
}
STDMETHODIMP TreeControl::RemoveNode(LONG index, LONG* result) {
  return Guarded([&] { return Out(result, model_.RemoveNode(index)); });
}
STDMETHODIMP TreeControl::RemoveChildren(LONG index, LONG* result) {
  return Guarded([&] { return Out(result, model_.RemoveChildren(index)); });
}
STDMETHODIMP TreeControl::ClearNodes() {
  model_.ClearNodes();
  if (window_) window_->Layout().SetTopLine(0);
  return S_OK;
}

// --- structure queries ---

STDMETHODIMP TreeControl::NodeParent(LONG index, LONG* result) { return Out(result, model_.NodeParent(index)); }
STDMETHODIMP TreeControl::NodeLevel(LONG index, short* result) { return Out(result, model_.NodeLevel(index)); }
STDMETHODIMP TreeControl::ItemsOpen(LONG* result) { return Out(result, model_.ItemsOpen()); }
STDMETHODIMP TreeControl::LastSibling(LONG index, LONG* result) { return Out(result, model_.LastSibling(index)); }
STDMETHODIMP TreeControl::Children(LONG index, LONG* result) { return Out(result, model_.Children(index)); }
STDMETHODIMP TreeControl::FirstSibling(LONG index, LONG* result) { return Out(result, model_.FirstSibling(index)); }
STDMETHODIMP TreeControl::PreviousSibling(LONG index, LONG* result) {
  return Out(result, model_.PreviousSibling(index));
}
STDMETHODIMP TreeControl::NextSibling(LONG index, LONG* result) { return Out(result, model_.NextSibling(index)); }
STDMETHODIMP TreeControl::LastBranch(LONG index, LONG* result) { return Out(result, model_.LastBranch(index)); }
STDMETHODIMP TreeControl::AllChildren(LONG index, LONG* result) { return Out(result, model_.AllChildren(index)); }
STDMETHODIMP TreeControl::RootNode(LONG index, LONG* result) { return Out(result, model_.RootNode(index)); }
STDMETHODIMP TreeControl::NextItem(LONG index, LONG* result) { return Out(result, model_.NextItem(index)); }
STDMETHODIMP TreeControl::PreviousItem(LONG index, LONG* result) { return Out(result, model_.PreviousItem(index)); }
STDMETHODIMP TreeControl::NodeVisible(LONG index, VARIANT_BOOL* result) {
  return Out(result, ToBool(model_.NodeVisible(index)));
}
STDMETHODIMP TreeControl::Path(LONG index, BSTR* result) {
  return Guarded([&] { return ReturnText(model_.Path(index, props_.Text(kPropPathSeparator)), result); });
}
STDMETHODIMP TreeControl::FindData(LONG value, LONG* result) { return Out(result, model_.FindData(value)); }
STDMETHODIMP TreeControl::FindNext(LONG value, LONG* result) { return Out(result, model_.FindNext(value)); }

// --- view ---

STDMETHODIMP TreeControl::LinesPerList(short* result) {
  return Out(result, window_ ? std::min(0x7FFF, window_->Layout().LinesPerList()) : 0);
}
STDMETHODIMP TreeControl::TopIndex(LONG* result) {
  return Out(result, window_ ? window_->Layout().TopIndex() : model_.Nodes().VisibleNode(0));
}
STDMETHODIMP TreeControl::EnsureVisible(LONG index) {
  if (!model_.Nodes().Valid(index)) {
    OnCtrlError(kErrIndexRange, index);
    return S_OK;
  }
  if (window_) window_->EnsureVisible(index);
  return S_OK;
}
STDMETHODIMP TreeControl::ReDraw(VARIANT_BOOL update) {
  // The pages call ReDraw(False) to have the tree repainted after a change, so no value of the
  // argument may stop painting: True paints at once, False at the next chance.
  if (window_) window_->Redraw(update != VARIANT_FALSE);
  return S_OK;
}
STDMETHODIMP TreeControl::CancelEdit() {
  if (window_) window_->EndLabelEdit(false);
  return S_OK;
}
STDMETHODIMP TreeControl::StartLabelEdit(VARIANT_BOOL* result) {
  return Out(result, ToBool(window_ && window_->StartLabelEdit()));
}
STDMETHODIMP TreeControl::AboutBox() {
  kv::com::ShowAboutBox(window_ ? window_->Handle() : nullptr, IDS_KVTREE_ABOUT_CAPTION, IDS_KVTREE_ABOUT_TEXT);
  return S_OK;
}

// --- fonts ---

STDMETHODIMP TreeControl::ClearFont(LONG index) {
  model_.SetNode(NodeField::Font, index, 0);
  return S_OK;
}
STDMETHODIMP TreeControl::NodeFont(IFontDisp* font, LONG index) {
  if (!model_.Nodes().Valid(index)) {
    OnCtrlError(kErrIndexRange, index);
    return S_OK;
  }
  model_.SetNode(NodeField::Font, index, FontNumber(font));
  return S_OK;
}

// --- columns ---

STDMETHODIMP TreeControl::AddColumn(BSTR caption, short width, short* result) {
  return Guarded([&] {
    HRESULT hr = Out(result, model_.AddColumn(FromBstr(caption), width));
    if (window_) window_->Refresh();
    return hr;
  });
}
STDMETHODIMP TreeControl::InsertColumn(BSTR caption, short width, short index, short* result) {
  return Guarded([&] {
    HRESULT hr = Out(result, model_.InsertColumn(FromBstr(caption), width, index));
    if (window_) window_->Refresh();
    return hr;
  });
}
STDMETHODIMP TreeControl::ClearColumns(VARIANT_BOOL* result) {
  HRESULT hr = Out(result, ToBool(model_.ClearColumns()));
  if (window_) window_->Refresh();
  return hr;
}
STDMETHODIMP TreeControl::ColumnCount(short* result) { return Out(result, model_.ColumnCount()); }
STDMETHODIMP TreeControl::RemoveColumn(short index, VARIANT_BOOL* result) {
  HRESULT hr = Out(result, ToBool(model_.RemoveColumn(index)));
  if (window_) window_->Refresh();
  return hr;
}
STDMETHODIMP TreeControl::SortNewColumn(short column, VARIANT_BOOL* result) {
  return Out(result, ToBool(model_.SortNewColumn(column)));
}
STDMETHODIMP TreeControl::CancelSort() {
  model_.CancelSort();
  return S_OK;
}
STDMETHODIMP TreeControl::Sort(LONG index, VARIANT_BOOL sortChildren) {
  VARIANT column[1] = {kv::com::VariantI2(model_.SortColumn())};
  events_.Fire(kEventBeforeSort, column, 1);
  return Guarded([&] {
    model_.Sort(index, sortChildren != VARIANT_FALSE, props_.Number(kPropSortDirection) == 1,
                props_.Flag(kPropSortOnCase));
    return S_OK;
  });
}
STDMETHODIMP TreeControl::MoveNode(LONG source, LONG target, short type, VARIANT_BOOL* result) {
  return Guarded([&] { return Out(result, ToBool(model_.MoveNode(source, target, type))); });
}

// --- drag and drop is not offered: neutral answers ---

// --- drags run by the container: DragOver/DragDrop take y in twips (the coordinates a form's drag
// events hand over), kvDragOver/kvDragDrop in client pixels ---

namespace {
int TwipsToPixels(int twips) {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return MulDiv(twips, dpi, 1440);
}
}  // namespace

LONG TreeControl::DragAt(int y, int state, bool drop) {
  if (!window_ || !window_->Handle()) return kNoDrop;  // windowless: there are no lines
  const int x = window_->Layout().ListArea().left;
  return drop ? window_->DropAt(x, y) : window_->DragOverAt(x, y, state);
}

STDMETHODIMP TreeControl::DragDrop(short y, LONG* result) {
  return Guarded([&] { return Out(result, DragAt(TwipsToPixels(y), 0, true)); });
}
STDMETHODIMP TreeControl::DragOver(short y, short state, LONG* result) {
  return Guarded([&] { return Out(result, DragAt(TwipsToPixels(y), state, false)); });
}
STDMETHODIMP TreeControl::kvDragOver(short y, short state, LONG* result) {
  return Guarded([&] { return Out(result, DragAt(y, state, false)); });
}
STDMETHODIMP TreeControl::kvDragDrop(short y, LONG* result) {
  return Guarded([&] { return Out(result, DragAt(y, 0, true)); });
}
STDMETHODIMP TreeControl::LoadDirectory(BSTR directory) {
  return Guarded([&] {
    std::wstring root = FromBstr(directory);
    while (root.size() > 3 && (root.back() == L'\\' || root.back() == L'/')) root.pop_back();
    kv::tree::LoadDirectory(model_, root, L"\\", Win32DirectoryLister());
    return S_OK;
  });
}

// --- image list ---

STDMETHODIMP TreeControl::AddImage(IPictureDisp* picture, short* result) {
  if (!result) return E_POINTER;
  *result = 0;
  IPicture* p = nullptr;
  if (!picture || FAILED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&p)))) {
    OnCtrlError(kErrAddImage, -1);
    return S_OK;
  }
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  p->get_Type(&type);
  p->get_Handle(&handle);
  p->Release();
  TreeGraphics::Image image;
  if (type == PICTYPE_BITMAP)
    image.bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  else if (type == PICTYPE_ICON)
    image.icon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle));
  if ((!image.bitmap && !image.icon) || images_.size() >= 0x7FFF) {
    OnCtrlError(kErrAddImage, -1);
    return S_OK;
  }
  return Guarded([&] {
    images_.reserve(images_.size() + 1);
    graphics_.Images().push_back(image);
    picture->AddRef();
    images_.push_back(picture);
    *result = static_cast<short>(images_.size());
    if (window_) window_->Refresh();
    return S_OK;
  });
}

STDMETHODIMP TreeControl::RemoveImage(short index, VARIANT_BOOL* result) {
  if (index < 1 || index > static_cast<short>(images_.size())) return Out(result, VARIANT_FALSE);
  images_[size_t(index - 1)]->Release();
  images_.erase(images_.begin() + (index - 1));
  graphics_.Images().erase(graphics_.Images().begin() + (index - 1));
  if (window_) window_->Invalidate();
  return Out(result, VARIANT_TRUE);
}

STDMETHODIMP TreeControl::get_ListImage(short image, IPictureDisp** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  if (image < 1 || image > static_cast<short>(images_.size())) return S_OK;
  *value = images_[size_t(image - 1)];
  (*value)->AddRef();
  return S_OK;
}

STDMETHODIMP TreeControl::put_ListImage(short image, IPictureDisp* value) {
  if (image < 1 || image > static_cast<short>(images_.size())) return S_OK;
  VARIANT_BOOL removed = VARIANT_FALSE;
  short added = 0;
  // Replace in place: add at the end, then move the new entry into the slot.
  HRESULT hr = AddImage(value, &added);
  if (FAILED(hr) || added == 0) return hr;
  std::swap(images_[size_t(image - 1)], images_.back());
  std::swap(graphics_.Images()[size_t(image - 1)], graphics_.Images().back());
  return RemoveImage(added, &removed);
}

// --- indexed node properties ---

HRESULT TreeControl::GetNodeNumber(NodeField field, LONG index, LONG* value) {
  return Out(value, model_.GetNode(field, index));
}
HRESULT TreeControl::GetNodeShort(NodeField field, LONG index, short* value) {
  return Out(value, model_.GetNode(field, index));
}
HRESULT TreeControl::GetNodeBool(NodeField field, LONG index, VARIANT_BOOL* value) {
  return Out(value, ToBool(model_.GetNode(field, index) != 0));
}
HRESULT TreeControl::GetNodeColour(NodeField field, LONG index, LONG* value) {
  return Out(value, static_cast<uint32_t>(model_.GetNode(field, index)));
}
HRESULT TreeControl::SetNode(NodeField field, LONG index, int32_t value) {
  model_.SetNode(field, index, value);
  return S_OK;
}
HRESULT TreeControl::GetNodeText(NodeTextField field, LONG index, BSTR* value) {
  return Guarded([&] { return ReturnText(model_.GetNodeText(field, index), value); });
}
// Stores a text; when memory runs out the control reports CtrlError 32000 and raises the standard
// out-of-memory error to the caller as well.
template <class F>
HRESULT TreeControl::StoreText(LONG index, F&& store) {
  outOfMemory_ = false;
  HRESULT hr = Guarded([&] {
    store();
    return S_OK;
  });
  if (hr == E_OUTOFMEMORY && !outOfMemory_) OnCtrlError(kErrOutOfMemory, index);
  return outOfMemory_ ? E_OUTOFMEMORY : hr;
}

HRESULT TreeControl::SetNodeText(NodeTextField field, LONG index, BSTR value) {
  return StoreText(index, [&] { model_.SetNodeText(field, index, FromBstr(value)); });
}

STDMETHODIMP TreeControl::get_NodeBackColor(LONG i, LONG* v) { return GetNodeColour(NodeField::BackColour, i, v); }
STDMETHODIMP TreeControl::put_NodeBackColor(LONG i, LONG v) { return SetNode(NodeField::BackColour, i, int32_t(v)); }
STDMETHODIMP TreeControl::get_NodeForeColor(LONG i, LONG* v) { return GetNodeColour(NodeField::ForeColour, i, v); }
STDMETHODIMP TreeControl::put_NodeForeColor(LONG i, LONG v) { return SetNode(NodeField::ForeColour, i, int32_t(v)); }
STDMETHODIMP TreeControl::get_NodeText(LONG i, BSTR* v) { return GetNodeText(NodeTextField::Text, i, v); }
STDMETHODIMP TreeControl::put_NodeText(LONG i, BSTR v) { return SetNodeText(NodeTextField::Text, i, v); }
STDMETHODIMP TreeControl::get_NodePicture(LONG i, short* v) { return GetNodeShort(NodeField::Picture, i, v); }
STDMETHODIMP TreeControl::put_NodePicture(LONG i, short v) { return SetNode(NodeField::Picture, i, v); }
STDMETHODIMP TreeControl::get_NodePicExpand(LONG i, short* v) { return GetNodeShort(NodeField::PicExpand, i, v); }
STDMETHODIMP TreeControl::put_NodePicExpand(LONG i, short v) { return SetNode(NodeField::PicExpand, i, v); }
STDMETHODIMP TreeControl::get_NodePicSelect(LONG i, short* v) { return GetNodeShort(NodeField::PicSelect, i, v); }
STDMETHODIMP TreeControl::put_NodePicSelect(LONG i, short v) { return SetNode(NodeField::PicSelect, i, v); }
STDMETHODIMP TreeControl::get_NodeExpanded(LONG i, VARIANT_BOOL* v) { return GetNodeBool(NodeField::Expanded, i, v); }
STDMETHODIMP TreeControl::put_NodeExpanded(LONG i, VARIANT_BOOL v) { return SetNode(NodeField::Expanded, i, v != 0); }
STDMETHODIMP TreeControl::get_NodeData(LONG i, LONG* v) { return GetNodeNumber(NodeField::Data, i, v); }
STDMETHODIMP TreeControl::put_NodeData(LONG i, LONG v) { return SetNode(NodeField::Data, i, v); }
STDMETHODIMP TreeControl::get_NodeIsParent(LONG i, VARIANT_BOOL* v) { return GetNodeBool(NodeField::IsParent, i, v); }
STDMETHODIMP TreeControl::put_NodeIsParent(LONG i, VARIANT_BOOL v) { return SetNode(NodeField::IsParent, i, v != 0); }
STDMETHODIMP TreeControl::get_NodeSelect(LONG i, VARIANT_BOOL* v) { return GetNodeBool(NodeField::Select, i, v); }
STDMETHODIMP TreeControl::put_NodeSelect(LONG i, VARIANT_BOOL v) { return SetNode(NodeField::Select, i, v != 0); }
STDMETHODIMP TreeControl::get_NodeCargo(LONG i, BSTR* v) { return GetNodeText(NodeTextField::Cargo, i, v); }
STDMETHODIMP TreeControl::put_NodeCargo(LONG i, BSTR v) { return SetNodeText(NodeTextField::Cargo, i, v); }
STDMETHODIMP TreeControl::get_NodeSubText(LONG i, BSTR* v) { return GetNodeText(NodeTextField::SubText, i, v); }
STDMETHODIMP TreeControl::put_NodeSubText(LONG i, BSTR v) { return SetNodeText(NodeTextField::SubText, i, v); }
STDMETHODIMP TreeControl::get_NodeUseColumns(LONG i, VARIANT_BOOL* v) {
  return GetNodeBool(NodeField::UseColumns, i, v);
}
STDMETHODIMP TreeControl::put_NodeUseColumns(LONG i, VARIANT_BOOL v) {
  return SetNode(NodeField::UseColumns, i, v != 0);
}
STDMETHODIMP TreeControl::get_NodeShowChecks(LONG i, VARIANT_BOOL* v) {
  return GetNodeBool(NodeField::ShowChecks, i, v);
}
STDMETHODIMP TreeControl::put_NodeShowChecks(LONG i, VARIANT_BOOL v) {
  return SetNode(NodeField::ShowChecks, i, v != 0);
}
STDMETHODIMP TreeControl::get_NodeRadioStyle(LONG i, short* v) { return GetNodeShort(NodeField::RadioStyle, i, v); }
STDMETHODIMP TreeControl::put_NodeRadioStyle(LONG i, short v) { return SetNode(NodeField::RadioStyle, i, v); }
STDMETHODIMP TreeControl::get_NodeRadioValue(LONG i, short* v) { return GetNodeShort(NodeField::RadioValue, i, v); }
STDMETHODIMP TreeControl::put_NodeRadioValue(LONG i, short v) { return SetNode(NodeField::RadioValue, i, v); }
STDMETHODIMP TreeControl::get_NodeHeaderStyle(LONG i, VARIANT_BOOL* v) {
  return GetNodeBool(NodeField::HeaderStyle, i, v);
}
STDMETHODIMP TreeControl::put_NodeHeaderStyle(LONG i, VARIANT_BOOL v) {
  return SetNode(NodeField::HeaderStyle, i, v != 0);
}
STDMETHODIMP TreeControl::get_NodeRadioSet(LONG i, VARIANT_BOOL* v) { return GetNodeBool(NodeField::RadioSet, i, v); }
STDMETHODIMP TreeControl::put_NodeRadioSet(LONG i, VARIANT_BOOL v) { return SetNode(NodeField::RadioSet, i, v != 0); }
STDMETHODIMP TreeControl::get_NodeFontBold(LONG i, short* v) { return GetNodeShort(NodeField::FontBold, i, v); }
STDMETHODIMP TreeControl::put_NodeFontBold(LONG i, short v) { return SetNode(NodeField::FontBold, i, v); }

STDMETHODIMP TreeControl::get_NodeColumnCheck(LONG i, short c, short* v) {
  return Out(v, model_.NodeColumnCheck(i, c));
}
STDMETHODIMP TreeControl::put_NodeColumnCheck(LONG i, short c, short v) {
  model_.SetNodeColumnCheck(i, c, v);
  return S_OK;
}
STDMETHODIMP TreeControl::get_NodeColumnText(LONG i, short c, BSTR* v) {
  return Guarded([&] { return ReturnText(model_.NodeColumnText(i, c), v); });
}
STDMETHODIMP TreeControl::put_NodeColumnText(LONG i, short c, BSTR v) {
  return StoreText(i, [&] { model_.SetNodeColumnText(i, c, FromBstr(v)); });
}
STDMETHODIMP TreeControl::get_NodeColumnPicture(LONG i, short c, short* v) {
  return Out(v, model_.NodeColumnPicture(i, c));
}
STDMETHODIMP TreeControl::put_NodeColumnPicture(LONG i, short c, short v) {
  model_.SetNodeColumnPicture(i, c, v);
  return S_OK;
}

// --- indexed column properties ---

template <class T>
HRESULT TreeControl::GetColumnValue(ColumnField field, short column, T* value) {
  return Out(value, model_.GetColumn(field, column));
}
HRESULT TreeControl::SetColumnValue(ColumnField field, short column, int32_t value) {
  model_.SetColumn(field, column, value);
  if (window_) window_->Refresh();
  return S_OK;
}

STDMETHODIMP TreeControl::get_ColumnWidth(short c, short* v) { return GetColumnValue(ColumnField::Width, c, v); }
STDMETHODIMP TreeControl::put_ColumnWidth(short c, short v) { return SetColumnValue(ColumnField::Width, c, v); }
STDMETHODIMP TreeControl::get_ColumnBackColor(short c, LONG* v) {
  return GetColumnValue(ColumnField::BackColour, c, v);
}
STDMETHODIMP TreeControl::put_ColumnBackColor(short c, LONG v) {
  return SetColumnValue(ColumnField::BackColour, c, int32_t(v));
}
STDMETHODIMP TreeControl::get_ColumnForeColor(short c, LONG* v) {
  return GetColumnValue(ColumnField::ForeColour, c, v);
}
STDMETHODIMP TreeControl::put_ColumnForeColor(short c, LONG v) {
  return SetColumnValue(ColumnField::ForeColour, c, int32_t(v));
}
STDMETHODIMP TreeControl::get_ColumnCheckAlign(short c, short* v) {
  return GetColumnValue(ColumnField::CheckAlign, c, v);
}
STDMETHODIMP TreeControl::put_ColumnCheckAlign(short c, short v) {
  return SetColumnValue(ColumnField::CheckAlign, c, v);
}
STDMETHODIMP TreeControl::get_ColumnTextAlign(short c, short* v) {
  return GetColumnValue(ColumnField::TextAlign, c, v);
}
STDMETHODIMP TreeControl::put_ColumnTextAlign(short c, short v) { return SetColumnValue(ColumnField::TextAlign, c, v); }
STDMETHODIMP TreeControl::get_ColumnPicture(short c, short* v) { return GetColumnValue(ColumnField::Picture, c, v); }
STDMETHODIMP TreeControl::put_ColumnPicture(short c, short v) { return SetColumnValue(ColumnField::Picture, c, v); }
STDMETHODIMP TreeControl::get_ColumnPictureAlign(short c, short* v) {
  return GetColumnValue(ColumnField::PictureAlign, c, v);
}
STDMETHODIMP TreeControl::put_ColumnPictureAlign(short c, short v) {
  return SetColumnValue(ColumnField::PictureAlign, c, v);
}
STDMETHODIMP TreeControl::get_ColumnLock(short c, VARIANT_BOOL* v) {
  return Out(v, ToBool(model_.GetColumn(ColumnField::Lock, c) != 0));
}
STDMETHODIMP TreeControl::put_ColumnLock(short c, VARIANT_BOOL v) {
  return SetColumnValue(ColumnField::Lock, c, v != 0);
}
STDMETHODIMP TreeControl::get_ColumnCheckBox(short c, VARIANT_BOOL* v) {
  return Out(v, ToBool(model_.GetColumn(ColumnField::CheckBox, c) != 0));
}
STDMETHODIMP TreeControl::put_ColumnCheckBox(short c, VARIANT_BOOL v) {
  return SetColumnValue(ColumnField::CheckBox, c, v != 0);
}
STDMETHODIMP TreeControl::get_ColumnSortable(short c, VARIANT_BOOL* v) {
  return Out(v, ToBool(model_.GetColumn(ColumnField::Sortable, c) != 0));
}
STDMETHODIMP TreeControl::put_ColumnSortable(short c, VARIANT_BOOL v) {
  return SetColumnValue(ColumnField::Sortable, c, v != 0);
}
STDMETHODIMP TreeControl::get_ColumnText(short c, BSTR* v) {
  return Guarded([&] { return ReturnText(model_.ColumnText(c), v); });
}
STDMETHODIMP TreeControl::put_ColumnText(short c, BSTR v) {
  return Guarded([&] {
    model_.SetColumnText(c, FromBstr(v));
    if (window_) window_->Refresh();
    return S_OK;
  });
}

}  // namespace kv::tree
