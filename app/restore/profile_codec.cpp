// Byte layout of profile files (see profile_codec.h).
#include "app/restore/profile_codec.h"

#include "app/catalogue/binary_stream.h"

namespace kv {

bool operator==(const ProfileRecord& a, const ProfileRecord& b) {
  return a.Page == b.Page && a.RestartLevel == b.RestartLevel && a.Entries == b.Entries;
}

namespace {

// A record is taken only when it is whole in the data.
bool ReadRecord(ByteReader& in, ProfileRecord* record) {
  record->Page = in.ReadNumber();
  record->RestartLevel = in.ReadNumber();
  for (RegistryAction& entry : record->Entries) entry = in.ReadAction();
  return in.ok();
}

}  // namespace

std::vector<std::uint8_t> EncodeProfile(const ProfileTable& table) {
  ByteWriter out;
  for (const ProfileRecord& record : table) {
    out.WriteNumber(record.Page);
    out.WriteNumber(record.RestartLevel);
    for (const RegistryAction& entry : record.Entries) out.WriteAction(entry);
  }
  return out.Take();
}

namespace {
// A profile taken when the catalogue had fewer functions (before an update raised FktAnzahl) ends
// with its marker earlier. It is read as a profile of today's count: the functions it does not know
// get empty records (nothing to set back), its marker moves to the end. Without this, an update would
// make the master profile - the only record of the settings before Korvane - fail the marker test and
// be taken anew. Only a file that ends right after its one marker, behind its empty record, counts.
void AdoptSmallerFunctionCount(ProfileTable& table) {
  const std::size_t last = table.size() - 1;
  if (table[last].Entries[0].KeyPath == kProfileMarker) return;
  std::size_t marker = last;
  while (marker > 1 && table[marker] == ProfileRecord()) --marker;
  if (marker == last || marker < 2 || table[marker].Entries[0].KeyPath != kProfileMarker ||
      !(table[marker - 1] == ProfileRecord())) {
    return;
  }
  for (std::size_t i = 0; i < marker; ++i) {
    if (table[i].Entries[0].KeyPath == kProfileMarker) return;  // two markers: not one profile
  }
  table[last] = std::move(table[marker]);
  for (std::size_t i = marker - 1; i < last; ++i) table[i] = ProfileRecord();
}
}  // namespace

ProfileTable DecodeProfile(const std::uint8_t* data, std::size_t size, int functionCount) {
  ProfileTable table(ProfileRecordCount(functionCount));
  ByteReader in(data, data ? size : 0);
  for (ProfileRecord& record : table) {
    ProfileRecord read;
    if (!ReadRecord(in, &read)) break;  // a record cut off part-way stays empty, like those after it
    record = std::move(read);
  }
  AdoptSmallerFunctionCount(table);
  return table;
}

bool IsValidProfile(const ProfileTable& table, int functionCount) {
  const std::size_t marker = MarkerRecordIndex(functionCount);
  return marker < table.size() && table[marker].Entries[0].KeyPath == kProfileMarker;
}

ProfileRecord MakeMarkerRecord(const std::string& stamp, int capturedEntries) {
  ProfileRecord marker;
  marker.Entries[0].KeyPath = kProfileMarker;
  marker.Entries[1].KeyPath = stamp;
  marker.Entries[2].KeyPath = std::to_string(capturedEntries);
  return marker;
}

}  // namespace kv
