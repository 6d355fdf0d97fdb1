// Test tool: compares the function records (0..N + 1) of two profile files, the marker record with
// its creation stamp left aside. Prints each differing entry; exit code 0 when all are equal, 1 when
// some differ, 2 when a file is not a valid profile of N functions.
//   profile_compare N expected.prf actual.prf
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/restore/function_restore.h"
#include "app/restore/profile_file.h"
#include "app/restore/win32_file_store.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: profile_compare N expected.prf actual.prf\n");
    return 2;
  }
  const int n = std::atoi(argv[1]);
  kv::Win32FileStore files;
  const kv::ProfileTable expected = kv::ReadProfile(files, argv[2], n);
  const kv::ProfileTable actual = kv::ReadProfile(files, argv[3], n);
  if (!kv::ProfileMayBeRestored(expected, n) || !kv::ProfileMayBeRestored(actual, n)) {
    std::fprintf(stderr, "not a valid profile of %d functions\n", n);
    return 2;
  }
  int differences = 0;
  for (int i = 0; i <= n + 1; ++i) {
    for (std::size_t d = 0; d < 3; ++d) {
      const kv::RegistryAction& a = expected[static_cast<std::size_t>(i)].Entries[d];
      const kv::RegistryAction& b = actual[static_cast<std::size_t>(i)].Entries[d];
      if (a == b) continue;
      ++differences;
      std::printf("function %d entry %u: [%s] \"%s\" expected \"%s\", found [%s] \"%s\" \"%s\"\n", i,
                  static_cast<unsigned>(d), a.KeyPath.c_str(), a.ValueName.c_str(), a.Data.c_str(), b.KeyPath.c_str(),
                  b.ValueName.c_str(), b.Data.c_str());
    }
  }
  std::printf("%d difference(s)\n", differences);
  return differences ? 1 : 0;
}
