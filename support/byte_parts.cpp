// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/byte_parts.h"

namespace murax {

ByteParts::ByteParts(const std::vector<std::string>& parts)
    : make_([&parts](const Sink& sink) {
          for (const std::string& part : parts)
              if (!sink(part))
                  return false;
          return true;
      })
{}

ByteParts::ByteParts(std::initializer_list<std::string_view> parts)
    : make_([pieces = std::vector<std::string_view>(parts)](const Sink& sink) {
          for (const std::string_view piece : pieces)
              if (!sink(piece))
                  return false;
          return true;
      })
{}

}  // namespace murax
