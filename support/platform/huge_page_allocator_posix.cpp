// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/huge_page_allocator.h"

#include <cstdlib>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace murax {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLargeBlock = 2 * kHugePage;

}  // namespace

void* allocateLargeBlock(std::size_t bytes)
{
    void* block = nullptr;
    if (bytes >= kLargeBlock) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        block = std::aligned_alloc(kHugePage, rounded);
#ifdef MADV_HUGEPAGE
        // Only advice: where huge pages are off, the block is used in ordinary pages.
        if (block)
            madvise(block, rounded, MADV_HUGEPAGE);
#endif
    } else {
        block = std::malloc(bytes == 0 ? 1 : bytes);
    }
    if (!block)
        throw std::bad_alloc();
    return block;
}

void freeLargeBlock(void* block, std::size_t) noexcept
{
    std::free(block);
}

}  // namespace murax
