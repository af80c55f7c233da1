// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace dictconv {

// Decompresses a gzip-compressed dictd data file (".dict.dz"), handing the bytes to `sink` a
// block at a time. A missing file, data that is not gzip, a damaged or truncated stream are
// ConvertErrors.
void decompressDictdData(const std::filesystem::path& path,
                         const std::function<void(std::string_view)>& sink);

class InflatedBlocks;

// The decompressed bytes of such a file read forward only, for entries taken in the order of
// their offsets: no copy of the whole is made, and a thread of its own decompresses a few
// blocks ahead. Errors as above.
class DictdDataStream {
public:
    explicit DictdDataStream(const std::filesystem::path& path);
    ~DictdDataStream();
    DictdDataStream(const DictdDataStream&) = delete;
    DictdDataStream& operator=(const DictdDataStream&) = delete;

    // True when the data holds the bytes at [offset, offset + length); `offset` is never below
    // that of an earlier call. Bytes before it are let go.
    bool covers(std::uint64_t offset, std::uint64_t length);
    // The bytes covers() found, valid until the next call.
    std::string_view at(std::uint64_t offset, std::uint64_t length) const;
    // The bytes decompressed so far: all of them once covers() has failed or finish() ran.
    std::uint64_t size() const { return start_ + window_.size(); }
    // Reads to the end, so that a damaged or truncated stream is found.
    void finish();

private:
    bool more();

    std::filesystem::path path_;
    std::unique_ptr<InflatedBlocks> blocks_;
    std::string window_; // the bytes from start_ on
    std::uint64_t start_ = 0;
    std::uint64_t front_ = 0; // the latest offset asked for
    bool ended_ = false;
};

} // namespace dictconv
