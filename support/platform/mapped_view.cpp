// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/mapped_view.h"

#include <utility>

namespace murax {

MappedView::MappedView(MappedView&& other) noexcept
    : base_(std::exchange(other.base_, nullptr)), skip_(other.skip_), size_(other.size_)
{}

MappedView& MappedView::operator=(MappedView&& other) noexcept
{
    if (this != &other) {
        release();
        base_ = std::exchange(other.base_, nullptr);
        skip_ = other.skip_;
        size_ = other.size_;
    }
    return *this;
}

MappedView::~MappedView()
{
    release();
}

}  // namespace murax
