// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/mapped_view.h"

#include <windows.h>

namespace murax {

std::optional<MappedView> MappedView::of(const NativeFile& file, std::uint64_t offset,
                                         std::size_t size)
{
    if (!file.isOpen() || size == 0)
        return std::nullopt;
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const std::uint64_t granularity = system.dwAllocationGranularity;
    const std::uint64_t start = offset / granularity * granularity;
    const auto skip = static_cast<std::size_t>(offset - start);
    const HANDLE mapping = CreateFileMappingW(reinterpret_cast<HANDLE>(file.handle_), nullptr,
                                              PAGE_READONLY, 0, 0, nullptr);
    if (!mapping)
        return std::nullopt;
    void* const base = MapViewOfFile(mapping, FILE_MAP_READ, static_cast<DWORD>(start >> 32),
                                     static_cast<DWORD>(start & 0xFFFFFFFFu), skip + size);
    // The view keeps the mapping for as long as it lasts.
    CloseHandle(mapping);
    if (!base)
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
        UnmapViewOfFile(base_);
    base_ = nullptr;
}

}  // namespace murax
