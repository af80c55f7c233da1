#pragma once

#include <cstdint>
#include <filesystem>

namespace dictconv {

struct ConvertResult {
    std::size_t headwords = 0;
    std::uintmax_t bytes = 0;
};

// Converts a dictd dictionary (index and gzip-compressed data) into the two-line format:
// upper-cased headwords sorted by bytes, one merged translation line each, LF line ends.
// Throws ConvertError on bad input; the output file is then left untouched.
ConvertResult convertDictionary(const std::filesystem::path& indexPath,
                                const std::filesystem::path& dataPath,
                                const std::filesystem::path& outputPath);

} // namespace dictconv
