// The maker's published constant tables, typed from the tables themselves
// (never read from the program's arrays): the permissible power dissipation
// by case letter and series group, and the rules of every series.
#pragma once

#include "core/catalogue/Series.h"
#include "core/record/Extended.h"

namespace dorvanta::testing {

// ---------------------------------------------------------------------------
// Permissible power dissipation in W by case letter and series group; 0 where
// the published table has an empty cell.

enum class Group { General, KEQ, WIR, WIQ, KYR };

struct PowerRow {
    char letter;
    Real general, keq, wir, wiq, kyr;
};

// clang-format off
inline constexpr PowerRow kPublishedPower[] = {
    //        General  KEQ     WIR     WIQ     KYR
    {'A', 0.075L, 0,      0.09L,  0,      0.04L},
    {'B', 0.085L, 0,      0.102L, 0,      0.04L},
    {'C', 0.11L,  0,      0.132L, 0,      0},
    {'D', 0.15L,  0.255L, 0.18L,  0,      0},
    {'E', 0.165L, 0.27L,  0.198L, 0.324L, 0},
    {'F', 0.1L,   0,      0.12L,  0,      0},
    {'G', 0.07L,  0,      0,      0,      0},
    {'H', 0.08L,  0,      0,      0,      0.04L},
    {'I', 0,      0,      0,      0,      0},
    {'J', 0,      0,      0,      0,      0.02L},
    {'K', 0.065L, 0,      0,      0,      0.015L},
    {'L', 0.07L,  0,      0,      0,      0.025L},
    {'M', 0,      0,      0,      0,      0.03L},
    {'N', 0.05L,  0,      0,      0,      0},
    {'O', 0,      0,      0,      0,      0},
    {'P', 0.06L,  0,      0.072L, 0,      0},
    {'Q', 0,      0,      0,      0,      0},
    {'R', 0.055L, 0,      0.066L, 0,      0.045L},
    {'S', 0.065L, 0,      0.078L, 0,      0},
    {'T', 0.08L,  0,      0.096L, 0,      0.04L},
    {'U', 0,      0,      0,      0,      0.035L},
    {'V', 0.25L,  0.285L, 0.3L,   0,      0.035L},
    {'W', 0.09L,  0,      0.108L, 0,      0},
    {'X', 0.1L,   0,      0.12L,  0,      0.04L},
    {'Y', 0.125L, 0.21L,  0.15L,  0,      0},
    {'Z', 0,      0.3L,   0,      0,      0.02L},
};
// clang-format on

inline Real PublishedPower(Group group, char letter) {
    for (const PowerRow& row : kPublishedPower) {
        if (row.letter == letter) {
            switch (group) {
            case Group::General:
                return row.general;
            case Group::KEQ:
                return row.keq;
            case Group::WIR:
                return row.wir;
            case Group::WIQ:
                return row.wiq;
            case Group::KYR:
                return row.kyr;
            }
        }
    }
    return 0; // no row: no entry in any group
}

// ---------------------------------------------------------------------------
// The series rules, one row per value of TTypVyrobku.

enum class Surge { Standard, KMD, Microchip };

struct SeriesRow {
    TTypVyrobku series;
    const char* code; // of a part number that decodes to the series
    int topTemperature;
    Group group;
    Real irmsTop;
    Real failureRateFactor;
    Real failureRateTop;
    Real dclTop;
    Surge surge;
    bool keepsDF;
};

// clang-format off
inline const SeriesRow kPublishedSeries[] = {
    // series top   group           Irms  FR factor      FR top DCL  surge              DF
    {tvAll, "XXX", 125, Group::General, 0.4L, 1,             25,  13, Surge::Standard,  true},
    {tvKRB, "KRB", 125, Group::General, 0.4L, 1,             25,  13, Surge::Standard,  true},
    {tvKMD, "KMD", 125, Group::General, 0.4L, 0.2L * 154,    25,  13, Surge::KMD,       false},
    {tvKSF, "KSF", 125, Group::General, 0.4L, 0.5L,          25,  13, Surge::Standard,  true},
    {tvKWG, "KWG", 175, Group::General, 0.2L, 0.5L,          900, 20, Surge::Standard,  true},
    {tvKEL, "KEL", 125, Group::General, 0.4L, 1,             25,  13, Surge::Standard,  true},
    {tvKEQ, "KEQ", 125, Group::KEQ,     0.4L, 1,             25,  13, Surge::Standard,  true},
    {tvKUB, "KUB", 125, Group::General, 0.4L, 1,             25,  13, Surge::Standard,  true},
    {tvKOZ, "KOZ", 125, Group::General, 0.4L, 1,             25,  13, Surge::Standard,  true},
    {tvWIR, "WIR", 105, Group::WIR,     0.4L, 0.5L,          25,  12, Surge::Standard,  true},
    {tvWIE, "WIE", 125, Group::WIR,     0.4L, 0.2L,          150, 13, Surge::Standard,  true},
    {tvWIQ, "WIQ", 125, Group::WIQ,     0.4L, 0.2L,          25,  13, Surge::Standard,  true},
    {tvKYR, "KYR", 125, Group::KYR,     0.4L, 1,             25,  13, Surge::Microchip, true},
    {tvKYD, "KYD", 125, Group::General, 0.4L, 0.2L * 154,    25,  13, Surge::Microchip, false},
    {tvKYE, "KYE", 125, Group::General, 0.4L, 1,             25,  13, Surge::Microchip, true},
    {tvKYF, "KYF", 125, Group::General, 0.4L, 0.1L,          25,  13, Surge::Microchip, true},
};
// clang-format on

} // namespace dorvanta::testing
