// The text of the calling thread's last Windows error, as UTF-8.
#pragma once

#include <string>

namespace dorvanta::platform {

[[nodiscard]] std::string LastErrorText();

} // namespace dorvanta::platform
