#include "document/CodePage1252.h"

#include <array>
#include <cstdint>

namespace zeb {
namespace {

// The characters of the bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

int byteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

[[noreturn]] void refuse(const char* why) { throw EDocumentError(why); }

}  // namespace

void AppendDecoded1252(std::string_view bytes, std::string& out) {
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) out.push_back(ch);
    else appendUtf8(b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b}, out);
  }
}

std::string Decode1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  AppendDecoded1252(bytes, out);
  return out;
}

void AppendEncoded1252(std::string_view text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      ++i;
      continue;
    }
    int length = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
      length = 2;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      refuse("a character outside the document's code page");
    } else {
      refuse("a text that is not valid UTF-8");
    }
    if (i + static_cast<std::size_t>(length) > text.size()) refuse("a text that is not valid UTF-8");
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) refuse("a text that is not valid UTF-8");
      c = (c << 6) | (next & 0x3F);
    }
    if ((length == 2 && c < 0x80) || (length == 3 && c < 0x800)) refuse("a text that is not valid UTF-8");
    const int b = byteOf(c);
    if (b < 0) refuse("a character outside the document's code page");
    out.push_back(static_cast<char>(b));
    i += static_cast<std::size_t>(length);
  }
}

std::string Encode1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEncoded1252(text, out);
  return out;
}

}  // namespace zeb
