// The creation stamp of a profile: "dddd, d. mmm yyyy#hh:mm" with weekday and month names in the
// user's locale. The clock and the locale's names come from the caller (the platform seam).
#pragma once

#include <string>

namespace kv {

struct StampParts {
  std::string WeekdayName;   // full name, e.g. "Montag" / "Monday"
  int Day = 1;               // 1..31
  std::string MonthAbbrev;   // abbreviated name, e.g. "Dez" / "Dec"
  int Year = 2000;
  int Hour = 0;              // 0..23
  int Minute = 0;
};

std::string FormatProfileStamp(const StampParts& parts);

}  // namespace kv
