// The Mouse tab's windows (see mouse_tab_panel.h).
#include "app/pages/win32/mouse_tab_panel.h"

#include "app/catalogue/function_record.h"
#include "app/pages/win32/page_buttons.h"
#include "app/pages/win32/tool_page_window.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {
enum Offset { kMenuDelayOffId = 1, kWheelOnId, kFullScreenId, kLinesId, kFastInitId, kSliderId, kFirstFieldId,
              kFirstHelpId = 20 };
constexpr int kRow = 26;

// Where a frame is, in the page's client coordinates.
void Place(HWND w, int x, int y, int width, int height) { MoveWindow(w, x, y, width, height, TRUE); }

// The lines option's caption has a run of spaces where the number field sits: the words before it
// are the option's own caption, the words after it a label behind the field.
std::string CaptionBeforeGap(const std::string& caption) {
  const std::size_t gap = caption.find("  ");
  return gap == std::string::npos ? caption : caption.substr(0, gap);
}
std::string CaptionAfterGap(const std::string& caption) {
  const std::size_t gap = caption.find("  ");
  if (gap == std::string::npos) return std::string();
  const std::size_t rest = caption.find_first_not_of(' ', gap);
  return rest == std::string::npos ? std::string() : caption.substr(rest);
}

int TextWidth(HWND control, const std::string& text) {
  return ui::TextWidth(control, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), text);
}
}  // namespace

MouseTabPanel::MouseTabPanel(HWND page, const std::vector<HWND>& frames, PageServices& services, int firstId)
    : page_(page), services_(services), firstId_(firstId), model_(services.Functions()) {
  auto text = [&](int id) { return services_.Text(id); };
  delayCaption_ = MakeLabel(page, text(630));
  delayLabel_ = MakeLabel(page, "");
  menuDelayOff_ = MakeButton(page, firstId + kMenuDelayOffId, text(631), BS_AUTOCHECKBOX);
  toleranceCaption_[0] = MakeLabel(page, text(632));
  toleranceCaption_[1] = MakeLabel(page, text(633));
  wheelOn_ = MakeButton(page, firstId + kWheelOnId, text(622), BS_AUTOCHECKBOX);
  // The wheel frame's caption is its box, which covers the frame's line (the frame never paints over it).
  if (frames.size() > 2) SetWindowTextA(frames[2], "");
  fullScreen_ = MakeButton(page, firstId + kFullScreenId, text(634), BS_AUTORADIOBUTTON | WS_GROUP);
  lines_ = MakeButton(page, firstId + kLinesId, CaptionBeforeGap(text(635)), BS_AUTORADIOBUTTON);
  linesUnit_ = MakeLabel(page, CaptionAfterGap(text(635)));
  scanCaption_ = MakeLabel(page, text(636));
  scanUnit_ = MakeLabel(page, text(637));
  fastInit_ = MakeButton(page, firstId + kFastInitId, text(638), BS_AUTOCHECKBOX | WS_GROUP);

  kvslide::SliderEvents events;
  events.slideChange = [this] {
    if (showing_) return;
    model_.SliderChanged(slider_.Value());
    ShowState();
  };
  if (SUCCEEDED(slider_.Create(page, RECT{0, 0, 10, 10}, firstId + kSliderId, events))) {
    slider_->put_BackColor(ui::kPageBack);  // on the page's white, without the boxed look
    slider_->put_OuterBorder(BorderNone);
    slider_->put_InnerBorder(BorderNone);
  }
  controls::UpDownField* fields[] = {&tolerance_[0], &tolerance_[1], &wheelLines_, &scanRate_};
  for (int i = 0; i < 4; ++i) fields[i]->Create(page, RECT{0, 0, 70, 22}, firstId + kFirstFieldId + i);
  for (int i = 0; i < 2; ++i)
    tolerance_[i].onUpdate = [this, i] { if (!showing_) model_.ToleranceChanged(i, tolerance_[i].Value()); };
  wheelLines_.onUpdate = [this] { if (!showing_) model_.WheelLinesChanged(wheelLines_.Value()); };
  scanRate_.onUpdate = [this] { if (!showing_) model_.ScanRateChanged(scanRate_.Value()); };

  // Help buttons: the functions of slots 0, 1, 3 and 4.
  const int helpSlots[] = {kMenuDelaySlot, kDoubleClickSlot, kWheelSlot, kScanRateSlot};
  for (int i = 0; i < 4; ++i) {
    help_[i] = CreateHelpPictureButton(page, firstId + kFirstHelpId + i);
    const int function = services_.Functions().SlotFunction(helpSlots[i]);
    if (help_[i]) help_[i]->onClick = [this, function] {
      if (const FunctionRecord* f = function >= 0 ? services_.Functions().Function(function) : nullptr)
        services_.ShowFunctionHelp(f->HelpText);
    };
  }
  model_.Load();
  ShowState();
  Show(false);
}

void MouseTabPanel::ShowState() {
  showing_ = true;
  const MouseTabState& s = model_.State();
  slider_.SetRange(static_cast<short>(s.MenuDelay.Min), static_cast<short>(s.MenuDelay.Max));
  slider_.SetValue(static_cast<short>(s.MenuDelay.Value));
  SetTicked(menuDelayOff_, s.MenuDelayOff);
  SetWindowTextA(delayLabel_, s.DelayLabel.c_str());
  ShowWindow(delayLabel_, visible_ && s.DelayLabelVisible ? SW_SHOW : SW_HIDE);
  for (int i = 0; i < 2; ++i) {
    tolerance_[i].SetRange(s.Tolerance[i].Min, s.Tolerance[i].Max);
    tolerance_[i].SetValue(s.Tolerance[i].Value);
  }
  SetTicked(wheelOn_, s.WheelOn);
  SetTicked(fullScreen_, s.WheelFullScreen);
  SetTicked(lines_, !s.WheelFullScreen);
  wheelLines_.SetRange(s.WheelLines.Min < 1 ? 1 : s.WheelLines.Min, s.WheelLines.Max);
  wheelLines_.SetValue(s.WheelLines.Value);
  EnableWindow(fullScreen_, s.WheelOn);
  EnableWindow(lines_, s.WheelOn);
  wheelLines_.SetEnabled(s.WheelOn);
  scanRate_.SetRange(s.ScanRate.Min, s.ScanRate.Max);
  scanRate_.SetStep(s.ScanRate.Step);
  scanRate_.SetValue(s.ScanRate.Value);
  SetTicked(fastInit_, s.FastInit);
  showing_ = false;
}

bool MouseTabPanel::Command(int id, int code) {
  if (id < firstId_ || id >= firstId_ + 100 || code != BN_CLICKED) return id >= firstId_ && id < firstId_ + 100;
  switch (id - firstId_) {
    case kMenuDelayOffId: model_.MenuDelayOffChanged(IsTicked(menuDelayOff_)); break;
    case kWheelOnId: model_.WheelBoxChanged(IsTicked(wheelOn_)); break;
    case kFullScreenId: model_.WheelOptionChosen(true); break;
    case kLinesId: model_.WheelOptionChosen(false); break;
    case kFastInitId: model_.FastInitChanged(IsTicked(fastInit_)); break;
    default: return true;
  }
  ShowState();
  return true;
}

std::vector<HWND> MouseTabPanel::Windows() const {
  std::vector<HWND> all = {delayCaption_, menuDelayOff_, toleranceCaption_[0], toleranceCaption_[1], wheelOn_,
                           fullScreen_, lines_, linesUnit_, scanCaption_, scanUnit_, fastInit_, slider_.Window(),
                           tolerance_[0].Window(), tolerance_[1].Window(), wheelLines_.Window(), scanRate_.Window()};
  for (const auto& h : help_)
    if (h) all.push_back(h->Window());
  return all;
}

void MouseTabPanel::Show(bool visible) {
  visible_ = visible;
  for (HWND w : Windows())
    if (w) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
  ShowWindow(delayLabel_, visible && model_.State().DelayLabelVisible ? SW_SHOW : SW_HIDE);
}

void MouseTabPanel::Layout(const std::vector<HWND>& frames) {
  if (frames.size() < 4) return;
  RECT f[4];
  for (int i = 0; i < 4; ++i) f[i] = FrameArea(page_, frames[i]);
  auto helpAt = [&](int i, const RECT& r) {
    if (help_[i]) help_[i]->Move(RECT{r.right - 34, r.top + 18, r.right - 10, r.top + 42});
  };
  const int captionWidth = 250, fieldX = 12 + captionWidth;
  // Menu display speed: caption, slider, value; the disable box under them.
  int y = f[0].top + 20;
  Place(delayCaption_, f[0].left + 12, y + 4, captionWidth, 18);
  if (HWND s = slider_.Window()) Place(s, f[0].left + fieldX, y, f[0].right - f[0].left - fieldX - 120, 28);
  Place(delayLabel_, f[0].right - 110, y + 4, 70, 18);
  Place(menuDelayOff_, f[0].left + 12, y + kRow + 4, captionWidth + 100, 20);
  helpAt(0, f[0]);
  // Sensitivity: the two tolerances.
  for (int i = 0; i < 2; ++i) {
    y = f[1].top + 20 + i * kRow;
    Place(toleranceCaption_[i], f[1].left + 12, y + 3, captionWidth, 18);
    tolerance_[i].Move(RECT{f[1].left + fieldX, y, f[1].left + fieldX + 70, y + 22});
  }
  helpAt(1, f[1]);
  // Wheel: the box on the frame's caption, the two options, the lines field in the second one's gap.
  Place(wheelOn_, f[2].left + 8, f[2].top, 22 + TextWidth(wheelOn_, services_.Text(622)), 18);
  y = f[2].top + 22;
  Place(fullScreen_, f[2].left + 12, y, captionWidth + 100, 20);
  const int optionWidth = 18 + TextWidth(lines_, CaptionBeforeGap(services_.Text(635))) + 6;
  Place(lines_, f[2].left + 12, y + kRow, optionWidth, 20);
  const int gapX = f[2].left + 12 + optionWidth + 4;
  wheelLines_.Move(RECT{gapX, y + kRow - 1, gapX + 56, y + kRow + 21});
  Place(linesUnit_, gapX + 64, y + kRow + 2, 220, 18);
  helpAt(2, f[2]);
  // Hardware: scan rate with its unit, fast initialisation.
  y = f[3].top + 20;
  Place(scanCaption_, f[3].left + 12, y + 3, captionWidth, 18);
  scanRate_.Move(RECT{f[3].left + fieldX, y, f[3].left + fieldX + 70, y + 22});
  Place(scanUnit_, f[3].left + fieldX + 78, y + 3, 160, 18);
  Place(fastInit_, f[3].left + 12, y + kRow + 2, captionWidth + 100, 20);
  helpAt(3, f[3]);
  // Controls over the frames: above them in the drawing order.
  for (HWND w : Windows())
    if (w) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(delayLabel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace kv
