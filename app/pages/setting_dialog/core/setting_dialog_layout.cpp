// Layout of the setting dialog (see setting_dialog_layout.h). All measures below are twips.
#include "app/pages/setting_dialog/core/setting_dialog_layout.h"

namespace kv {

namespace {

constexpr int kWidth = 6900;
constexpr int kMargin = 180;
constexpr int kLineHeight = 255;
constexpr int kFieldHeight = 330;
constexpr int kSliderHeight = 720;
constexpr int kUpDownWidth = 1500;
constexpr int kUnitWidth = 1200;
constexpr int kGap = 120;
constexpr int kFrameInset = 210;
constexpr int kButtonWidth = 1215, kButtonHeight = 375;

DialogRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

DialogRect ToPixels(const DialogRect& r, int tpp) {
  auto px = [tpp](int twips) { return (twips + tpp / 2) / tpp; };
  return {px(r.left), px(r.top), px(r.right), px(r.bottom)};
}

}  // namespace

SettingDialogLayout LayoutSettingDialog(bool narrowText, int twipsPerPixel) {
  const int tpp = twipsPerPixel < 1 ? 15 : twipsPerPixel;
  SettingDialogLayout t;
  t.caption = Box(kMargin, 150, kWidth - 2 * kMargin, kLineHeight);
  t.prompt = Box(kMargin, t.caption.bottom + 90, kWidth - 2 * kMargin, 3 * 195 + 30);
  t.tab = Box(kMargin, t.prompt.bottom + 150, kWidth - 2 * kMargin, 1950);
  t.frame = {t.tab.left + 150, t.tab.top + 420, t.tab.right - 150, t.tab.bottom - 150};

  const int left = t.frame.left + kFrameInset, right = t.frame.right - kFrameInset;
  // Each panel sits in the middle of the frame's room below its caption.
  const int roomTop = t.frame.top + 270, room = t.frame.bottom - 120 - roomTop;
  const int row = roomTop + (room - kSliderHeight) / 2, fieldRow = roomTop + (room - kFieldHeight) / 2;
  const int fieldWidth = narrowText ? kNarrowTextFieldTwips : right - left;
  t.text = Box(left, fieldRow, fieldWidth, kFieldHeight);
  t.textUnit = {t.text.right + kGap, fieldRow + 45, right, fieldRow + 45 + kLineHeight};
  t.upDown = Box(left, fieldRow, kUpDownWidth, kFieldHeight);
  t.upDownUnit = {t.upDown.right + kGap, fieldRow + 45, right, fieldRow + 45 + kLineHeight};
  t.slider = {left, row, right - kUnitWidth - kGap, row + kSliderHeight};
  t.sliderLabel = {t.slider.right + kGap, row + (kSliderHeight - kLineHeight) / 2, right,
                   row + (kSliderHeight + kLineHeight) / 2};

  const int buttonsTop = t.tab.bottom + 210;
  t.cancel = Box(kWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
  t.ok = Box(t.cancel.left - kGap - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);

  SettingDialogLayout p;
  p.clientWidth = (kWidth + tpp / 2) / tpp;
  p.clientHeight = (t.cancel.bottom + kMargin + tpp / 2) / tpp;
  DialogRect SettingDialogLayout::*rects[] = {
      &SettingDialogLayout::caption, &SettingDialogLayout::prompt,     &SettingDialogLayout::tab,
      &SettingDialogLayout::frame,   &SettingDialogLayout::text,       &SettingDialogLayout::textUnit,
      &SettingDialogLayout::upDown,  &SettingDialogLayout::upDownUnit, &SettingDialogLayout::slider,
      &SettingDialogLayout::sliderLabel, &SettingDialogLayout::ok,     &SettingDialogLayout::cancel};
  for (auto member : rects) p.*member = ToPixels(t.*member, tpp);
  return p;
}

}  // namespace kv
