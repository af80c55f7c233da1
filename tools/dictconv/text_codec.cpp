// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_codec.h"

#include "convert_error.h"

#include <cerrno>
#include <iconv.h>

namespace dictconv {

namespace {

iconv_t handleOf(void* handle) {
    return static_cast<iconv_t>(handle);
}

} // namespace

TextCodec::TextCodec(const std::string& encoding) {
    iconv_t handle = iconv_open("UTF-8", encoding.c_str());
    if (handle == reinterpret_cast<iconv_t>(-1))
        throw ConvertError("the encoding \"" + encoding + "\" is not known on this system");
    handle_ = handle;
}

TextCodec::~TextCodec() {
    iconv_close(handleOf(handle_));
}

std::string TextCodec::toUtf8(std::string_view text) {
    std::string out(text.size() * 3 + 16, '\0');
    char* in = const_cast<char*>(text.data()); // iconv does not write through it
    std::size_t inLeft = text.size();
    std::size_t used = 0;
    iconv(handleOf(handle_), nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (out.size() - used < 16) out.resize(out.size() * 2);
        char* to = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t done = iconv(handleOf(handle_), &in, &inLeft, &to, &outLeft);
        used = out.size() - outLeft;
        if (done != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // An undefined or cut-off sequence: one replacement character for its first byte.
        if (out.size() - used < 3) out.resize(out.size() * 2);
        out.replace(used, 3, "\xEF\xBF\xBD");
        used += 3;
        ++in;
        --inLeft;
    }
    out.resize(used);
    return out;
}

} // namespace dictconv
