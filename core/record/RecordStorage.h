// Storage for large arrays of plain records that are filled by reading
// bytes into them, such as the catalogue.
#pragma once

#include <cstddef>
#include <limits>
#include <new>
#include <type_traits>
#include <utility>

namespace dorvanta {

// Memory for `bytes` of records: an allocation of several megabytes is
// aligned to the huge page size and advised to use huge pages, so that its
// first touch faults once per 2 MiB instead of once per 4 KiB. Throws
// std::bad_alloc as operator new does.
[[nodiscard]] void* AllocateRecordStorage(std::size_t bytes);
// Gives back what AllocateRecordStorage(bytes) gave.
void FreeRecordStorage(void* storage, std::size_t bytes) noexcept;

// An allocator for trivially copyable records. A vector's resize leaves the
// new elements as allocated instead of zeroing them, since a read overwrites
// every byte next: each page is then written once.
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
        return static_cast<T*>(AllocateRecordStorage(count * sizeof(T)));
    }

    void deallocate(T* storage, std::size_t count) noexcept {
        FreeRecordStorage(storage, count * sizeof(T));
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
};

} // namespace dorvanta
