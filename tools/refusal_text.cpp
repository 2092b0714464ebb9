#include "tools/refusal_text.h"

#include <cstdio>

namespace corvanta {

namespace {

bool Printable(unsigned char c) { return c >= 0x20 && c < 0x7F; }

void AppendCode(std::string& out, unsigned char c) {
  char code[5];
  std::snprintf(code, sizeof code, "\\x%02X", c);
  out += code;
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (Printable(c) && c != '\\') {
      out += static_cast<char>(c);
    } else {
      AppendCode(out, c);
    }
  }
  return out;
}

std::string Quoted(std::string_view text, std::size_t shown) {
  std::string out = "\"" + Escaped(text.substr(0, shown)) + "\"";
  if (text.size() > shown) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

std::string OneLine(std::string_view message) {
  std::string out;
  for (unsigned char c : message) {
    std::string piece;
    if (Printable(c)) {
      piece = static_cast<char>(c);
    } else {
      AppendCode(piece, c);
    }
    // The cut comes before a piece that would not fit, never inside one.
    if (out.size() + piece.size() > kRefusalLineBytes) return out + "...";
    out += piece;
  }
  return out;
}

}  // namespace corvanta
