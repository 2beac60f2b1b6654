#include "MessageText.h"

namespace {

constexpr std::size_t ExcerptCharacters = 60;

// The length of the UTF-8 character at `i`, or 0 when the byte there starts none
// (or is a control character).
std::size_t CharacterAt(const std::string &s, std::size_t i)
{
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x20 || c == 0x7F)
        return 0;
    if (c < 0x80)
        return 1;
    const std::size_t n = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    return n;
}

std::string Convert(const std::string &text, std::size_t maxCharacters)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == maxCharacters)
            return out + "…";
        const std::size_t n = CharacterAt(text, i);
        if (n == 0) {
            const unsigned char c = static_cast<unsigned char>(text[i++]);
            out += '<';
            out += Hex[c >> 4];
            out += Hex[c & 0xF];
            out += '>';
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

} // namespace

namespace MessageText {

std::string Readable(const std::string &text)
{
    return Convert(text, std::string::npos);
}

std::string Excerpt(const std::string &text)
{
    return Convert(text, ExcerptCharacters);
}

} // namespace MessageText
