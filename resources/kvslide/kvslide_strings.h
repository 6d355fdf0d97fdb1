// String ids of kvslide.dll (German at N, English at N + 1000).
#pragma once

#define IDS_KVSLIDE_ABOUT_CAPTION 100
#define IDS_KVSLIDE_ABOUT_TEXT 101
