#pragma once
// Letters, words and file contents are 8-bit texts in the Windows-1252 code
// page, so that files made on Windows read the same here. These functions
// convert between that code page and Unicode, and change letter case.

#include <array>
#include <string>

// The Unicode code point of one Windows-1252 byte. The five bytes that the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same number, so every byte survives a round trip.
char32_t Cp1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a code point; false when the code page has none.
bool CodePointToCp1252(char32_t codePoint, unsigned char& byte);

std::string Cp1252ToUtf8(const std::string& text);
// A text that holds paths, in UTF-8 for showing: the system's file names are
// UTF-8, so every well-formed UTF-8 sequence stays as it is; every other byte
// is read as Windows-1252, like the program's own texts, words and letters.
std::string TextWithPathsToUtf8(const std::string& text);
// Characters the code page cannot hold, and broken UTF-8 (overlong forms
// and surrogates included), become replacement.
std::string Utf8ToCp1252(const std::string& utf8, char replacement = '?');

// The capital of a Windows-1252 letter (a..z, the accented small letters,
// š, œ, ž, ÿ); any other byte unchanged. ß and µ have no capital and stay.
char UpperCaseCp1252(char letter);
std::string UpperCaseCp1252(const std::string& text);
// UpperCaseCp1252 of every byte, as a table for loops that compare many
// letters without regard to case.
const std::array<unsigned char, 256>& Cp1252Capitals();
