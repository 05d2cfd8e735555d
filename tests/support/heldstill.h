// Holding a program's threads still from outside, as long work or a stall inside it would: they run no code
// and fetch no message meanwhile.
#pragma once

#include <windows.h>

#include <atomic>
#include <vector>

// The threads of a running process.
std::vector<DWORD> threadsOf(DWORD processId);

// Suspends the threads at once and lets them go after the time from a thread of its own, whatever the
// platform makes the caller wait for meanwhile; the destructor waits until they run again.
class HeldStill {
public:
    HeldStill(const std::vector<DWORD>& threads, DWORD milliseconds);
    ~HeldStill();
    HeldStill(const HeldStill&) = delete;
    HeldStill& operator=(const HeldStill&) = delete;

    bool held() const;

private:
    static DWORD WINAPI letGoLater(void* self);

    std::vector<HANDLE> threads_;
    DWORD milliseconds_;
    std::atomic<bool> held_{true};
    HANDLE releaser_ = nullptr;
};
