// The system queries on Windows: error texts through FormatMessageW, the
// program file through GetModuleFileNameW, the memory through
// GlobalMemoryStatusEx. Windows gives huge pages only to privileged
// processes, so their advice does nothing here.
#include "platform/System.h"

#include "platform/windows/WindowsError.h"

#include <system_error>
#include <vector>
#include <windows.h>

namespace dorvanta::platform {

std::string LastErrorText() {
    const DWORD error = ::GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) {
        return "Windows error " + std::to_string(error);
    }
    std::wstring text(buffer, length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.pop_back();
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        (void)::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    utf8.data(), size, nullptr, nullptr);
    }
    return utf8.empty() ? "Windows error " + std::to_string(error) : utf8;
}

std::string SystemErrorText(int error) {
    if (error == 0) {
        return std::make_error_code(std::errc::io_error).message();
    }
    return std::generic_category().message(error);
}

std::filesystem::path ProgramDirectory(std::string_view argv0) {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            break;
        }
        if (length < name.size()) {
            return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
        }
        name.resize(name.size() * 2);
    }
    std::error_code error;
    const auto given = std::filesystem::absolute(std::filesystem::path(argv0), error);
    return error ? std::filesystem::path(".") : given.parent_path();
}

std::optional<std::uint64_t> PhysicalMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status)) {
        return std::nullopt;
    }
    return status.ullTotalPhys;
}

void AdviseHugePages(void* start, std::size_t size) noexcept {
    (void)start;
    (void)size;
}

void ReturnFreeMemory() noexcept {
}

} // namespace dorvanta::platform
