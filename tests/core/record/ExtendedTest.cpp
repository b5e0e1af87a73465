#include "core/record/Extended.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace dorvanta {
namespace {

using Bytes = std::array<std::uint8_t, kExtendedSize>;

struct KnownEncoding {
    Real value;
    Bytes bytes;
};

// Byte images as an x87 unit stores them.
const KnownEncoding kKnown[] = {
    {2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40}},
    {1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
    {-1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xBF}},
    {0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {38090.0L, {0, 0, 0, 0, 0, 0, 0xCA, 0x94, 0x0E, 0x40}},
    {0.5L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F}},
};

TEST(ExtendedCodec, EncodesKnownValuesToTheirBytes) {
    for (const auto& known : kKnown) {
        EXPECT_EQ(TExtended::from(known.value).bytes, known.bytes)
            << static_cast<double>(known.value);
    }
}

TEST(ExtendedCodec, DecodesKnownBytesToTheirValues) {
    for (const auto& known : kKnown) {
        EXPECT_EQ(DecodeExtended(known.bytes.data()), known.value);
    }
}

TEST(ExtendedCodec, RoundTripsAwkwardValuesBitExactly) {
    const Real values[] = {6.3L,
                           0.1L,
                           -0.15L,
                           1e-4000L,
                           std::numeric_limits<Real>::denorm_min(),
                           std::numeric_limits<Real>::min(),
                           std::numeric_limits<Real>::max(),
                           -std::numeric_limits<Real>::max(),
                           std::numeric_limits<Real>::epsilon()};
    for (const Real v : values) {
        const TExtended e = TExtended::from(v);
        EXPECT_EQ(e.value(), v);
        EXPECT_EQ(TExtended::from(e.value()), e);
    }
}

// Encodings whose integer bit disagrees with the exponent are not what an
// x87 unit stores; they decode to their arithmetic value all the same.
TEST(ExtendedCodec, NonCanonicalEncodingsDecodeToTheirValue) {
    const KnownEncoding cases[] = {
        // unnormal: exponent of 1, integer bit clear, fraction 0.5
        {0.5L, {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}},
        {-0.75L, {0, 0, 0, 0, 0, 0, 0, 0x60, 0xFF, 0xBF}},
        // pseudo-denormal: exponent field 0 with the integer bit set
        {std::numeric_limits<Real>::min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x00}},
        // unnormal zero
        {0.0L, {0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x3F}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeExtended(c.bytes.data()), c.value) << static_cast<double>(c.value);
    }
}

TEST(ExtendedCodec, SixPointThreeIsTheNearestExtended) {
    // The significand of 6.3 rounded to 64 bits is C999 9999 9999 999A.
    const Bytes expected = {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0xC9, 0x01, 0x40};
    EXPECT_EQ(TExtended::from(6.3L).bytes, expected);
}

TEST(ExtendedCodec, SpecialValues) {
    const Real inf = std::numeric_limits<Real>::infinity();
    EXPECT_EQ(TExtended::from(inf).value(), inf);
    EXPECT_EQ(TExtended::from(-inf).value(), -inf);
    EXPECT_TRUE(std::isnan(TExtended::from(std::numeric_limits<Real>::quiet_NaN()).value()));
    EXPECT_TRUE(std::signbit(TExtended::from(-0.0L).value()));

    // Any non-zero fraction under the top exponent is a NaN, whatever the integer bit.
    const Bytes nanBytes = {1, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F};
    EXPECT_TRUE(std::isnan(DecodeExtended(nanBytes.data())));
}

} // namespace
} // namespace dorvanta
