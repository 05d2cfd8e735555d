// What a process holds of the window system, counted from outside it: GDI objects and windows.
#include "support/guicounts.h"

#include <winternl.h>

#include <vector>

#include "support/winprocess.h"

namespace {

// Wine does not count a process's GUI objects (GetGuiResources answers 0). It keeps the process's GDI
// objects in a handle table laid out as the platform's shared one, which the process environment block
// points to; an entry whose type is 0 is free. The layout is the 64-bit one, as the tests run 64-bit.
struct GdiHandleEntry {
    ULONG64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONG64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the 64-bit table entry");
constexpr std::size_t gdiHandleCount = 0x10000;
constexpr std::size_t gdiTableInPeb = 0xF8;

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

int liveHandleTableEntries(HANDLE process)
{
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basics{};
    if (!query || query(process, ProcessBasicInformation, &basics, sizeof basics, nullptr) != 0)
        return -1;
    ULONG64 table = 0;
    const auto* tableField = reinterpret_cast<const BYTE*>(basics.PebBaseAddress) + gdiTableInPeb;
    if (!ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || !table)
        return -1;
    std::vector<GdiHandleEntry> entries(gdiHandleCount);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), nullptr))
        return -1;
    int live = 0;
    for (const GdiHandleEntry& entry : entries)
        live += entry.type != 0;
    return live;
}

BOOL CALLBACK countWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

int gdiObjectCount(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return -1;
    const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS);
    const int count = counted ? static_cast<int>(counted) : liveHandleTableEntries(process);
    CloseHandle(process);
    return count;
}

int windowCount(DWORD processId)
{
    int count = 0;
    for (HWND window : topLevelWindowsOf(processId)) {
        ++count;
        EnumChildWindows(window, countWindow, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}
