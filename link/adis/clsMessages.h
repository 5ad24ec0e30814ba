#pragma once

#include <string>
#include <vector>

// The message texts collected while ADIS files are read, in order.
class clsMessages {
public:
    void Add(std::string text) { texts_.push_back(std::move(text)); }
    long Count() const { return static_cast<long>(texts_.size()); }
    // 1-based; the empty text for a position outside the collection.
    std::string Item(long position) const {
        return position >= 1 && position <= Count() ? texts_[static_cast<std::size_t>(position - 1)]
                                                    : std::string();
    }
    void Clear() { texts_.clear(); }
    std::vector<std::string>::const_iterator begin() const { return texts_.begin(); }
    std::vector<std::string>::const_iterator end() const { return texts_.end(); }

private:
    std::vector<std::string> texts_;
};
