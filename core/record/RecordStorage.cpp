#include "core/record/RecordStorage.h"

#include "platform/System.h"

namespace dorvanta {

namespace {

constexpr std::size_t kHugeAllocation = std::size_t{4} << 20;
constexpr std::align_val_t kHugeAlignment{std::size_t{2} << 20};

} // namespace

void* AllocateRecordStorage(std::size_t bytes) {
    if (bytes < kHugeAllocation) {
        return ::operator new(bytes);
    }
    void* storage = ::operator new(bytes, kHugeAlignment);
    platform::AdviseHugePages(storage, bytes);
    return storage;
}

void FreeRecordStorage(void* storage, std::size_t bytes) noexcept {
    if (bytes < kHugeAllocation) {
        ::operator delete(storage);
    } else {
        ::operator delete(storage, kHugeAlignment);
    }
}

} // namespace dorvanta
