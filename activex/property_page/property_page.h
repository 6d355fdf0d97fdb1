// An IPropertyPage object over a page table (page_definition.h). The page reads and writes the
// control only through the IDispatch of the objects handed to SetObjects: it loads every field from
// the first object and applies changed fields to all of them. Texts come from the serving module's
// string table in the product's language (kv::com::LanguageOffset).
#pragma once

#include <windows.h>

#include "activex/property_page/page_definition.h"

namespace kv::pages {

// Window class of a page's window; its controls have the ids kFirstFieldId + field index.
constexpr char kPageWindowClass[] = "KvPropertyPage";
constexpr int kFirstFieldId = 100;

// Creates a page object (reference count 1 handed out through `iid`); for a class table entry.
HRESULT CreatePropertyPage(const PageDefinition& page, REFIID iid, void** object);

}  // namespace kv::pages
