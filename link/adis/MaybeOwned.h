#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

// Storage that is either owned (freed with its holder) or borrowed from the
// pooled block of a value line, which outlives the holder. Held in one word, as
// every value line has two: whether it is owned is the lowest bit of the
// address, which is free because storage of either kind starts on an even
// address (operator new[] aligns, and a pool places blocks on 8 bytes).
template <class T> class MaybeOwned {
public:
    MaybeOwned() = default;
    MaybeOwned(const MaybeOwned&) = delete;
    MaybeOwned& operator=(const MaybeOwned&) = delete;
    MaybeOwned(MaybeOwned&& other) noexcept : bits_(std::exchange(other.bits_, 0)) {}
    MaybeOwned& operator=(MaybeOwned&& other) noexcept {
        if (this != &other) {
            reset();
            bits_ = std::exchange(other.bits_, 0);
        }
        return *this;
    }
    ~MaybeOwned() { reset(); }

    static MaybeOwned Owned(std::size_t count) {
        return MaybeOwned(std::make_unique_for_overwrite<T[]>(count).release(), true);
    }
    static MaybeOwned Borrowed(T* storage) { return MaybeOwned(storage, false); }

    T* get() const { return reinterpret_cast<T*>(bits_ & ~kOwnedBit); }
    bool owned() const { return (bits_ & kOwnedBit) != 0; }
    explicit operator bool() const { return get() != nullptr; }
    void reset() {
        if (owned())
            std::default_delete<T[]>()(get());
        bits_ = 0;
    }

private:
    static constexpr std::uintptr_t kOwnedBit = 1;
    MaybeOwned(T* storage, bool owned) : bits_(reinterpret_cast<std::uintptr_t>(storage)) {
        assert((bits_ & kOwnedBit) == 0);
        if (owned && storage)
            bits_ |= kOwnedBit;
    }

    std::uintptr_t bits_ = 0;
};

template <class T> MaybeOwned<T> OwnedStorage(std::size_t count) {
    return MaybeOwned<T>::Owned(count);
}

template <class T> MaybeOwned<T> BorrowedStorage(T* storage) {
    return MaybeOwned<T>::Borrowed(storage);
}
