// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace dictconv {

// The bytes of a data file read by offset, a window at a time, so that memory stays bounded
// whatever the file's size.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint64_t size() const = 0;
    // The `length` bytes at `offset`, which must lie within size(); valid until the next call.
    virtual std::string_view at(std::uint64_t offset, std::uint64_t length) = 0;
};

// Bytes read from data files so far, for tests: with the entries read in the order of their
// offsets, about the data's size.
extern std::uint64_t dataBytesRead;

// Bytes already in memory.
class MemorySource : public RandomSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    std::string_view at(std::uint64_t offset, std::uint64_t length) override {
        return bytes_.substr(offset, length);
    }

private:
    std::string_view bytes_;
};

// Opens a data file (`what` names it in messages: "data file"): a plain one is read in place;
// a gzip or dictzip one, by its name, is first decompressed into a nameless temporary file in
// `folder`. A folder, pipe or device is refused. Throws ConvertError.
std::unique_ptr<RandomSource> openDataSource(const std::filesystem::path& path,
                                             std::string_view what,
                                             const std::filesystem::path& folder);

} // namespace dictconv
