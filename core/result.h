#pragma once

#include <utility>
#include <variant>

namespace nuvra::core {

// The subset of std::expected that the project uses, so that it can become std::expected later.
template <typename E>
struct Unexpected {
    E error;
};

template <typename E>
Unexpected<E> unexpected(E error)
{
    return Unexpected<E>{std::move(error)};
}

template <typename T, typename E>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Unexpected<E> failure) : m_state(std::in_place_index<1>, std::move(failure.error)) {}

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }
    const T& value() const { return std::get<0>(m_state); }
    T& value() { return std::get<0>(m_state); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const E& error() const { return std::get<1>(m_state); }
    template <typename U>
    T value_or(U&& fallback) const
    {
        return has_value() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

private:
    std::variant<T, E> m_state;
};

template <typename E>
class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(Unexpected<E> failure) : m_error(std::move(failure.error)), m_failed(true) {}

    bool has_value() const { return !m_failed; }
    explicit operator bool() const { return has_value(); }
    const E& error() const { return m_error; }

private:
    E m_error{};
    bool m_failed = false;
};

} // namespace nuvra::core
