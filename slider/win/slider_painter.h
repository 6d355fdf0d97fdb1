// Draws a slider from its layout: background, borders, inner area, track with the filled bar,
// scale, thumb and focus rectangle.
#pragma once

#include <windows.h>

#include "slider/model/slider_layout.h"
#include "slider/model/slider_properties.h"
#include "slider/win/slider_fonts.h"
#include "slider/win/slider_host.h"

namespace kvslide {

struct PaintState {
  bool focused = false;
  bool dragging = false;
};

void PaintSlider(HDC dc, const SliderLayout& layout, const SliderProperties& p, const SliderFonts& fonts,
                 const PaintState& state, SliderHost& host);

}  // namespace kvslide
