// The Logon screen tab's windows: check box, four text fields, colour and bitmap buttons, the
// Center/Tile list and three help buttons inside the tab's three frames, around LogonScreenTabModel.
#include "app/pages/logon_screen/win32/logon_screen_panel.h"

#include <array>

#include "app/controls/win32/window_text.h"
#include "app/pages/logon_screen/core/logon_screen_tab.h"
#include "app/pages/win32/page_buttons.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {
enum Offset { kAutoLogonId = 1, kFirstFieldId = 2, kColourId = 6, kImageId, kArrangementId, kFirstHelpId = 10 };
constexpr int kFrameCount = 3;
constexpr int kCaptionIds[kLogonTextFields] = {676, 677, 678, 679};

// The main program's dialogs and texts as the model asks for them.
class LogonHostAdapter : public LogonScreenHost {
 public:
  explicit LogonHostAdapter(PageServices& services) : services_(services) {}
  std::string Text(int id) const override { return services_.Text(id); }
  bool ChooseColour(std::uint32_t* colour) override { return services_.OwnTabs().ChooseColour(colour); }
  std::string ChooseOpenFile(const std::string& title, const std::string& file, const std::string& filter) override {
    return services_.OwnTabs().ChooseOpenFile(title, file, filter);
  }
  void ShowFunctionHelp(const std::string& helpText) override { services_.ShowFunctionHelp(helpText); }

 private:
  PageServices& services_;
};

class LogonScreenPanel : public OwnTabPanel {
 public:
  LogonScreenPanel(HWND page, PageServices& services, int firstId);
  void Layout(const std::vector<HWND>& frames) override;
  void Show(bool visible) override;
  bool Command(int id, int code) override;

 private:
  void ShowState();  // the model's state into the controls, under the loading flag
  void ShowColour();
  std::vector<HWND> Windows() const;

  HWND page_;
  int firstId_;
  LogonHostAdapter host_;
  LogonScreenTabModel model_;
  HWND autoLogon_;
  std::array<HWND, kLogonTextFields> captions_{}, fields_{};
  HWND colourCaption_, imageCaption_, arrangement_;
  std::unique_ptr<controls::CoolButton> colour_, image_;
  std::array<std::unique_ptr<controls::PictureButton>, 3> help_;
};

LogonScreenPanel::LogonScreenPanel(HWND page, PageServices& services, int firstId)
    : page_(page), firstId_(firstId), host_(services), model_(services.Functions(), host_) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  autoLogon_ = MakeButton(page, firstId + kAutoLogonId, services.Text(675), BS_AUTOCHECKBOX);
  for (int i = 0; i < kLogonTextFields; ++i) {
    captions_[i] = MakeLabel(page, services.Text(kCaptionIds[i]));
    const DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | (i == 1 ? ES_PASSWORD : 0);
    fields_[i] = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, 0, 0, 10, 10, page,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + kFirstFieldId + i)), instance,
                                 nullptr);
    SendMessageA(fields_[i], WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  }
  colourCaption_ = MakeLabel(page, services.Text(680));
  imageCaption_ = MakeLabel(page, services.Text(681));
  colour_ = CreateCoolButton(page, firstId + kColourId, "");
  image_ = CreateCoolButton(page, firstId + kImageId, "");
  for (auto* b : {colour_.get(), image_.get()})
    if (b) SetWindowLongPtrA(b->Window(), GWL_STYLE, GetWindowLongPtrA(b->Window(), GWL_STYLE) | WS_BORDER);
  if (image_) image_->SetAlignment(controls::CaptionAlignment::Left);
  arrangement_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 10,
                                 120, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + kArrangementId)),
                                 instance, nullptr);
  SendMessageA(arrangement_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  for (int id : {691, 692}) SendMessageA(arrangement_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(services.Text(id).c_str()));
  for (int i = 0; i < 3; ++i) help_[i] = CreateHelpPictureButton(page, firstId + kFirstHelpId + i);
  model_.Load();
  ShowState();
  Show(false);
}

void LogonScreenPanel::ShowColour() {
  if (!colour_) return;
  const controls::Colour c = model_.State().Colour;
  colour_->SetColours(c, c, ui::kText, ui::kText);
}

void LogonScreenPanel::ShowState() {
  model_.SetLoading(true);
  const LogonScreenState& s = model_.State();
  SetTicked(autoLogon_, s.AutoLogon);
  for (int i = 0; i < kLogonTextFields; ++i) SetWindowTextA(fields_[i], s.Fields[i].c_str());
  ShowColour();
  if (image_) image_->SetCaption(s.Bitmap);
  SendMessageA(arrangement_, CB_SETCURSEL, static_cast<WPARAM>(s.Arrangement), 0);
  model_.SetLoading(false);
}

bool LogonScreenPanel::Command(int id, int code) {
  const int offset = id - firstId_;
  if (offset < 0 || offset >= 100) return false;
  if (offset >= kFirstFieldId && offset < kFirstFieldId + kLogonTextFields) {
    if (code == EN_CHANGE) model_.TextChanged(offset - kFirstFieldId, WindowText(fields_[offset - kFirstFieldId]));
    return true;
  }
  if (offset >= kFirstHelpId && offset < kFirstHelpId + 3) {
    if (code == BN_CLICKED)
      model_.HelpPressed(static_cast<LogonControl>(static_cast<int>(LogonControl::HelpLogon) + offset - kFirstHelpId));
    return true;
  }
  switch (offset) {
    case kAutoLogonId:
      if (code == BN_CLICKED) model_.AutoLogonChanged(IsTicked(autoLogon_));
      break;
    case kArrangementId:
      if (code == CBN_SELCHANGE) model_.ArrangementChosen(static_cast<int>(SendMessageA(arrangement_, CB_GETCURSEL, 0, 0)));
      break;
    case kColourId:
      if (code == BN_CLICKED && model_.ColourPressed()) ShowColour();
      break;
    case kImageId:
      if (code == BN_CLICKED && model_.BitmapPressed() && image_) image_->SetCaption(model_.State().Bitmap);
      break;
    default:
      break;
  }
  return true;
}

std::vector<HWND> LogonScreenPanel::Windows() const {
  std::vector<HWND> all = {autoLogon_, colourCaption_, imageCaption_, arrangement_};
  for (int i = 0; i < kLogonTextFields; ++i) {
    all.push_back(captions_[i]);
    all.push_back(fields_[i]);
  }
  for (auto* b : {colour_.get(), image_.get()})
    if (b) all.push_back(b->Window());
  for (const auto& h : help_)
    if (h) all.push_back(h->Window());
  return all;
}

void LogonScreenPanel::Show(bool visible) {
  for (HWND w : Windows()) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
}

void LogonScreenPanel::Layout(const std::vector<HWND>& frames) {
  if (frames.size() < kFrameCount) return;
  RECT f[kFrameCount];
  for (int i = 0; i < kFrameCount; ++i) f[i] = FrameArea(page_, frames[i]);
  const int row = 28, captionWidth = 150;
  auto place = [](HWND w, int x, int y, int width, int height) { MoveWindow(w, x, y, width, height, TRUE); };
  auto field = [&](const RECT& r, int y, HWND caption, HWND control, int height) {
    place(caption, r.left + 12, y + 3, captionWidth, 18);
    place(control, r.left + 12 + captionWidth, y, r.right - r.left - captionWidth - 70, height);
  };
  // Automatic logon: the box, user name and password.
  int y = f[0].top + 22;
  place(autoLogon_, f[0].left + 12, y, f[0].right - f[0].left - 70, 20);
  field(f[0], y + row, captions_[0], fields_[0], 22);
  field(f[0], y + 2 * row, captions_[1], fields_[1], 22);
  // Message before logon: title and text.
  y = f[1].top + 22;
  field(f[1], y, captions_[2], fields_[2], 22);
  field(f[1], y + row, captions_[3], fields_[3], 22);
  // Background: colour, bitmap, arrangement.
  y = f[2].top + 22;
  place(colourCaption_, f[2].left + 12, y + 3, captionWidth, 18);
  if (colour_) colour_->Move(RECT{f[2].left + 12 + captionWidth, y, f[2].left + 12 + captionWidth + 60, y + 22});
  y += row;
  place(imageCaption_, f[2].left + 12, y + 3, captionWidth, 18);
  const int imageWidth = f[2].right - f[2].left - captionWidth - 70 - 130;
  if (image_) image_->Move(RECT{f[2].left + 12 + captionWidth, y, f[2].left + 12 + captionWidth + imageWidth, y + 22});
  place(arrangement_, f[2].left + 20 + captionWidth + imageWidth, y, 110, 120);
  for (int i = 0; i < kFrameCount; ++i)
    if (help_[i]) help_[i]->Move(RECT{f[i].right - 34, f[i].top + 18, f[i].right - 10, f[i].top + 42});
  for (HWND w : Windows()) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
}  // namespace

std::unique_ptr<OwnTabPanel> MakeLogonScreenPanel(HWND page, const std::vector<HWND>&, PageServices& services,
                                                  int firstControlId) {
  return std::make_unique<LogonScreenPanel>(page, services, firstControlId);
}

}  // namespace kv
