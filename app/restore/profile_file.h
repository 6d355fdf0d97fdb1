// Reading and writing whole profile files (the undo file and recovery profiles).
#pragma once

#include <string>

#include "app/restore/file_store.h"
#include "app/restore/profile_record.h"

namespace kv {

// The undo file path: the system directory (a backslash appended when missing) + "KORVN2K.UND".
std::string UndoFilePath(const std::string& systemDirectory);

// Reads N + 3 records; a missing or unreadable file gives a table of empty records (which is not a
// valid profile). Short files leave the remaining records empty; extra data is ignored.
ProfileTable ReadProfile(FileStore& files, const std::string& path, int functionCount);

// Writes the whole table, replacing an existing file only after the new one is complete.
bool WriteProfile(FileStore& files, const std::string& path, const ProfileTable& table);

}  // namespace kv
