// The host build's code page conversion, through iconv (glibc knows CP932).
#include "clock/common/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace vistrel {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in; on an unconvertible sequence either fails or puts the replacement.
    std::optional<std::string> Run(std::string_view in, const char* replacement,
                                   std::size_t skip_on_error) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // a fresh shift state for each text
        std::string out;
        std::vector<char> buf(4 * in.size() + 16);
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        while (left > 0) {
            char* dst = buf.data();
            std::size_t room = buf.size();
            const std::size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf.data(), dst);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                if (!replacement) return std::nullopt;
                out.append(replacement);
                const std::size_t n = std::min(skip_on_error, left);
                src += n;
                left -= n;
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return std::nullopt;
    // Opening a converter costs far more than a short conversion: one per thread is kept.
    thread_local Converter c("CP932", "UTF-8");
    auto out = c.Run(utf8, nullptr, 0);
    // Only a lossless conversion counts: the text must come back the same.
    if (out && SjisToUtf8(*out) != utf8) return std::nullopt;
    return out;
}

std::string SjisToUtf8(std::string_view sjis) {
    thread_local Converter c("UTF-8", "CP932");
    return *c.Run(sjis, "\xEF\xBF\xBD", 1);
}

} // namespace vistrel
