// The Mouse tab's logic (see mouse_tab.h).
#include "app/pages/core/mouse_tab.h"

#include "app/catalogue/function_record.h"
#include "app/pages/core/own_tab_functions.h"

namespace kv {

NumberField MouseTabModel::FieldOf(int slot, bool withStep) const {
  NumberField field;
  field.Function = source_.SlotFunction(slot);
  if (const FunctionRecord* f = field.Function >= 0 ? source_.Function(field.Function) : nullptr) {
    field.Min = f->Minimum;
    field.Max = f->Maximum;
    if (withStep && f->Increment > 0) field.Step = f->Increment;
  } else {
    field.Function = -1;
  }
  return field;
}

void MouseTabModel::Load() {
  loading_ = true;
  state_ = MouseTabState{};
  // Menu delay: 65535 (or more) means the delayed opening is off.
  state_.MenuDelay = FieldOf(kMenuDelaySlot, false);
  const int delay = state_.MenuDelay.Function >= 0 ? ReadFunctionNumber(source_, state_.MenuDelay.Function) : 0;
  if (delay >= kMenuDelayOff) {
    state_.MenuDelayOff = true;
    state_.MenuDelay.Value = state_.MenuDelay.Min;
    state_.DelayLabelVisible = false;
  } else {
    SliderChanged(delay);
  }
  for (int i = 0; i < 2; ++i) {
    state_.Tolerance[i] = FieldOf(kDoubleClickSlot + i, false);
    if (state_.Tolerance[i].Function >= 0) state_.Tolerance[i].Value = ReadFunctionNumber(source_, state_.Tolerance[i].Function);
  }
  // Wheel: -1 a full screen, 0 off, N lines.
  state_.WheelLines = FieldOf(kWheelSlot, false);
  const int wheel = state_.WheelLines.Function >= 0 ? ReadFunctionNumber(source_, state_.WheelLines.Function) : 1;
  if (wheel < 0) state_.WheelFullScreen = true;
  else if (wheel == 0) state_.WheelOn = false;
  else state_.WheelLines.Value = wheel;
  state_.ScanRate = FieldOf(kScanRateSlot, true);
  if (state_.ScanRate.Function >= 0) state_.ScanRate.Value = ReadFunctionNumber(source_, state_.ScanRate.Function);
  state_.FastInitFunction = source_.SlotFunction(kFastInitSlot);
  if (state_.FastInitFunction >= 0 && source_.Function(state_.FastInitFunction))
    state_.FastInit = source_.ReadCheckState(state_.FastInitFunction) == 0;
  else
    state_.FastInitFunction = -1;
  loading_ = false;
}

void MouseTabModel::Write(int function, int value) {
  if (!loading_ && function >= 0) source_.ApplyFunctionValue(function, std::to_string(value));
}

void MouseTabModel::SliderChanged(int value) {
  NumberField& slider = state_.MenuDelay;
  if (value < slider.Min) value = slider.Min;
  if (value > slider.Max && slider.Max > slider.Min) value = slider.Max;
  slider.Value = value;
  state_.MenuDelayOff = false;
  state_.DelayLabelVisible = true;
  state_.DelayLabel = std::to_string(value) + " ms";
  Write(slider.Function, value);
}

void MouseTabModel::MenuDelayOffChanged(bool ticked) {
  if (!ticked) {
    SliderChanged(state_.MenuDelay.Value);
    return;
  }
  state_.MenuDelayOff = true;
  state_.MenuDelay.Value = state_.MenuDelay.Min;
  state_.DelayLabelVisible = false;
  Write(state_.MenuDelay.Function, kMenuDelayOff);
}

void MouseTabModel::ToleranceChanged(int index, int value) {
  if (index < 0 || index > 1) return;
  state_.Tolerance[index].Value = value;
  Write(state_.Tolerance[index].Function, value);
}

void MouseTabModel::WriteWheel() {
  if (!state_.WheelOn) Write(state_.WheelLines.Function, 0);
  else Write(state_.WheelLines.Function, state_.WheelFullScreen ? -1 : state_.WheelLines.Value);
}

void MouseTabModel::WheelBoxChanged(bool ticked) {
  state_.WheelOn = ticked;
  WriteWheel();
}

void MouseTabModel::WheelOptionChosen(bool fullScreen) {
  state_.WheelFullScreen = fullScreen;
  WriteWheel();
}

void MouseTabModel::WheelLinesChanged(int value) {
  state_.WheelLines.Value = value;
  if (state_.WheelOn && !state_.WheelFullScreen) WriteWheel();
}

void MouseTabModel::ScanRateChanged(int value) {
  state_.ScanRate.Value = value;
  Write(state_.ScanRate.Function, value);
}

void MouseTabModel::FastInitChanged(bool ticked) {
  state_.FastInit = ticked;
  if (!loading_ && state_.FastInitFunction >= 0) source_.ApplyFunctionState(state_.FastInitFunction, !ticked);
}

}  // namespace kv
