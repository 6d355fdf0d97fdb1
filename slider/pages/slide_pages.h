// kvSlide's two property pages ("General", "Border"): class-table creation functions for
// kvslide.dll. Class ids: activex/property_page/page_clsids.h.
#pragma once

#include <windows.h>

namespace kvslide::pages {

HRESULT CreateGeneralPage(REFIID iid, void** object);
HRESULT CreateBorderPage(REFIID iid, void** object);

}  // namespace kvslide::pages
