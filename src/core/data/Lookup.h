#pragma once

#include <utility>

namespace vortalex {

// The answer of a read that decides what is written or shown: the row found, no row, or no
// answer at all because the file could not be read (GameDatabase::lastError() says why). There
// is no conversion to bool, so a failed read cannot slip through a test as "no row".
template <class T> class Lookup {
public:
    enum class Outcome { Found, NotFound, Failed };

    static Lookup found(T value) { return Lookup(Outcome::Found, std::move(value)); }
    static Lookup notFound() { return Lookup(Outcome::NotFound, T{}); }
    static Lookup failed() { return Lookup(Outcome::Failed, T{}); }

    Outcome outcome() const { return m_outcome; }
    bool isFound() const { return m_outcome == Outcome::Found; }
    bool isNotFound() const { return m_outcome == Outcome::NotFound; }
    bool isFailed() const { return m_outcome == Outcome::Failed; }

    // The row when found; an empty one otherwise.
    const T& value() const { return m_value; }
    const T& operator*() const { return m_value; }
    const T* operator->() const { return &m_value; }

    bool operator==(const Lookup&) const = default;

private:
    Lookup(Outcome outcome, T value)
        : m_outcome(outcome)
        , m_value(std::move(value)) {}

    Outcome m_outcome;
    T m_value;
};

} // namespace vortalex
