// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace dictconv {

// Text in a legacy encoding (an iconv name: "CP1251", "GB18030", "BIG5", "UTF-16LE", ...) as
// UTF-8. A byte sequence the encoding does not define becomes U+FFFD and decoding goes on.
class TextCodec {
public:
    // Throws ConvertError when the system knows no such encoding.
    explicit TextCodec(const std::string& encoding);
    ~TextCodec();
    TextCodec(const TextCodec&) = delete;
    TextCodec& operator=(const TextCodec&) = delete;

    std::string toUtf8(std::string_view text);

private:
    void* handle_;
};

} // namespace dictconv
