// Field text to machine numbers, the way the C library reads them.
//
// The geometry lines and the range checks of the fields work in doubles
// read with the C library's conversions: leading blanks skipped, the longest
// numeric prefix taken, 0 for an empty or non-numeric text. The Windows build
// links MinGW-w64's own correctly rounded strtod (not msvcrt's), which reads
// digit strings exactly as glibc does, and "inf", "nan" and "0x10" alike.
#ifndef CORVANTA_NUMERIC_FIELD_NUMBER_H
#define CORVANTA_NUMERIC_FIELD_NUMBER_H

#include <string_view>

namespace corvanta {

// strtod of the text.
double FieldDouble(std::string_view text);

// The text's leading decimal integer (strtol, base 10), held to the range of
// int: a long is 64 bits with glibc and 32 with Windows, and atoi's overflow
// is undefined, so the clamp keeps both builds on the same value.
int FieldInteger(std::string_view text);

}  // namespace corvanta

#endif
