// kvTreeView automation object: creation, IUnknown, the window, events and plain properties.
#include "treelist/com/tree_control.h"

#include <new>

#include "activex/class_factory.h"
#include "activex/persist/font_property.h"
#include "activex/persist/picture_property.h"
#include "activex/property_page/page_clsids.h"
#include "activex/variant.h"
#include "treelist/model/tree_persistence.h"

namespace kv::tree {

namespace {
// Event dispatch ids of _DkvTreeViewEvents.
enum EventId : DISPID {
  kEvClick = -600,
  kEvDblClick = -601,
  kEvKeyDown = -602,
  kEvKeyPress = -603,
  kEvKeyUp = -604,
  kEvMouseDown = -605,
  kEvMouseMove = -606,
  kEvMouseUp = -607,
  kEvChange = 1,
  kEvCollapse = 2,
  kEvExpand = 3,
  kEvDropNode = 4,
  kEvRightClick = 5,
  kEvDragNode = 6,
  kEvClickClip = 7,
  kEvNodeOver = 8,
  kEvCtrlError = 9,
  kEvColumnResize = 10,
  kEvGetNode = 11,
  kEvStartDragOut = 12,
  kEvSetTips = 13,
  kEvAfterLabelEdit = 14,
  kEvSetLabelEdit = 15,
  kEvCheckClick = 16,
  kEvRadioClick = 17,
  kEvBeforeLabelEdit = 18,
  kEvHeaderClick = 20,
  kEvHeaderDblClick = 21,
};

HBITMAP BitmapOf(IUnknown* object) {
  IPicture* picture = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return nullptr;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  picture->get_Type(&type);
  picture->get_Handle(&handle);
  picture->Release();
  return type == PICTYPE_BITMAP ? reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)) : nullptr;
}

HFONT FontOf(IUnknown* object) {
  IFont* font = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) return nullptr;
  HFONT handle = nullptr;
  font->get_hFont(&handle);
  font->Release();
  return handle;
}
}  // namespace

HRESULT TreeControl::Create(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) TreeControl, iid, object);
}

namespace {
const kv::com::OleControlInfo kOleInfo = {&CLSID_kvTreeView, &DIID__DkvTreeViewEvents, kv::pages::kTreePages,
                                          sizeof kv::pages::kTreePages / sizeof kv::pages::kTreePages[0],
                                          SIZEL{240, 180}};
}  // namespace

TreeControl::TreeControl()
    : DispatchImpl(IID_IkvTreeView),
      OleControl(kOleInfo),
      events_(static_cast<IkvTreeView*>(this), DIID__DkvTreeViewEvents) {
  model_.SetObserver(this);
  OleAttachEvents(&events_);
}

TreeControl::~TreeControl() {
  destroying_ = true;
  OleShutdown();
  model_.SetObserver(nullptr);
  window_.reset();
  events_.DisconnectAll();
  for (IUnknown*& object : objects_) {
    if (object) object->Release();
    object = nullptr;
  }
  for (IPictureDisp* image : images_) image->Release();
}

HRESULT TreeControl::CreateWindowIn(HWND parent, const RECT& rect, int controlId) {
  if (window_) return E_UNEXPECTED;
  window_.reset(new (std::nothrow) TreeWindow(model_, props_, graphics_, *this));
  if (!window_) return E_OUTOFMEMORY;
  if (!window_->Create(parent, rect, controlId)) {
    window_.reset();
    return E_FAIL;
  }
  return S_OK;
}

STDMETHODIMP TreeControl::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IkvTreeView)) {
    *object = static_cast<IkvTreeView*>(this);
  } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
    *object = events_.Container();
  } else if (QueryOle(iid, object)) {
    return S_OK;
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) TreeControl::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) TreeControl::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return left;
}

// --- events out of the model ---

void TreeControl::OnCtrlError(int16_t code, Index index) {
  if (code == kErrOutOfMemory) outOfMemory_ = true;
  VARIANT args[2] = {kv::com::VariantI2(code), kv::com::VariantI4(index)};
  events_.Fire(kEvCtrlError, args, 2);
}

void TreeControl::OnSelectionChanged(Index index) {
  if (window_) window_->Invalidate();
  FireNode(kEvChange, index);
}

void TreeControl::OnContentChanged() {
  if (window_) window_->Invalidate();
}

void TreeControl::OnEndEdit() {
  if (window_) window_->EndLabelEdit(false);
}

void TreeControl::FireNode(DISPID id, Index index) {
  VARIANT args[1] = {kv::com::VariantI4(index)};
  events_.Fire(id, args, 1);
}

// --- events out of the window ---

void TreeControl::OnMouse(MouseEvent event, short button, short shift, int x, int y) {
  VARIANT args[4] = {kv::com::VariantI2(button), kv::com::VariantI2(shift), kv::com::VariantI4(x),
                     kv::com::VariantI4(y)};
  DISPID id = event == MouseEvent::Down ? kEvMouseDown : event == MouseEvent::Up ? kEvMouseUp : kEvMouseMove;
  events_.Fire(id, args, 4);
}

void TreeControl::OnGetNode(Index index, short column) {
  VARIANT args[2] = {kv::com::VariantI4(index), kv::com::VariantI2(column)};
  events_.Fire(kEvGetNode, args, 2);
}

void TreeControl::OnClick(bool doubleClick) { events_.Fire(doubleClick ? kEvDblClick : kEvClick, nullptr, 0); }

short TreeControl::OnKey(KeyEvent event, short keyCode, short shift) {
  VARIANT args[2] = {kv::com::VariantByRefI2(&keyCode), kv::com::VariantI2(shift)};
  if (event == KeyEvent::Press)
    events_.Fire(kEvKeyPress, args, 1);
  else
    events_.Fire(event == KeyEvent::Down ? kEvKeyDown : kEvKeyUp, args, 2);
  return keyCode;
}

void TreeControl::OnNode(NodeEvent event, Index index) {
  switch (event) {
    case NodeEvent::Collapse:
      FireNode(kEvCollapse, index);
      break;
    case NodeEvent::Expand:
      FireNode(kEvExpand, index);
      break;
    case NodeEvent::RightClick:
      FireNode(kEvRightClick, index);
      break;
    case NodeEvent::ClickClip:
      FireNode(kEvClickClip, index);
      break;
    case NodeEvent::NodeOver:
      FireNode(kEvNodeOver, index);
      break;
    case NodeEvent::SetLabelEdit:
      FireNode(kEvSetLabelEdit, index);
      break;
    case NodeEvent::BeforeLabelEdit:
      FireNode(kEvBeforeLabelEdit, index);
      break;
    case NodeEvent::DragNode:
      FireNode(kEvDragNode, index);
      break;
    case NodeEvent::DropNode:
      FireNode(kEvDropNode, index);
      break;
    case NodeEvent::StartDragOut:
      events_.Fire(kEvStartDragOut, nullptr, 0);
      break;
  }
}

void TreeControl::OnCheckClick(Index index, short column, bool value) {
  VARIANT args[3] = {kv::com::VariantI4(index), kv::com::VariantI2(column), kv::com::VariantBool(value)};
  events_.Fire(kEvCheckClick, args, 3);
}

void TreeControl::OnRadioClick(Index index, short value) {
  VARIANT args[2] = {kv::com::VariantI4(index), kv::com::VariantI2(value)};
  events_.Fire(kEvRadioClick, args, 2);
}

void TreeControl::OnAfterLabelEdit(Index index, const std::wstring& text) {
  VARIANT args[2] = {kv::com::VariantI4(index), kv::com::VariantText(text.data(), UINT(text.size()))};
  events_.Fire(kEvAfterLabelEdit, args, 2);
  VariantClear(&args[1]);
}

void TreeControl::OnHeaderClick(short column, bool doubleClick) {
  VARIANT args[1] = {kv::com::VariantI2(column)};
  events_.Fire(doubleClick ? kEvHeaderDblClick : kEvHeaderClick, args, 1);
}

void TreeControl::OnColumnResize(short column, short width) {
  VARIANT args[2] = {kv::com::VariantI2(column), kv::com::VariantI2(width)};
  events_.Fire(kEvColumnResize, args, 2);
}

void TreeControl::OnSetTips(Index index, short kind) {
  VARIANT args[2] = {kv::com::VariantI4(index), kv::com::VariantI2(kind)};
  events_.Fire(kEvSetTips, args, 2);
}

void TreeControl::OnWindowDestroyed() {
  // The parent destroyed the window. The window object stays (without a handle) until the control
  // goes, because this can happen inside one of its own message handlers.
}

// --- plain properties ---

HRESULT TreeControl::PutNumber(int id, int32_t value) {
  if (props_.SetNumber(id, value)) PropertyChanged(id);
  return S_OK;
}

HRESULT TreeControl::ReturnText(const std::wstring& text, BSTR* value) {
  if (!value) return E_POINTER;
  *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (!*value) {
    OnCtrlError(kErrOutOfMemory, -1);
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT TreeControl::GetText(int id, BSTR* value) { return ReturnText(props_.Text(id), value); }

HRESULT TreeControl::PutText(int id, BSTR value) {
  try {
    props_.SetText(id, value ? std::wstring(value, SysStringLen(value)) : std::wstring());
  } catch (const std::bad_alloc&) {
    OnCtrlError(kErrOutOfMemory, -1);
    return E_OUTOFMEMORY;
  }
  PropertyChanged(id);
  return S_OK;
}

template <class T>
HRESULT TreeControl::GetObjectProperty(int id, T** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  if (!PlainProperties::Valid(id) || !objects_[id]) return S_OK;
  return objects_[id]->QueryInterface(__uuidof(T), reinterpret_cast<void**>(value));
}
template HRESULT TreeControl::GetObjectProperty<IPictureDisp>(int, IPictureDisp**);
template HRESULT TreeControl::GetObjectProperty<IFontDisp>(int, IFontDisp**);

HRESULT TreeControl::PutObjectProperty(int id, IUnknown* value) {
  if (!PlainProperties::Valid(id)) return E_INVALIDARG;
  if (value) value->AddRef();
  if (objects_[id]) objects_[id]->Release();
  objects_[id] = value;
  PropertyChanged(id);
  return S_OK;
}

void TreeControl::SyncPictures() {
  graphics_.SetPicture(PictureSlot::Strip, BitmapOf(objects_[kPropPicture]));
  graphics_.SetPicture(PictureSlot::BackImage, BitmapOf(objects_[kPropBackImage]));
  graphics_.SetPicture(PictureSlot::TitleBackImage, BitmapOf(objects_[kPropTitleBackImage]));
  graphics_.SetPicture(PictureSlot::PicturePlus, BitmapOf(objects_[kPropPicturePlus]));
  graphics_.SetPicture(PictureSlot::PictureMinus, BitmapOf(objects_[kPropPictureMinus]));
  graphics_.SetPicture(PictureSlot::PictureOpen, BitmapOf(objects_[kPropPictureOpen]));
  graphics_.SetPicture(PictureSlot::PictureClose, BitmapOf(objects_[kPropPictureClose]));
  graphics_.SetPicture(PictureSlot::PictureLeaf, BitmapOf(objects_[kPropPictureLeaf]));
  graphics_.SetPicture(PictureSlot::CheckDisabled, BitmapOf(objects_[kPropCheckPicDisabled]));
  graphics_.SetPicture(PictureSlot::CheckUp, BitmapOf(objects_[kPropCheckPicUp]));
  graphics_.SetPicture(PictureSlot::CheckDown, BitmapOf(objects_[kPropCheckPicDown]));
  graphics_.SetPicture(PictureSlot::RadioUp, BitmapOf(objects_[kPropRadioPicUp]));
  graphics_.SetPicture(PictureSlot::RadioDown, BitmapOf(objects_[kPropRadioPicDown]));
}

HWND TreeControl::OleCreateWindow(HWND parent, const RECT& pos) {
  return SUCCEEDED(CreateWindowIn(parent, pos, 0)) ? window_->Handle() : nullptr;
}

// The font objects saved beside the plain properties.
constexpr int kSavedFonts[] = {kPropTitleFont, kPropHeaderFont, kPropSubTextFont};

namespace {
bool IsPictureProperty(int id) { return PropertyInfoOf(id).kind == PropertyKind::Picture; }
}  // namespace

void TreeControl::OleInitNew() {
  props_ = PlainProperties();
  model_.ClearColumns();
  for (int id : kSavedFonts) PutObjectProperty(id, nullptr);
  for (int id = 1; id <= kPropLast; ++id)
    if (IsPictureProperty(id)) PutObjectProperty(id, nullptr);
  ApplyAllProperties();
}

void TreeControl::OleLoad(const kv::persist::Bag& bag) {
  std::vector<uint8_t> headerData;
  LoadTreeProperties(bag, &props_, &headerData);
  if (!headerData.empty()) model_.LoadColumns(headerData);
  for (int id : kSavedFonts) {
    if (IFontDisp* font = kv::persist::LoadFont(bag, PropertyName(id))) {
      PutObjectProperty(id, font);
      font->Release();
    }
  }
  for (int id = 1; id <= kPropLast; ++id) {
    if (!IsPictureProperty(id)) continue;
    IPictureDisp* picture = kv::persist::LoadPicture(bag, PropertyName(id));
    PutObjectProperty(id, picture);  // a bag without the picture loads as none
    if (picture) picture->Release();
  }
  ApplyAllProperties();
}

void TreeControl::OleSave(kv::persist::Bag& bag) {
  SaveTreeProperties(props_, model_.Cols().Serialise(), bag);
  for (int id : kSavedFonts) kv::persist::SaveFont(bag, PropertyName(id), objects_[id]);
  for (int id = 1; id <= kPropLast; ++id)
    if (IsPictureProperty(id)) kv::persist::SavePicture(bag, PropertyName(id), objects_[id]);
}

// A new control on a form takes the form's colours and font.
void TreeControl::OleAmbientsChanged(const kv::com::Ambients& ambients) {
  if (!ambients.newControl) return;
  if (ambients.hasBackColor) PutNumber(kPropBackColor, static_cast<LONG>(ambients.backColor));
  if (ambients.hasForeColor) PutNumber(kPropForeColor, static_cast<LONG>(ambients.foreColor));
  if (ambients.font) stockFont_.Put(ambients.font);
}

// After a load: every property takes effect as if it had been set one by one.
void TreeControl::ApplyAllProperties() {
  for (int id = 1; id <= kPropLast; ++id) {
    PropertyKind kind = PropertyInfoOf(id).kind;
    if (kind != PropertyKind::Picture && kind != PropertyKind::Font && id != kPropSelected && id != kPropListIndex)
      PropertyChanged(id);
  }
}

void TreeControl::PropertyChanged(int id) {
  OleSetDirty();
  switch (id) {
    case kPropBackColor:
    case kPropForeColor:
      model_.SetDefaultColours(Colour(props_.Number(kPropBackColor)), Colour(props_.Number(kPropForeColor)));
      break;
    case kPropFontName:
    case kPropFontBold:
    case kPropFontItalic:
    case kPropFontStrikethru:
    case kPropFontUnderline:
    case kPropFontSize: {
      const kv::com::FontParts parts = CurrentFontParts();
      FontSpec font;
      font.name = parts.name;
      font.size = parts.size;
      font.bold = parts.bold;
      font.italic = parts.italic;
      font.strikeout = parts.strikethrough;
      font.underline = parts.underline;
      graphics_.SetMainFont(font);
      stockFont_.Follow(parts);
      break;
    }
    case kPropBreakChar: {
      const std::wstring& breakChar = props_.Text(kPropBreakChar);
      model_.SetColumnSeparator(breakChar.empty() ? L';' : breakChar[0]);
      break;
    }
    case kPropSubTextFont:
      graphics_.SetSubTextFont(FontOf(objects_[id]));
      break;
    case kPropTitleFont:
      graphics_.SetTitleFont(FontOf(objects_[id]));
      break;
    case kPropHeaderFont:
      graphics_.SetHeaderFont(FontOf(objects_[id]));
      break;
    default:
      if (PropertyInfoOf(id).kind == PropertyKind::Picture) SyncPictures();
      break;
  }
  if (window_) window_->Refresh();
}

// --- the stock Font object and the plain font properties show one font ---

kv::com::FontParts TreeControl::CurrentFontParts() const {
  kv::com::FontParts parts;
  parts.name = props_.Text(kPropFontName);
  parts.size = props_.FontSize();
  parts.bold = props_.Flag(kPropFontBold);
  parts.italic = props_.Flag(kPropFontItalic);
  parts.underline = props_.Flag(kPropFontUnderline);
  parts.strikethrough = props_.Flag(kPropFontStrikethru);
  return parts;
}

void TreeControl::OnStockFontChanged(const kv::com::FontParts& parts) {
  props_.SetText(kPropFontName, parts.name);
  props_.SetFontSize(parts.size);
  props_.SetNumber(kPropFontBold, parts.bold ? VARIANT_TRUE : VARIANT_FALSE);
  props_.SetNumber(kPropFontItalic, parts.italic ? VARIANT_TRUE : VARIANT_FALSE);
  props_.SetNumber(kPropFontUnderline, parts.underline ? VARIANT_TRUE : VARIANT_FALSE);
  props_.SetNumber(kPropFontStrikethru, parts.strikethrough ? VARIANT_TRUE : VARIANT_FALSE);
  PropertyChanged(kPropFontName);
}

STDMETHODIMP TreeControl::get_Font(IFontDisp** value) { return stockFont_.Get(CurrentFontParts(), value); }

STDMETHODIMP TreeControl::get_FontSize(float* value) {
  if (!value) return E_POINTER;
  *value = props_.FontSize();
  return S_OK;
}
STDMETHODIMP TreeControl::put_FontSize(float value) {
  props_.SetFontSize(value);
  PropertyChanged(kPropFontSize);
  return S_OK;
}

STDMETHODIMP TreeControl::get_Selected(LONG* value) {
  if (!value) return E_POINTER;
  *value = model_.Selected();
  return S_OK;
}
STDMETHODIMP TreeControl::put_Selected(LONG value) {
  model_.SetSelected(value);
  return S_OK;
}

STDMETHODIMP TreeControl::get_ListCount(LONG* value) {
  if (!value) return E_POINTER;
  *value = model_.ListCount();
  return S_OK;
}

STDMETHODIMP TreeControl::get_EditText(BSTR* value) {
  return ReturnText(window_ && window_->Editing() ? window_->EditText() : props_.Text(kPropEditText), value);
}
STDMETHODIMP TreeControl::put_EditText(BSTR value) { return PutText(kPropEditText, value); }

STDMETHODIMP TreeControl::get_ImageListCount(short* value) {
  if (!value) return E_POINTER;
  *value = static_cast<short>(images_.size());
  return S_OK;
}

STDMETHODIMP TreeControl::get_SortColumn(short* value) {
  if (!value) return E_POINTER;
  *value = model_.SortColumn();
  return S_OK;
}
STDMETHODIMP TreeControl::put_SortColumn(short value) {
  if (value == 0)
    model_.CancelSort();
  else
    model_.SortNewColumn(value);
  return S_OK;
}

STDMETHODIMP TreeControl::get_hWnd(LONG_PTR* value) {
  if (!value) return E_POINTER;
  *value = window_ ? reinterpret_cast<LONG_PTR>(window_->Handle()) : 0;
  return S_OK;
}

STDMETHODIMP TreeControl::get_Enabled(VARIANT_BOOL* value) {
  if (!value) return E_POINTER;
  *value = enabled_ ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}
STDMETHODIMP TreeControl::put_Enabled(VARIANT_BOOL value) {
  enabled_ = value != VARIANT_FALSE;
  if (window_ && window_->Handle()) EnableWindow(window_->Handle(), enabled_);
  return S_OK;
}

}  // namespace kv::tree
