// The fields of kvTreeView's property pages. Only properties that take effect in the control are
// offered here; pictures and fonts are set from code (they need objects a text field cannot hold).
#include "treelist/pages/tree_pages.h"

#include <iterator>

#include "activex/property_page/page_definition.h"
#include "activex/property_page/property_page.h"
#include "treelist/pages/column_editor.h"
#include "treelist/pages/tree_page_strings.h"

namespace kv::tree::pages {
namespace {

using kv::pages::Field;
using kv::pages::PageDefinition;
using namespace kv::pages::field_kinds;

// Two columns of seven: look and font on the left, behaviour on the right.
const Field kGeneral[] = {
    {kChoice, IDS_TREEFIELD_BORDER, L"BorderType", IDS_TREECHOICE_BORDER, 4},
    {kChoice, IDS_TREEFIELD_PICTYPE, L"PictureType", IDS_TREECHOICE_PICTYPE, 4},
    {kChoice, IDS_TREEFIELD_LINETYPE, L"LineType", IDS_TREECHOICE_LINETYPE, 2},
    {kText, IDS_TREEFIELD_PATHSEP, L"PathSeparator"},
    {kText, IDS_TREEFIELD_FONTNAME, L"FontName"},
    {kNumber, IDS_TREEFIELD_FONTSIZE, L"FontSize", 0, 0, 1, 200},
    {kCheck, IDS_TREEFIELD_ENABLED, L"Enabled"},
    {kCheck, IDS_TREEFIELD_TREELINES, L"TreeLines"},
    {kCheck, IDS_TREEFIELD_MULTISELECT, L"MultiSelect"},
    {kCheck, IDS_TREEFIELD_EXPANDDCLICK, L"ExpandOnDClick"},
    {kCheck, IDS_TREEFIELD_CLOSECOLLAPSE, L"CloseOnCollapse"},
    {kCheck, IDS_TREEFIELD_LABELEDIT, L"LabelEdit"},
    {kCheck, IDS_TREEFIELD_FONTBOLD, L"FontBold"},
    {kCheck, IDS_TREEFIELD_FONTITALIC, L"FontItalic"},
};

const Field kMore[] = {
    {kNumber, IDS_TREEFIELD_HEIGHTOFFSET, L"HeightOffset"},
    {kNumber, IDS_TREEFIELD_TEXTX, L"TextXOffset"},
    {kNumber, IDS_TREEFIELD_TEXTY, L"TextYOffset"},
    {kNumber, IDS_TREEFIELD_PICX, L"PicXOffset"},
    {kNumber, IDS_TREEFIELD_PICY, L"PicYOffset"},
    {kChoice, IDS_TREEFIELD_SELSTYLE, L"SelectedStyle", IDS_TREECHOICE_SELECT, 3},
    {kChoice, IDS_TREEFIELD_FOCUS, L"FocusType", IDS_TREECHOICE_FOCUS, 2},
    {kCheck, IDS_TREEFIELD_SCROLLTHUMB, L"ScrollOnVThumb"},
    {kColour, IDS_TREEFIELD_BACKCOLOR, L"BackColor"},
    {kColour, IDS_TREEFIELD_FORECOLOR, L"ForeColor"},
    {kColour, IDS_TREEFIELD_SELBACK, L"SelectedBackColor"},
    {kColour, IDS_TREEFIELD_SELFORE, L"SelectedForeColor"},
    {kColour, IDS_TREEFIELD_LINECOLOR, L"TreeLineColor"},
    {kColour, IDS_TREEFIELD_SUBTEXTCOLOR, L"SubTextColor"},
    {kColour, IDS_TREEFIELD_BORDERCOLOR, L"BorderColor"},
    {kCheck, IDS_TREEFIELD_SMALLICONS, L"SmallIcons"},
};

const Field kColumns[] = {
    {kCheck, IDS_TREEFIELD_SHOWHEADER, L"ShowHeader"},
    {kChoice, IDS_TREEFIELD_ALIGN, L"HeaderAlign", IDS_TREECHOICE_ALIGN, 3},
    {kChoice, IDS_TREEFIELD_BARBORDER, L"HeaderBorder", IDS_TREECHOICE_TITLES, 3},
    {kNumber, IDS_TREEFIELD_EXTRAHEIGHT, L"HeaderOffset"},
    {kNumber, IDS_TREEFIELD_OFFSETX, L"HeaderXOffset"},
    {kNumber, IDS_TREEFIELD_OFFSETY, L"HeaderYOffset"},
    {kColour, IDS_TREEFIELD_BARBACK, L"HeaderBackColor"},
    {kColour, IDS_TREEFIELD_BARFORE, L"HeaderForeColor"},
};

const Field kTitle[] = {
    {kCheck, IDS_TREEFIELD_SHOWTITLE, L"ShowTitle"},
    {kText, IDS_TREEFIELD_TITLETEXT, L"TitleText"},
    {kChoice, IDS_TREEFIELD_ALIGN, L"TitleAlign", IDS_TREECHOICE_ALIGN, 3},
    {kChoice, IDS_TREEFIELD_BARBORDER, L"TitleBorder", IDS_TREECHOICE_TITLES, 3},
    {kNumber, IDS_TREEFIELD_EXTRAHEIGHT, L"TitleOffset"},
    {kNumber, IDS_TREEFIELD_OFFSETX, L"TitleXOffset"},
    {kNumber, IDS_TREEFIELD_OFFSETY, L"TitleYOffset"},
    {kColour, IDS_TREEFIELD_BARBACK, L"TitleBackColor"},
    {kColour, IDS_TREEFIELD_BARFORE, L"TitleForeColor"},
};

const Field kTipsSort[] = {
    {kCheck, IDS_TREEFIELD_SHOWTIPS, L"TipsDisplay"},
    {kChoice, IDS_TREEFIELD_TIPSTYPE, L"TipsType", IDS_TREECHOICE_TIPSTYPE, 4},
    {kChoice, IDS_TREEFIELD_TIPSPOSN, L"TipsPosition", IDS_TREECHOICE_TIPSPOSN, 2},
    {kNumber, IDS_TREEFIELD_TIPSDELAY, L"TipsDelay", 0, 0, 0, 32767},
    {kNumber, IDS_TREEFIELD_TIPSDISTANCE, L"TipsDistance"},
    {kColour, IDS_TREEFIELD_BARBACK, L"TipsBackColor"},
    {kColour, IDS_TREEFIELD_BARFORE, L"TipsForeColor"},
    {kChoice, IDS_TREEFIELD_SORTDIR, L"SortDirection", IDS_TREECHOICE_SORTDIR, 2},
    {kNumber, IDS_TREEFIELD_SORTCOLUMN, L"SortColumn", 0, 0, 0, 32767},
    {kCheck, IDS_TREEFIELD_SORTCASE, L"SortOnCase"},
};

const Field kImages[] = {
    {kCheck, IDS_TREEFIELD_USEIMAGELIST, L"UseImageList"},
    {kNumber, IDS_TREEFIELD_PICCOLS, L"PicCols", 0, 0, 1, 32767},
    {kNumber, IDS_TREEFIELD_PICROWS, L"PicRows", 0, 0, 1, 32767},
    {kColour, IDS_TREEFIELD_MASKCOLOR, L"MaskColor"},
    {kNumber, IDS_TREEFIELD_HEADERPICCOLS, L"HeaderPicCols", 0, 0, 1, 32767},
    {kNumber, IDS_TREEFIELD_HEADERPICROWS, L"HeaderPicRows", 0, 0, 1, 32767},
};

const PageDefinition kGeneralPage = {IDS_TREEPAGE_GENERAL, kGeneral, std::size(kGeneral)};
const PageDefinition kMorePage = {IDS_TREEPAGE_MORE, kMore, std::size(kMore)};
const PageDefinition kColumnsPage = {IDS_TREEPAGE_COLUMNS, kColumns, std::size(kColumns), NewColumnEditor};
const PageDefinition kTitlePage = {IDS_TREEPAGE_TITLE, kTitle, std::size(kTitle)};
const PageDefinition kTipsSortPage = {IDS_TREEPAGE_TIPSSORT, kTipsSort, std::size(kTipsSort)};
const PageDefinition kImagesPage = {IDS_TREEPAGE_IMAGES, kImages, std::size(kImages)};

}  // namespace

HRESULT CreateGeneralPage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kGeneralPage, iid, object); }
HRESULT CreateMorePage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kMorePage, iid, object); }
HRESULT CreateColumnsPage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kColumnsPage, iid, object); }
HRESULT CreateTitlePage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kTitlePage, iid, object); }
HRESULT CreateTipsSortPage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kTipsSortPage, iid, object); }
HRESULT CreateImagesPage(REFIID iid, void** object) { return kv::pages::CreatePropertyPage(kImagesPage, iid, object); }

}  // namespace kv::tree::pages
