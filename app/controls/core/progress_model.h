// Model of the progress bar `Progress`: stored properties (Orientation, Smooth, BorderStyle, colours,
// Min/Max/Step) and the run-time Position with StepIt. A change of Orientation, Smooth or
// BorderStyle needs a new system bar; the window recreates it and passes the model's state again.
#pragma once

#include "app/controls/core/value_range.h"

#include "app/controls/core/control_colour.h"

namespace kv::controls {

enum class ProgressOrientation { Horizontal = 0, Vertical = 1 };

struct ProgressProperties {
  ProgressOrientation orientation = ProgressOrientation::Horizontal;
  bool smooth = false;
  int borderStyle = 1;  // 0 none, 1 fixed single
  Colour foreColor = kSysHighlight;
  Colour backColor = kSysButtonFace;
  int min = 0;
  int max = 100;
  int step = 1;
};

class ProgressModel {
 public:
  explicit ProgressModel(const ProgressProperties& p = {});

  const ProgressProperties& Properties() const { return props_; }
  int Position() const { return position_; }
  int Low() const { return RangeLow(props_.min, props_.max); }
  int High() const { return RangeHigh(props_.min, props_.max); }

  // These return true when the system bar must be recreated (its window style changes).
  bool SetOrientation(ProgressOrientation o);
  bool SetSmooth(bool smooth);
  bool SetBorderStyle(int style);

  void SetForeColor(Colour c) { props_.foreColor = c; }
  void SetBackColor(Colour c) { props_.backColor = c; }
  // The position is kept inside the range (a Min above Max is allowed while both are being set).
  void SetRange(int min, int max);
  void SetMin(int min) { SetRange(min, props_.max); }
  void SetMax(int max) { SetRange(props_.min, max); }
  void SetStep(int step) { props_.step = step; }
  void SetPosition(int position);
  // Advances by Step; past Max it starts over from Min (past Min backwards, from Max), as the system bar does.
  void StepIt();

 private:
  int Clamp(int v) const { return ClampToRange(v, props_.min, props_.max); }
  ProgressProperties props_;
  int position_ = 0;
};

}  // namespace kv::controls
