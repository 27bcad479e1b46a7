// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <new>

namespace murax {

// Raw memory for large arrays. Blocks of several megabytes are aligned to and marked for the
// kernel's huge pages where it offers them: a list of a million lines is 56 MiB, and faulting a
// fresh copy of it in 4 KiB pages (as every insert that outgrows the array does) took longer
// than moving the lines themselves. Smaller blocks come from the ordinary heap. On Windows the
// large blocks are reserved and committed whole with VirtualAlloc.
void* allocateLargeBlock(std::size_t bytes);
void freeLargeBlock(void* block, std::size_t bytes) noexcept;  // `bytes` as allocated

template <typename T>
class HugePageAllocator {
public:
    using value_type = T;

    HugePageAllocator() = default;
    template <typename U>
    HugePageAllocator(const HugePageAllocator<U>&) noexcept
    {}

    T* allocate(std::size_t count)
    {
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateLargeBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept
    {
        freeLargeBlock(block, count * sizeof(T));
    }

    template <typename U>
    bool operator==(const HugePageAllocator<U>&) const noexcept
    {
        return true;
    }
};

}  // namespace murax
