#pragma once

#include <string>

// Text taken from a file into a message for the user. A damaged file can hold a field
// of any length and bytes that are no text; a message must stay short and readable.
namespace MessageText {

// Bytes that are no UTF-8 text, and control characters, written as their hex value in
// angle brackets ("<0D>"); everything else as it is.
std::string Readable(const std::string &text);

// `text` made readable and cut after 60 characters, with "…" where it was cut.
std::string Excerpt(const std::string &text);

} // namespace MessageText
