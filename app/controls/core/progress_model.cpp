// Properties, position and StepIt of the progress bar (see progress_model.h).
#include "app/controls/core/progress_model.h"

#include <cstdint>

namespace kv::controls {

ProgressModel::ProgressModel(const ProgressProperties& p) : props_(p) {
  SetRange(p.min, p.max);
  position_ = Low();
}

bool ProgressModel::SetOrientation(ProgressOrientation o) {
  const bool changed = props_.orientation != o;
  props_.orientation = o;
  return changed;
}

bool ProgressModel::SetSmooth(bool smooth) {
  const bool changed = props_.smooth != smooth;
  props_.smooth = smooth;
  return changed;
}

bool ProgressModel::SetBorderStyle(int style) {
  const int normalised = style == 0 ? 0 : 1;
  const bool changed = props_.borderStyle != normalised;
  props_.borderStyle = normalised;
  return changed;
}

void ProgressModel::SetRange(int min, int max) {
  props_.min = min;
  props_.max = max;
  position_ = Clamp(position_);
}

void ProgressModel::SetPosition(int position) { position_ = Clamp(position); }

void ProgressModel::StepIt() {
  const std::int64_t min = Low(), max = High();
  if (min == max) return;
  const std::int64_t span = max - min;
  std::int64_t next = static_cast<std::int64_t>(position_) + props_.step;
  if (next > max) next = (next - min) % span + min;
  if (next < min) next = (next - min) % span + max;
  position_ = static_cast<int>(next);
}

}  // namespace kv::controls
