// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file the file layer writes, as each system holds it: closed when it goes, close() telling
// whether the close succeeded, writePartsTo() taking its get().

#ifdef _WIN32
#include "support/platform/native_handle_windows.h"
#else
#include "support/platform/file_descriptor_posix.h"
#endif

namespace murax {

#ifdef _WIN32
using OpenFile = NativeHandle;
#else
using OpenFile = UniqueFd;
#endif

}  // namespace murax
