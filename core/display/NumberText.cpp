#include "core/display/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

namespace dorvanta {

namespace {

constexpr int kGeneralDigits = 15;
constexpr int kPatternDigits = 18;

// A finite non-negative value as decimal digits: value = 0.digits × 10^point,
// so `point` digits stand before the decimal separator.
struct TDecimalDigits {
    std::string digits; // no leading zero; empty for zero
    int point = 0;
};

TDecimalDigits ToDecimal(Real magnitude, int significantDigits) {
    TDecimalDigits result;
    if (magnitude == 0) {
        return result;
    }
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                         std::chars_format::scientific, significantDigits - 1);
    (void)ec; // the buffer is large enough for every long double
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            result.digits += c;
        }
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    const char* first = exponentText.data();
    if (*first == '+') {
        ++first;
    }
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);
    result.point = exponent + 1;
    return result;
}

// 10^n for 0 <= n <= 27, each exact in the 64-bit significand (5^27 <
// 2^64).
constexpr int kLargestExactPower = 27;
constexpr std::array<Real, kLargestExactPower + 1> kExactPowersOfTen = [] {
    std::array<Real, kLargestExactPower + 1> powers{};
    Real power = 1;
    for (Real& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

Real ExactPowerOfTen(int n) noexcept {
    return kExactPowersOfTen[static_cast<std::size_t>(n)];
}

// The exponent of two of a finite non-zero magnitude m: 2^e <= m < 2^(e+1),
// read from its encoding (denormals give the smallest normal's exponent).
int BinaryExponent(Real magnitude) noexcept {
    std::array<std::uint8_t, kExtendedSize> bytes{};
    EncodeExtended(magnitude, bytes.data());
    const int field = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
    return (field == 0 ? 1 : field) - 16383;
}

// The quick exact path of the 15-digit decimal form, for a finite positive
// magnitude: scaled by an exact power of ten into [10^14, 10^15), one
// rounding of the scaling leaves an error below 2^-14 of a unit, so the
// integer nearest the scaled value is the exactly rounded 15-digit
// significand unless the scaled value lies near a half (or near either end
// of the range). Those rare values, and magnitudes whose scale is not an
// exact power of ten, give nothing: the library's conversion serves them.
// No step changes the rounding mode (as floor and integer conversions of
// x87 reals do, slowly).
std::optional<TDecimalDigits> ToFifteenDigits(Real magnitude) {
    constexpr Real kLow = 1e14L;
    constexpr Real kHigh = 1e15L;
    constexpr Real kMargin = 1.0L / 1024; // far above the scaling's error
    constexpr Real kUnitAt63 = 0x1p63L;   // where the reals are the integers
    constexpr int kLargestBinaryExponent = 1000;
    constexpr std::uint64_t kFifteenDigitsEnd = 1'000'000'000'000'000;
    const int binaryExponent = BinaryExponent(magnitude);
    if (binaryExponent > kLargestBinaryExponent || binaryExponent < -kLargestBinaryExponent) {
        return std::nullopt;
    }
    // floor(binaryExponent × log10 2), then corrected by the scaled value.
    int exponent = (binaryExponent * 78913) >> 18;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int scale = kGeneralDigits - 1 - exponent;
        if (scale > kLargestExactPower || scale < -kLargestExactPower) {
            return std::nullopt;
        }
        const Real scaled =
            scale >= 0 ? magnitude * ExactPowerOfTen(scale) : magnitude / ExactPowerOfTen(-scale);
        if (scaled < kLow) {
            --exponent;
            continue;
        }
        if (scaled >= kHigh) {
            ++exponent;
            continue;
        }
        // Added to 2^63 the scaled value rounds to the nearest integer,
        // which then stands in the significand's bits.
        const Real shifted = scaled + kUnitAt63;
        const Real fraction = scaled - (shifted - kUnitAt63); // exact, within ±1/2
        if (scaled - kLow < kMargin || kHigh - scaled < kMargin ||
            0.5L - std::fabs(fraction) < kMargin) {
            return std::nullopt;
        }
        std::array<std::uint8_t, kExtendedSize> bytes{};
        EncodeExtended(shifted, bytes.data());
        std::uint64_t significand = 0;
        for (int i = 7; i >= 0; --i) {
            significand = (significand << 8) | bytes[static_cast<std::size_t>(i)];
        }
        significand -= std::uint64_t{1} << 63;
        int point = exponent + 1;
        if (significand == kFifteenDigitsEnd) { // 999...9.5 and above
            significand /= 10;
            ++point;
        }
        TDecimalDigits result;
        std::array<char, 24> buffer{};
        const auto [end, ec] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), significand);
        (void)ec; // 15 digits fit
        result.digits.assign(buffer.data(), end);
        result.point = point;
        return result;
    }
    return std::nullopt;
}

void TrimTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
}

// Keeps the digits up to `keep` (counted from the first digit) and rounds
// the first dropped digit half away from zero.
void RoundTo(TDecimalDigits& d, int keep) {
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) {
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    TrimTrailingZeros(d.digits);
}

// Appends the digits in plain form: "0.00015", "1500", "1.5".
void AppendPlain(std::string& text, const TDecimalDigits& d, std::string_view separator) {
    const std::size_t size = d.digits.size();
    if (d.point <= 0) {
        text += '0';
    } else {
        const auto whole = static_cast<std::size_t>(d.point);
        text.append(d.digits, 0, std::min(whole, size));
        text.append(whole > size ? whole - size : 0, '0');
    }
    if (static_cast<int>(size) > d.point) {
        text += separator;
        text.append(d.point < 0 ? static_cast<std::size_t>(-d.point) : 0, '0');
        text.append(d.digits, static_cast<std::size_t>(d.point > 0 ? d.point : 0));
    }
}

std::string PlainText(const TDecimalDigits& d, std::string_view separator) {
    std::string text;
    AppendPlain(text, d, separator);
    return text;
}

std::optional<std::string> NonFiniteText(Real value) {
    if (std::isnan(value)) {
        return std::string("NAN");
    }
    if (std::isinf(value)) {
        return std::string(value < 0 ? "-INF" : "INF");
    }
    return std::nullopt;
}

bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos, std::string& out) {
    while (pos < text.size() && IsDigit(text[pos])) {
        out += text[pos++];
    }
    return pos;
}

// The quick exact path of a decimal text in the form that from_chars reads
// ("-", digits, ".", digits, "e", sign, digits): when its significant digits
// make an integer M below 10^19 and its power of ten 10^k has |k| <= 27, M
// and 10^|k| are both exact in the 64-bit significand, so one multiplication
// or division rounds the exact value once: the same nearest real that the
// library's conversion gives, without its cost. Nothing for other texts.
std::optional<Real> ExactlyRounded(std::string_view normal) {
    constexpr int kMaximumDigits = 19;
    constexpr int kMaximumPower = kLargestExactPower;
    std::size_t pos = 0;
    const bool negative = !normal.empty() && normal[0] == '-';
    pos += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int power = 0;
    bool fraction = false;
    for (; pos < normal.size() && normal[pos] != 'e'; ++pos) {
        const char c = normal[pos];
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (mantissa == 0 && c == '0') {
            power -= fraction ? 1 : 0; // a leading zero is not significant
            continue;
        }
        if (++digits > kMaximumDigits) {
            return std::nullopt;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        power -= fraction ? 1 : 0;
    }
    if (pos < normal.size()) { // the exponent
        ++pos;
        const bool down = normal[pos] == '-';
        pos += (normal[pos] == '-' || normal[pos] == '+') ? 1 : 0;
        int exponent = 0;
        for (; pos < normal.size(); ++pos) {
            exponent = exponent * 10 + (normal[pos] - '0');
            if (exponent > 1000) {
                return std::nullopt;
            }
        }
        power += down ? -exponent : exponent;
    }
    if (mantissa == 0) {
        return negative ? -0.0L : 0.0L;
    }
    if (power < -kMaximumPower || power > kMaximumPower) {
        return std::nullopt;
    }
    const Real scale = ExactPowerOfTen(power < 0 ? -power : power);
    const Real magnitude =
        power < 0 ? static_cast<Real>(mantissa) / scale : static_cast<Real>(mantissa) * scale;
    return negative ? -magnitude : magnitude;
}

} // namespace

void AppendGeneral(std::string& text, Real value, std::string_view separator) {
    if (!std::isfinite(value)) {
        text += *NonFiniteText(value);
        return;
    }
    if (value == 0) {
        text += '0';
        return;
    }
    const Real magnitude = std::fabs(value);
    auto quick = ToFifteenDigits(magnitude);
    TDecimalDigits d = quick ? std::move(*quick) : ToDecimal(magnitude, kGeneralDigits);
    TrimTrailingZeros(d.digits);
    const int exponent = d.point - 1;
    if (value < 0) {
        text += '-';
    }
    if (exponent < -4 || exponent >= kGeneralDigits) {
        text += d.digits.front();
        if (d.digits.size() > 1) {
            text += separator;
            text.append(d.digits, 1);
        }
        text += 'E';
        std::array<char, 8> buffer{};
        const auto [end, ec] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), exponent);
        (void)ec; // a long double's exponent has at most 5 digits
        text.append(buffer.data(), end);
    } else {
        AppendPlain(text, d, separator);
    }
}

std::string FormatGeneral(Real value, std::string_view separator) {
    std::string text;
    AppendGeneral(text, value, separator);
    return text;
}

std::optional<Real> ParseGeneral(std::string_view text, std::string_view separator) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    // Rebuilt in the form that from_chars reads, whatever the separator.
    std::string normal;
    std::size_t pos = 0;
    if (text[pos] == '+' || text[pos] == '-') {
        if (text[pos] == '-') {
            normal += '-';
        }
        ++pos;
    }
    std::string mantissa;
    pos = SkipDigits(text, pos, mantissa);
    std::size_t digitCount = mantissa.size();
    if (!separator.empty() && text.substr(pos, separator.size()) == separator) {
        pos += separator.size();
        mantissa += '.';
        const std::size_t before = mantissa.size();
        pos = SkipDigits(text, pos, mantissa);
        digitCount += mantissa.size() - before;
    }
    if (digitCount == 0) {
        return std::nullopt;
    }
    if (mantissa.front() == '.') {
        mantissa.insert(mantissa.begin(), '0');
    }
    normal += mantissa;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        normal += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            normal += text[pos++];
        }
        std::string exponent;
        pos = SkipDigits(text, pos, exponent);
        if (exponent.empty()) {
            return std::nullopt;
        }
        normal += exponent;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    if (const auto exact = ExactlyRounded(normal)) {
        return exact;
    }
    Real value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc{} || end != normal.data() + normal.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string FormatPattern(Real value, TNumberPattern pattern, std::string_view separator) {
    if (auto special = NonFiniteText(value)) {
        return *special;
    }
    TDecimalDigits d = ToDecimal(std::fabs(value), kPatternDigits);
    std::string text;
    if (pattern == TNumberPattern::Scientific) {
        RoundTo(d, 2);
        if (d.digits.empty()) {
            return "0" + std::string(separator) + "0e0";
        }
        d.digits.resize(2, '0');
        text = std::string(1, d.digits[0]) + std::string(separator) + d.digits[1] + 'e' +
               std::to_string(d.point - 1);
    } else {
        const int decimals = static_cast<int>(pattern); // Integer is 0, OneDecimal 1, ...
        RoundTo(d, d.point + decimals);
        if (d.digits.empty()) {
            return "0"; // a value that rounds to zero has no sign
        }
        text = PlainText(d, separator);
    }
    return value < 0 ? "-" + text : text;
}

std::optional<TNumberPattern> PatternFromText(std::string_view text) noexcept {
    if (text == "0") {
        return TNumberPattern::Integer;
    }
    if (text == "0.#") {
        return TNumberPattern::OneDecimal;
    }
    if (text == "0.##") {
        return TNumberPattern::TwoDecimals;
    }
    if (text == "0.###") {
        return TNumberPattern::ThreeDecimals;
    }
    if (text == "0.0e-0") {
        return TNumberPattern::Scientific;
    }
    return std::nullopt;
}

} // namespace dorvanta
