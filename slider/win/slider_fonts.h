// The fonts a slider draws its scale with: the font parts of its properties over the container's
// font, in a normal and a bold cut; also measures label texts for the layout.
#pragma once

#include <windows.h>

#include <string>

#include "slider/model/slider_layout.h"
#include "slider/model/slider_properties.h"

namespace kvslide {

class SliderFonts : public TextMeasure {
 public:
  SliderFonts() = default;
  ~SliderFonts();
  SliderFonts(const SliderFonts&) = delete;
  SliderFonts& operator=(const SliderFonts&) = delete;

  // Recreates the fonts when the font parts or the container font changed.
  void Update(const SliderProperties& p, HFONT containerFont);
  HFONT Normal() const { return normal_; }
  HFONT Bold() const { return bold_; }

  int TextWidth(const std::string& text, bool bold) const override;
  int TextHeight() const override;

 private:
  void Release();
  HFONT normal_ = nullptr, bold_ = nullptr;
  std::string key_;
  int height_ = 13;
};

}  // namespace kvslide
