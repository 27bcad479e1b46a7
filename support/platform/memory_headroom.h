// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace murax {

// How much more memory the process can be given now: what the system has available (free memory
// and swap), and no more than the room left under the process's own limits on its address space
// and its data. An estimate, for refusing work that cannot fit before it begins; an allocation
// can still fail.
std::uint64_t memoryHeadroom();

}  // namespace murax
