// The fields of kvSlide's property pages: range, steps and scale on "General"; borders, colours,
// margins and thumb size on "Border". The pictures are set from code.
#include "slider/pages/slide_pages.h"

#include <iterator>

#include "activex/property_page/page_definition.h"
#include "activex/property_page/property_page.h"
#include "slider/pages/slide_page_strings.h"

namespace kvslide::pages {
namespace {

using kv::pages::Field;
using kv::pages::PageDefinition;
using namespace kv::pages::field_kinds;

// Minimum before maximum: applied in this order, so a new range wider on both ends is taken as typed.
// Range, look and font on the left (nine), scale, font style and Enabled on the right.
const Field kGeneral[] = {
    {kNumber, IDS_SLIDEFIELD_MIN, L"MinValue"},
    {kNumber, IDS_SLIDEFIELD_MAX, L"MaxValue"},
    {kNumber, IDS_SLIDEFIELD_KEYMOVE, L"KeyMove"},
    {kNumber, IDS_SLIDEFIELD_PAGEMOVE, L"PageMove"},
    {kChoice, IDS_SLIDEFIELD_STYLE, L"SliderStyle", IDS_SLIDECHOICE_STYLE, 2},
    {kChoice, IDS_SLIDEFIELD_TYPE, L"SliderType", IDS_SLIDECHOICE_TYPE, 3},
    {kChoice, IDS_SLIDEFIELD_THUMB, L"ThumbStyle", IDS_SLIDECHOICE_THUMB, 4},
    {kText, IDS_SLIDEFIELD_FONTNAME, L"FontName"},
    {kNumber, IDS_SLIDEFIELD_FONTSIZE, L"FontSize", 0, 0, 0, 200},  // 0, as empty FontName: the container's font
    {kNumber, IDS_SLIDEFIELD_SHOWMIN, L"ShowMin"},
    {kNumber, IDS_SLIDEFIELD_SHOWMAX, L"ShowMax"},
    {kNumber, IDS_SLIDEFIELD_SHOWINCREMENT, L"ShowIncrement"},
    {kNumber, IDS_SLIDEFIELD_SHOWDIVISIONS, L"ShowDivisions"},
    {kNumber, IDS_SLIDEFIELD_SHOWMULTIPLY, L"ShowMultiply"},
    {kCheck, IDS_SLIDEFIELD_FONTBOLD, L"FontBold"},
    {kCheck, IDS_SLIDEFIELD_FONTITALIC, L"FontItalic"},
    {kCheck, IDS_SLIDEFIELD_ENABLED, L"Enabled"},
};

const Field kBorder[] = {
    {kChoice, IDS_SLIDEFIELD_INNERBORDER, L"InnerBorder", IDS_SLIDECHOICE_BORDER, 4},
    {kChoice, IDS_SLIDEFIELD_OUTERBORDER, L"OuterBorder", IDS_SLIDECHOICE_BORDER, 4},
    {kColour, IDS_SLIDEFIELD_BORDERCOLOR, L"BorderColor"},
    {kColour, IDS_SLIDEFIELD_INNERCOLOR, L"InnerColor"},
    {kColour, IDS_SLIDEFIELD_BARCOLOR, L"BarColor"},
    {kColour, IDS_SLIDEFIELD_BACKCOLOR, L"BackColor"},
    {kColour, IDS_SLIDEFIELD_FORECOLOR, L"ForeColor"},
    {kNumber, IDS_SLIDEFIELD_INNERLEFT, L"InnerLeft"},
    {kNumber, IDS_SLIDEFIELD_INNERTOP, L"InnerTop"},
    {kNumber, IDS_SLIDEFIELD_INNERRIGHT, L"InnerRight"},
    {kNumber, IDS_SLIDEFIELD_INNERBOTTOM, L"InnerBottom"},
    {kNumber, IDS_SLIDEFIELD_OFFSET, L"SliderOffset"},
    {kNumber, IDS_SLIDEFIELD_THUMBHORZ, L"ThumbHorz"},
    {kNumber, IDS_SLIDEFIELD_THUMBVERT, L"ThumbVert"},
};

const PageDefinition kGeneralPage = {IDS_SLIDEPAGE_GENERAL, kGeneral, std::size(kGeneral)};
const PageDefinition kBorderPage = {IDS_SLIDEPAGE_BORDER, kBorder, std::size(kBorder)};

}  // namespace

HRESULT CreateGeneralPage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kGeneralPage, iid, object); }
HRESULT CreateBorderPage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kBorderPage, iid, object); }

}  // namespace kvslide::pages
