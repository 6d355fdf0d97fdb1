// Per-kind capture and restore rules of profile entries (see profile_values.h).
#include "app/restore/profile_values.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/hex_text.h"
#include "app/restore/profile_codec.h"

namespace kv {

bool ParseStoredDword(const std::string& text, std::int32_t* value) {
  if (text.empty()) return false;
  std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return false;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
  }
  if (text.size() - i > 11) return false;
  const long long number = std::strtoll(text.c_str(), nullptr, 10);
  if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
    return false;
  *value = static_cast<std::int32_t>(number);
  return true;
}

namespace {

using TextWriter = bool (Registry::*)(const std::string&, const std::string&, const std::string&);

// A value that was absent when the profile was taken. An absent default value removes only that
// value, and its key only when nothing else is left in it (a key the function itself created).
void DeleteAbsentValue(Registry& registry, const RegistryAction& e) {
  registry.RegDeleteValue(e.KeyPath, e.ValueName);
  if (e.ValueName.empty()) registry.RegDeleteEmptyKey(e.KeyPath);
}

// Text and binary entries: unchanged -> nothing; stored "NoKey" -> delete; else write the stored text.
bool RestoreTextForm(Registry& registry, const RegistryAction& e, const std::string& current, TextWriter write) {
  if (current == e.Data) return false;
  if (e.Data == kMissingText) {
    DeleteAbsentValue(registry, e);
  } else {
    (registry.*write)(e.KeyPath, e.ValueName, e.Data);
  }
  return true;
}

// Bit `bit` of a stored or current binary value; an absent value has every bit clear. False when the
// text is neither hex nor the missing marker.
bool ReadBit(const std::string& hex, int bit, bool* set, std::vector<std::uint8_t>* bytes) {
  bytes->clear();
  if (hex != kMissingText && !HexTextToBytes(hex, bytes)) return false;
  const std::size_t byte = static_cast<std::size_t>(bit) / 8;
  *set = byte < bytes->size() && ((*bytes)[byte] >> (bit % 8) & 1) != 0;
  return true;
}

bool BitInRange(int bit) { return bit >= 0 && bit <= 31; }

}  // namespace

std::string CaptureEntry(const Registry& registry, const std::string& keyPath, const std::string& valueName,
                         int valueKind) {
  switch (valueKind) {
    case KindText:
      return registry.RegReadString(keyPath, valueName, kMissingText);
    case KindDword:
      return std::to_string(registry.RegReadDword(keyPath, valueName, kMissingDword));
    case KindBinary:
      return registry.RegReadBinary(keyPath, valueName, kMissingText);
    default:
      return std::string();
  }
}

RegistryAction CaptureProfileEntry(const Registry& registry, const RegistryAction& action) {
  RegistryAction entry;
  entry.KeyPath = action.KeyPath;
  entry.ValueName = action.ValueName;
  entry.ValueKind = action.ValueKind;
  if (EqualsIgnoringCase(action.ValueName, kSecretValueName)) {
    entry.ValueKind = kKindLeftOut;
    entry.Data = kLeftOutSecret;
    return entry;
  }
  entry.Data = CaptureEntry(registry, action.KeyPath, action.ValueName, action.ValueKind);
  const bool readAsMissing = entry.Data == kMissingText || entry.Data == kMissingDwordText;
  if (readAsMissing && registry.ProbeValue(action.KeyPath, action.ValueName) == ValuePresence::Unreadable) {
    entry.ValueKind = kKindLeftOut;
    entry.Data = kLeftOutUnreadable;
  } else if (entry.Data.size() > kMaxProfileText) {
    entry.ValueKind = kKindLeftOut;
    entry.Data = kLeftOutTooLong;
  }
  return entry;
}

LeftOutReason LeftOutReasonOf(const RegistryAction& entry) {
  if (entry.KeyPath.empty() || entry.ValueKind != kKindLeftOut) return LeftOutReason::None;
  if (entry.Data == kLeftOutSecret) return LeftOutReason::Secret;
  return entry.Data == kLeftOutTooLong ? LeftOutReason::TooLong : LeftOutReason::Unreadable;
}

bool RestoreEntry(Registry& registry, const RegistryAction& e) {
  if (e.KeyPath.empty()) return false;
  switch (e.ValueKind) {
    case KindText:
      return RestoreTextForm(registry, e, registry.RegReadString(e.KeyPath, e.ValueName, kMissingText),
                             &Registry::RegWriteString);
    case KindDword: {
      std::int32_t stored = 0;
      if (!ParseStoredDword(e.Data, &stored)) return false;
      if (registry.RegReadDword(e.KeyPath, e.ValueName, kMissingDword) == stored) return false;
      if (stored == kMissingDword) {
        DeleteAbsentValue(registry, e);
      } else {
        registry.RegWriteDword(e.KeyPath, e.ValueName, stored);
      }
      return true;
    }
    case KindBinary:
      return RestoreTextForm(registry, e, registry.RegReadBinary(e.KeyPath, e.ValueName, kMissingText),
                             &Registry::RegWriteBinary);
    default:
      return false;
  }
}

bool EntryHolds(const Registry& registry, const RegistryAction& e) {
  if (e.KeyPath.empty()) return false;
  return CapturedHolds(e, CaptureEntry(registry, e.KeyPath, e.ValueName, e.ValueKind), -1);
}

bool CapturedHolds(const RegistryAction& e, const std::string& current, int bit) {
  if (e.KeyPath.empty()) return false;
  if (bit >= 0) {
    if (e.ValueKind != KindBinary) return false;
    if (!BitInRange(bit)) return true;  // such a bit is never set or cleared
    bool storedSet = false, currentSet = false;
    std::vector<std::uint8_t> stored, bytes;
    return ReadBit(e.Data, bit, &storedSet, &stored) && ReadBit(current, bit, &currentSet, &bytes) &&
           storedSet == currentSet;
  }
  switch (e.ValueKind) {
    case KindText:
    case KindBinary: return current == e.Data;
    case KindDword: {
      std::int32_t stored = 0;
      return ParseStoredDword(e.Data, &stored) && current == std::to_string(stored);
    }
    default: return false;
  }
}

bool RestoreEntryBit(Registry& registry, const RegistryAction& e, int bit) {
  if (e.KeyPath.empty() || e.ValueKind != KindBinary || !BitInRange(bit)) return false;
  bool storedSet = false, currentSet = false;
  std::vector<std::uint8_t> stored, current;
  if (!ReadBit(e.Data, bit, &storedSet, &stored)) return false;
  if (!ReadBit(registry.RegReadBinary(e.KeyPath, e.ValueName, kMissingText), bit, &currentSet, &current)) return false;
  if (storedSet == currentSet) return false;
  const std::size_t byte = static_cast<std::size_t>(bit) / 8;
  if (current.size() <= byte) current.resize(byte + 1, 0);
  const std::uint8_t mask = static_cast<std::uint8_t>(1u << (bit % 8));
  current[byte] = static_cast<std::uint8_t>(storedSet ? (current[byte] | mask) : (current[byte] & ~mask));
  // A value that was absent before Korvane goes again once no bit of it is set: a zero value in its
  // place would be a setting the user never had.
  const bool noBitSet = std::all_of(current.begin(), current.end(), [](std::uint8_t b) { return b == 0; });
  if (e.Data == kMissingText && noBitSet) {
    DeleteAbsentValue(registry, e);
  } else {
    registry.RegWriteBinary(e.KeyPath, e.ValueName, BytesToHexText(current));
  }
  return true;
}

bool EntryBitHolds(const Registry& registry, const RegistryAction& e, int bit) {
  if (e.KeyPath.empty() || e.ValueKind != KindBinary) return false;
  if (!BitInRange(bit)) return true;  // such a bit is never set or cleared
  return CapturedHolds(e, registry.RegReadBinary(e.KeyPath, e.ValueName, kMissingText), bit);
}

bool RestoreRecord(Registry& registry, const ProfileRecord& record) {
  bool changed = false;
  for (const RegistryAction& entry : record.Entries) {
    if (RestoreEntry(registry, entry)) changed = true;
  }
  return changed;
}

}  // namespace kv
