// Benchmark: start-up of korvn2k.exe (process start to its main window shown, with the shipped
// catalogue) against Wine's own regedit.exe (process start to its window shown), alternately in the
// same prefix and run; prints the medians and their ratio (target: at most 1.0; exit code 1 when
// missed). Then the page switch time: a click on a side-bar tool until the headline shows the new page
// and the window answers again, for the Windows page (tool 500, the largest) and a small page.
//   startup_bench.exe KORVN2K_PATH [ROUNDS] [SWITCHES] [SMALL_SIDE_TOOL_INDEX]
// Run inside Wine on a display (bench/startup/run.sh does the installing and the display).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/startup/process_window_timer.h"

namespace {

using kvbench::NowMs;
using kvbench::StartedProgram;

const char* kMainClass = "KvKorvaneMain";
const char* kSplashClass = "KvAbout";
const char* kRegeditClass = "RegEdit_RegEdit";  // Wine's regedit main window
const double kShowLimitMs = 60000;

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string RegeditPath() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\regedit.exe";
}

[[noreturn]] void Fail(const std::string& what) {
  std::printf("FAILED: %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(2);
}

struct StartTime {
  double ShownMs;
  double FirstWindowMs;  // korvn2k's splash shown
};

// Starts a program, waits for its window, lets it settle (splash gone) and closes it.
StartTime TimeStart(const std::string& path, const std::string& windowClass) {
  StartedProgram program = kvbench::StartProgram("\"" + path + "\"", FolderOf(path));
  if (!program.Running()) Fail("cannot start " + path);
  HWND window = nullptr;
  StartTime t{};
  // Only korvn2k shows a window before its main window: its splash.
  const bool korvn2k = windowClass == kMainClass;
  t.ShownMs = kvbench::WaitForShownWindow(program, windowClass, kShowLimitMs, &window, korvn2k ? kSplashClass : "",
                                          korvn2k ? &t.FirstWindowMs : nullptr);
  if (t.ShownMs < 0) {
    kvbench::CloseProgram(program, nullptr, 0);
    Fail(path + ": no window shown");
  }
  kvbench::WaitUntilGone(program, kSplashClass, 10000);
  if (!kvbench::CloseProgram(program, window, 15000)) std::printf("  note: %s had to be ended by force\n", path.c_str());
  return t;
}

// Side-bar tool geometry as the bar draws it: tools 58 pixels high from y = 52, centred at x = 66.
LPARAM SideToolPoint(int index) { return MAKELPARAM(66, 52 + 58 * index + 29); }

struct SwitchTime {
  double HeadlineMs;  // the headline shows the new page
  double ReadyMs;     // the main window answers messages again (page built and laid out)
  double PaintedMs;   // and the parts it left to paint are painted
};

SwitchTime TimeSwitch(HWND main, HWND bar, HWND headline, int toolIndex) {
  const std::string before = kvbench::WindowText(headline);
  const double start = NowMs();
  PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, SideToolPoint(toolIndex));
  PostMessageA(bar, WM_LBUTTONUP, 0, SideToolPoint(toolIndex));
  SwitchTime t{-1, -1, -1};
  while (NowMs() - start < 20000) {
    if (kvbench::WindowText(headline) != before) {
      t.HeadlineMs = NowMs() - start;
      break;
    }
    Sleep(1);
  }
  if (t.HeadlineMs < 0) Fail("the headline did not change after a click on side tool " + std::to_string(toolIndex));
  DWORD_PTR unused = 0;
  // A sent message is handled when the program next reads its queue, i.e. after the switch.
  if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &unused)) Fail("the main window does not answer");
  t.ReadyMs = NowMs() - start;
  // Painting waits for the program's next idle moment; have the pending paint messages sent now.
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  t.PaintedMs = NowMs() - start;
  return t;
}

std::vector<double> Column(const std::vector<SwitchTime>& times, double SwitchTime::*field) {
  std::vector<double> v;
  for (const SwitchTime& t : times) v.push_back(t.*field);
  return v;
}

void PrintSwitches(const std::string& page, const std::vector<SwitchTime>& times) {
  std::printf("  %-40s %9.1f %9.1f %9.1f\n", page.c_str(), Median(Column(times, &SwitchTime::HeadlineMs)),
              Median(Column(times, &SwitchTime::ReadyMs)), Median(Column(times, &SwitchTime::PaintedMs)));
}

void PageSwitchBench(const std::string& korvn2k, int switches, int smallIndex) {
  StartedProgram program = kvbench::StartProgram("\"" + korvn2k + "\"", FolderOf(korvn2k));
  HWND main = nullptr;
  if (!program.Running() || kvbench::WaitForShownWindow(program, kMainClass, kShowLimitMs, &main) < 0)
    Fail("korvn2k did not show its main window");
  kvbench::WaitUntilGone(program, kSplashClass, 10000);
  HWND bar = kvbench::FindChildByClass(main, "KvBar");
  HWND headline = kvbench::FindChildByClass(main, "KvHeadline");
  if (!bar || !headline) Fail("side bar or headline not found");
  const std::string windowsHeadline = kvbench::WindowText(headline);
  // First visits (not counted): the small page, then back to the Windows page.
  TimeSwitch(main, bar, headline, smallIndex);
  const std::string smallHeadline = kvbench::WindowText(headline);
  TimeSwitch(main, bar, headline, 0);
  if (kvbench::WindowText(headline) != windowsHeadline)
    std::printf("  note: start page headline was '%s', the Windows tool shows '%s'\n", windowsHeadline.c_str(),
                kvbench::WindowText(headline).c_str());
  std::vector<SwitchTime> toSmall, toWindows;
  for (int i = 0; i < switches; ++i) {
    toSmall.push_back(TimeSwitch(main, bar, headline, smallIndex));
    toWindows.push_back(TimeSwitch(main, bar, headline, 0));
  }
  kvbench::CloseProgram(program, main, 15000);
  std::printf("page switch, click on the side-bar tool until (median of %d, ms):\n", switches);
  std::printf("  %-40s %9s %9s %9s\n", "", "headline", "ready", "painted");
  PrintSwitches(windowsHeadline + " (tool 500, largest)", toWindows);
  PrintSwitches(smallHeadline + " (side tool " + std::to_string(smallIndex + 1) + ")", toSmall);
  std::printf("  ratio largest / small page (painted): %.2f\n",
              Median(Column(toWindows, &SwitchTime::PaintedMs)) / std::max(Median(Column(toSmall, &SwitchTime::PaintedMs)), 0.001));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_bench.exe KORVN2K_PATH [ROUNDS] [SWITCHES] [SMALL_SIDE_TOOL_INDEX]\n");
    return 2;
  }
  const std::string korvn2k = argv[1];
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
  const int switches = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
  const int smallIndex = argc > 4 ? std::min(4, std::max(1, std::atoi(argv[4]))) : 2;
  const std::string regedit = RegeditPath();
  setvbuf(stdout, nullptr, _IONBF, 0);

  // Warm-up of both (file cache, Wine's own start-up of the libraries); not counted.
  TimeStart(korvn2k, kMainClass);
  TimeStart(regedit, kRegeditClass);
  std::vector<double> ours, splash, theirs;
  for (int r = 0; r < rounds; ++r) {
    // Alternate which program goes first, so neither always follows the other.
    StartTime a{}, b{};
    if (r % 2 == 0) {
      a = TimeStart(korvn2k, kMainClass);
      b = TimeStart(regedit, kRegeditClass);
    } else {
      b = TimeStart(regedit, kRegeditClass);
      a = TimeStart(korvn2k, kMainClass);
    }
    ours.push_back(a.ShownMs);
    splash.push_back(a.FirstWindowMs);
    theirs.push_back(b.ShownMs);
    std::printf("  round %d: korvn2k main window %7.1f ms (splash %6.1f ms), regedit window %7.1f ms\n", r + 1,
                a.ShownMs, a.FirstWindowMs, b.ShownMs);
  }
  const double ratio = Median(ours) / std::max(Median(theirs), 0.001);
  std::printf("start-up to window shown (median of %d rounds, alternating):\n", rounds);
  std::printf("  korvn2k.exe main window: %8.1f ms   (splash window: %.1f ms)\n", Median(ours), Median(splash));
  std::printf("  regedit.exe window:      %8.1f ms\n", Median(theirs));
  std::printf("  ratio korvn2k / regedit: %.2f  (target <= 1.0: %s)\n", ratio, ratio <= 1.0 ? "met" : "MISSED");
  // Each round's own ratio: a slow spell of the machine slows both starts of its round alike.
  std::vector<double> paired;
  for (std::size_t i = 0; i < ours.size(); ++i) paired.push_back(ours[i] / std::max(theirs[i], 0.001));
  std::printf("  median of the rounds' own ratios: %.2f\n", Median(paired));
  // The fastest rounds show the programs with the least disturbance from other load on the machine.
  const double fastestOurs = *std::min_element(ours.begin(), ours.end());
  const double fastestTheirs = *std::min_element(theirs.begin(), theirs.end());
  std::printf("  fastest round: korvn2k %.1f ms, regedit %.1f ms, ratio %.2f\n", fastestOurs, fastestTheirs,
              fastestOurs / std::max(fastestTheirs, 0.001));

  PageSwitchBench(korvn2k, switches, smallIndex);
  return ratio <= 1.0 ? 0 : 1;
}
