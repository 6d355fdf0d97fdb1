// The setting input dialog FormB as a model: which input panel a text or number function gets, what its
// labels and fields show, when OK may be pressed, and what OK / Cancel / closing apply and return.
// The window (win32/setting_dialog_window.*) fills its controls from here and reports every user change.
//
//   SettingDialogModel m(engine, catalogue);
//   m.BeginLoad(n);            // reads the function and its current value; changes are not user changes
//   ...view fills its controls (their change events may arrive here: they do not enable OK)...
//   m.EndLoad();
//   m.TextChanged("abc");      // enables OK
//   m.PressOk();               // applies through the engine; Result() is the tree line's new sub-text
#pragma once

#include <cstdint>
#include <string>

#include "app/catalogue/catalogue.h"
#include "app/engine/function_engine.h"

namespace kv {

// The result of a dialog that applied nothing; the tree line keeps its sub-text.
inline constexpr const char* kSettingNotApplied = "$ERROR$";

// Index of the input panel `Back` shown; None when the function has no input of ours.
enum class SettingPanel { None = -1, Text = 0, UpDown = 1, Slider = 2 };

// NumberStyle values of number functions.
constexpr std::int16_t kNumberStyleUpDown = 0;
constexpr std::int16_t kNumberStyleSlider = 1;

// Width of the text field when a unit is shown beside it.
constexpr int kNarrowTextFieldTwips = 3150;

class SettingDialogModel {
 public:
  SettingDialogModel(FunctionEngine& engine, const Catalogue& catalogue);

  // Steps of opening: reads function n and sets every field; the loading flag stays set until EndLoad.
  void BeginLoad(int function);
  void EndLoad() { loading_ = false; }
  bool Loading() const { return loading_; }

  int Function() const { return function_; }
  SettingPanel Panel() const { return panel_; }
  const std::string& Caption() const { return caption_; }  // Label1
  const std::string& Prompt() const { return prompt_; }    // Label3
  const std::string& Unit() const { return unit_; }        // Label4 / Label5
  const std::string& SliderLabel() const { return sliderLabel_; }  // Label6

  // Text panel.
  const std::string& Text() const { return text_; }
  bool TextFieldNarrow() const { return panel_ == SettingPanel::Text && !unit_.empty(); }

  // Up-down panel: range as stored (Minimum, Maximum), step at least 1, value inside the range.
  std::int32_t UpDownMin() const { return rangeMin_; }
  std::int32_t UpDownMax() const { return rangeMax_; }
  std::int32_t UpDownStep() const { return step_; }
  std::int32_t UpDownValue() const { return number_; }

  // Slider panel: MinValue, MaxValue as stored, Value inside the range.
  std::int16_t SliderMin() const { return static_cast<std::int16_t>(rangeMin_); }
  std::int16_t SliderMax() const { return static_cast<std::int16_t>(rangeMax_); }
  std::int16_t SliderValue() const { return static_cast<std::int16_t>(number_); }

  bool OkEnabled() const { return okEnabled_; }

  // Changes reported by the controls. Outside the loading flag they enable OK.
  void TextChanged(const std::string& text);
  void UpDownChanged(std::int32_t value);
  // The slider's new Value; Label6 follows it always, also while loading.
  void SlideChanged(std::int16_t value);

  // OK: applies the value when OK is enabled and closes; false (dialog stays open) when OK is disabled.
  bool PressOk();
  // Cancel, the close box and Escape: nothing is written.
  void PressCancel();

  bool Closed() const { return closed_; }
  // The tree line's new sub-text, or "$ERROR$".
  const std::string& Result() const { return result_; }

 private:
  void UserChange();
  std::int32_t ClampToRange(std::int32_t value) const;
  std::string NumberResult(std::int32_t value);

  FunctionEngine& engine_;
  const Catalogue& catalogue_;
  int function_ = -1;
  bool loading_ = false;
  SettingPanel panel_ = SettingPanel::None;
  std::string caption_, prompt_, unit_, sliderLabel_, text_;
  std::int32_t rangeMin_ = 0, rangeMax_ = 0, step_ = 1, number_ = 0;
  bool okEnabled_ = false;
  bool closed_ = false;
  std::string result_ = kSettingNotApplied;
};

}  // namespace kv
