// GBK conversion over glibc iconv ("CP936").
#include "common/gbk_codec.h"

#include <iconv.h>

#include <cerrno>

namespace curvanta {

namespace {

// One conversion descriptor per call: iconv keeps shift state, and calls are rare.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; returns false at the first byte it cannot convert, with
  // `in` left at that byte.
  bool run(std::string_view& in, std::string& out) {
    char buffer[4096];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());
      size_t srcLeft = in.size();
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, size_t(dst - buffer));
      in = std::string_view(src, srcLeft);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  Converter c("CP936", "UTF-8");
  if (!c.ok()) return std::nullopt;
  std::string out;
  out.reserve(utf8.size());
  if (!c.run(utf8, out)) return std::nullopt;
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  Converter c("UTF-8", "CP936");
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  if (!c.ok()) return out;
  while (!c.run(gbk, out)) {
    out += "\xEF\xBF\xBD";  // U+FFFD
    gbk.remove_prefix(1);
  }
  return out;
}

}  // namespace curvanta
