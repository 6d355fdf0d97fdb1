// Flat scroll bar model (see flat_scroll_model.h).
#include "dialogs/core/flat_scroll_model.h"

namespace kvdlg {

PlatformRange FlatScrollModel::Range() const {
  PlatformRange r;
  r.min = min;
  std::int64_t top = static_cast<std::int64_t>(max) + (largeChange > 0 ? largeChange : 0);
  r.max = top > 0x7fffffff ? 0x7fffffff : static_cast<std::int32_t>(top);
  r.page = largeChange > 0 ? largeChange : 0;
  return r;
}

std::int32_t FlatScrollModel::Clamp(std::int64_t v) const {
  if (v > max) v = max;
  if (v < min) v = min;
  return static_cast<std::int32_t>(v);
}

ScrollOutcome FlatScrollModel::OnScroll(ScrollCode code, std::int32_t trackPosition) const {
  ScrollOutcome out;
  auto step = [&](std::int64_t delta) {
    out.setValue = true;
    out.newValue = Clamp(static_cast<std::int64_t>(value) + delta);
    out.raiseChange = true;
  };
  switch (code) {
    case ScrollCode::LineUp: step(-static_cast<std::int64_t>(smallChange)); break;
    case ScrollCode::LineDown: step(smallChange); break;
    case ScrollCode::PageUp: step(-static_cast<std::int64_t>(largeChange)); break;
    case ScrollCode::PageDown: step(largeChange); break;
    case ScrollCode::ThumbTrack:
      out.setValue = true;
      out.newValue = trackPosition;
      out.raiseScroll = true;
      break;
    case ScrollCode::Top:
      out.setValue = true;
      out.newValue = min;
      break;
    case ScrollCode::Bottom:
      out.setValue = true;
      out.newValue = max;
      break;
    case ScrollCode::EndScroll: out.raiseChange = true; break;
    case ScrollCode::ThumbPosition:
    default: break;
  }
  return out;
}

BarKind BarKindFor(std::int32_t orientation) {
  if (orientation == 0) return BarKind::Horizontal;
  if (orientation == 1) return BarKind::Vertical;
  return BarKind::Both;
}

std::uint32_t ScrollStyleBits(BarKind kind) {
  switch (kind) {
    case BarKind::Horizontal: return 0x100000u;
    case BarKind::Vertical: return 0x200000u;
    default: return 0x300000u;
  }
}

std::int32_t ActiveBarFor(std::int32_t orientation) { return orientation == 0 ? 0 : 1; }

}  // namespace kvdlg
