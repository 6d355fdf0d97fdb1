// Where the options dialog keeps what it edits beyond ProgramSettings: the scrambled access password
// ("AppInitPss") and the side bar's look ("SbBackStyle" .. "SbToolTxtColor" under "MainSet").
#pragma once

#include <string>

#include "app/catalogue/registry.h"
#include "app/mainwin/core/bar_model.h"

namespace kv {

inline constexpr const char* kSideBarBand = "SideBar";

// The stored password in clear text; empty when none is set (absent, empty or "NoKey").
std::string ReadClearPassword(const Registry& reg);

// Stores `clear` scrambled as "AppInitPss". Nothing is written when exactly that is stored already, so
// an unchanged password needs no write access to the machine key. True when it is stored afterwards.
bool StorePassword(Registry& reg, const std::string& clear);

// Removes "AppInitPss". True when no password is set afterwards (also when none was set).
bool RemovePassword(Registry& reg);

// Writes the five side-bar values. True when every write succeeded.
bool WriteSideBarLook(Registry& reg, const BandLook& look);

// At start: gives band "SideBar" the stored look. A missing value, an unknown style or a colour with
// bits above the low 24 keeps the band's designed value for that part.
void RestoreSideBarLook(const Registry& reg, BarModel& bar);

}  // namespace kv
