#include "output/windows1252.h"

#include <iconv.h>

#include <cerrno>

namespace lumtar::output {
namespace {

// Length of the UTF-8 sequence led by `lead` (1 for a stray byte), so that
// a character iconv refuses is skipped whole.
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::string Convert(const char* to, const char* from, std::string_view in,
                    bool skip_utf8_sequence) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // No converter: keep ASCII, mark the rest.
    for (char c : in) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return out;
  }
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char buf[1024];
  while (src_left > 0) {
    char* dst = buf;
    std::size_t dst_left = sizeof buf;
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buf, dst - buf);
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: an unconvertible or cut character.
    out += '?';
    std::size_t skip =
        skip_utf8_sequence ? Utf8Length(static_cast<unsigned char>(*src)) : 1;
    if (skip > src_left) skip = src_left;
    // Continuation bytes of a malformed sequence go with it.
    std::size_t k = 1;
    while (k < skip && (static_cast<unsigned char>(src[k]) & 0xC0) == 0x80) ++k;
    src += k;
    src_left -= k;
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
  return Convert("WINDOWS-1252", "UTF-8", utf8, true);
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  return Convert("UTF-8", "WINDOWS-1252", bytes, false);
}

}  // namespace lumtar::output
