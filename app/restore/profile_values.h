// How one registry value is captured into a profile entry's text, and how a stored entry is written
// back. Both the helper's scan and uninstall restore and the main program's restore window use these.
#pragma once

#include <string>

#include "app/catalogue/function_record.h"
#include "app/catalogue/registry.h"
#include "app/restore/profile_record.h"

namespace kv {

// Current data of a value as profile text: kind 0 the text ("NoKey" when absent), kind 1 the signed
// decimal DWORD ("989898" when absent), kind 2 upper-case hex ("NoKey" when absent, "" when empty);
// any other kind gives "".
std::string CaptureEntry(const Registry& registry, const std::string& keyPath, const std::string& valueName,
                         int valueKind);

// The profile entry of one "on" action: key path, value name and kind copied, the data captured. A
// value that exists but cannot be read, or whose text would not fit the file's 16-bit length, is left
// out (kind kKindLeftOut) rather than stored as absent or cut short, which a restore would write back;
// a password (kSecretValueName) is left out without being read.
RegistryAction CaptureProfileEntry(const Registry& registry, const RegistryAction& action);

// Strict signed decimal of a stored DWORD entry's data, as the capture wrote it; false for damaged data.
bool ParseStoredDword(const std::string& text, std::int32_t* value);

// Why an entry was left out of its profile; None for an ordinary entry.
LeftOutReason LeftOutReasonOf(const RegistryAction& entry);

// Writes one stored entry back. Unchanged value: nothing happens, false. Stored missing-value
// marker: the value is deleted (an absent default value: that value, and its key only when the key
// then holds nothing else), true. Otherwise the data is
// written, true. Entries with an empty key path, other kinds, and DWORD data that is not a 32-bit
// decimal number (damaged file) are skipped and give false.
bool RestoreEntry(Registry& registry, const RegistryAction& entry);

// True when the registry now holds what the entry stores (a stored missing-value marker: the value is
// absent). Entries with an empty key path, other kinds and damaged DWORD data hold nothing: false.
bool EntryHolds(const Registry& registry, const RegistryAction& entry);

// A bit function's entry: of the stored binary value only bit `bit` (little-endian, bit 0 the lowest
// bit of the first byte) is set back; the other bits of the value belong to other functions and keep
// their current state. An absent value counts as all bits clear. Returns whether the value was written.
bool RestoreEntryBit(Registry& registry, const RegistryAction& entry, int bit);
// True when the current value's bit `bit` equals the stored one. Damaged stored data holds nothing.
bool EntryBitHolds(const Registry& registry, const RegistryAction& entry, int bit);
// The same two tests on data already read (`current`, as CaptureEntry gives it for the entry's kind):
// bit -1 compares the whole value, 0..31 only that bit.
bool CapturedHolds(const RegistryAction& entry, const std::string& current, int bit);

// Restores entries 0, 1, 2 of a record in order; true when any of them changed.
bool RestoreRecord(Registry& registry, const ProfileRecord& record);

}  // namespace kv
