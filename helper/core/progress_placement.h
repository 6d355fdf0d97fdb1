// Where the scan's progress window goes: centred over its owner window (whose normal position is in
// pixels, the progress window's size in twips), kept inside the screen; centred on the screen when
// the owner's placement cannot be read.
#pragma once

namespace kv::helper {

struct PixelRect {
  long Left = 0;
  long Top = 0;
  long Right = 0;
  long Bottom = 0;
};

struct TwipPoint {
  long Left = 0;
  long Top = 0;
};

struct PlacementMetrics {
  long TwipsPerPixelX = 15;
  long TwipsPerPixelY = 15;
  long WindowWidth = 0;   // twips
  long WindowHeight = 0;
  long ScreenWidth = 0;   // twips
  long ScreenHeight = 0;
};

// `ownerPlacement` is null when the owner's placement could not be read.
TwipPoint PlaceOverOwner(const PixelRect* ownerPlacement, const PlacementMetrics& m);

}  // namespace kv::helper
