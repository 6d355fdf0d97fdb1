// Fade-out opacity sequence (see fade.h).
#include "dialogs/core/fade.h"

namespace kvdlg {

std::vector<int> FadeSequence(int step) {
  std::vector<int> values;
  if (step <= 0 || step > 255) {
    values.push_back(255);
    return values;
  }
  for (int alpha = 255; alpha >= 0; alpha -= step) values.push_back(alpha);
  return values;
}

}  // namespace kvdlg
