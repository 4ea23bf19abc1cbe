#pragma once

#include "common/error.h"

#include <vector>

namespace zova {

/// A growing array whose element 0 is allocated and never used, so that indexes, tree keys and
/// counts are the 1-based ones of the data they hold. UBound() is the index of the last element
/// (0 when empty); any access past it throws zova::Error.
template <typename T>
class OneBased {
public:
    OneBased() : m_items(1) {}

    /// The index of the last element; 0 when the array holds no elements.
    int UBound() const { return static_cast<int>(m_items.size()) - 1; }
    /// The number of elements (the same as UBound()).
    int count() const { return UBound(); }
    bool isEmpty() const { return m_items.size() <= 1; }

    /// Appends a value and returns its index.
    int Add(const T &value = T())
    {
        m_items.push_back(value);
        return UBound();
    }
    int Add(T &&value)
    {
        m_items.push_back(std::move(value));
        return UBound();
    }

    /// Back to element 0 only.
    void Clear() { m_items.assign(1, T()); }

    /// Grows or shrinks to n elements (elements kept, new ones default).
    void Resize(int n)
    {
        if (n < 0)
            n = 0;
        m_items.resize(static_cast<size_t>(n) + 1);
    }
    void Reserve(int n) { m_items.reserve(static_cast<size_t>(n) + 1); }

    T &operator[](int i) { return m_items[check(i)]; }
    const T &operator[](int i) const { return m_items[check(i)]; }
    T &at(int i) { return m_items[check(i)]; }
    const T &at(int i) const { return m_items[check(i)]; }

    /// The last element; throws when the array is empty.
    T &last() { return at(UBound() >= 1 ? UBound() : -1); }
    const T &last() const { return at(UBound() >= 1 ? UBound() : -1); }

    /// Iterates over elements 1..UBound().
    auto begin() { return m_items.begin() + 1; }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin() + 1; }
    auto end() const { return m_items.end(); }

    bool operator==(const OneBased &other) const { return m_items == other.m_items; }

private:
    size_t check(int i) const
    {
        if (i < 0 || i > UBound())
            throw Error(QStringLiteral("Індекс %1 поза межами масиву (0..%2)").arg(i).arg(UBound()));
        return static_cast<size_t>(i);
    }

    std::vector<T> m_items;
};

} // namespace zova
