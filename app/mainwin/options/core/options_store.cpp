// Password and side-bar look store (see options_store.h).
#include "app/mainwin/options/core/options_store.h"

#include "app/mainwin/core/program_settings.h"
#include "app/mainwin/core/scramble_text.h"

namespace kv {

namespace {

bool PasswordValueExists(const Registry& reg) {
  // Two reads with different fallbacks agree only when the value is really there.
  return reg.RegReadString(kPasswordKey, kPasswordValue, "\x01") == reg.RegReadString(kPasswordKey, kPasswordValue, "\x02");
}

struct LookValue {
  const char* Name;
  std::uint32_t BandLook::*Colour;  // nullptr for the style
};
const LookValue kLookValues[] = {{"SbBackStyle", nullptr},
                                 {"SbBackColor", &BandLook::BackColor},
                                 {"SbBackEndColor", &BandLook::BackEndColor},
                                 {"SbFldrTxtColor", &BandLook::FolderTextColor},
                                 {"SbToolTxtColor", &BandLook::ToolTextColor}};

}  // namespace

std::string ReadClearPassword(const Registry& reg) {
  const std::string stored = ReadStoredPassword(reg);
  return stored.empty() ? std::string() : ScrambleText(stored, kUnscramble);
}

bool StorePassword(Registry& reg, const std::string& clear) {
  const std::string scrambled = ScrambleText(clear, kScramble);
  if (PasswordValueExists(reg) && reg.RegReadString(kPasswordKey, kPasswordValue, "") == scrambled) return true;
  if (!reg.RegWriteString(kPasswordKey, kPasswordValue, scrambled)) return false;
  return reg.RegReadString(kPasswordKey, kPasswordValue, "") == scrambled;
}

bool RemovePassword(Registry& reg) {
  if (PasswordValueExists(reg)) reg.RegDelete(kPasswordKey, kPasswordValue);
  // The delete reports nothing: what counts is that no password is left.
  return ReadStoredPassword(reg).empty();
}

bool WriteSideBarLook(Registry& reg, const BandLook& look) {
  bool ok = true;
  for (const LookValue& v : kLookValues) {
    const std::uint32_t value = v.Colour ? look.*v.Colour : static_cast<std::uint32_t>(look.BackStyle);
    ok = reg.RegWriteDword(kMainSetKey, v.Name, static_cast<std::int32_t>(value)) && ok;
  }
  return ok;
}

void RestoreSideBarLook(const Registry& reg, BarModel& bar) {
  const BarBand* band = bar.Band(kSideBarBand);
  if (!band) return;
  BandLook look = band->Look;
  for (const LookValue& v : kLookValues) {
    int stored = 0;
    if (!ReadOptionalDword(reg, kMainSetKey, v.Name, &stored)) continue;
    const std::uint32_t value = static_cast<std::uint32_t>(stored);
    if (!v.Colour) look.BackStyle = stored;  // an unknown style is refused by the band
    else if (value <= 0xFFFFFFu) look.*v.Colour = value;
  }
  bar.SetBandLook(kSideBarBand, look);
}

}  // namespace kv
