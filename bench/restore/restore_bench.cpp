// Benchmark: "restore all" from the restore window of the running korvn2k.exe, against a floor that
// writes the same values with raw registry calls, alternately in the same run. Before each timed
// step every function's values are changed away from the master profile (the undo file). The
// program is started here, the restore window opened as a user does (Alt+F, R: File > Restore a
// Profile, which restores all functions from the master profile), and each round clicks its Restore
// button (BM_CLICK, which the button handles as a click: the restore runs inside it); the time runs
// from the click until the restore is over and the window answers again.
// Prints the medians and their ratio (targets: at most 1.5 x the floor and at most 1 s; exit code 1
// when missed, 2 when the run itself failed).
//   restore_bench.exe KORVN2K_PATH [ROUNDS]   (bench/restore/run.sh installs and gives it a display)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/restore/file_store.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_file.h"
#include "bench/startup/process_window_timer.h"

namespace {

using kvbench::NowMs;

[[noreturn]] void Fail(const std::string& what) {
  std::printf("FAILED: %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(2);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One value a restore sets back: where, and what the master profile holds.
struct Target {
  HKEY Root;
  std::string SubKey, Name, Data;
  int Kind;  // 0 text, 1 DWORD, 2 binary
  bool Absent;
};

HKEY RootOf(const std::string& path, std::string* subKey) {
  static const struct {
    const char* Name;
    HKEY Root;
  } kRoots[] = {{"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                {"HKCU", HKEY_CURRENT_USER},
                {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                {"HKLM", HKEY_LOCAL_MACHINE},
                {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                {"HKCR", HKEY_CLASSES_ROOT},
                {"HKEY_USERS", HKEY_USERS},
                {"HKU", HKEY_USERS}};
  const std::size_t cut = path.find('\\');
  const std::string root = path.substr(0, cut);
  *subKey = cut == std::string::npos ? std::string() : path.substr(cut + 1);
  for (const auto& r : kRoots)
    if (lstrcmpiA(r.Name, root.c_str()) == 0) return r.Root;
  return nullptr;
}

std::vector<Target> TargetsOf(const kv::ProfileTable& table, int n) {
  std::vector<Target> targets;
  for (int i = 1; i <= n; ++i) {
    for (const kv::RegistryAction& e : table[static_cast<std::size_t>(i)].Entries) {
      Target t;
      if (e.KeyPath.empty() || !(t.Root = RootOf(e.KeyPath, &t.SubKey)) || t.SubKey.empty()) continue;
      if (e.Data == kv::kLeftOutSecret) continue;  // a password is never in a profile, never restored
      t.Name = e.ValueName;
      t.Data = e.Data;
      t.Kind = e.ValueKind;
      t.Absent = e.ValueKind == 1 ? e.Data == kv::kMissingDwordText : e.Data == kv::kMissingText;
      targets.push_back(t);
    }
  }
  return targets;
}

std::vector<BYTE> HexBytes(const std::string& hex) {
  std::vector<BYTE> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<BYTE>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16)));
  return bytes;
}

// Writes one value (or deletes it when absent) with nothing but the registry calls: the floor.
void Put(HKEY root, const std::string& subKey, const std::string& name, int kind, bool absent,
         const std::string& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (absent) {
    RegDeleteValueA(key, name.c_str());
  } else if (kind == 1) {
    const DWORD number = static_cast<DWORD>(std::strtol(data.c_str(), nullptr, 10));
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
  } else if (kind == 2) {
    const std::vector<BYTE> bytes = HexBytes(data);
    RegSetValueExA(key, name.c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  } else {
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  }
  RegCloseKey(key);
}

void WriteMaster(const std::vector<Target>& targets) {
  for (const Target& t : targets) Put(t.Root, t.SubKey, t.Name, t.Kind, t.Absent, t.Data);
}

// Every value away from its master value: absent ones made present, present ones changed.
void ChangeAway(const std::vector<Target>& targets) {
  for (const Target& t : targets) {
    std::string changed;
    if (t.Kind == 1) {
      changed = t.Absent ? "1" : std::to_string(~static_cast<std::int32_t>(std::strtol(t.Data.c_str(), nullptr, 10)));
    } else if (t.Kind == 2) {
      changed = t.Absent || t.Data.size() < 2 ? "AB" : (t.Data[0] == 'A' ? "B" : "A") + t.Data.substr(1);
    } else {
      changed = t.Absent ? "kvbench" : t.Data + "~";
    }
    Put(t.Root, t.SubKey, t.Name, t.Kind, false, changed);
  }
}

// The value as the profile writes it ("" when absent), read with the registry calls.
std::string Current(const Target& t) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(t.Root, t.SubKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<absent>";
  DWORD type = 0, size = 0;
  std::string result = "<absent>";
  if (RegQueryValueExA(key, t.Name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<BYTE> data(size + 1);
    RegQueryValueExA(key, t.Name.c_str(), nullptr, &type, data.data(), &size);
    if (type == REG_DWORD && size == 4) {
      result = std::to_string(*reinterpret_cast<std::int32_t*>(data.data()));
    } else if (type == REG_BINARY) {
      char hex[3];
      result.clear();
      for (DWORD i = 0; i < size; ++i) std::snprintf(hex, sizeof hex, "%02X", data[i]), result += hex;
    } else {
      result.assign(reinterpret_cast<const char*>(data.data()), size);
      result = result.c_str();
    }
  }
  RegCloseKey(key);
  return result;
}

bool IsMaster(const Target& t) {
  const std::string now = Current(t);
  return t.Absent ? now == "<absent>" : now == t.Data;
}

// Visible child of `parent` with exactly this text.
struct TextMatch {
  const char* Text;
  HWND Found;
};
BOOL CALLBACK MatchText(HWND w, LPARAM param) {
  auto* m = reinterpret_cast<TextMatch*>(param);
  if (IsWindowVisible(w) && kvbench::WindowText(w) == m->Text) {
    m->Found = w;
    return FALSE;
  }
  return TRUE;
}
HWND VisibleChildWithText(HWND parent, const char* text) {
  TextMatch match{text, nullptr};
  EnumChildWindows(parent, MatchText, reinterpret_cast<LPARAM>(&match));
  return match.Found;
}

void Key(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) Fail("usage: restore_bench.exe KORVN2K_PATH [ROUNDS]");
  const std::string program = argv[1];
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  DWORD count = 0, size = sizeof count;
  HKEY product = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", 0, KEY_QUERY_VALUE, &product) !=
          ERROR_SUCCESS ||
      RegQueryValueExA(product, "FktAnzahl", nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size) != ERROR_SUCCESS)
    Fail("no FktAnzahl: is the program installed?");
  RegCloseKey(product);
  const int n = kv::NormalisedFunctionCount(static_cast<int>(count));
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  kv::StdioFileStore files;
  const kv::ProfileTable master = kv::ReadProfile(files, kv::UndoFilePath(system), n);
  if (!kv::IsValidProfile(master, n))
    Fail("no valid master profile (undo file) for " + std::to_string(n) + " functions");
  const std::vector<Target> targets = TargetsOf(master, n);
  std::printf("restore all: %d functions, %lu values in the master profile\n", n,
              static_cast<unsigned long>(targets.size()));

  const std::string folder = program.substr(0, program.find_last_of('\\'));
  kvbench::StartedProgram started = kvbench::StartProgram("\"" + program + "\"", folder);
  if (!started.Running()) Fail("cannot start " + program);
  HWND main = nullptr;
  if (kvbench::WaitForShownWindow(started, "KvKorvaneMain", 60000, &main) < 0) Fail("no main window");
  kvbench::WaitUntilGone(started, "KvAbout", 10000);
  Sleep(500);

  // File > Restore a Profile, with the keyboard.
  SetForegroundWindow(main);
  Key(VK_MENU, false), Key('F', false), Key('F', true), Key(VK_MENU, true);
  Sleep(300);
  Key('R', false), Key('R', true);
  HWND restore = nullptr;
  for (double start = NowMs(); !restore && NowMs() - start < 10000; Sleep(20))
    restore = VisibleChildWithText(main, "&Restore");
  if (!restore) {
    kvbench::CloseProgram(started, main, 5000);
    Fail("the restore window's Restore button did not show");
  }

  std::vector<double> restoreMs, floorMs;
  std::size_t notRestored = 0;
  for (int round = 0; round < rounds; ++round) {
    ChangeAway(targets);
    const double start = NowMs();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(restore, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &result)) Fail("the restore did not end");
    Answers(main);
    restoreMs.push_back(NowMs() - start);
    notRestored = 0;
    for (const Target& t : targets) {
      if (IsMaster(t)) continue;
      if (round == 0)
        std::printf("  not back: %s\\%s (master '%s', now '%s')\n", t.SubKey.c_str(), t.Name.c_str(), t.Data.c_str(),
                    Current(t).c_str());
      ++notRestored;
    }

    ChangeAway(targets);
    const double floorStart = NowMs();
    WriteMaster(targets);
    floorMs.push_back(NowMs() - floorStart);
    std::printf("  round %d: restore window %.1f ms, floor %.1f ms\n", round + 1, restoreMs.back(), floorMs.back());
  }
  kvbench::CloseProgram(started, main, 15000);

  const double restoreMedian = Median(restoreMs), floorMedian = Median(floorMs);
  const double ratio = restoreMedian / floorMedian;
  std::printf("values not back at their master value after the window's restore: %lu of %lu\n",
              static_cast<unsigned long>(notRestored), static_cast<unsigned long>(targets.size()));
  std::printf("restore all (median of %d): %.1f ms, floor %.1f ms, ratio %.2f (targets: <= 1.50 and <= 1000 ms)\n",
              rounds, restoreMedian, floorMedian, ratio);
  std::fflush(stdout);
  return ratio <= 1.5 && restoreMedian <= 1000 ? 0 : 1;
}
