// What the program asks of the system beyond files: the text of a system
// error, the directory of the program file, the machine's physical memory
// and the advice to back large allocations with huge pages. One
// implementation per system (posix/, windows/), chosen by the build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace dorvanta::platform {

// The system's text for the failure `error` (an errno value). 0, which a
// stream failure without a system error leaves, reads as an input/output
// error.
[[nodiscard]] std::string SystemErrorText(int error);

// The directory that holds the running program's file; where the system
// cannot tell, that of `argv0`, else the current directory.
[[nodiscard]] std::filesystem::path ProgramDirectory(std::string_view argv0);

// The machine's total physical memory in bytes; none when it cannot be
// asked.
[[nodiscard]] std::optional<std::uint64_t> PhysicalMemoryBytes();

// Advises the system to back the memory at `start` (aligned to the huge
// page size) with huge pages. Only advice: where the system has none, or
// declines, nothing changes.
void AdviseHugePages(void* start, std::size_t size) noexcept;

// Hands the memory that the allocator holds free back to the system, where
// the allocator can; so that the next allocation touches fresh pages.
void ReturnFreeMemory() noexcept;

} // namespace dorvanta::platform
