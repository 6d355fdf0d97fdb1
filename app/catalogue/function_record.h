// The records of the function database: one function, its registry actions, and a page's group captions.
// Field order and types follow the binary layout of "Korvn2k.fkt" / "Korvn2k.hdl" exactly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// One registry write or delete. Also the entry type of profile files.
struct RegistryAction {
  std::string KeyPath;    // full key path; empty = action not used
  std::string ValueName;  // empty = default value (for a delete: the whole key)
  std::string Data;       // data template, hex text or bit operation
  std::int16_t ValueKind = 0;  // 0 text, 1 DWORD, 2 binary
  std::int16_t Mode = 0;       // 0 write, 1 delete
};

enum ValueKind : std::int16_t { KindText = 0, KindDword = 1, KindBinary = 2 };
enum InputKind : std::int16_t { InputOnOff = 0, InputText = 1, InputNumber = 2 };

struct FunctionRecord {
  std::array<std::uint8_t, 4> Reserved1{};
  std::int16_t Page = 0;
  std::int16_t Group = 0;
  std::string Caption;
  std::int16_t OsFilter = 0;      // 0 Windows 2000 and later, 1 NT 4 only, 2 both
  std::int16_t RestartLevel = 0;  // 0 log-off, 1 restart, other neither
  std::string HelpText;
  std::string InputPrompt;
  std::int16_t InputKind = 0;
  std::string StateKeyPath;
  std::string StateValueName;
  std::int16_t StateValueKind = 0;
  std::string OnValue;
  std::int16_t StateWhenMatching = 0;
  std::int16_t StateWhenMissing = 0;
  std::string DefaultText;
  std::int16_t NumberStyle = 0;  // 0 up-down, 1 slider
  std::int16_t Minimum = 0;
  std::int16_t Maximum = 0;
  std::int16_t DefaultNumber = 0;
  std::int16_t Increment = 0;
  std::string Unit;
  std::array<RegistryAction, 3> OnActions{};
  std::array<RegistryAction, 3> OffActions{};
  std::array<std::uint8_t, 4> Reserved2{};
  std::string Reserved3;
  std::int16_t Reserved4 = 0;
};

constexpr int kGroupCaptionRecords = 26;  // one per page number 0..25
constexpr int kCaptionsPerRecord = 9;     // Captions[0] unused, 1..8 = groups
constexpr int kPageFunctionSlots = 101;   // "Korvn2k.idx"

struct GroupCaptionRecord {
  std::string Title;
  std::array<std::string, kCaptionsPerRecord> Captions{};
};

// Field-by-field equality (C++17 has no defaulted comparisons).
bool operator==(const RegistryAction& a, const RegistryAction& b);
bool operator==(const FunctionRecord& a, const FunctionRecord& b);
bool operator==(const GroupCaptionRecord& a, const GroupCaptionRecord& b);
inline bool operator!=(const RegistryAction& a, const RegistryAction& b) { return !(a == b); }
inline bool operator!=(const FunctionRecord& a, const FunctionRecord& b) { return !(a == b); }
inline bool operator!=(const GroupCaptionRecord& a, const GroupCaptionRecord& b) { return !(a == b); }

}  // namespace kv
