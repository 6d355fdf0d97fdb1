// kvTreeView's six property pages ("General", "More", "Columns", "Title", "Tips/Sort", "Images"):
// class-table creation functions for kvtree.dll. Class ids: activex/property_page/page_clsids.h.
#pragma once

#include <windows.h>

namespace kv::tree::pages {

HRESULT CreateGeneralPage(REFIID iid, void** object);
HRESULT CreateMorePage(REFIID iid, void** object);
HRESULT CreateColumnsPage(REFIID iid, void** object);
HRESULT CreateTitlePage(REFIID iid, void** object);
HRESULT CreateTipsSortPage(REFIID iid, void** object);
HRESULT CreateImagesPage(REFIID iid, void** object);

}  // namespace kv::tree::pages
