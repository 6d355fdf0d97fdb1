// The kvTreeView automation object: the dual interface IkvTreeView over the tree-list model, the
// events through a connection point, the OLE embedding of activex/ole_control.h (any container
// places it), and the control window when a program or a container sites it in a parent.
// Script clients use it windowless (CreateObject); painting then simply does not happen.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <vector>

#include "activex/com_module.h"
#include "activex/connection_point.h"
#include "activex/dispatch_base.h"
#include "activex/ole_control.h"
#include "kvtree_h.h"
#include "activex/stock_font.h"
#include "treelist/model/plain_properties.h"
#include "treelist/model/tree_model.h"
#include "treelist/win/tree_graphics.h"
#include "treelist/win/tree_window.h"

namespace kv::tree {

// Getter/setter pairs of the plain numeric properties (dispatch ids 1..115), all stored by id.
#define KV_TREE_NUMBER_PROPERTY(Name, Type)                                               \
  STDMETHODIMP get_##Name(Type* value) override { return GetNumber(kProp##Name, value); } \
  STDMETHODIMP put_##Name(Type value) override { return PutNumber(kProp##Name, static_cast<int32_t>(value)); }
#define KV_TREE_TEXT_PROPERTY(Name)                                                     \
  STDMETHODIMP get_##Name(BSTR* value) override { return GetText(kProp##Name, value); } \
  STDMETHODIMP put_##Name(BSTR value) override { return PutText(kProp##Name, value); }
#define KV_TREE_OBJECT_PROPERTY(Name, Type)                                                        \
  STDMETHODIMP get_##Name(Type** value) override { return GetObjectProperty(kProp##Name, value); } \
  STDMETHODIMP put_##Name(Type* value) override { return PutObjectProperty(kProp##Name, value); }

class TreeControl final : public kv::com::DispatchImpl<IkvTreeView>,
                          public kv::com::OleControl,
                          private TreeObserver,
                          private TreeWindowHost,
                          private kv::com::StockFontOwner {
 public:
  static HRESULT Create(REFIID iid, void** object);
  TreeControl();

  // Creates the control window in `parent` (once).
  HRESULT CreateWindowIn(HWND parent, const RECT& rect, int controlId);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // Resolves the name shared by IDispatch and IProvideClassInfo.
  using DispatchImpl::GetTypeInfo;

  // Plain properties
  KV_TREE_NUMBER_PROPERTY(BackColor, LONG)
  KV_TREE_NUMBER_PROPERTY(ForeColor, LONG)
  KV_TREE_TEXT_PROPERTY(FontName)
  KV_TREE_NUMBER_PROPERTY(FontBold, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(FontItalic, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(FontStrikethru, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(FontUnderline, VARIANT_BOOL)
  STDMETHODIMP get_FontSize(float* value) override;
  STDMETHODIMP put_FontSize(float value) override;
  KV_TREE_NUMBER_PROPERTY(PicCols, short)
  KV_TREE_NUMBER_PROPERTY(PicRows, short)
  KV_TREE_OBJECT_PROPERTY(Picture, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(BorderType, enumBorder)
  KV_TREE_NUMBER_PROPERTY(BorderColor, LONG)
  KV_TREE_NUMBER_PROPERTY(LoadType, enumLoadType)
  KV_TREE_NUMBER_PROPERTY(HeightOffset, short)
  KV_TREE_NUMBER_PROPERTY(TextXOffset, short)
  KV_TREE_NUMBER_PROPERTY(TextYOffset, short)
  KV_TREE_OBJECT_PROPERTY(PictureClose, IPictureDisp)
  KV_TREE_OBJECT_PROPERTY(PictureMinus, IPictureDisp)
  KV_TREE_OBJECT_PROPERTY(PictureOpen, IPictureDisp)
  KV_TREE_OBJECT_PROPERTY(PicturePlus, IPictureDisp)
  KV_TREE_OBJECT_PROPERTY(PictureLeaf, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(PictureType, enumPicType)
  KV_TREE_NUMBER_PROPERTY(TreeLines, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(TreeLineColor, LONG)
  KV_TREE_NUMBER_PROPERTY(PicXOffset, short)
  KV_TREE_NUMBER_PROPERTY(PicYOffset, short)
  KV_TREE_NUMBER_PROPERTY(SelectedBackColor, LONG)
  KV_TREE_NUMBER_PROPERTY(SelectedForeColor, LONG)
  STDMETHODIMP get_Selected(LONG* value) override;
  STDMETHODIMP put_Selected(LONG value) override;
  KV_TREE_NUMBER_PROPERTY(MultiLine, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(MultiSelect, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(HorzScroll, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(HorzRange, short)
  STDMETHODIMP get_ListCount(LONG* value) override;
  KV_TREE_TEXT_PROPERTY(PathSeparator)
  KV_TREE_NUMBER_PROPERTY(HideLines, short)
  KV_TREE_NUMBER_PROPERTY(TipsDisplay, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(TipsDelay, short)
  KV_TREE_NUMBER_PROPERTY(CloseOnCollapse, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(TipsBackColor, LONG)
  KV_TREE_NUMBER_PROPERTY(TipsForeColor, LONG)
  KV_TREE_NUMBER_PROPERTY(ExpandOnDClick, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(LineType, enumLineType)
  STDMETHODIMP get_ListIndex(LONG* value) override { return get_Selected(value); }
  STDMETHODIMP put_ListIndex(LONG value) override { return put_Selected(value); }
  KV_TREE_TEXT_PROPERTY(TipsText)
  KV_TREE_NUMBER_PROPERTY(SubTextColor, LONG)
  KV_TREE_OBJECT_PROPERTY(SubTextFont, IFontDisp)
  KV_TREE_NUMBER_PROPERTY(TitleAlign, enumAlign)
  KV_TREE_NUMBER_PROPERTY(TitleBackColor, LONG)
  KV_TREE_OBJECT_PROPERTY(TitleBackImage, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(TitleBorder, enumTitles)
  KV_TREE_OBJECT_PROPERTY(TitleFont, IFontDisp)
  KV_TREE_NUMBER_PROPERTY(TitleForeColor, LONG)
  KV_TREE_NUMBER_PROPERTY(TitleOffset, short)
  KV_TREE_TEXT_PROPERTY(TitleText)
  KV_TREE_NUMBER_PROPERTY(TitleTextStyle, short)
  KV_TREE_NUMBER_PROPERTY(TitleXOffset, short)
  KV_TREE_NUMBER_PROPERTY(TitleYOffset, short)
  KV_TREE_NUMBER_PROPERTY(ShowTitle, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(ShowHeader, VARIANT_BOOL)
  KV_TREE_OBJECT_PROPERTY(HeaderFont, IFontDisp)
  KV_TREE_NUMBER_PROPERTY(HeaderAlign, enumAlign)
  KV_TREE_NUMBER_PROPERTY(HeaderBorder, enumTitles)
  KV_TREE_NUMBER_PROPERTY(HeaderOffset, short)
  KV_TREE_NUMBER_PROPERTY(HeaderXOffset, short)
  KV_TREE_NUMBER_PROPERTY(HeaderYOffset, short)
  KV_TREE_NUMBER_PROPERTY(HeaderBackColor, LONG)
  KV_TREE_NUMBER_PROPERTY(HeaderForeColor, LONG)
  KV_TREE_NUMBER_PROPERTY(HeaderPicCols, short)
  KV_TREE_NUMBER_PROPERTY(HeaderPicRows, short)
  KV_TREE_OBJECT_PROPERTY(HeaderPicture, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(MaskBitmap, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(MaskColor, LONG)
  KV_TREE_NUMBER_PROPERTY(HorzAutoSize, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(SelectedStyle, enumSelectStyle)
  KV_TREE_TEXT_PROPERTY(BreakChar)
  KV_TREE_OBJECT_PROPERTY(CheckPicDown, IPictureDisp)
  KV_TREE_OBJECT_PROPERTY(CheckPicUp, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(CheckXOffset, short)
  KV_TREE_NUMBER_PROPERTY(CheckYOffset, short)
  KV_TREE_NUMBER_PROPERTY(CheckAlign, enumAlign)
  KV_TREE_NUMBER_PROPERTY(ScrollOnHThumb, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(ScrollOnVThumb, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(VirtualAlign, short)
  KV_TREE_NUMBER_PROPERTY(VirtualForeColor, LONG)
  KV_TREE_TEXT_PROPERTY(VirtualText)
  KV_TREE_NUMBER_PROPERTY(TipsType, enumTipsType)
  KV_TREE_NUMBER_PROPERTY(TipsOnScroll, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(TipsPosition, enumTipsPosn)
  KV_TREE_NUMBER_PROPERTY(TipsDistance, short)
  KV_TREE_OBJECT_PROPERTY(RadioPicDown, IPictureDisp)
  KV_TREE_OBJECT_PROPERTY(RadioPicUp, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(RadioXOffset, short)
  KV_TREE_NUMBER_PROPERTY(RadioYOffset, short)
  KV_TREE_NUMBER_PROPERTY(SmoothScroll, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(ScrollSpeed, short)
  KV_TREE_NUMBER_PROPERTY(NoFocusBackColor, LONG)
  KV_TREE_NUMBER_PROPERTY(NoFocusForeColor, LONG)
  KV_TREE_NUMBER_PROPERTY(LabelEdit, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(FocusType, enumFocus)
  STDMETHODIMP get_EditText(BSTR* value) override;
  STDMETHODIMP put_EditText(BSTR value) override;
  KV_TREE_NUMBER_PROPERTY(UseImageList, VARIANT_BOOL)
  STDMETHODIMP get_ImageListCount(short* value) override;
  KV_TREE_NUMBER_PROPERTY(PicAlign, short)
  KV_TREE_OBJECT_PROPERTY(BackImage, IPictureDisp)
  KV_TREE_NUMBER_PROPERTY(SortDirection, enumSortDir)
  KV_TREE_NUMBER_PROPERTY(SortOnCase, VARIANT_BOOL)
  STDMETHODIMP get_SortColumn(short* value) override;
  STDMETHODIMP put_SortColumn(short value) override;
  KV_TREE_NUMBER_PROPERTY(SortArrows, VARIANT_BOOL)
  KV_TREE_NUMBER_PROPERTY(ArrowAlign, enumArrowAlign)
  KV_TREE_NUMBER_PROPERTY(ArrowXOffset, short)
  KV_TREE_NUMBER_PROPERTY(ArrowYOffset, short)
  KV_TREE_NUMBER_PROPERTY(SmallIcons, VARIANT_BOOL)
  KV_TREE_OBJECT_PROPERTY(CheckPicDisabled, IPictureDisp)
  STDMETHODIMP get_hWnd(LONG_PTR* value) override;
  STDMETHODIMP get_Enabled(VARIANT_BOOL* value) override;
  STDMETHODIMP put_Enabled(VARIANT_BOOL value) override;
  STDMETHODIMP get_Font(IFontDisp** value) override;
  STDMETHODIMP put_Font(IFontDisp* value) override { return stockFont_.Put(value); }
  STDMETHODIMP putref_Font(IFontDisp* value) override { return stockFont_.Put(value); }

  // Methods
  STDMETHODIMP AddNode(BSTR text, short position, short level, LONG* result) override;
  STDMETHODIMP NodeParent(LONG index, LONG* result) override;
  STDMETHODIMP ClearNodes() override;
  STDMETHODIMP NodeLevel(LONG index, short* result) override;
  STDMETHODIMP ItemsOpen(LONG* result) override;
  STDMETHODIMP RemoveNode(LONG index, LONG* result) override;
  STDMETHODIMP RemoveChildren(LONG index, LONG* result) override;
  STDMETHODIMP LastSibling(LONG index, LONG* result) override;
  STDMETHODIMP AddFontNode(BSTR text, short position, short level, IFontDisp* font, LONG* result) override;
  STDMETHODIMP AddPictureNode(BSTR text, short position, short level, short picture, short expandedPicture,
                              short selectedPicture, LONG* result) override;
  STDMETHODIMP AddPictureFontNode(BSTR text, short position, short level, IFontDisp* font, short picture,
                                  short expandedPicture, short selectedPicture, LONG* result) override;
  STDMETHODIMP Children(LONG index, LONG* result) override;
  STDMETHODIMP Path(LONG index, BSTR* result) override;
  STDMETHODIMP DragDrop(short y, LONG* result) override;
  STDMETHODIMP DragOver(short y, short state, LONG* result) override;
  STDMETHODIMP LoadDirectory(BSTR directory) override;
  STDMETHODIMP FirstSibling(LONG index, LONG* result) override;
  STDMETHODIMP PreviousSibling(LONG index, LONG* result) override;
  STDMETHODIMP NextSibling(LONG index, LONG* result) override;
  STDMETHODIMP LastBranch(LONG index, LONG* result) override;
  STDMETHODIMP AllChildren(LONG index, LONG* result) override;
  STDMETHODIMP LinesPerList(short* result) override;
  STDMETHODIMP RootNode(LONG index, LONG* result) override;
  STDMETHODIMP EnsureVisible(LONG index) override;
  STDMETHODIMP NextItem(LONG index, LONG* result) override;
  STDMETHODIMP PreviousItem(LONG index, LONG* result) override;
  STDMETHODIMP ReDraw(VARIANT_BOOL update) override;
  STDMETHODIMP NodeVisible(LONG index, VARIANT_BOOL* result) override;
  STDMETHODIMP FindData(LONG value, LONG* result) override;
  STDMETHODIMP FindNext(LONG value, LONG* result) override;
  STDMETHODIMP TopIndex(LONG* result) override;
  STDMETHODIMP AddColumn(BSTR caption, short width, short* result) override;
  STDMETHODIMP ClearColumns(VARIANT_BOOL* result) override;
  STDMETHODIMP InsertColumn(BSTR caption, short width, short index, short* result) override;
  STDMETHODIMP ColumnCount(short* result) override;
  STDMETHODIMP RemoveColumn(short index, VARIANT_BOOL* result) override;
  STDMETHODIMP CancelEdit() override;
  STDMETHODIMP ClearFont(LONG index) override;
  STDMETHODIMP InsertNode(BSTR text, short level, LONG index, LONG* result) override;
  STDMETHODIMP NodeFont(IFontDisp* font, LONG index) override;
  STDMETHODIMP MoveNode(LONG source, LONG target, short type, VARIANT_BOOL* result) override;
  STDMETHODIMP StartLabelEdit(VARIANT_BOOL* result) override;
  STDMETHODIMP CancelSort() override;
  STDMETHODIMP Sort(LONG index, VARIANT_BOOL sortChildren) override;
  STDMETHODIMP SortNewColumn(short column, VARIANT_BOOL* result) override;
  STDMETHODIMP AddImage(IPictureDisp* picture, short* result) override;
  STDMETHODIMP RemoveImage(short index, VARIANT_BOOL* result) override;
  STDMETHODIMP kvDragOver(short y, short state, LONG* result) override;
  STDMETHODIMP kvDragDrop(short y, LONG* result) override;
  STDMETHODIMP AboutBox() override;

  // Indexed properties
  STDMETHODIMP get_NodeBackColor(LONG index, LONG* value) override;
  STDMETHODIMP put_NodeBackColor(LONG index, LONG value) override;
  STDMETHODIMP get_NodeForeColor(LONG index, LONG* value) override;
  STDMETHODIMP put_NodeForeColor(LONG index, LONG value) override;
  STDMETHODIMP get_NodeText(LONG index, BSTR* value) override;
  STDMETHODIMP put_NodeText(LONG index, BSTR value) override;
  STDMETHODIMP get_NodePicture(LONG index, short* value) override;
  STDMETHODIMP put_NodePicture(LONG index, short value) override;
  STDMETHODIMP get_NodePicExpand(LONG index, short* value) override;
  STDMETHODIMP put_NodePicExpand(LONG index, short value) override;
  STDMETHODIMP get_NodePicSelect(LONG index, short* value) override;
  STDMETHODIMP put_NodePicSelect(LONG index, short value) override;
  STDMETHODIMP get_NodeExpanded(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeExpanded(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeData(LONG index, LONG* value) override;
  STDMETHODIMP put_NodeData(LONG index, LONG value) override;
  STDMETHODIMP get_ColumnWidth(short column, short* value) override;
  STDMETHODIMP put_ColumnWidth(short column, short value) override;
  STDMETHODIMP get_NodeIsParent(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeIsParent(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeSelect(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeSelect(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeCargo(LONG index, BSTR* value) override;
  STDMETHODIMP put_NodeCargo(LONG index, BSTR value) override;
  STDMETHODIMP get_ColumnBackColor(short column, LONG* value) override;
  STDMETHODIMP put_ColumnBackColor(short column, LONG value) override;
  STDMETHODIMP get_ColumnForeColor(short column, LONG* value) override;
  STDMETHODIMP put_ColumnForeColor(short column, LONG value) override;
  STDMETHODIMP get_NodeSubText(LONG index, BSTR* value) override;
  STDMETHODIMP put_NodeSubText(LONG index, BSTR value) override;
  STDMETHODIMP get_ColumnCheckAlign(short column, short* value) override;
  STDMETHODIMP put_ColumnCheckAlign(short column, short value) override;
  STDMETHODIMP get_ColumnTextAlign(short column, short* value) override;
  STDMETHODIMP put_ColumnTextAlign(short column, short value) override;
  STDMETHODIMP get_ColumnPicture(short column, short* value) override;
  STDMETHODIMP put_ColumnPicture(short column, short value) override;
  STDMETHODIMP get_ColumnText(short column, BSTR* value) override;
  STDMETHODIMP put_ColumnText(short column, BSTR value) override;
  STDMETHODIMP get_ColumnLock(short column, VARIANT_BOOL* value) override;
  STDMETHODIMP put_ColumnLock(short column, VARIANT_BOOL value) override;
  STDMETHODIMP get_ColumnCheckBox(short column, VARIANT_BOOL* value) override;
  STDMETHODIMP put_ColumnCheckBox(short column, VARIANT_BOOL value) override;
  STDMETHODIMP get_ColumnPictureAlign(short column, short* value) override;
  STDMETHODIMP put_ColumnPictureAlign(short column, short value) override;
  STDMETHODIMP get_NodeUseColumns(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeUseColumns(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeColumnCheck(LONG index, short column, short* value) override;
  STDMETHODIMP put_NodeColumnCheck(LONG index, short column, short value) override;
  STDMETHODIMP get_NodeShowChecks(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeShowChecks(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeColumnText(LONG index, short column, BSTR* value) override;
  STDMETHODIMP put_NodeColumnText(LONG index, short column, BSTR value) override;
  STDMETHODIMP get_NodeRadioStyle(LONG index, short* value) override;
  STDMETHODIMP put_NodeRadioStyle(LONG index, short value) override;
  STDMETHODIMP get_NodeRadioValue(LONG index, short* value) override;
  STDMETHODIMP put_NodeRadioValue(LONG index, short value) override;
  STDMETHODIMP get_NodeHeaderStyle(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeHeaderStyle(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeRadioSet(LONG index, VARIANT_BOOL* value) override;
  STDMETHODIMP put_NodeRadioSet(LONG index, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeColumnPicture(LONG index, short column, short* value) override;
  STDMETHODIMP put_NodeColumnPicture(LONG index, short column, short value) override;
  STDMETHODIMP get_ColumnSortable(short column, VARIANT_BOOL* value) override;
  STDMETHODIMP put_ColumnSortable(short column, VARIANT_BOOL value) override;
  STDMETHODIMP get_NodeFontBold(LONG index, short* value) override;
  STDMETHODIMP put_NodeFontBold(LONG index, short value) override;
  STDMETHODIMP get_ListImage(short image, IPictureDisp** value) override;
  STDMETHODIMP put_ListImage(short image, IPictureDisp* value) override;

 private:
  ~TreeControl();

  // Plain property plumbing
  template <class T>
  HRESULT GetNumber(int id, T* value) {
    if (!value) return E_POINTER;
    *value = static_cast<T>(props_.Number(id));
    return S_OK;
  }
  HRESULT PutNumber(int id, int32_t value);
  HRESULT GetText(int id, BSTR* value);
  HRESULT PutText(int id, BSTR value);
  template <class T>
  HRESULT GetObjectProperty(int id, T** value);
  HRESULT PutObjectProperty(int id, IUnknown* value);
  void PropertyChanged(int id);

  // Shared bodies of the indexed properties
  HRESULT GetNodeNumber(NodeField field, LONG index, LONG* value);
  HRESULT GetNodeShort(NodeField field, LONG index, short* value);
  HRESULT GetNodeBool(NodeField field, LONG index, VARIANT_BOOL* value);
  HRESULT GetNodeColour(NodeField field, LONG index, LONG* value);
  HRESULT SetNode(NodeField field, LONG index, int32_t value);
  HRESULT GetNodeText(NodeTextField field, LONG index, BSTR* value);
  HRESULT SetNodeText(NodeTextField field, LONG index, BSTR value);
  template <class T>
  HRESULT GetColumnValue(ColumnField field, short column, T* value);
  HRESULT SetColumnValue(ColumnField field, short column, int32_t value);
  HRESULT ReturnText(const std::wstring& text, BSTR* value);
  template <class F>
  HRESULT StoreText(LONG index, F&& store);
  LONG AddWithLook(BSTR text, short position, short level, IFontDisp* font, short picture, short expanded,
                   short selected);
  int FontNumber(IFontDisp* font);
  void SyncPictures();
  void FireNode(DISPID id, Index index);
  LONG DragAt(int y, int state, bool drop);

  // TreeObserver
  void OnCtrlError(int16_t code, Index index) override;
  void OnSelectionChanged(Index index) override;
  void OnContentChanged() override;
  void OnEndEdit() override;

  // TreeWindowHost
  void HoldHost() override {
    if (!destroying_) AddRef();
  }
  void ReleaseHost() override {
    if (!destroying_) Release();
  }
  void OnMouse(MouseEvent event, short button, short shift, int x, int y) override;
  void OnClick(bool doubleClick) override;
  short OnKey(KeyEvent event, short keyCode, short shift) override;
  void OnNode(NodeEvent event, Index index) override;
  void OnCheckClick(Index index, short column, bool value) override;
  void OnRadioClick(Index index, short value) override;
  void OnAfterLabelEdit(Index index, const std::wstring& text) override;
  void OnHeaderClick(short column, bool doubleClick) override;
  void OnColumnResize(short column, short width) override;
  void OnSetTips(Index index, short kind) override;
  void OnGetNode(Index index, short column) override;
  void OnWindowDestroyed() override;
  void OnFocusGained() override { OleFocusGained(); }

  // OleControl: the design-time properties and the columns (treelist/model/tree_persistence.h).
  HWND OleCreateWindow(HWND parent, const RECT& pos) override;
  HWND OleWindow() override { return window_ ? window_->Handle() : nullptr; }
  void OleInitNew() override;
  void OleLoad(const kv::persist::Bag& bag) override;
  void OleAmbientsChanged(const kv::com::Ambients& ambients) override;
  void OleSave(kv::persist::Bag& bag) override;
  void ApplyAllProperties();

  // StockFontOwner
  void OnStockFontChanged(const kv::com::FontParts& parts) override;
  kv::com::FontParts CurrentFontParts() const override;

  LONG refs_ = 1;
  kv::com::ModuleLock lock_;
  kv::com::ConnectionPoints events_;
  TreeModel model_;
  PlainProperties props_;
  TreeGraphics graphics_;
  kv::com::StockFont stockFont_{*this};
  std::unique_ptr<TreeWindow> window_;
  IUnknown* objects_[kPropLast + 1] = {};  // picture and font objects by property id
  std::vector<IPictureDisp*> images_;      // the image list (AddImage), numbered from 1
  bool enabled_ = true;
  bool destroying_ = false;
  bool outOfMemory_ = false;  // a CtrlError 32000 was reported during the current call
};

}  // namespace kv::tree
