// Form localisation: forms are designed with string ids as captions; at load every numeric caption
// above the threshold of its kind is replaced by the text of that id (+ language offset).
#pragma once

#include <string>
#include <vector>

#include "app/mainwin/core/text_lookup.h"

namespace kv {

// The texts of one form that localisation may replace, gathered by the form's view.
struct FormTexts {
  std::string* Caption = nullptr;               // form caption: ids > 0
  std::vector<std::string*> ControlCaptions;     // labels, buttons, frames, check boxes: ids > 499
  std::vector<std::vector<std::string>*> ComboEntries;  // every combo list entry: ids > 499
  std::vector<std::string*> BarTexts;            // band captions, tool captions, categories: ids > 399
  std::vector<std::string*> TabCaptions;         // tab captions: ids > 0
};

// Thresholds: a numeric text must be strictly greater to be replaced.
constexpr int kFormCaptionFloor = 0;
constexpr int kControlCaptionFloor = 499;
constexpr int kBarTextFloor = 399;
constexpr int kTabCaptionFloor = 0;

// The id a designed text stands for, or -1 when the text is not a plain decimal number
// (blanks around it are allowed; "12a", "", "-5" and numbers beyond 9 digits are not ids).
int DesignedTextId(const std::string& text);

// Replaces `text` by texts(id) when it is a numeric id above `floor`. Returns true when replaced.
bool LocaliseText(std::string& text, int floor, const Texts& texts);

void LocaliseForm(FormTexts& form, const Texts& texts);

}  // namespace kv
