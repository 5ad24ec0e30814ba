#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

// A sequence of small trivially copyable values (pointers) with the vector
// operations a keyed collection uses. Up to kChunk values it is one array that
// doubles; beyond, further values go into chunks of kChunk that are never moved,
// so that a long sequence grows without holding an old and a new copy of itself.
// It takes no more room than a vector while it is short. At most UINT32_MAX
// values.
template <class T> class ChunkedSequence {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    static constexpr std::size_t kChunkBits = 12;
    static constexpr std::size_t kChunk = std::size_t{1} << kChunkBits;

    ChunkedSequence() = default;
    ChunkedSequence(const ChunkedSequence& other) { *this = other; }
    ChunkedSequence(ChunkedSequence&& other) noexcept { *this = std::move(other); }
    ChunkedSequence& operator=(ChunkedSequence&& other) noexcept {
        first_ = std::move(other.first_);
        size_ = std::exchange(other.size_, 0);
        firstCapacity_ = std::exchange(other.firstCapacity_, 0);
        more_ = std::move(other.more_);
        return *this;
    }
    ChunkedSequence& operator=(const ChunkedSequence& other) {
        if (this == &other)
            return *this;
        clear();
        reserve(other.size());
        other.ForEach([this](T value) { push_back(value); });
        return *this;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const T& operator[](std::size_t index) const {
        return index < kChunk ? first_[index]
                              : more_->chunks[(index >> kChunkBits) - 1][index & (kChunk - 1)];
    }
    T& operator[](std::size_t index) { return const_cast<T&>(std::as_const(*this)[index]); }
    const T& back() const { return (*this)[size_ - 1]; }

    void push_back(T value) {
        if (size_ < firstCapacity_) {
            first_[size_++] = value;
            return;
        }
        if (size_ < kChunk) {
            Reallocate(size_ == 0 ? 1 : std::min<std::size_t>(std::size_t{size_} * 2, kChunk));
            first_[size_++] = value;
            return;
        }
        if (!more_)
            more_ = std::make_unique<More>();
        if ((size_ & (kChunk - 1)) == 0)
            more_->chunks.push_back(std::make_unique_for_overwrite<T[]>(kChunk));
        more_->chunks.back()[size_ & (kChunk - 1)] = value;
        ++size_;
    }
    void pop_back() {
        --size_;
        if (size_ >= kChunk && (size_ & (kChunk - 1)) == 0)
            more_->chunks.pop_back();
    }
    // Puts the value at `index` (at most the size); the values after it move up.
    void insert_at(std::size_t index, T value) {
        const std::size_t count = size();
        if (index == count) {
            push_back(value);
            return;
        }
        push_back(back());
        for (std::size_t i = count - 1; i > index; --i)
            (*this)[i] = (*this)[i - 1];
        (*this)[index] = value;
    }
    // Takes out the value at `index`; the values after it move down.
    void erase_at(std::size_t index) {
        const std::size_t count = size();
        for (std::size_t i = index + 1; i < count; ++i)
            (*this)[i - 1] = (*this)[i];
        pop_back();
    }
    void clear() {
        more_.reset();
        size_ = 0;
    }
    void reserve(std::size_t count) {
        const std::size_t first = count < kChunk ? count : kChunk;
        if (first > firstCapacity_)
            Reallocate(first);
    }

    // Calls f(value) for every value in order.
    template <class F> void ForEach(F&& f) const {
        const std::size_t first = size_ < kChunk ? size_ : kChunk;
        for (std::size_t i = 0; i < first; ++i)
            f(first_[i]);
        if (size_ <= kChunk)
            return;
        std::size_t left = size_ - kChunk;
        for (const auto& chunk : more_->chunks) {
            const std::size_t count = left < kChunk ? left : kChunk;
            for (std::size_t i = 0; i < count; ++i)
                f(chunk[i]);
            left -= count;
        }
    }

private:
    struct More {
        std::vector<std::unique_ptr<T[]>> chunks; // the values from kChunk on
    };

    void Reallocate(std::size_t capacity) {
        auto grown = std::make_unique_for_overwrite<T[]>(capacity);
        const std::size_t kept = size_ < kChunk ? size_ : kChunk;
        if (kept > 0)
            std::memcpy(grown.get(), first_.get(), kept * sizeof(T));
        first_ = std::move(grown);
        firstCapacity_ = static_cast<std::uint32_t>(capacity);
    }

    std::unique_ptr<T[]> first_; // the first kChunk values
    std::uint32_t size_ = 0;
    std::uint32_t firstCapacity_ = 0;
    std::unique_ptr<More> more_; // once there were more than kChunk values
};
