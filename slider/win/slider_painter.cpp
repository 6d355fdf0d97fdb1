// Slider drawing with GDI. Shapes are worked out in axis terms (along, across) where both
// orientations share them, and mapped to screen points at the end.
#include "slider/win/slider_painter.h"

#include <olectl.h>

#include "activex/ole_functions.h"

#include <algorithm>
#include <vector>

namespace kvslide {
namespace {

const COLORREF kHighlight = RGB(255, 255, 255);
const COLORREF kLight = RGB(223, 223, 223);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kDarkShadow = RGB(64, 64, 64);
const COLORREF kGrooveFill = RGB(150, 150, 150);

COLORREF Translate(uint32_t oleColour) { return kv::ole::TranslateColor(static_cast<OLE_COLOR>(oleColour)); }

COLORREF Blend(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

void Fill(HDC dc, const Rect& r, COLORREF colour) {
  RECT box = {r.left, r.top, r.right, r.bottom};
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Frame(HDC dc, const Rect& r, COLORREF topLeft, COLORREF bottomRight) {
  Line(dc, r.left, r.bottom - 1, r.left, r.top, topLeft);
  Line(dc, r.left, r.top, r.right - 1, r.top, topLeft);
  Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, bottomRight);
  Line(dc, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1, bottomRight);
}

Rect Inset(const Rect& r, int d) { return Rect{r.left + d, r.top + d, r.right - d, r.bottom - d}; }

void DrawBorder(HDC dc, const Rect& r, int16_t style, COLORREF lineColour) {
  if (r.Empty()) return;
  switch (static_cast<Border>(style)) {
    case Border::Regular: Frame(dc, r, lineColour, lineColour); break;
    case Border::Raised:
      Frame(dc, r, kLight, kDarkShadow);
      Frame(dc, Inset(r, 1), kHighlight, kShadow);
      break;
    case Border::Lowered:
      Frame(dc, r, kShadow, kHighlight);
      Frame(dc, Inset(r, 1), kDarkShadow, kLight);
      break;
    default: break;
  }
}

// A convex polygon filled with `face`, its edges lit from the top left.
void Bevelled(HDC dc, const std::vector<POINT>& points, COLORREF face, bool pressed) {
  HBRUSH brush = CreateSolidBrush(face);
  HPEN pen = CreatePen(PS_SOLID, 1, face);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polygon(dc, points.data(), static_cast<int>(points.size()));
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
  // Points run clockwise on screen, so an edge's outward normal is (dy, -dx).
  for (size_t i = 0; i < points.size(); ++i) {
    POINT a = points[i], b = points[(i + 1) % points.size()];
    int nx = b.y - a.y, ny = -(b.x - a.x);
    bool lit = (nx + ny < 0) != pressed;
    Line(dc, a.x, a.y, b.x, b.y, lit ? kHighlight : kDarkShadow);
  }
}

// Thumb outline in axis terms: along runs 0..length, across 0..width; the scale side is across = width.
std::vector<POINT> ThumbOutline(const SliderLayout& l, ThumbShape shape) {
  const Rect& t = l.thumb;
  const int a0 = l.vertical ? t.top : t.left, a1 = (l.vertical ? t.bottom : t.right) - 1;
  const int c0 = l.vertical ? t.left : t.top, c1 = (l.vertical ? t.right : t.bottom) - 1;
  const int mid = (a0 + a1) / 2;
  const int tip = std::max(2, std::min((a1 - a0) / 2 + 1, (c1 - c0) / 3));
  std::vector<POINT> axis;  // x = along, y = across, clockwise when along is x
  switch (shape) {
    case ThumbShape::Point1:
      axis = {{a0, c0}, {a1, c0}, {a1, c1 - tip}, {mid, c1}, {a0, c1 - tip}};
      break;
    case ThumbShape::Point2:
      axis = {{mid, c0}, {a1, c0 + tip}, {a1, c1 - tip}, {mid, c1}, {a0, c1 - tip}, {a0, c0 + tip}};
      break;
    default:
      axis = {{a0, c0}, {a1, c0}, {a1, c1}, {a0, c1}};
      break;
  }
  if (!l.vertical) return axis;
  // Swapping the axes mirrors the shape: swap each point and reverse to stay clockwise.
  std::vector<POINT> screen;
  for (auto it = axis.rbegin(); it != axis.rend(); ++it) screen.push_back(POINT{it->y, it->x});
  return screen;
}

void DrawThumb(HDC dc, const SliderLayout& l, const SliderProperties& p, const PaintState& state, SliderHost& host) {
  if (l.thumb.Empty()) return;
  ThumbShape shape = static_cast<ThumbShape>(p.thumbStyle);
  if (shape == ThumbShape::User) {
    RECT box = {l.thumb.left, l.thumb.top, l.thumb.right, l.thumb.bottom};
    if (host.DrawPicture(PictureSlot::Thumb, dc, box)) return;
    shape = ThumbShape::Regular;
  }
  COLORREF face = Translate(p.backColor);
  if (!p.enabled) face = Blend(face, kHighlight);
  std::vector<POINT> points = ThumbOutline(l, shape);
  Bevelled(dc, points, face, false);
  if (shape == ThumbShape::Regular) {
    // Inner shading and a grip line across the middle.
    Frame(dc, Inset(l.thumb, 1), face, kShadow);
    int mid = l.vertical ? (l.thumb.top + l.thumb.bottom) / 2 : (l.thumb.left + l.thumb.right) / 2;
    COLORREF grip = state.dragging ? kDarkShadow : kShadow;
    if (l.vertical) Line(dc, l.thumb.left + 3, mid, l.thumb.right - 3, mid, grip);
    else Line(dc, mid, l.thumb.top + 3, mid, l.thumb.bottom - 3, grip);
  }
}

void DrawTrack(HDC dc, const SliderLayout& l, const SliderProperties& p) {
  Rect groove = l.groove;
  if (l.vertical) { groove.top -= 2; groove.bottom += 2; }
  else { groove.left -= 2; groove.right += 2; }
  Fill(dc, groove, p.enabled ? kGrooveFill : kLight);
  Frame(dc, groove, kShadow, kHighlight);
  Frame(dc, Inset(groove, 1), kDarkShadow, kLight);
  // The filled part inside the groove's two-pixel frame, from the minimum end to the thumb.
  Rect bar = l.bar;
  if (l.vertical) { bar.left = groove.left + 2; bar.right = groove.right - 2; }
  else { bar.top = groove.top + 2; bar.bottom = groove.bottom - 2; }
  if (!bar.Empty()) Fill(dc, bar, p.enabled ? Translate(p.barColor) : Blend(Translate(p.barColor), kLight));
}

// A tick at `along` from the tick base across the axis for `length` pixels.
void Tick(HDC dc, const SliderLayout& l, int along, int length, COLORREF colour) {
  if (l.vertical) Line(dc, l.tickBase, along, l.tickBase + length, along, colour);
  else Line(dc, along, l.tickBase, along, l.tickBase + length, colour);
}

void DrawScale(HDC dc, const SliderLayout& l, const SliderProperties& p, const SliderFonts& fonts) {
  COLORREF ink = Translate(p.foreColor);
  if (!p.enabled) ink = kShadow;
  if (l.rulerLine && !l.majorTicks.empty()) {
    int a0 = l.majorTicks.front(), a1 = l.majorTicks.back() + 1;
    if (l.vertical) Line(dc, l.tickBase, a0, l.tickBase, a1, ink);
    else Line(dc, a0, l.tickBase, a1, l.tickBase, ink);
  }
  for (int along : l.minorTicks) Tick(dc, l, along, l.minorLength, ink);
  for (int along : l.majorTicks) Tick(dc, l, along, l.majorLength, ink);

  SetTextColor(dc, ink);
  SetBkMode(dc, TRANSPARENT);
  for (const ScaleLabel& label : l.labels) {
    HGDIOBJ old = SelectObject(dc, label.emphasised ? fonts.Bold() : fonts.Normal());
    RECT box = {label.box.left, label.box.top, label.box.right, label.box.bottom};
    DrawTextA(dc, label.text.c_str(), static_cast<int>(label.text.size()), &box,
              DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | (l.vertical ? DT_LEFT : DT_CENTER) | DT_VCENTER);
    SelectObject(dc, old);
  }
}

}  // namespace

void PaintSlider(HDC dc, const SliderLayout& l, const SliderProperties& p, const SliderFonts& fonts,
                 const PaintState& state, SliderHost& host) {
  Fill(dc, l.client, Translate(p.backColor));
  RECT innerBox = {l.inner.left, l.inner.top, l.inner.right, l.inner.bottom};
  bool userBack = static_cast<ScaleType>(p.sliderType) == ScaleType::User &&
                  host.DrawPicture(PictureSlot::Back, dc, innerBox);
  if (!userBack) Fill(dc, l.inner, Translate(p.innerColor));
  DrawBorder(dc, l.inner, p.innerBorder, Translate(p.borderColor));
  DrawTrack(dc, l, p);
  DrawScale(dc, l, p, fonts);
  DrawThumb(dc, l, p, state, host);
  DrawBorder(dc, l.client, p.outerBorder, Translate(p.borderColor));
  if (state.focused) {
    // Just inside the inner area's border, clear of the labels.
    int edge = BorderThickness(p.innerBorder);
    RECT focus = {l.inner.left + edge, l.inner.top + edge, l.inner.right - edge, l.inner.bottom - edge};
    if (focus.right > focus.left && focus.bottom > focus.top) {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      DrawFocusRect(dc, &focus);
    }
  }
}

}  // namespace kvslide
