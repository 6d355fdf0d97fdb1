// The Mouse tab of the Windows page without windows: menu delay (slider + "disable" box), the two
// mouse tolerances, wheel scrolling (box, two options, lines field), the scan rate and the fast
// initialisation box, each bound to the function in its index slot (0 to 5). The view shows `State()`
// and reports the user's changes; every change is written at once through the function engine, and
// nothing is written while the tab loads.
#pragma once

#include <string>

#include "app/pages/core/function_tree.h"

namespace kv {

// Index slots of the Mouse tab's functions.
enum MouseSlot { kMenuDelaySlot = 0, kDoubleClickSlot = 1, kDragSlot = 2, kWheelSlot = 3, kScanRateSlot = 4,
                 kFastInitSlot = 5 };

inline constexpr int kMenuDelayOff = 65535;  // stored menu delay meaning "no delayed opening"

struct NumberField {
  int Function = -1;  // function number (the control's tag); -1 when the slot is empty
  int Min = 0, Max = 0, Step = 1, Value = 0;
};

struct MouseTabState {
  NumberField MenuDelay;             // the slider
  bool MenuDelayOff = false;         // Check1
  bool DelayLabelVisible = true;     // Label2: value + " ms"
  std::string DelayLabel;
  NumberField Tolerance[2];          // UpDown1(0) double-click, UpDown1(1) drag and drop
  bool WheelOn = true;               // Check2 (frame title box)
  bool WheelFullScreen = false;      // Option1(0) selected, else Option1(1)
  NumberField WheelLines;            // UpDown2
  NumberField ScanRate;              // UpDown3
  int FastInitFunction = -1;
  bool FastInit = false;             // Check3: ticked = the function is off
};

class MouseTabModel {
 public:
  explicit MouseTabModel(FunctionSource& source) : source_(source) {}

  // Page load: reads every value (the loading flag is set meanwhile, so nothing is written).
  void Load();
  const MouseTabState& State() const { return state_; }

  // User changes; each writes its function's new value.
  void SliderChanged(int value);
  void MenuDelayOffChanged(bool ticked);
  void ToleranceChanged(int index, int value);
  void WheelBoxChanged(bool ticked);
  void WheelOptionChosen(bool fullScreen);
  // The lines field: written at once when the lines option is in force, like the page's other fields.
  void WheelLinesChanged(int value);
  void ScanRateChanged(int value);
  void FastInitChanged(bool ticked);

 private:
  NumberField FieldOf(int slot, bool withStep) const;
  void Write(int function, int value);
  void WriteWheel();

  FunctionSource& source_;
  MouseTabState state_;
  bool loading_ = false;
};

}  // namespace kv
