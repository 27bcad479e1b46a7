// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "support/platform/native_file.h"

namespace murax {

// Part of a plain file mapped into memory, read only: its bytes are the system's cache of the file,
// read where they lie without being copied. The pages touched count as the process's memory until
// the view goes, so a long file is read through views of a bounded size, one after the other.
class MappedView {
public:
    // Maps `size` bytes (at least 1) from `offset` of `file`, which must hold them; nothing where
    // the system cannot map them.
    static std::optional<MappedView> of(const NativeFile& file, std::uint64_t offset,
                                        std::size_t size);

    MappedView(MappedView&& other) noexcept;
    MappedView& operator=(MappedView&& other) noexcept;
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    ~MappedView();

    std::string_view bytes() const { return {static_cast<const char*>(base_) + skip_, size_}; }

private:
    MappedView() = default;
    void release() noexcept;

    void* base_ = nullptr;  // the mapping, from a boundary the system maps from
    std::size_t skip_ = 0;  // the bytes from there to the offset asked for
    std::size_t size_ = 0;
};

}  // namespace murax
