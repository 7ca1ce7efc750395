// Windows-1252, the code page of the Visual Basic sources: bytes to Unicode for
// display, Unicode back to bytes for search texts, and the code page's own
// upper-case mapping for searches that ignore case.
#pragma once

#include <string>
#include <string_view>

namespace plumora {

// The Unicode character a byte stands for. The five bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same number, as Windows maps them, so nothing is lost.
char16_t Windows1252ToUnicode(unsigned char byte);

// Appends the bytes of `text` as UTF-16.
void Windows1252ToUtf16(std::string_view text, std::u16string& out);

// Converts UTF-16 text to bytes. Returns false (and leaves `out` partial) when
// a character has no byte in the code page: such a text occurs in no source.
bool Utf16ToWindows1252(std::u16string_view text, std::string& out);

// Upper case within the code page: a-z and the accented letters (é to É,
// š to Š, œ to Œ, ž to Ž, ÿ to Ÿ); every other byte is returned unchanged.
unsigned char Windows1252Upper(unsigned char byte);

}  // namespace plumora
