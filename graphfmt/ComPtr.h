#pragma once
// Owners for COM: an interface pointer released once, and a scope in which
// the thread's COM apartment is initialised.
#include <objbase.h>
#include <utility>

namespace gfx {

template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(ComPtr&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void reset() noexcept
    {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }
    // For calls that hand out a new reference through an out-parameter.
    T** put() noexcept
    {
        reset();
        return &p_;
    }

private:
    T* p_ = nullptr;
};

// Initialises COM on this thread for the scope's lifetime. A thread already
// initialised in another mode keeps its apartment, which serves as well.
// A thread that never handles messages takes the multithreaded apartment:
// the first single-threaded one in the program hosts objects for others
// and must answer them.
class ComApartment {
public:
    explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED) noexcept : hr_(::CoInitializeEx(nullptr, model)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(hr_))
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT hr_;
};

} // namespace gfx
