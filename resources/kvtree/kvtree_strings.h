// String ids of kvtree.dll (German at N, English at N + 1000).
#pragma once

#define IDS_KVTREE_ABOUT_CAPTION 100
#define IDS_KVTREE_ABOUT_TEXT 101
