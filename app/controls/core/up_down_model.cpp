// Text and range rules of the number field (see up_down_model.h).
#include "app/controls/core/up_down_model.h"

#include <climits>
#include <cstdint>

namespace kv::controls {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::optional<int> ParseFieldNumber(const std::string& text) {
  size_t i = 0, end = text.size();
  while (i < end && IsBlank(text[i])) ++i;
  while (end > i && IsBlank(text[end - 1])) --end;
  bool negative = false;
  if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == end) return std::nullopt;
  std::int64_t magnitude = 0;
  for (; i < end; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (c - '0');  // stops growing once past 32 bits
  }
  std::int64_t v = negative ? -magnitude : magnitude;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  return static_cast<int>(v);
}

UpDownModel::UpDownModel(const UpDownProperties& p) : props_(p) {
  SetStep(p.step);
  props_.value = Clamp(p.value);
}

std::string UpDownModel::Text() const { return std::to_string(props_.value); }

void UpDownModel::SetRange(int min, int max) {
  props_.min = min;
  props_.max = max;
  props_.value = Clamp(props_.value);
}

void UpDownModel::SetStep(int step) { props_.step = step < 1 ? 1 : step; }

void UpDownModel::SetValue(int value) { props_.value = Clamp(value); }

UpDownReaction UpDownModel::TextChanged(const std::string& text) {
  UpDownReaction r;
  r.raiseUpdate = true;
  if (std::optional<int> n = ParseFieldNumber(text)) {
    props_.value = *n;
  } else {
    props_.value = props_.min;
    r.replaceText = std::to_string(props_.min);
  }
  return r;
}

UpDownReaction UpDownModel::FocusLost(const std::string& text) {
  UpDownReaction r;
  std::optional<int> n = ParseFieldNumber(text);
  const int current = n ? *n : props_.min;
  const int kept = Clamp(current);
  if (!n || kept != current || text != std::to_string(kept)) {
    // The replacement text changes the box, and that change raises Update through TextChanged.
    props_.value = kept;
    r.replaceText = std::to_string(kept);
  }
  return r;
}

std::string UpDownModel::Arrow(bool up) {
  const std::int64_t next = static_cast<std::int64_t>(Clamp(props_.value)) + (up ? props_.step : -props_.step);
  const std::int64_t low = Low(), high = High();
  props_.value = static_cast<int>(next < low ? low : (next > high ? high : next));
  return Text();
}

void UpDownModel::AccelerationTable(UpDownAccel out[2]) const {
  const unsigned step = static_cast<unsigned>(props_.step);
  out[0] = UpDownAccel{0, step};
  const std::uint64_t fast = static_cast<std::uint64_t>(step) * 5u;
  out[1] = UpDownAccel{2, fast > INT_MAX ? step : static_cast<unsigned>(fast)};
}

}  // namespace kv::controls
