// Texts from the command line or a settings file, made safe to print in a
// refusal: a refusal is one line, and no byte of what it echoes reaches the
// terminal as a control (a line break, an escape sequence).
#ifndef CORVANTA_TOOLS_REFUSAL_TEXT_H
#define CORVANTA_TOOLS_REFUSAL_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace corvanta {

// Bytes of a text that an echo shows (of a file's path, more), and the
// longest line a refusal prints.
inline constexpr std::size_t kEchoedBytes = 40;
inline constexpr std::size_t kEchoedPathBytes = 200;
inline constexpr std::size_t kRefusalLineBytes = 300;

// `text` in double quotes, every byte outside printable ASCII and the
// backslash written as \xNN, cut after `shown` bytes with the length it
// had: "12345..." (10000 bytes).
std::string Quoted(std::string_view text, std::size_t shown = kEchoedBytes);

// `text` with every byte outside printable ASCII and the backslash written
// as \xNN, whole: for a text from a file in a listing.
std::string Escaped(std::string_view text);

// `message` as one printable line: bytes outside printable ASCII written
// as \xNN (a backslash stays as it is, so that Quoted texts pass
// unchanged), cut to at most kRefusalLineBytes bytes with "..." after
// them.
std::string OneLine(std::string_view message);

}  // namespace corvanta

#endif
