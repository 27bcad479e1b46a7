// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/make/basic_tokeniser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tape/inspect/basic_keywords.h"
#include "tape/make/hidden_number.h"

namespace murax {
namespace {

constexpr unsigned kLastLineNumber = 9999;
constexpr std::size_t kLongestLine = 0xFFFF;  // the line's length field is a word
constexpr unsigned char kPound = 0x60, kUpArrow = 0x5E, kCopyright = 0x7F;
constexpr char kBlockDrawing[] = " .':";

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct Keyword {
    std::string text;  // in lower case; a space in it may be typed or left out
    unsigned char token;
};

// Every keyword, the longest first, so that "inkey$" is tried before "in".
const std::vector<Keyword>& keywords()
{
    static const std::vector<Keyword> table = [] {
        std::vector<Keyword> all;
        for (unsigned token = basic::kFirstToken; token <= 0xFF; ++token) {
            std::string text(basic::keywordText(token));
            std::transform(text.begin(), text.end(), text.begin(), lower);
            all.push_back({std::move(text), static_cast<unsigned char>(token)});
        }
        all.push_back({"randomise", 0xF9});  // the spelling zmakebas takes too
        std::stable_sort(all.begin(), all.end(), [](const Keyword& a, const Keyword& b) {
            return a.text.size() > b.text.size();
        });
        return all;
    }();
    return table;
}

// One source line of a program line that may run over several (a backslash at the end goes on
// on the next): where it begins in the joined text, and its number in the file.
struct Piece {
    std::size_t offset;
    std::size_t line;
};

class LineTokeniser {
public:
    LineTokeniser(std::string_view text, const std::vector<Piece>& pieces, std::string& out)
        : text_(text), pieces_(pieces), out_(out)
    {}

    std::optional<BasicError> run(std::size_t pos);

private:
    BasicError errorAt(std::size_t pos, std::string what) const;
    std::optional<BasicError> character(std::size_t& pos);
    std::optional<BasicError> escape(std::size_t& pos);
    std::optional<BasicError> string(std::size_t& pos);
    std::optional<BasicError> number(std::size_t& pos, bool binary);
    std::optional<std::size_t> keywordAt(std::size_t pos, unsigned char& token) const;
    bool letterBefore(std::size_t pos) const { return pos > 0 && isLetter(text_[pos - 1]); }
    // A letter before `pos` that is part of a name, not the end of a keyword ("goto10").
    bool nameBefore(std::size_t pos) const { return letterBefore(pos) && pos != keywordEnd_; }
    void skipSpaces(std::size_t& pos) const
    {
        while (pos < text_.size() && (text_[pos] == ' ' || text_[pos] == '\t'))
            ++pos;
    }

    std::string_view text_;
    const std::vector<Piece>& pieces_;
    std::string& out_;
    std::size_t keywordEnd_ = std::string_view::npos;
};

BasicError LineTokeniser::errorAt(std::size_t pos, std::string what) const
{
    auto piece = std::upper_bound(pieces_.begin(), pieces_.end(), pos,
                                  [](std::size_t p, const Piece& q) { return p < q.offset; });
    --piece;
    std::size_t column = 1;
    for (std::size_t i = piece->offset; i < pos && i < text_.size(); ++i)
        if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80)
            ++column;
    return {piece->line, column, std::move(what)};
}

// A character that stands for itself, or one of the signs Murax's listing prints for the
// Spectrum's own characters.
std::optional<BasicError> LineTokeniser::character(std::size_t& pos)
{
    const std::string_view rest = text_.substr(pos);
    const auto c = static_cast<unsigned char>(rest.front());
    if (c == '\\')
        return escape(pos);
    if (c == '`') {
        out_ += static_cast<char>(kPound);
        ++pos;
        return std::nullopt;
    }
    if (c >= 0x20 && c < 0x7F) {
        out_ += static_cast<char>(c);
        ++pos;
        return std::nullopt;
    }
    static constexpr std::pair<std::string_view, unsigned char> kSigns[] = {
        {"£", kPound}, {"↑", kUpArrow}, {"©", kCopyright}};
    for (const auto& [sign, byte] : kSigns)
        if (rest.substr(0, sign.size()) == sign) {
            out_ += static_cast<char>(byte);
            pos += sign.size();
            return std::nullopt;
        }
    std::size_t length = 1;
    while (c >= 0xC0 && length < rest.size() &&
           (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
        ++length;
    if (c < 0x20 || c == 0x7F || length == 1)
        return errorAt(pos, "the byte " + std::to_string(c) +
                                " is no character of the listing; write it as \\{" +
                                std::to_string(c) + "}");
    return errorAt(pos, "'" + std::string(rest.substr(0, length)) +
                            "' has no code in the Spectrum's character set");
}

std::optional<BasicError> LineTokeniser::escape(std::size_t& pos)
{
    const std::size_t start = pos;
    if (pos + 1 >= text_.size())
        return errorAt(start, "a backslash with nothing after it");
    const char c = text_[pos + 1];
    const char* drawing = std::strchr(kBlockDrawing, c);
    if (c != '\0' && drawing && pos + 2 < text_.size() && text_[pos + 2] != '\0' &&
        std::strchr(kBlockDrawing, text_[pos + 2])) {
        // The left character draws the left half (bits 1 and 3), the right one the right half.
        auto half = [](char d, unsigned top, unsigned bottom) {
            return (d == '\'' || d == ':' ? top : 0u) | (d == '.' || d == ':' ? bottom : 0u);
        };
        out_ += static_cast<char>(basic::kFirstBlockGraphic + half(c, 2, 8) +
                                  half(text_[pos + 2], 1, 4));
        pos += 3;
        return std::nullopt;
    }
    if (c == '\\' || c == '@') {
        out_ += c;
        pos += 2;
        return std::nullopt;
    }
    if (c == '*') {
        out_ += static_cast<char>(kCopyright);
        pos += 2;
        return std::nullopt;
    }
    if (lower(c) >= 'a' && lower(c) <= 'u') {
        out_ += static_cast<char>(basic::kFirstUserGraphic + (lower(c) - 'a'));
        pos += 2;
        return std::nullopt;
    }
    if (c == '{') {
        const std::size_t close = text_.find('}', pos + 2);
        if (close == std::string_view::npos)
            return errorAt(start, "\\{ without its closing }");
        std::string_view digits = text_.substr(pos + 2, close - pos - 2);
        int base = 10;
        if (digits.size() > 2 && digits[0] == '0' && lower(digits[1]) == 'x') {
            base = 16;
            digits.remove_prefix(2);
        }
        unsigned value = 0;
        const auto [end, fault] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
        if (fault != std::errc() || end != digits.data() + digits.size() || digits.empty() ||
            value > 0xFF)
            return errorAt(start, "\\{" + std::string(text_.substr(pos + 2, close - pos - 2)) +
                                      "} is not a byte (0 to 255, or 0x00 to 0xFF)");
        out_ += static_cast<char>(value);
        pos = close + 1;
        return std::nullopt;
    }
    return errorAt(start, std::string("unknown escape \\") + c);
}

std::optional<BasicError> LineTokeniser::string(std::size_t& pos)
{
    const std::size_t open = pos;
    out_ += '"';
    ++pos;
    while (pos < text_.size()) {
        if (text_[pos] == '"') {
            out_ += '"';
            ++pos;
            return std::nullopt;
        }
        if (auto fault = character(pos))
            return fault;
    }
    return errorAt(open, "the string begun here is not closed");
}

// A number as typed, then its hidden five bytes. After BIN, the binary digits that follow.
std::optional<BasicError> LineTokeniser::number(std::size_t& pos, bool binary)
{
    const char* begin = text_.data() + pos;
    const char* last = text_.data() + text_.size();
    double value = 0;
    const char* end = begin;
    const bool hex = last - begin > 2 && begin[0] == '0' && lower(begin[1]) == 'x' &&
                     std::isxdigit(static_cast<unsigned char>(begin[2]));
    std::errc fault{};
    if (binary && !hex) {
        while (end < last && (*end == '0' || *end == '1'))
            value = value * 2 + (*end++ - '0');
    } else if (hex) {
        const auto result = std::from_chars(begin + 2, last, value, std::chars_format::hex);
        end = result.ptr;
        fault = result.ec;
    } else {
        const auto result = std::from_chars(begin, last, value);
        end = result.ptr;
        fault = result.ec;
    }
    const std::string typed(begin, end);
    if (end == begin || (fault != std::errc() && fault != std::errc::result_out_of_range)) {
        out_ += text_[pos++];  // a point that begins no number
        return std::nullopt;
    }
    const auto hidden = fault == std::errc() ? spectrumNumberBytes(value) : std::nullopt;
    if (!hidden)
        return errorAt(pos, "the number " + typed + " is beyond what the Spectrum can hold");
    out_ += typed;
    out_ += static_cast<char>(basic::kNumberMark);
    out_.append(reinterpret_cast<const char*>(hidden->data()), hidden->size());
    pos += typed.size();
    return std::nullopt;
}

// The keyword typed at `pos` and where it ends. A keyword made of letters must stand apart from
// the letters around it ("printa" is a name, "goto10" a GO TO); a space inside one ("go to") may
// be typed once or left out.
std::optional<std::size_t> LineTokeniser::keywordAt(std::size_t pos, unsigned char& token) const
{
    const bool word = isLetter(text_[pos]);
    if (word && letterBefore(pos))
        return std::nullopt;
    for (const Keyword& keyword : keywords()) {
        std::size_t i = pos;
        bool matches = true;
        for (const char k : keyword.text) {
            if (k == ' ') {
                if (i < text_.size() && text_[i] == ' ')
                    ++i;
                continue;
            }
            if (i >= text_.size() || lower(text_[i]) != k) {
                matches = false;
                break;
            }
            ++i;
        }
        if (!matches || (word && i < text_.size() && isLetter(text_[i])))
            continue;
        token = keyword.token;
        return i;
    }
    return std::nullopt;
}

std::optional<BasicError> LineTokeniser::run(std::size_t pos)
{
    enum class DefFn { None, AwaitingParameters, InParameters } defFn = DefFn::None;
    while (pos < text_.size()) {
        const char c = text_[pos];
        const bool parameter = defFn == DefFn::InParameters && isLetter(c);
        unsigned char token = 0;
        const auto keywordEnd = !parameter && (isLetter(c) || c == '<' || c == '>')
                                    ? keywordAt(pos, token)
                                    : std::nullopt;
        if (c == ' ' || c == '\t') {
            ++pos;
        } else if (c == '"') {
            if (auto fault = string(pos))
                return fault;
        } else if (parameter) {
            // Each parameter gets the slot the ROM fills with its value when FN is called.
            out_ += c;
            ++pos;
            skipSpaces(pos);
            if (pos < text_.size() && text_[pos] == '$')
                out_ += text_[pos++];
            out_ += static_cast<char>(basic::kNumberMark);
            out_.append(5, '\0');
        } else if (keywordEnd) {
            pos = keywordEnd_ = *keywordEnd;
            out_ += static_cast<char>(token);
            if (token == basic::kRem) {
                if (pos < text_.size() && text_[pos] == ' ')
                    ++pos;
                while (pos < text_.size())
                    if (auto fault = character(pos))
                        return fault;
            } else if (token == basic::kBin) {
                skipSpaces(pos);
                if (pos < text_.size() && isDigit(text_[pos]))
                    if (auto fault = number(pos, true))
                        return fault;
            } else if (token == basic::kDefFn) {
                defFn = DefFn::AwaitingParameters;
            }
        } else if ((isDigit(c) || c == '.') && !nameBefore(pos)) {
            if (auto fault = number(pos, false))
                return fault;
        } else {
            if (defFn == DefFn::AwaitingParameters && c == '(')
                defFn = DefFn::InParameters;
            else if (c == ')' || c == ':')
                defFn = DefFn::None;
            if (auto fault = character(pos))
                return fault;
        }
    }
    return std::nullopt;
}

// Splits the text into its lines, without their line ends ("\n" or "\r\n").
std::vector<std::string_view> sourceLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool endsInContinuation(std::string_view line)
{
    std::size_t backslashes = 0;
    while (backslashes < line.size() && line[line.size() - 1 - backslashes] == '\\')
        ++backslashes;
    return backslashes % 2 == 1;  // "\\" at the end is a backslash, not a continuation
}

}  // namespace

TokenisedBasic tokeniseBasic(std::string_view text)
{
    TokenisedBasic result;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // as some editors begin a file
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    const std::vector<std::string_view> lines = sourceLines(text);
    std::optional<unsigned> previous;
    std::string joined;
    std::vector<Piece> pieces;
    auto fail = [&result](std::size_t line, std::size_t column, std::string what) {
        result.program.clear();
        result.error = BasicError{line, column, std::move(what)};
        return result;
    };
    for (std::size_t index = 0; index < lines.size(); ++index) {
        joined.clear();
        pieces.clear();
        std::string_view source = lines[index];
        pieces.push_back({0, index + 1});
        while (endsInContinuation(source) && index + 1 < lines.size()) {
            joined += source.substr(0, source.size() - 1);
            source = lines[++index];
            pieces.push_back({joined.size(), index + 1});
        }
        joined += source;
        std::size_t pos = joined.find_first_not_of(" \t");
        if (pos == std::string::npos || joined[pos] == '#')
            continue;
        std::string body;
        LineTokeniser tokeniser(joined, pieces, body);
        const std::size_t numberStart = pos;
        unsigned number = 0;
        while (pos < joined.size() && isDigit(joined[pos]) && number <= kLastLineNumber)
            number = number * 10 + static_cast<unsigned>(joined[pos++] - '0');
        const std::size_t line = pieces.front().line, column = numberStart + 1;
        if (pos == numberStart)
            return fail(line, column, "a program line must begin with its line number");
        if (number > kLastLineNumber || (pos < joined.size() && isDigit(joined[pos]))) {
            const std::size_t digits = joined.find_first_not_of("0123456789", numberStart);
            return fail(line, column,
                        "line number " + joined.substr(numberStart, digits - numberStart) +
                            " is above 9999");
        }
        if (previous && number <= *previous)
            return fail(line, column,
                        "line " + std::to_string(number) + " comes after line " +
                            std::to_string(*previous) + ": lines must be in rising order");
        previous = number;
        if (auto fault = tokeniser.run(pos))
            return fail(fault->line, fault->column, std::move(fault->what));
        if (body.size() + 1 > kLongestLine)
            return fail(line, column,
                        "line " + std::to_string(number) + " is longer than 65535 bytes");
        const std::size_t length = body.size() + 1;
        result.program += static_cast<char>(number >> 8);
        result.program += static_cast<char>(number & 0xFF);
        result.program += static_cast<char>(length & 0xFF);
        result.program += static_cast<char>(length >> 8);
        result.program += body;
        result.program += static_cast<char>(basic::kEndOfLine);
    }
    return result;
}

std::string basicErrorText(const BasicError& error)
{
    return "line " + std::to_string(error.line) + ", column " + std::to_string(error.column) +
           ": " + error.what;
}

}  // namespace murax
