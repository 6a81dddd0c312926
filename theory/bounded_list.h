// SPDX-License-Identifier: GPL-3.0-or-later
// A list of at most `Capacity` items that knows its own length, so that table rows of different
// lengths can be written as plain braced lists inside a constexpr std::array.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

namespace tonalis::theory {

template <typename T, std::size_t Capacity>
class BoundedList {
 public:
  // Only for tables built at compile time, so a row longer than `Capacity` fails to compile.
  consteval BoundedList(std::initializer_list<T> items) : m_size(items.size()) {
    std::size_t index = 0;
    for (const T& item : items) m_items.at(index++) = item;
  }

  // The first `count` of `items`, for lists worked out at compile time.
  template <std::size_t N>
  consteval BoundedList(const std::array<T, N>& items, std::size_t count) : m_size(count) {
    for (std::size_t index = 0; index < count; ++index) m_items.at(index) = items.at(index);
  }

  constexpr std::size_t size() const { return m_size; }
  constexpr const T* begin() const { return m_items.data(); }
  constexpr const T* end() const { return m_items.data() + m_size; }
  constexpr const T& operator[](std::size_t index) const { return m_items[index]; }

  bool operator==(const BoundedList&) const = default;

 private:
  std::array<T, Capacity> m_items{};
  std::size_t m_size = 0;
};

}  // namespace tonalis::theory
