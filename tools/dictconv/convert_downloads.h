// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert.h"

#include <filesystem>
#include <iosfwd>
#include <string>

namespace dictconv {

// Converts an ABBYY Lingvo DSL dictionary (".dsl", or gzip-compressed ".dsl.dz"); warnings
// about cards and headwords go to `warnings`. The encoding is guessed unless one is given.
ConvertResult convertDsl(const std::filesystem::path& inputPath,
                         const std::filesystem::path& outputPath, std::ostream& warnings,
                         Encoding encoding = Encoding::Guess);

// Converts an MDict dictionary (".mdx").
ConvertResult convertMdict(const std::filesystem::path& inputPath,
                           const std::filesystem::path& outputPath, std::ostream& warnings);

// The command word of the reader for a dictionary file, from its name (".index", ".ifo",
// ".tsv", ".txt", ".dsl", ".dsl.dz", ".mdx") or, failing that, its first bytes; an empty
// string when neither tells.
std::string formatOfFile(const std::filesystem::path& path);

} // namespace dictconv
