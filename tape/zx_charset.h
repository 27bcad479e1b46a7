#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace murax {

// How tape bytes are shown: one character per byte, one-to-one, so the list's columns stay
// aligned and a name taken back from an edit field gives the same bytes. Printable ASCII shows as
// itself, 0x7F as ©, 0x81-0x8F as the quadrant block characters of the Spectrum's block
// graphics, and 0x80 and every other non-printable byte as a distinct visible stand-in.
char32_t displayCharForByte(unsigned char byte);

// The byte shown as `c`, or nothing when no byte is shown that way.
std::optional<unsigned char> byteForDisplayChar(char32_t c);

// A byte string mapped to UTF-8 text, one character per byte.
std::string bytesToDisplayUtf8(std::string_view bytes);

}  // namespace murax
