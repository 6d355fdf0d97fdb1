// ANSI <-> wide text between the slider's property table and the shared persistence layer.
#include "slider/com/ole_property_bag.h"

namespace kvslide {

bool ReadBag::ReadText(const char* name, std::string* out) const {
  std::wstring wide;
  if (!bag_.ReadText(name, &wide)) return false;
  out->clear();
  if (wide.empty()) return true;
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  out->resize(static_cast<size_t>(size));
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &(*out)[0], size, nullptr, nullptr);
  return true;
}

void WriteBag::WriteText(const char* name, const std::string& value) {
  std::wstring wide;
  if (!value.empty()) {
    int size = MultiByteToWideChar(CP_ACP, 0, value.data(), static_cast<int>(value.size()), nullptr, 0);
    wide.resize(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, value.data(), static_cast<int>(value.size()), &wide[0], size);
  }
  bag_.WriteText(name, wide);
}

}  // namespace kvslide
