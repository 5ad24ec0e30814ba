#include "CountingAllocator.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
std::atomic<std::size_t> liveBlockBytes{0};
std::atomic<std::size_t> peakBlockBytes{0};
// Each block carries its size in front, kept at the alignment operator new promises.
constexpr std::size_t kHeader = alignof(std::max_align_t);

// The bytes a 64-bit glibc heap takes for a request of `size`: a block of at
// least 32 bytes holding the size and an 8-byte header, in steps of 16; a
// request of 128 KB or more gets pages of its own.
std::size_t BlockBytes(std::size_t size) {
    if (size >= 128 * 1024)
        return (size + 16 + 4095) / 4096 * 4096;
    return std::max<std::size_t>(32, (size + 8 + 15) / 16 * 16);
}

void Raise(std::atomic<std::size_t>& live, std::atomic<std::size_t>& peak, std::size_t size) {
    const std::size_t now = live.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t highest = peak.load(std::memory_order_relaxed);
    while (now > highest && !peak.compare_exchange_weak(highest, now, std::memory_order_relaxed)) {
    }
}

void Count(std::size_t size) {
    Raise(liveBytes, peakBytes, size);
    Raise(liveBlockBytes, peakBlockBytes, BlockBytes(size));
}

void Uncount(std::size_t size) {
    liveBytes.fetch_sub(size, std::memory_order_relaxed);
    liveBlockBytes.fetch_sub(BlockBytes(size), std::memory_order_relaxed);
}

void* Allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    Count(size);
    return block + kHeader;
}

// Blocks of a larger alignment carry their size in a header of that alignment.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    const auto align = std::max(static_cast<std::size_t>(alignment), kHeader);
    auto* block = static_cast<unsigned char*>(
        std::aligned_alloc(align, (size + 2 * align - 1) / align * align));
    if (!block)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block + align - sizeof(std::size_t)) = size;
    Count(size);
    return block + align;
}

void ReleaseAligned(void* pointer, std::align_val_t alignment) noexcept {
    if (!pointer)
        return;
    const auto align = std::max(static_cast<std::size_t>(alignment), kHeader);
    auto* block = static_cast<unsigned char*>(pointer) - align;
    Uncount(*reinterpret_cast<std::size_t*>(block + align - sizeof(std::size_t)));
    std::free(block);
}

void Release(void* pointer) noexcept {
    if (!pointer)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    Uncount(*reinterpret_cast<std::size_t*>(block));
    std::free(block);
}

} // namespace

std::size_t CountingAllocator::LiveBytes() {
    return liveBytes.load();
}

std::size_t CountingAllocator::PeakBytes() {
    return peakBytes.load();
}

std::size_t CountingAllocator::LiveBlockBytes() {
    return liveBlockBytes.load();
}

std::size_t CountingAllocator::PeakBlockBytes() {
    return peakBlockBytes.load();
}

void CountingAllocator::ResetPeak() {
    peakBytes.store(liveBytes.load());
    peakBlockBytes.store(liveBlockBytes.load());
}

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* pointer) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
    Release(pointer);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void operator delete(void* pointer, std::align_val_t alignment) noexcept {
    ReleaseAligned(pointer, alignment);
}
void operator delete[](void* pointer, std::align_val_t alignment) noexcept {
    ReleaseAligned(pointer, alignment);
}
void operator delete(void* pointer, std::size_t, std::align_val_t alignment) noexcept {
    ReleaseAligned(pointer, alignment);
}
void operator delete[](void* pointer, std::size_t, std::align_val_t alignment) noexcept {
    ReleaseAligned(pointer, alignment);
}
