// The result of an operation that can fail: a value, or the text that says
// why there is none. It has the shape of std::expected<T, std::string> so that
// it can give way to it once the project moves to C++23.
#pragma once

#include <cassert>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace dorvanta {

// The error side of an Expected: the text shown to the user.
class Unexpected {
public:
    explicit Unexpected(std::string text) : text_(std::move(text)) {}
    [[nodiscard]] const std::string& error() const& noexcept { return text_; }
    [[nodiscard]] std::string&& error() && noexcept { return std::move(text_); }

private:
    std::string text_;
};

template <class T> class [[nodiscard]] Expected {
    static_assert(!std::is_same_v<std::remove_cv_t<T>, Unexpected>);

public:
    Expected() requires std::is_default_constructible_v<T> : state_(std::in_place_index<0>) {}
    // NOLINTNEXTLINE(google-explicit-constructor): a value converts, as with std::expected
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    // NOLINTNEXTLINE(google-explicit-constructor)
    Expected(Unexpected failure) : state_(std::in_place_index<1>, std::move(failure).error()) {}

    [[nodiscard]] bool has_value() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return has_value(); }

    [[nodiscard]] T& value() & {
        assert(has_value());
        return std::get<0>(state_);
    }
    [[nodiscard]] const T& value() const& {
        assert(has_value());
        return std::get<0>(state_);
    }
    [[nodiscard]] T&& value() && {
        assert(has_value());
        return std::get<0>(std::move(state_));
    }
    [[nodiscard]] T& operator*() & { return value(); }
    [[nodiscard]] const T& operator*() const& { return value(); }
    [[nodiscard]] T* operator->() { return &value(); }
    [[nodiscard]] const T* operator->() const { return &value(); }

    // The failure's text; only when there is no value.
    [[nodiscard]] const std::string& error() const& {
        assert(!has_value());
        return std::get<1>(state_);
    }

private:
    std::variant<T, std::string> state_;
};

// An operation that gives nothing back but can fail.
template <> class [[nodiscard]] Expected<void> {
public:
    Expected() = default;
    // NOLINTNEXTLINE(google-explicit-constructor)
    Expected(Unexpected failure) : error_(std::move(failure).error()), failed_(true) {}

    [[nodiscard]] bool has_value() const noexcept { return !failed_; }
    explicit operator bool() const noexcept { return has_value(); }

    // The failure's text; only when the operation failed.
    [[nodiscard]] const std::string& error() const& {
        assert(failed_);
        return error_;
    }

private:
    std::string error_;
    bool failed_ = false;
};

} // namespace dorvanta
