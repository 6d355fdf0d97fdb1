// Resource counts of another process (see process_resources.h).
#include "app/mainwin/tests/resources/process_resources.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kvres {

namespace {

using NtStatus = LONG;
using QuerySystemFn = NtStatus(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryProcessFn = NtStatus(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
constexpr NtStatus kLengthMismatch = static_cast<NtStatus>(0xC0000004);
constexpr ULONG kSystemHandleInformation = 16;
constexpr ULONG kSystemExtendedHandleInformation = 64;
constexpr ULONG kProcessBasicInformation = 0;
constexpr ULONG kProcessVmCounters = 3;

template <typename F>
F NtFunction(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

// The system-wide handle lists: the extended one carries full process ids, the old one 16-bit ids.
struct ExtendedHandleEntry {
  PVOID Object;
  ULONG_PTR ProcessId;
  ULONG_PTR Handle;
  ULONG GrantedAccess;
  USHORT CreatorBackTraceIndex;
  USHORT ObjectTypeIndex;
  ULONG Attributes;
  ULONG Reserved;
};
struct HandleEntry {
  USHORT ProcessId;
  USHORT CreatorBackTraceIndex;
  UCHAR ObjectTypeIndex;
  UCHAR Attributes;
  USHORT Handle;
  PVOID Object;
  ULONG GrantedAccess;
};

bool QuerySystemList(ULONG kind, std::vector<char>* buffer) {
  static const auto query = NtFunction<QuerySystemFn>("NtQuerySystemInformation");
  if (!query) return false;
  buffer->assign(1 << 16, 0);
  for (;;) {
    ULONG needed = 0;
    const NtStatus status = query(kind, buffer->data(), static_cast<ULONG>(buffer->size()), &needed);
    if (status == 0) return true;
    if (status != kLengthMismatch || buffer->size() > (64u << 20)) return false;
    buffer->assign(std::max<std::size_t>(buffer->size() * 2, needed + 4096), 0);
  }
}

long KernelHandles(DWORD processId) {
  std::vector<char> list;
  long count = 0;
  if (QuerySystemList(kSystemExtendedHandleInformation, &list)) {
    const ULONG_PTR n = *reinterpret_cast<const ULONG_PTR*>(list.data());
    const auto* entry = reinterpret_cast<const ExtendedHandleEntry*>(list.data() + 2 * sizeof(ULONG_PTR));
    for (ULONG_PTR i = 0; i < n; ++i) count += entry[i].ProcessId == processId;
    return count;
  }
  if (processId > 0xFFFF || !QuerySystemList(kSystemHandleInformation, &list)) return -1;
  const ULONG n = *reinterpret_cast<const ULONG*>(list.data());
  const auto* entry = reinterpret_cast<const HandleEntry*>(list.data() + sizeof(ULONG_PTR));
  for (ULONG i = 0; i < n; ++i) count += entry[i].ProcessId == processId;
  return count;
}

struct WindowTally {
  DWORD ProcessId;
  long Count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
  auto* tally = reinterpret_cast<WindowTally*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  tally->Count += owner == tally->ProcessId;
  return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM param) {
  CountChild(window, param);
  EnumChildWindows(window, CountChild, param);  // all descendants
  return TRUE;
}

long Windows(DWORD processId) {
  WindowTally tally{processId, 0};
  EnumWindows(CountTop, reinterpret_cast<LPARAM>(&tally));
  // Message-only windows are not top-level windows of the desktop.
  for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w; w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
    CountTop(w, reinterpret_cast<LPARAM>(&tally));
  return tally.Count;
}

// Wine keeps each process's GDI objects in a table of its own, named by the process environment block
// (GdiSharedHandleTable) as Windows names its shared table; a used entry has a non-zero type.
struct GdiHandleEntry {
  ULONGLONG Object;
  ULONG Owner;
  USHORT Unique;
  UCHAR Type;
  UCHAR Flags;
  ULONGLONG UserPointer;
};
constexpr std::size_t kGdiTableEntries = 0x10000;

long WineGdiObjects(HANDLE process) {
  static const auto query = NtFunction<QueryProcessFn>("NtQueryInformationProcess");
  if (!query) return -1;
  struct {
    PVOID Reserved1;
    PVOID PebBaseAddress;
    PVOID Reserved2[2];
    ULONG_PTR UniqueProcessId;
    PVOID Reserved3;
  } basic{};
  ULONG length = 0;
  if (query(process, kProcessBasicInformation, &basic, sizeof basic, &length) != 0 || !basic.PebBaseAddress) return -1;
  const std::size_t tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;  // PEB.GdiSharedHandleTable
  ULONG_PTR table = 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, static_cast<char*>(basic.PebBaseAddress) + tableOffset, &table, sizeof table, &read) ||
      !table)
    return -1;
  std::vector<GdiHandleEntry> entries(kGdiTableEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size() * sizeof(GdiHandleEntry),
                         &read))
    return -1;
  long used = 0;
  for (const GdiHandleEntry& e : entries) used += e.Type != 0;
  return used;
}

long long CommittedPrivateBytes(HANDLE process) {
  long long total = 0;
  MEMORY_BASIC_INFORMATION region;
  const char* address = nullptr;
  while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += static_cast<long long>(region.RegionSize);
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}

long long VmPrivateUsage(HANDLE process) {
  static const auto query = NtFunction<QueryProcessFn>("NtQueryInformationProcess");
  struct {
    SIZE_T PeakVirtualSize, VirtualSize;
    ULONG PageFaultCount;
    SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
        QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage, PrivateUsage;
  } counters{};
  ULONG length = 0;
  if (!query || query(process, kProcessVmCounters, &counters, sizeof counters, &length) != 0) return -1;
  // The extended record's PrivateUsage where the system fills it, else the page-file share.
  return static_cast<long long>(length >= sizeof counters && counters.PrivateUsage ? counters.PrivateUsage
                                                                                    : counters.PagefileUsage);
}

}  // namespace

ProcessResources ReadProcessResources(HANDLE process, DWORD processId) {
  ProcessResources r;
  r.KernelHandles = KernelHandles(processId);
  r.Windows = Windows(processId);
  const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
  const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
  if (user > 0) r.UserObjects = static_cast<long>(user);
  if (gdi > 0) {
    r.GdiObjects = static_cast<long>(gdi);
    r.GdiSource = "GetGuiResources";
  } else {
    r.GdiObjects = WineGdiObjects(process);
    r.GdiSource = "Wine GDI table";
  }
  r.PrivateBytes = CommittedPrivateBytes(process);
  r.PagefileBytes = VmPrivateUsage(process);
  return r;
}

std::string Describe(const ProcessResources& r) {
  char line[256];
  std::snprintf(line, sizeof line, "handles=%ld windows=%ld gdi=%ld (%s) user=%ld private=%lld KB pagefile=%lld KB",
                r.KernelHandles, r.Windows, r.GdiObjects, r.GdiSource.c_str(), r.UserObjects,
                r.PrivateBytes < 0 ? -1 : r.PrivateBytes / 1024, r.PagefileBytes < 0 ? -1 : r.PagefileBytes / 1024);
  return line;
}

}  // namespace kvres
