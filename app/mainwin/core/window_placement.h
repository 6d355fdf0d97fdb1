// Main-window placement arithmetic, all in twips.
#pragma once

namespace kv {

struct TwipRect {
  int Left, Top, Width, Height;
};

constexpr int kWorkBackHeight = 6555;  // height of the client-area box the window is sized around

// New window height so that the client-area box is exactly kWorkBackHeight high.
inline int HeightForWorkBack(int windowHeight, int workBackHeight) {
  return windowHeight - (workBackHeight - kWorkBackHeight);
}

struct PlacementInput {
  int ScreenWidth, ScreenHeight;   // twips
  int WindowWidth, WindowHeight;   // outer size
  int InnerWidth, InnerHeight;     // client size
  bool SaveLastWinPos;
  bool HasStoredLeft, HasStoredTop;
  int StoredLeft, StoredTop;
};

// Left/top of the window: the stored position clamped onto the screen, or centred.
void PlaceMainWindow(const PlacementInput& in, int* left, int* top);

// Splash (About) position stored at exit: centred over the main window.
constexpr int kAboutHalfWidth = 2640;
constexpr int kAboutHalfHeight = 1867;

// What exit writes: positions only in the normal window state (a maximised or minimised window keeps
// the previously saved position).
struct ExitPositions {
  bool Write;
  int WinLeft, WinTop, AboutLeft, AboutTop;
};
ExitPositions PositionsAtExit(bool normalState, const TwipRect& window);

}  // namespace kv
