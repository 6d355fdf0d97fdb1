// Shared helpers of the tool pages' own (non-tree) tabs: the function behind a control's index slot
// and its value read as a number.
#pragma once

#include <string>

#include "app/pages/core/function_tree.h"

namespace kv {

// The value at the function's read location taken as its leading number; the function's default
// number when nothing is stored (or the stored text is empty), 0 when the text has no leading number.
int ReadFunctionNumber(FunctionSource& source, int number);

// Leading decimal number of a text ("-12abc" -> -12, "x" -> 0), clamped to the int range.
int LeadingNumber(const std::string& text);

}  // namespace kv
