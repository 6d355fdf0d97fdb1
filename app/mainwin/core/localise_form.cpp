// Form localisation rules (see localise_form.h).
#include "app/mainwin/core/localise_form.h"

namespace kv {

int DesignedTextId(const std::string& text) {
  std::size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return -1;
  std::size_t e = text.find_last_not_of(' ');
  if (e - b + 1 > 9) return -1;
  int value = 0;
  for (std::size_t i = b; i <= e; ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool LocaliseText(std::string& text, int floor, const Texts& texts) {
  int id = DesignedTextId(text);
  if (id <= floor) return false;
  text = texts(id);
  return true;
}

void LocaliseForm(FormTexts& form, const Texts& texts) {
  if (form.Caption) LocaliseText(*form.Caption, kFormCaptionFloor, texts);
  for (std::string* s : form.ControlCaptions) LocaliseText(*s, kControlCaptionFloor, texts);
  for (std::vector<std::string>* list : form.ComboEntries)
    for (std::string& s : *list) LocaliseText(s, kControlCaptionFloor, texts);
  for (std::string* s : form.BarTexts) LocaliseText(*s, kBarTextFloor, texts);
  for (std::string* s : form.TabCaptions) LocaliseText(*s, kTabCaptionFloor, texts);
}

}  // namespace kv
