// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/mapped_view.h"

#include <sys/mman.h>
#include <unistd.h>

namespace murax {

std::optional<MappedView> MappedView::of(const NativeFile& file, std::uint64_t offset,
                                         std::size_t size)
{
    if (!file.isOpen() || size == 0)
        return std::nullopt;
    const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t start = offset / page * page;
    const auto skip = static_cast<std::size_t>(offset - start);
    void* const base = ::mmap(nullptr, skip + size, PROT_READ, MAP_SHARED,
                              static_cast<int>(file.handle_), static_cast<off_t>(start));
    if (base == MAP_FAILED)
        return std::nullopt;
    MappedView view;
    view.base_ = base;
    view.skip_ = skip;
    view.size_ = size;
    return view;
}

void MappedView::release() noexcept
{
    if (base_)
        ::munmap(base_, skip_ + size_);
    base_ = nullptr;
}

}  // namespace murax
