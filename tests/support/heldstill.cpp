// Holding a program's threads still from outside, as long work or a stall inside it would.
#include "support/heldstill.h"

#include <tlhelp32.h>

#include "support/winprocess.h"

std::vector<DWORD> threadsOf(DWORD processId)
{
    std::vector<DWORD> threads;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL found = Thread32First(snapshot, &entry); found; found = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == processId)
            threads.push_back(entry.th32ThreadID);
    CloseHandle(snapshot);
    return threads;
}

HeldStill::HeldStill(const std::vector<DWORD>& threads, DWORD milliseconds) : milliseconds_(milliseconds)
{
    for (DWORD id : threads)
        if (HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, id)) {
            SuspendThread(thread);
            threads_.push_back(thread);
        }
    releaser_ = CreateThread(nullptr, 0, letGoLater, this, 0, nullptr);
}

HeldStill::~HeldStill()
{
    WaitForSingleObject(releaser_, milliseconds_ + shortWait);
    CloseHandle(releaser_);
    for (HANDLE thread : threads_)
        CloseHandle(thread);
}

bool HeldStill::held() const
{
    return held_;
}

DWORD WINAPI HeldStill::letGoLater(void* self)
{
    auto* held = static_cast<HeldStill*>(self);
    Sleep(held->milliseconds_);
    for (HANDLE thread : held->threads_)
        ResumeThread(thread);
    held->held_ = false;
    return 0;
}
