#include "tape/zx_charset.h"

#include <array>

namespace murax {
namespace {

// Codes 0x80-0x8F are the block graphics: bit 0 lights the top-right quadrant, bit 1 the top-left,
// bit 2 the bottom-right and bit 3 the bottom-left. 0x80 (nothing lit) gets a light shade so that
// it stays visible and apart from a space.
constexpr std::array<char32_t, 16> kBlockGraphics = {
    U'\u2591', U'\u259D', U'\u2598', U'\u2580', U'\u2597', U'\u2590', U'\u259A', U'\u259C',
    U'\u2596', U'\u259E', U'\u258C', U'\u259B', U'\u2584', U'\u259F', U'\u2599', U'\u2588',
};

// Control codes 0x00-0x1F show as the letters U+00C0-U+00DF, and the user-defined graphics and
// keyword tokens 0x90-0xFF as U+0100-U+016F: every one distinct, visible, and present in the
// list's monospaced font.
constexpr char32_t kControlBase = 0x00C0;
constexpr char32_t kHighBase = 0x0100;

}  // namespace

char32_t displayCharForByte(unsigned char byte)
{
    if (byte < 0x20)
        return kControlBase + byte;
    if (byte < 0x7F)
        return byte;
    if (byte == 0x7F)
        return U'\u00A9';
    if (byte < 0x90)
        return kBlockGraphics[byte - 0x80];
    return kHighBase + (byte - 0x90);
}

std::optional<unsigned char> byteForDisplayChar(char32_t c)
{
    if (c >= 0x20 && c < 0x7F)
        return static_cast<unsigned char>(c);
    if (c >= kControlBase && c < kControlBase + 0x20)
        return static_cast<unsigned char>(c - kControlBase);
    if (c == U'\u00A9')
        return 0x7F;
    if (c >= kHighBase && c < kHighBase + 0x70)
        return static_cast<unsigned char>(0x90 + (c - kHighBase));
    for (std::size_t i = 0; i < kBlockGraphics.size(); ++i)
        if (kBlockGraphics[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

namespace {

// The UTF-8 form of every byte's character, worked out once: the lister turns a million lines
// into text, and encoding each character afresh showed in its time.
struct EncodedChar {
    char bytes[3];
    unsigned char length;
};

std::array<EncodedChar, 256> encodeAllBytes()
{
    std::array<EncodedChar, 256> table{};
    for (unsigned byte = 0; byte < table.size(); ++byte) {
        const char32_t c = displayCharForByte(static_cast<unsigned char>(byte));
        EncodedChar& e = table[byte];
        if (c < 0x80) {
            e = {{static_cast<char>(c)}, 1};
        } else if (c < 0x800) {
            e = {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))}, 2};
        } else {
            e = {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                  static_cast<char>(0x80 | (c & 0x3F))},
                 3};
        }
    }
    return table;
}

}  // namespace

std::string bytesToDisplayUtf8(std::string_view bytes)
{
    static const std::array<EncodedChar, 256> table = encodeAllBytes();
    std::string text(bytes.size() * 3, '\0');
    char* out = text.data();
    for (const char b : bytes) {
        const EncodedChar& e = table[static_cast<unsigned char>(b)];
        for (unsigned i = 0; i < e.length; ++i)
            *out++ = e.bytes[i];
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

}  // namespace murax
