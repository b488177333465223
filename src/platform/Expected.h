#pragma once

// Expected<T, E> and Unexpected(e): std::expected where the standard library
// offers it, otherwise a small stand-in with the members this code uses. The
// fuzz build compiles with clang 14, which cannot use libstdc++ 12's
// <expected>.

#include <version>

#if defined(__cpp_lib_expected)

#include <expected>
#include <type_traits>
#include <utility>

namespace corvane {

template <typename T, typename E> using Expected = std::expected<T, E>;

template <typename E> std::unexpected<std::decay_t<E>> Unexpected(E&& error) {
    return std::unexpected<std::decay_t<E>>(std::forward<E>(error));
}

} // namespace corvane

#else

#include <type_traits>
#include <utility>
#include <variant>

namespace corvane {

template <typename E> struct UnexpectedValue { E error; };

template <typename E> UnexpectedValue<std::decay_t<E>> Unexpected(E&& error) {
    return {std::forward<E>(error)};
}

template <typename T, typename E> class Expected {
public:
    template <typename U = T>
    requires std::is_convertible_v<U, T> Expected(U&& value)
        : state_(std::in_place_index<0>, std::forward<U>(value)) {}
    template <typename F>
    Expected(UnexpectedValue<F> failure)
        : state_(std::in_place_index<1>, std::move(failure.error)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    const E& error() const { return std::get<1>(state_); }
    template <typename U> T value_or(U&& other) const {
        return has_value() ? **this : static_cast<T>(std::forward<U>(other));
    }

private:
    std::variant<T, E> state_;
};

} // namespace corvane

#endif
