// One record of a profile file (undo file or recovery profile): the registry values a function's
// "on" actions write, as they were when the profile was taken.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/function_record.h"

namespace kv {

struct ProfileRecord {
  std::int16_t Page = 0;
  std::int16_t RestartLevel = 0;  // stored only; a restore takes the level from the catalogue
  std::array<RegistryAction, 3> Entries{};
};

bool operator==(const ProfileRecord& a, const ProfileRecord& b);
inline bool operator!=(const ProfileRecord& a, const ProfileRecord& b) { return !(a == b); }

// Records 0..N are function snapshots, N + 1 stays empty, N + 2 is the marker record.
using ProfileTable = std::vector<ProfileRecord>;

inline constexpr const char* kProfileMarker = "KORVN_PROF_FILE";
inline constexpr const char* kMissingText = "NoKey";        // absent text or binary value
inline constexpr const char* kMissingDwordText = "989898";  // absent DWORD value
inline constexpr std::int32_t kMissingDword = 989898;

// An entry the scan left out of the profile: key path and value name are kept so that a restore can
// say which value was not saved; this kind marks it and the data says why. Readers that do not know
// the kind carry the entry without restoring it.
inline constexpr std::int16_t kKindLeftOut = 99;
enum class LeftOutReason { None, Unreadable, TooLong, Secret };
inline constexpr const char* kLeftOutUnreadable = "UNREADABLE";  // could not be read (e.g. access denied)
inline constexpr const char* kLeftOutTooLong = "TOOLONG";        // longer than a profile text can hold
inline constexpr const char* kLeftOutSecret = "SECRET";          // a password, never copied into a file

// Values never copied into a profile, by value name: the auto-logon password (Winlogon) is kept there
// in clear text, and a profile file is readable by whoever gets hold of it.
inline constexpr const char* kSecretValueName = "DefaultPassword";

// The function count is a 16-bit number; a negative one (damaged "FktAnzahl") is treated as 0 so that
// a table always has its empty record and its marker record.
inline int NormalisedFunctionCount(int functionCount) {
  return functionCount < 0 ? 0 : (functionCount > 32767 ? 32767 : functionCount);
}
inline std::size_t ProfileRecordCount(int functionCount) {
  return static_cast<std::size_t>(NormalisedFunctionCount(functionCount)) + 3;
}
inline std::size_t MarkerRecordIndex(int functionCount) { return ProfileRecordCount(functionCount) - 1; }

}  // namespace kv
