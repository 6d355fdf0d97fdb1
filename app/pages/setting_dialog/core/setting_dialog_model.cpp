// The setting input dialog's rules (see setting_dialog_model.h).
#include "app/pages/setting_dialog/core/setting_dialog_model.h"

#include "app/catalogue/number_text.h"

namespace kv {

SettingDialogModel::SettingDialogModel(FunctionEngine& engine, const Catalogue& catalogue)
    : engine_(engine), catalogue_(catalogue) {}

void SettingDialogModel::BeginLoad(int function) {
  function_ = function;
  loading_ = true;
  okEnabled_ = false;
  closed_ = false;
  result_ = kSettingNotApplied;
  panel_ = SettingPanel::None;
  caption_.clear();
  prompt_.clear();
  unit_.clear();
  sliderLabel_.clear();
  text_.clear();

  const FunctionRecord* f = catalogue_.Function(function);
  if (f == nullptr) return;
  caption_ = f->Caption;
  prompt_ = f->InputPrompt;
  unit_ = f->Unit;
  rangeMin_ = f->Minimum;
  rangeMax_ = f->Maximum;
  step_ = f->Increment < 1 ? 1 : f->Increment;

  if (f->InputKind == InputText) {
    panel_ = SettingPanel::Text;
    text_ = engine_.ReadValueText(function);
  } else if (f->InputKind == InputNumber &&
             (f->NumberStyle == kNumberStyleSlider || f->NumberStyle == kNumberStyleUpDown)) {
    panel_ = f->NumberStyle == kNumberStyleSlider ? SettingPanel::Slider : SettingPanel::UpDown;
    // The controls keep their value inside the range; the model shows what they will show.
    number_ = ClampToRange(NumberOfText(engine_.ReadNumberText(function)));
    sliderLabel_ = std::to_string(number_) + unit_;
  }
}

std::int32_t SettingDialogModel::ClampToRange(std::int32_t value) const {
  const std::int32_t low = rangeMin_ < rangeMax_ ? rangeMin_ : rangeMax_;
  const std::int32_t high = rangeMin_ < rangeMax_ ? rangeMax_ : rangeMin_;
  return value < low ? low : value > high ? high : value;
}

void SettingDialogModel::UserChange() {
  if (!loading_ && panel_ != SettingPanel::None) okEnabled_ = true;
}

void SettingDialogModel::TextChanged(const std::string& text) {
  text_ = text;
  UserChange();
}

void SettingDialogModel::UpDownChanged(std::int32_t value) {
  number_ = value;
  UserChange();
}

void SettingDialogModel::SlideChanged(std::int16_t value) {
  number_ = value;
  sliderLabel_ = std::to_string(number_) + unit_;
  UserChange();
}

std::string SettingDialogModel::NumberResult(std::int32_t value) {
  const std::string v = std::to_string(value);
  return engine_.ApplyFunctionValue(function_, v) ? "#" + v + unit_ : kSettingNotApplied;
}

bool SettingDialogModel::PressOk() {
  if (!okEnabled_ || closed_) return false;
  result_ = kSettingNotApplied;
  switch (panel_) {
    case SettingPanel::Text:
      if (engine_.ApplyFunctionValue(function_, text_)) result_ = text_;
      break;
    case SettingPanel::Slider:
      result_ = NumberResult(static_cast<std::int16_t>(ClampToRange(number_)));
      break;
    case SettingPanel::UpDown:
      // The number box may hold more than Maximum until it loses the focus (OK by Enter keeps it):
      // what is written stays inside the range the field offers.
      result_ = NumberResult(ClampToRange(number_));
      break;
    case SettingPanel::None:
      break;
  }
  closed_ = true;
  return true;
}

void SettingDialogModel::PressCancel() {
  result_ = kSettingNotApplied;
  closed_ = true;
}

}  // namespace kv
