// Storage for large arrays of plain records that are filled by reading
// bytes into them, such as the catalogue.
#pragma once

#include "PosixFile.h"

#include <cstddef>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

namespace dorvanta {

// An allocator for trivially copyable records. A vector's resize leaves the
// new elements as allocated instead of zeroing them, since a read overwrites
// every byte next: each page is then written once. An allocation of several
// megabytes is aligned to the huge page size and advised to use huge pages,
// so that its first touch faults once per 2 MiB instead of once per 4 KiB.
template <class T> class TRecordAllocator {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    using value_type = T;

    TRecordAllocator() noexcept = default;
    template <class U>
    explicit(false) TRecordAllocator(const TRecordAllocator<U>& /*other*/) noexcept {}

    [[nodiscard]] T* allocate(std::size_t count) {
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T)) {
            throw std::bad_array_new_length();
        }
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kHugeAllocation) {
            return static_cast<T*>(::operator new(bytes));
        }
        void* storage = ::operator new(bytes, kHugeAlignment);
        posix::AdviseHugePages(storage, bytes);
        return static_cast<T*>(storage);
    }

    void deallocate(T* storage, std::size_t count) noexcept {
        if (count * sizeof(T) < kHugeAllocation) {
            ::operator delete(storage);
        } else {
            ::operator delete(storage, kHugeAlignment);
        }
    }

    // Value-initialisation by a vector leaves the allocated bytes: a record
    // is an implicit-lifetime type, which the allocation already created.
    template <class U> void construct(U* /*element*/) noexcept {}
    template <class U, class... Arguments> void construct(U* element, Arguments&&... arguments) {
        ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
    }

    friend bool operator==(const TRecordAllocator&, const TRecordAllocator&) noexcept {
        return true;
    }

private:
    static constexpr std::size_t kHugeAllocation = std::size_t{4} << 20;
    static constexpr std::align_val_t kHugeAlignment{std::size_t{2} << 20};
};

} // namespace dorvanta
