#pragma once
// An unnamed kernel event, closed with its owner.
#include <windows.h>

class Event {
public:
    Event(bool manualReset, bool initiallySet)
        : handle_(CreateEventW(nullptr, manualReset, initiallySet, nullptr)) {}
    ~Event() { if (handle_) CloseHandle(handle_); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set() const { SetEvent(handle_); }
    void Reset() const { ResetEvent(handle_); }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_;
};
