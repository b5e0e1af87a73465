// The candidate search: every catalogue entry evaluated for the application,
// kept when it passes the maker's voltage-derating and surge rules and the
// user's criterion.
#pragma once

#include "core/engine/ApplicationData.h"
#include "core/engine/PartNoInfo.h"
#include "core/engine/ResultList.h"
#include "core/record/PartNoRecord.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace dorvanta {

enum TRejectReason : std::uint8_t {
    rrVoltage, // the application voltage is above 82.5 % of the rated voltage
    rrSurge,   // the application surge exceeds the test surge
};

// The value name, "rrVoltage" or "rrSurge".
[[nodiscard]] std::string_view RejectReasonName(TRejectReason reason) noexcept;

// The maker's rules that rejected parts in one search; only ever added to.
class TRejectReasons {
public:
    void Include(TRejectReason reason) noexcept { bits_ |= Bit(reason); }
    void Include(const TRejectReasons& other) noexcept { bits_ |= other.bits_; }
    // Whether every reason of `other` is here.
    [[nodiscard]] bool Contains(const TRejectReasons& other) const noexcept {
        return (bits_ & other.bits_) == other.bits_;
    }
    [[nodiscard]] bool Contains(TRejectReason reason) const noexcept {
        return (bits_ & Bit(reason)) != 0;
    }
    [[nodiscard]] bool Empty() const noexcept { return bits_ == 0; }
    void Clear() noexcept { bits_ = 0; }
    friend bool operator==(const TRejectReasons&, const TRejectReasons&) = default;

private:
    static constexpr std::uint8_t Bit(TRejectReason reason) noexcept {
        return static_cast<std::uint8_t>(1U << reason);
    }
    std::uint8_t bits_ = 0;
};

// The part-number filter. Criterion texts are read by the general number
// format with `separator`; a text other than "all" that is not a number
// matches no part.
[[nodiscard]] bool MatchesPartNumber(std::string_view partNumber, const TPartNoInfo& candidate,
                                     const TVstupniParametry2& criterion,
                                     std::string_view separator = ".");

// The acceptance test of an evaluated entry, in this order: the part-number
// filter (ByPartNumber only), the voltage-derating rule (adds rrVoltage), the
// surge rule (adds rrSurge; relaxed by 15 % with `closestMatch`), then the
// capacitance criterion (not ByPartNumber only).
[[nodiscard]] bool AcceptPart(std::string_view partNumber, const TPartNoInfo& candidate,
                              const TVstupniUdaje& data, TRejectReasons& reasons,
                              bool closestMatch);

// Appends one line per accepted entry of `catalogue`, in catalogue order, to
// `list`, and adds the reasons of the rejections to `reasons`; neither is
// emptied first. Entries whose evaluation fails are left out silently.
void FindParts(std::span<const TPartNoRecord> catalogue, const TVstupniUdaje& data,
               TResultList& list, TRejectReasons& reasons, bool closestMatch);

} // namespace dorvanta
