// The Drives tab's windows: the drive list (kvTreeView as a flat two-column list) left of the
// information frame, the eight read-only fields, the free and used bars and the hide box, around
// DrivesTabModel.
#include "app/pages/drives/win32/drives_panel.h"

#include <array>

#include "app/controls/win32/progress_bar.h"
#include "app/pages/drives/core/drives_tab.h"
#include "app/pages/drives/win32/drive_pictures.h"
#include "app/pages/drives/win32/win32_drive_queries.h"
#include "app/pages/win32/ui_theme.h"
#include "treelist/include/kvtree_client.h"

namespace kv {

namespace {
enum Offset { kTreeId = 1, kHideId, kFirstBarId, kFirstFieldId = 10 };
constexpr int kFirstFieldCaption = 725;
constexpr int kDriveColumnText = 712, kTypeColumnText = 713, kHideText = 733;

class DrivesPanel : public OwnTabPanel {
 public:
  DrivesPanel(HWND page, PageServices& services, int firstId);
  void Layout(const std::vector<HWND>& frames) override;
  void Show(bool visible) override;
  bool Command(int id, int code) override;

 private:
  void FillList();
  void ShowSelectedDrive();
  std::vector<HWND> Windows() const;

  HWND page_;
  int firstId_;
  Win32DriveQueries queries_;
  DrivesTabModel model_;
  treeclient::TreeList tree_;
  std::array<HWND, kDriveFieldCount> captions_{}, fields_{};
  std::array<controls::ProgressBar, 2> bars_;
  HWND hide_;
};

DrivesPanel::DrivesPanel(HWND page, PageServices& services, int firstId)
    : page_(page),
      firstId_(firstId),
      model_(services.Functions(), queries_, [&services](int id) { return services.Text(id); }) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (int i = 0; i < kDriveFieldCount; ++i) {
    captions_[i] = MakeLabel(page, services.Text(kFirstFieldCaption + i));
    fields_[i] = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 10, 10,
                                 page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + kFirstFieldId + i)),
                                 instance, nullptr);
    SendMessageA(fields_[i], WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  }
  for (int i = 0; i < 2; ++i) bars_[i].Create(page, RECT{0, 0, 10, 10}, firstId + kFirstBarId + i);
  hide_ = MakeButton(page, firstId + kHideId, services.Text(kHideText), BS_AUTOCHECKBOX);
  tree_.events.change = [this](long) { ShowSelectedDrive(); };
  if (tree_.Create(page, RECT{0, 0, 10, 10}, firstId + kTreeId)) {
    tree_.SetPictureStrip(DrivePictures(), kDrivePictureCount);
    tree_->put_BackColor(static_cast<long>(ui::kPageBack));
    tree_->put_SelectedBackColor(static_cast<long>(ui::kAccentLight));
    tree_->put_SelectedForeColor(static_cast<long>(ui::kText));
    tree_->put_TreeLines(VARIANT_FALSE);
    tree_->put_PictureType(PicsNone);
    tree_.AddColumn(treeclient::FromAnsi(services.Text(kDriveColumnText)), 150);
    tree_.AddColumn(treeclient::FromAnsi(services.Text(kTypeColumnText)), 110);
    tree_->put_ShowHeader(VARIANT_TRUE);
  }
  model_.Load(services.OwnTabs().Folders().Boot);
  EnableWindow(hide_, model_.MaskFunction() >= 0);
  FillList();
  Show(false);
}

void DrivesPanel::FillList() {
  const DriveListing& listing = model_.Listing();
  for (const DriveItem& item : listing.Items) {
    const long line = tree_.AddPictureNode(treeclient::FromAnsi(item.Text), 0, 1, static_cast<short>(item.Picture));
    if (line < 0) continue;
    tree_->put_NodeShowChecks(line, VARIANT_FALSE);
    tree_.SetNodeColumnText(line, 2, treeclient::FromAnsi(item.TypeText));
    tree_.SetNodeCargo(line, treeclient::FromAnsi(item.Root));
  }
  if (listing.Selected >= 0) tree_.SetSelected(listing.Selected);
  ShowSelectedDrive();
}

void DrivesPanel::ShowSelectedDrive() {
  const long line = tree_.Selected();
  if (line < 0) return;
  HCURSOR normal = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  model_.ShowDrive(treeclient::ToAnsi(tree_.NodeCargo(line)));
  const DriveDetails& d = model_.Details();
  for (int i = 0; i < kDriveFieldCount; ++i) SetWindowTextA(fields_[i], d.Fields[i].c_str());
  for (auto& bar : bars_) bar.SetRange(0, d.Bars.Max);
  bars_[0].SetPosition(d.Bars.Free);
  bars_[1].SetPosition(d.Bars.Used);
  SetTicked(hide_, d.Hidden);
  SetCursor(normal);
}

bool DrivesPanel::Command(int id, int code) {
  const int offset = id - firstId_;
  if (offset < 0 || offset >= 100) return false;
  if (offset == kHideId && code == BN_CLICKED && !model_.HideChanged(IsTicked(hide_)))
    SetTicked(hide_, model_.Details().Hidden);  // nothing was written: the box shows the stored state
  return true;
}

std::vector<HWND> DrivesPanel::Windows() const {
  std::vector<HWND> all = {hide_, tree_.Window(), bars_[0].Window(), bars_[1].Window()};
  for (int i = 0; i < kDriveFieldCount; ++i) {
    all.push_back(captions_[i]);
    all.push_back(fields_[i]);
  }
  return all;
}

void DrivesPanel::Show(bool visible) {
  for (HWND w : Windows())
    if (w) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
}

void DrivesPanel::Layout(const std::vector<HWND>& frames) {
  if (frames.empty()) return;
  // The tab's one frame (the drive information) takes the right part; the list stands left of it.
  const RECT area = FrameArea(page_, frames[0]);
  const int listWidth = (area.right - area.left) * 9 / 20;
  if (HWND list = tree_.Window()) {
    MoveWindow(list, area.left, area.top + 8, listWidth, area.bottom - area.top - 8, TRUE);
    tree_->put_ColumnWidth(1, static_cast<short>(listWidth * 11 / 20));
    tree_->put_ColumnWidth(2, static_cast<short>(listWidth - listWidth * 11 / 20 - 4));
  }
  const RECT f = {area.left + listWidth + 10, area.top, area.right, area.bottom};
  MoveWindow(frames[0], f.left, f.top, f.right - f.left, f.bottom - f.top, TRUE);
  const int row = 27, captionWidth = 150, x = f.left + 12, fieldX = x + captionWidth;
  const int fieldWidth = f.right - fieldX - 12;
  int y = f.top + 24;
  for (int i = 0; i < kDriveFieldCount; ++i, y += row) {
    MoveWindow(captions_[i], x, y + 3, captionWidth, 18, TRUE);
    MoveWindow(fields_[i], fieldX, y, fieldWidth, 22, TRUE);
  }
  // The bars under the free and used fields' column, then the box.
  for (auto& bar : bars_) {
    bar.Move(RECT{fieldX, y + 2, fieldX + fieldWidth, y + 16});
    y += 20;
  }
  MoveWindow(hide_, x, y + 8, f.right - x - 12, 20, TRUE);
  for (HWND w : Windows())
    if (w) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
}  // namespace

std::unique_ptr<OwnTabPanel> MakeDrivesPanel(HWND page, const std::vector<HWND>&, PageServices& services,
                                             int firstControlId) {
  return std::make_unique<DrivesPanel>(page, services, firstControlId);
}

}  // namespace kv
