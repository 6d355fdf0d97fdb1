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

ProfileTable DecodeProfile(const std::uint8_t* data, std::size_t size, int functionCount) {
  ProfileTable table(ProfileRecordCount(functionCount));
  ByteReader in(data, data ? size : 0);
  for (ProfileRecord& record : table) {
    ProfileRecord read;
    if (!ReadRecord(in, &read)) break;  // a record cut off part-way stays empty, like those after it
    record = std::move(read);
  }
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
