// Formats the profile creation stamp (see profile_stamp.h).
#include "app/restore/profile_stamp.h"

#include <cstdio>

namespace kv {

std::string FormatProfileStamp(const StampParts& p) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%04d#%02d:%02d", p.Year, p.Hour, p.Minute);
  return p.WeekdayName + ", " + std::to_string(p.Day) + ". " + p.MonthAbbrev + " " + numbers;
}

}  // namespace kv
