#include "presets/gbk_text.h"

#include <iconv.h>

namespace kavel {
namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // A GBK byte becomes at most three UTF-8 bytes; UTF-8 never grows into GBK.
  std::string out(in.size() * 3 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view text) { return convert("GBK", "UTF-8", text); }
std::optional<std::string> gbkToUtf8(std::string_view bytes) { return convert("UTF-8", "GBK", bytes); }

}  // namespace kavel
