#pragma once

#include <cstddef>
#include <memory>

// Storage that is either owned (freed with its holder) or borrowed from the
// pooled block of a value line, which outlives the holder.
struct MaybeOwnedDelete {
    bool owned = true;
    template <class T> void operator()(T* storage) const {
        if (owned)
            std::default_delete<T[]>()(storage);
    }
};

template <class T> using MaybeOwned = std::unique_ptr<T[], MaybeOwnedDelete>;

template <class T> MaybeOwned<T> OwnedStorage(std::size_t count) {
    return MaybeOwned<T>(std::make_unique_for_overwrite<T[]>(count).release(),
                         MaybeOwnedDelete{true});
}

template <class T> MaybeOwned<T> BorrowedStorage(T* storage) {
    return MaybeOwned<T>(storage, MaybeOwnedDelete{false});
}
