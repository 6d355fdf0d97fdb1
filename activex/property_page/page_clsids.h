// Class ids of the controls' property pages (IPropertyPage objects served by kvtree.dll and
// kvslide.dll). The controls name them in ISpecifyPropertyPages::GetPages in the order below,
// which is the order of the tabs in the property frame.
#pragma once

#include <windows.h>

namespace kv::pages {

// kvTreeView: "General", "More", "Columns", "Title", "Tips/Sort", "Images".
inline const CLSID CLSID_kvTreeGeneralPage = {0x6D0404B4, 0x9FA7, 0x4B84, {0x9D, 0xEB, 0xDD, 0x41, 0xA0, 0x19, 0xBD, 0x3F}};
inline const CLSID CLSID_kvTreeMorePage = {0xB3AEF459, 0xFA55, 0x4C1F, {0xA9, 0x0B, 0xD7, 0x6F, 0xCC, 0xEB, 0x91, 0x0D}};
inline const CLSID CLSID_kvTreeColumnsPage = {0x96C95B62, 0x33C6, 0x4EB5, {0xBF, 0x34, 0x77, 0x51, 0xE1, 0x0A, 0x76, 0x5A}};
inline const CLSID CLSID_kvTreeTitlePage = {0xFB0251A8, 0x04B3, 0x4A24, {0x81, 0xB5, 0x93, 0xA2, 0x33, 0x86, 0x2B, 0x5C}};
inline const CLSID CLSID_kvTreeTipsSortPage = {0x47F9C7F0, 0xF8B2, 0x4874, {0x8A, 0x16, 0x3F, 0x8A, 0x49, 0xA0, 0x95, 0x26}};
inline const CLSID CLSID_kvTreeImagesPage = {0xADA678B0, 0x5D02, 0x4813, {0x95, 0x81, 0x5C, 0xFF, 0x0C, 0xE0, 0xFD, 0xE5}};

// kvSlide: "General", "Border".
inline const CLSID CLSID_kvSlideGeneralPage = {0x22D26F8A, 0x0CF2, 0x4E22, {0xA4, 0x68, 0x95, 0x8F, 0xDC, 0xB1, 0x45, 0x1A}};
inline const CLSID CLSID_kvSlideBorderPage = {0x4666ED0B, 0x534C, 0x45B8, {0xA8, 0x53, 0x0E, 0x8E, 0xD0, 0x0F, 0x6B, 0x14}};

// The lists ISpecifyPropertyPages::GetPages hands out, in tab order.
inline const CLSID* const kTreePages[] = {&CLSID_kvTreeGeneralPage, &CLSID_kvTreeMorePage,
                                          &CLSID_kvTreeColumnsPage, &CLSID_kvTreeTitlePage,
                                          &CLSID_kvTreeTipsSortPage, &CLSID_kvTreeImagesPage};
inline const CLSID* const kSlidePages[] = {&CLSID_kvSlideGeneralPage, &CLSID_kvSlideBorderPage};

}  // namespace kv::pages
