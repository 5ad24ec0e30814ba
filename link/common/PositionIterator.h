#pragma once

#include <cstddef>
#include <iterator>
#include <type_traits>

// A forward iterator over the positions of a sequence whose owner gives the
// value at a position, Access::At(owner, position), as `Value` (a reference, or
// a handle, copy or text made on request).
template <class Owner, class Value, class Access> class PositionIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::remove_cvref_t<Value>;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Value;

    PositionIterator() = default;
    PositionIterator(const Owner* owner, std::size_t position)
        : owner_(owner), position_(position) {}
    Value operator*() const { return Access::At(*owner_, position_); }
    PositionIterator& operator++() {
        ++position_;
        return *this;
    }
    PositionIterator operator++(int) {
        PositionIterator before = *this;
        ++position_;
        return before;
    }
    friend bool operator==(const PositionIterator& a, const PositionIterator& b) {
        return a.position_ == b.position_;
    }

private:
    const Owner* owner_ = nullptr;
    std::size_t position_ = 0;
};
