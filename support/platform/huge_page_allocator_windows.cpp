// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/huge_page_allocator.h"

#include <cstdlib>

#include <windows.h>

namespace murax {
namespace {

constexpr std::size_t kLargeBlock = std::size_t{4} << 20;

}  // namespace

void* allocateLargeBlock(std::size_t bytes)
{
    void* block = bytes >= kLargeBlock
                      ? VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)
                      : std::malloc(bytes == 0 ? 1 : bytes);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void freeLargeBlock(void* block, std::size_t bytes) noexcept
{
    if (bytes >= kLargeBlock)
        VirtualFree(block, 0, MEM_RELEASE);
    else
        std::free(block);
}

}  // namespace murax
