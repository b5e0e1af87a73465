// The maker's addresses: the about window links to them and the printed
// report names the e-mail address as its contact.
#pragma once

namespace dorvanta {

inline constexpr const char* kMakerMailAddress = "techsales@moltren.example";
inline constexpr const char* kMakerWebHost = "www.moltren.example";

} // namespace dorvanta
