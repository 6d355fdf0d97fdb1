// Resource growth test of korvn2k.exe (run inside Wine or Windows on a display; run_resource_growth.sh
// installs the build and provides the display). Starts the program, warms up with one round of
// everything, counts what the process holds, switches through every page PAGE_ROUNDS times and opens
// and closes each dialog DIALOG_ROUNDS times, counts again and fails when a count grew beyond its slack.
//   resource_growth.exe KORVN2K_PATH SETTING_LINE [PAGE_ROUNDS] [DIALOG_ROUNDS]
//   resource_growth.exe counts PID       prints the counts of a running process
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/mainwin/tests/resources/korvn2k_driver.h"
#include "app/mainwin/tests/resources/process_resources.h"

namespace {

using kvres::ProcessResources;

// Allowed growth after the warm-up, the same for any number of rounds, so that a leak of one object
// per round shows the more clearly the more rounds run (the CTest run has 6 dialog rounds: one GDI
// object or handle lost per round already exceeds it). Windows: none, every window the rounds make is
// destroyed again. Kernel handles 4 and GDI objects 5: objects the system keeps once it needed them
// (Wine's cache of window DCs, for one, grows when more are in use at once and never shrinks); the
// full run (200 page and 100 dialog rounds) showed one such step of 4 GDI objects and one handle,
// then none. Memory 512 KB: heaps grow in steps and keep freed blocks for reuse; the full run's
// committed private memory moved by 212 KB in about 2000 page switches and dialogs.
struct Slack {
  long Handles = 4;
  long Windows = 0;
  long Gdi = 5;
  long User = 5;
  long long PrivateBytes = 512 * 1024;
};

struct Step {
  const char* Name;
  std::function<bool()> Run;
};

ProcessResources Settled(kvres::Korvn2kDriver& driver) {
  driver.Idle();
  Sleep(500);  // the system's work after a dialog (its last messages, freed objects) ends first
  driver.Idle();
  return kvres::ReadProcessResources(driver.Process(), driver.ProcessId());
}

bool Compare(const char* what, long long before, long long after, long long slack, const char* unit, bool* ok) {
  const long long growth = after - before;
  const bool within = before >= 0 && after >= 0 && growth <= slack;
  std::printf("  %-26s %10lld %10lld %+9lld  (allowed %+lld%s)  %s\n", what, before, after, growth, slack, unit,
              within ? "ok" : "GREW");
  if (!within) *ok = false;
  return within;
}

// The counts must see what a process makes, or no growth would show: this process's own counts are
// read before and after it makes 3 brushes, 2 windows, 2 event handles and 4 MB of memory.
bool CountsSeeObjects() {
  const DWORD self = GetCurrentProcessId();
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, self);
  if (!process) return false;
  // The first window of a process sets up the window system's own objects: made before the first count.
  HWND first = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const ProcessResources before = kvres::ReadProcessResources(process, self);
  HBRUSH brushes[3];
  for (HBRUSH& b : brushes) b = CreateSolidBrush(RGB(1, 2, 3));
  HWND parent = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
  HANDLE events[2] = {CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  const SIZE_T size = 4 << 20;
  void* memory = VirtualAlloc(nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  const ProcessResources after = kvres::ReadProcessResources(process, self);
  const bool seen = child && memory && after.GdiObjects - before.GdiObjects == 3 && after.Windows - before.Windows == 2 &&
                    after.KernelHandles - before.KernelHandles == 2 &&
                    after.PrivateBytes - before.PrivateBytes >= static_cast<long long>(size);
  std::printf("the counts see 3 brushes, 2 windows, 2 events and 4 MB of this process: %s\n  before: %s\n  after:  %s\n",
              seen ? "yes" : "NO", kvres::Describe(before).c_str(), kvres::Describe(after).c_str());
  VirtualFree(memory, 0, MEM_RELEASE);
  for (HANDLE e : events) CloseHandle(e);
  DestroyWindow(parent);
  DestroyWindow(first);
  for (HBRUSH b : brushes) DeleteObject(b);
  CloseHandle(process);
  return seen;
}

int PrintCounts(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) {
    std::printf("cannot open process %lu\n", static_cast<unsigned long>(pid));
    return 2;
  }
  std::printf("%s\n", kvres::Describe(kvres::ReadProcessResources(process, pid)).c_str());
  CloseHandle(process);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc == 3 && std::string(argv[1]) == "counts") return PrintCounts(std::strtoul(argv[2], nullptr, 0));
  if (argc < 3) {
    std::fprintf(stderr, "usage: resource_growth.exe KORVN2K_PATH SETTING_LINE [PAGE_ROUNDS] [DIALOG_ROUNDS]\n"
                         "       resource_growth.exe counts PID\n");
    return 2;
  }
  const std::string korvn2k = argv[1];
  const int settingLine = std::atoi(argv[2]);
  const int pageRounds = argc > 3 ? std::atoi(argv[3]) : 200;
  const int dialogRounds = argc > 4 ? std::atoi(argv[4]) : 100;

  kvres::Korvn2kDriver driver;
  const std::vector<Step> dialogs = {
      {"setting dialog", [&] { return driver.SettingDialog(settingLine); }},
      {"program options", [&] { return driver.ProgramOptions(); }},
      {"restore window", [&] { return driver.RestoreWindow(); }},
      {"help box", [&] { return driver.HelpBox(); }},
      {"message dialog", [&] { return driver.MessageDialog(); }},
      {"icon picker", [&] { return driver.IconPicker(); }},
  };
  // The warm-up round reports each step's time.
  auto dialogRound = [&](bool timed) {
    for (const Step& s : dialogs) {
      const double t = kvbench::NowMs();
      if (!s.Run()) return false;
      if (timed) std::printf("  %-16s %6.0f ms\n", s.Name, kvbench::NowMs() - t);
    }
    return true;
  };
  auto failed = [&](const std::string& when) {
    std::printf("FAILED %s: %s\n", when.c_str(), driver.Failure().c_str());
    driver.Stop();
    return 1;
  };

  if (!CountsSeeObjects()) return 1;
  const double start = kvbench::NowMs();
  if (!driver.Start(korvn2k)) return failed("at start");
  std::printf("started: %s\n", kvres::Describe(Settled(driver)).c_str());
  const double warm = kvbench::NowMs();
  if (!driver.PageRound()) return failed("in the warm-up page round");
  std::printf("warm-up: page round %.0f ms\n", kvbench::NowMs() - warm);
  if (!dialogRound(true)) return failed("in the warm-up dialog round");
  const ProcessResources before = Settled(driver);
  std::printf("after the warm-up round: %s\n", kvres::Describe(before).c_str());

  double phase = kvbench::NowMs();
  for (int i = 1; i <= pageRounds; ++i) {
    if (!driver.PageRound()) return failed("in page round " + std::to_string(i));
    if (i % 50 == 0 && i < pageRounds)
      std::printf("  page round %d: %s\n", i, kvres::Describe(Settled(driver)).c_str());
  }
  std::printf("%d page rounds (7 page switches each): %.1f s\n", pageRounds, (kvbench::NowMs() - phase) / 1000);
  const ProcessResources afterPages = Settled(driver);
  std::printf("after the page rounds: %s\n", kvres::Describe(afterPages).c_str());

  phase = kvbench::NowMs();
  for (int i = 1; i <= dialogRounds; ++i) {
    if (!dialogRound(false)) return failed("in dialog round " + std::to_string(i));
    if (i % 25 == 0 && i < dialogRounds)
      std::printf("  dialog round %d: %s\n", i, kvres::Describe(Settled(driver)).c_str());
  }
  std::printf("%d dialog rounds (6 dialogs each, 4 page switches): %.1f s\n", dialogRounds,
              (kvbench::NowMs() - phase) / 1000);
  const ProcessResources after = Settled(driver);
  std::printf("after the dialog rounds: %s\n", kvres::Describe(after).c_str());

  const Slack slack;
  bool ok = true;
  std::printf("growth since the warm-up round:  %10s %10s %9s\n", "before", "after", "growth");
  Compare("kernel handles", before.KernelHandles, after.KernelHandles, slack.Handles, "", &ok);
  Compare("windows (USER objects)", before.Windows, after.Windows, slack.Windows, "", &ok);
  if (before.UserObjects >= 0)
    Compare("all USER objects", before.UserObjects, after.UserObjects, slack.User, "", &ok);
  Compare(("GDI objects, " + before.GdiSource).c_str(), before.GdiObjects, after.GdiObjects, slack.Gdi, "", &ok);
  Compare("committed private (KB)", before.PrivateBytes / 1024, after.PrivateBytes / 1024, slack.PrivateBytes / 1024,
          " KB", &ok);
  driver.Stop();
  if (!driver.Failure().empty()) std::printf("note: %s\n", driver.Failure().c_str());
  std::printf("total %.1f s: %s\n", (kvbench::NowMs() - start) / 1000, ok ? "no growth beyond the slack" : "GREW");
  return ok ? 0 : 1;
}
