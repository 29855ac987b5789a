#pragma once
// Owners for COM: an interface pointer released on every path, memory the shell hands over, and a
// thread's apartment.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>

struct CoTaskMemFreer {
    void operator()(void* p) const { CoTaskMemFree(p); }
};
using unique_pidl = std::unique_ptr<ITEMIDLIST, CoTaskMemFreer>;  // SHParseDisplayName, ILCombine ... CoTaskMemFree

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* operator->() const { return pointer_; }
    T* Get() const { return pointer_; }
    // For an out-argument; whatever was held is released first.
    T** Put()
    {
        Reset();
        return &pointer_;
    }
    // For the untyped out-argument of CoCreateInstance and QueryInterface.
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

private:
    void Reset()
    {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }
    T* pointer_ = nullptr;
};

// A single-threaded apartment for the calling thread while the scope lives (the shell's objects need one).
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    // S_FALSE (already initialised on this thread) also needs its balancing CoUninitialize.
    ~ComApartment()
    {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};
