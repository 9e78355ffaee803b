#pragma once
// The single-byte text of calculator documents: Windows code page 1252, so a document
// written by any installation opens in any other.
//
// Decoding maps every byte to one character: 0x00-0x7F and 0xA0-0xFF are the same code
// points, 0x80-0x9F the code page's own table (0x80 is the euro sign "€", 0x96 the en
// dash "–"); the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters of the same number, as the desktop's own conversion
// does. So every byte sequence decodes, and encodes back to the same bytes.
//
// Encoding is the inverse. A character the code page cannot hold (a "Ŋ", a Chinese
// letter) has no byte: the text is refused with EDocumentError rather than written as a
// "?" that would open as a different text.
//
// Example: the bytes 0x80 0x31 0x30 decode to "€10" (UTF-8 E2 82 AC 31 30) and encode back.
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeb {

// A document that cannot be written or read: a text the code page cannot hold, a value
// that is no number, a file that is not a calculator document.
class EDocumentError : public std::runtime_error {
public:
  explicit EDocumentError(const std::string& what) : std::runtime_error(what) {}
};

// Appends the UTF-8 text of the Windows-1252 bytes `bytes` to `out`.
void AppendDecoded1252(std::string_view bytes, std::string& out);
std::string Decode1252(std::string_view bytes);

// Appends the Windows-1252 bytes of the UTF-8 text `text` to `out`. Throws
// EDocumentError when the text is not valid UTF-8 or holds a character the code page
// cannot hold; `out` may then hold part of the text.
void AppendEncoded1252(std::string_view text, std::string& out);
std::string Encode1252(std::string_view text);

}  // namespace zeb
