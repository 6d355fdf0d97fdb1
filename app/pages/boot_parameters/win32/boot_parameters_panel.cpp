// The Boot parameters tab's windows around BootParametersModel: in the first frame the system list
// (kvTreeView as a flat list with in-place label edit) with the button that makes the selected system
// the default under it, the six switch boxes with the memory and processor fields; in the second the
// timeout mode with its seconds field and Save; a help button in each.
#include "app/pages/boot_parameters/win32/boot_parameters_panel.h"

#include <algorithm>
#include <array>

#include "app/controls/win32/cool_button.h"
#include "app/controls/win32/picture_button.h"
#include "app/controls/win32/up_down_field.h"
#include "app/pages/boot_parameters/core/boot_parameters_model.h"
#include "app/pages/boot_parameters/win32/boot_pictures.h"
#include "app/pages/boot_parameters/win32/win32_boot_files.h"
#include "app/pages/win32/page_buttons.h"
#include "app/pages/win32/ui_theme.h"
#include "treelist/include/kvtree_client.h"

namespace kv {

namespace {
enum Offset { kListId = 1, kFirstSwitchId = 2, kMemoryId = 10, kProcessorsId, kModeId, kSecondsId, kSaveId,
              kMakeDefaultId, kFirstHelpId = 20 };
// Captions of the switch boxes, in switch order.
constexpr int kSwitchTexts[kBootSwitchCount] = {685, 686, 687, 688, 689, 684};
constexpr int kModeTexts[3] = {693, 694, 695};
constexpr int kSecondsUnitText = 690, kSaveText = 696, kMakeDefaultText = 682, kListHelpText = 698, kTimeoutHelpText = 699;
constexpr int kRow = 24;

void Place(HWND w, int x, int y, int width, int height) { MoveWindow(w, x, y, width, height, TRUE); }

int CaptionWidth(HWND control, const std::string& text) {
  return ui::TextWidth(control, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), text);
}

class BootParametersPanel : public OwnTabPanel {
 public:
  BootParametersPanel(HWND page, PageServices& services, int firstId);
  void Layout(const std::vector<HWND>& frames) override;
  void Show(bool visible) override;
  bool Command(int id, int code) override;
  bool HasOwnRestore() const override { return true; }
  void Restore() override;

 private:
  void CreateList();
  void FillList();    // the model's systems into the list, the first selected
  void ShowEntry();   // the selected system into the boxes and fields
  void ShowTimeout();
  void ShowAvailability();
  std::vector<HWND> Windows() const;

  HWND page_;
  PageServices& services_;
  int firstId_;
  Win32BootFiles files_;
  BootParametersModel model_;
  bool loading_ = false;  // set while the model's state is put into the controls
  bool visible_ = false;
  treeclient::TreeList list_;
  std::array<HWND, kBootSwitchCount> switches_{};
  controls::UpDownField memory_, processors_, seconds_;
  HWND mode_ = nullptr, secondsUnit_ = nullptr, unreadable_ = nullptr;
  std::unique_ptr<controls::CoolButton> save_, makeDefault_;
  std::array<std::unique_ptr<controls::PictureButton>, 2> help_;
};

BootParametersPanel::BootParametersPanel(HWND page, PageServices& services, int firstId)
    : page_(page), services_(services), firstId_(firstId), model_(files_, services.OwnTabs()) {
  auto text = [&](int id) { return services_.Text(id); };
  CreateList();
  for (int k = 0; k < kBootSwitchCount; ++k)
    switches_[k] = MakeButton(page, firstId + kFirstSwitchId + k, text(kSwitchTexts[k]), BS_AUTOCHECKBOX);
  memory_.Create(page, RECT{0, 0, 70, 22}, firstId + kMemoryId);
  memory_.SetRange(0, 1024);
  memory_.SetStep(16);
  memory_.onUpdate = [this] {
    if (loading_) return;
    model_.MemoryChanged(memory_.Value());
    ShowEntry();
  };
  processors_.Create(page, RECT{0, 0, 70, 22}, firstId + kProcessorsId);
  processors_.SetRange(1, 4);
  processors_.onUpdate = [this] {
    if (loading_) return;
    model_.ProcessorsChanged(processors_.Value(), memory_.Value());
    ShowEntry();
  };
  mode_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 10, 120, page,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + kModeId)), GetModuleHandleA(nullptr),
                          nullptr);
  SendMessageA(mode_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  for (int id : kModeTexts) SendMessageA(mode_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text(id).c_str()));
  seconds_.Create(page, RECT{0, 0, 60, 22}, firstId + kSecondsId);
  seconds_.SetRange(1, 30);
  seconds_.onUpdate = [this] {
    if (!loading_) model_.SecondsChanged(seconds_.Value());
  };
  secondsUnit_ = MakeLabel(page, text(kSecondsUnitText));
  unreadable_ = MakeLabel(page, text(kBootUnreadableText));
  save_ = CreateCoolButton(page, firstId + kSaveId, text(kSaveText));
  makeDefault_ = CreateCoolButton(page, firstId + kMakeDefaultId, text(kMakeDefaultText));
  const int helpTexts[2] = {kListHelpText, kTimeoutHelpText};
  for (int i = 0; i < 2; ++i) {
    help_[i] = CreateHelpPictureButton(page, firstId + kFirstHelpId + i);
    const int helpText = helpTexts[i];
    if (help_[i]) help_[i]->onClick = [this, helpText] { services_.ShowFunctionHelp(services_.Text(helpText)); };
  }
  model_.Read();
  FillList();
  ShowTimeout();
  Show(false);
}

void BootParametersPanel::CreateList() {
  if (!list_.Create(page_, RECT{0, 0, 10, 10}, firstId_ + kListId)) return;
  list_->put_BackColor(static_cast<long>(ui::kPageBack));
  list_->put_SelectedBackColor(static_cast<long>(ui::kAccentLight));
  list_->put_SelectedForeColor(static_cast<long>(ui::kText));
  list_->put_TreeLines(VARIANT_FALSE);
  list_->put_PictureType(PicsNone);
  list_->put_UseImageList(VARIANT_TRUE);
  list_->put_LabelEdit(VARIANT_TRUE);
  for (int picture = 1; picture <= 3; ++picture) {
    HBITMAP bitmap = MakeBootPicture(picture);
    list_.AddBitmap(bitmap);
    DeleteObject(bitmap);
  }
  list_.events.change = [this](long index) {
    if (loading_) return;
    model_.Select(static_cast<int>(index));
    ShowEntry();
  };
  list_.events.afterLabelEdit = [this](long index, const std::wstring& text) {
    if (!model_.Rename(static_cast<int>(index), treeclient::ToAnsi(text))) list_->CancelEdit();
  };
}

void BootParametersPanel::FillList() {
  loading_ = true;
  if (list_) {
    list_->ClearNodes();
    for (const BootEntry& e : model_.Entries()) {
      const long line = list_.AddPictureNode(treeclient::FromAnsi(e.Description), 0, 0, static_cast<short>(e.Picture), 0, 0);
      list_->put_NodeShowChecks(line, VARIANT_FALSE);
    }
    if (model_.Selected() >= 0) list_.SetSelected(model_.Selected());
    list_->ReDraw(VARIANT_TRUE);
  }
  loading_ = false;
  ShowEntry();
  ShowAvailability();
}

void BootParametersPanel::ShowEntry() {
  loading_ = true;
  const BootEntryView v = model_.View();
  for (int k = 0; k < kBootSwitchCount; ++k) {
    EnableWindow(switches_[k], v.SwitchEnabled[k]);
    SetTicked(switches_[k], v.Ticked[k]);
  }
  memory_.SetEnabled(v.FieldsEnabled);
  processors_.SetEnabled(v.FieldsEnabled);
  if (memory_.Value() != v.Memory) memory_.SetValue(v.Memory);
  if (processors_.Value() != v.Processors) processors_.SetValue(v.Processors);
  if (makeDefault_) makeDefault_->SetEnabled(model_.CanMakeSelectedDefault());
  loading_ = false;
}

void BootParametersPanel::ShowTimeout() {
  loading_ = true;
  if (model_.TimeoutMode() >= 0) SendMessageA(mode_, CB_SETCURSEL, static_cast<WPARAM>(model_.TimeoutMode()), 0);
  if (model_.SecondsVisible()) seconds_.SetValue(model_.Seconds());
  const int show = visible_ && model_.SecondsVisible() ? SW_SHOW : SW_HIDE;
  ShowWindow(seconds_.Window(), show);
  ShowWindow(secondsUnit_, show);
  loading_ = false;
}

// A boot file that could not be read: a line says so and there is nothing to save.
void BootParametersPanel::ShowAvailability() {
  ShowWindow(unreadable_, visible_ && !model_.Readable() ? SW_SHOW : SW_HIDE);
  if (save_) save_->SetEnabled(model_.Readable());
}

bool BootParametersPanel::Command(int id, int code) {
  if (id < firstId_ || id >= firstId_ + 100) return false;
  const int offset = id - firstId_;
  if (offset >= kFirstSwitchId && offset < kFirstSwitchId + kBootSwitchCount && code == BN_CLICKED && !loading_) {
    const int k = offset - kFirstSwitchId;
    model_.SwitchChanged(k, IsTicked(switches_[k]), memory_.Value());
    ShowEntry();
  } else if (offset == kModeId && code == CBN_SELCHANGE && !loading_) {
    model_.ChooseTimeoutMode(static_cast<int>(SendMessageA(mode_, CB_GETCURSEL, 0, 0)), seconds_.Value());
    ShowTimeout();
  } else if (offset == kSaveId && code == BN_CLICKED) {
    model_.Save();
  } else if (offset == kMakeDefaultId && code == BN_CLICKED) {
    model_.MakeSelectedDefault();
    FillList();  // the default system's picture moved
  }
  return true;
}

void BootParametersPanel::Restore() {
  if (!model_.Restore()) return;
  FillList();
  ShowTimeout();
}

std::vector<HWND> BootParametersPanel::Windows() const {
  std::vector<HWND> all(switches_.begin(), switches_.end());
  all.insert(all.end(), {list_.Window(), memory_.Window(), processors_.Window(), mode_});
  for (const auto& b : {save_.get(), makeDefault_.get()})
    if (b) all.push_back(b->Window());
  for (const auto& h : help_)
    if (h) all.push_back(h->Window());
  return all;
}

void BootParametersPanel::Show(bool visible) {
  visible_ = visible;
  for (HWND w : Windows())
    if (w) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
  ShowTimeout();
  ShowAvailability();
}

void BootParametersPanel::Layout(const std::vector<HWND>& frames) {
  if (frames.size() < 2) return;
  const RECT f0 = FrameArea(page_, frames[0]), f1 = FrameArea(page_, frames[1]);
  // First frame: the list on the left, the switch boxes right of it, the fields behind the last two.
  const int listWidth = (f0.right - f0.left) * 2 / 5;
  // Under the list: the button that makes the selected system the default.
  const int buttonHeight = 26;
  if (HWND list = list_.Window())
    Place(list, f0.left + 12, f0.top + 22, listWidth, f0.bottom - f0.top - 40 - buttonHeight);
  if (makeDefault_)
    makeDefault_->Move(RECT{f0.left + 12, f0.bottom - 12 - buttonHeight, f0.left + 12 + 160, f0.bottom - 12});
  const int x = f0.left + 12 + listWidth + 16;
  const int boxesRight = f0.right - 44;  // the help button sits at the frame's top right
  // The two fields stand in one column behind the longer of their boxes' captions.
  int fieldX = 0;
  for (int k = kMaxMemOn; k <= kNumProcOn; ++k)
    fieldX = (std::max)(fieldX, x + 22 + CaptionWidth(switches_[k], services_.Text(kSwitchTexts[k])) + 10);
  for (int k = 0; k < kBootSwitchCount; ++k) {
    const int y = f0.top + 22 + k * kRow;
    Place(switches_[k], x, y, (k >= kMaxMemOn ? fieldX - 4 : boxesRight) - x, 20);
    if (k >= kMaxMemOn) (k == kMaxMemOn ? memory_ : processors_).Move(RECT{fieldX, y - 1, fieldX + 70, y + 21});
  }
  if (help_[0]) help_[0]->Move(RECT{f0.right - 34, f0.top + 18, f0.right - 10, f0.top + 42});
  // Second frame: the mode, the seconds field with its unit, Save at the right.
  int y = f1.top + 24;
  Place(mode_, f1.left + 12, y, 300, 120);
  seconds_.Move(RECT{f1.left + 322, y, f1.left + 382, y + 22});
  Place(secondsUnit_, f1.left + 390, y + 3, 60, 18);
  if (save_) save_->Move(RECT{f1.right - 44 - 110, y - 1, f1.right - 44, y + 25});
  if (help_[1]) help_[1]->Move(RECT{f1.right - 34, f1.top + 18, f1.right - 10, f1.top + 42});
  Place(unreadable_, f1.left + 12, y + 36, f1.right - f1.left - 24, 36);
  // Controls over the frames: above them in the drawing order.
  std::vector<HWND> all = Windows();
  all.insert(all.end(), {seconds_.Window(), secondsUnit_, unreadable_});
  for (HWND w : all)
    if (w) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

std::unique_ptr<OwnTabPanel> MakeBootParametersPanel(HWND page, const std::vector<HWND>&, PageServices& services,
                                                     int firstControlId) {
  return std::make_unique<BootParametersPanel>(page, services, firstControlId);
}

void BootOptionsPageLoaded(OwnTabHost& host) {
  Win32BootFiles files;
  TakeBootBackup(files, BootPathsOf(host.Folders()));
}

void BootOptionsPageUnloading(OwnTabHost& host) {
  Win32BootFiles files;
  ReleaseBootFile(files, BootPathsOf(host.Folders()));
}

}  // namespace kv
