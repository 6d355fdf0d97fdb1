// What a property page shows: a title and a list of fields, each bound by name to one property of
// the control's automation interface. A control's pages are tables of these (see treelist/pages,
// slider/pages); property_page.h turns a table into an IPropertyPage object.
#pragma once

#include <cstddef>

namespace kv::pages {

enum class FieldKind {
  Number,  // edit box, whole number within [minimum, maximum]
  Text,    // edit box, any text
  Check,   // check box (Boolean property); the label is the box's text
  Choice,  // drop-down list of an enumeration: values 0 .. choiceCount-1
  Colour,  // edit box, colour as "&H00BBGGRR&"
};

// Short names for page tables: `using namespace kv::pages::field_kinds;`.
namespace field_kinds {
constexpr FieldKind kNumber = FieldKind::Number, kText = FieldKind::Text, kCheck = FieldKind::Check,
                    kChoice = FieldKind::Choice, kColour = FieldKind::Colour;
}  // namespace field_kinds

struct Field {
  FieldKind kind;
  int labelId;              // string id of the label (German; English at + 1000)
  const wchar_t* property;  // name of the property in the control's type library
  int choicesId = 0;        // Choice: string ids of the values, one after another
  int choiceCount = 0;
  long minimum = -32768;  // Number: the property's range (16-bit unless said otherwise)
  long maximum = 32767;
};

class PagePart;  // page_part.h
using PartFactory = PagePart* (*)();

struct PageDefinition {
  int titleId;  // string id of the tab title
  const Field* fields;
  size_t count;
  PartFactory part = nullptr;  // optional: makes the page's PagePart (placed right of the fields)
};

// String ids the page machinery itself needs; every DLL with pages includes page_strings.rc.
constexpr int kInvalidValueTextId = 290;  // message for a field whose text is not a valid value
constexpr int kNumberRangeTextId = 291;   // its second line for a number field: the range

}  // namespace kv::pages
