// What a running process holds, read from outside by its id, in the same way on Windows and under
// Wine (where GetGuiResources and GetProcessHandleCount answer 0): kernel handles from the system's
// handle list, the process's windows, its GDI objects and its committed private memory.
#pragma once

#include <windows.h>

#include <string>

namespace kvres {

struct ProcessResources {
  long KernelHandles = -1;  // entries of the process in NtQuerySystemInformation's handle list
  long Windows = -1;        // its top-level, child and message-only windows (USER objects under Wine)
  long UserObjects = -1;    // GetGuiResources(GR_USEROBJECTS): all USER objects; -1 where it answers 0
  long GdiObjects = -1;     // GetGuiResources(GR_GDIOBJECTS), or the used entries of Wine's GDI table
  std::string GdiSource;    // "GetGuiResources" or "Wine GDI table"
  long long PrivateBytes = -1;  // committed private memory (sum of its MEM_PRIVATE committed regions)
  long long PagefileBytes = -1; // the VM counters' PrivateUsage (NtQueryInformationProcess), for comparison
};

// Reads the counts of the process; `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
// A count that cannot be read stays -1.
ProcessResources ReadProcessResources(HANDLE process, DWORD processId);

// One line: "handles=N windows=N gdi=N (source) user=N private=N KB pagefile=N KB".
std::string Describe(const ProcessResources& r);

}  // namespace kvres
