// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dictionary the benchmark scans: made on first use, then looked over once.

#include <cstddef>
#include <string>

namespace lexscan::bench {

struct DictionaryFacts {
    std::size_t bytes = 0;
    std::size_t headwords = 0;
    std::string lastHeadword; // the headword of the last record
};

// Makes folder/deu_eng.txt from the dictd files <dictd>.index and <dictd>.dict.dz with the
// dictconv program, unless it exists and is newer than the dictd files and dictconv.
// Returns the path, or empty after printing why not.
std::string germanEnglishDictionary(const std::string& folder, const std::string& dictd,
                                    const std::string& dictconv);

// Makes folder/deu_eng_1g.txt from the German-English dictionary unless it exists and is newer:
// each record `copies` times, the first as it is, the others with " 01", " 02", ... after the
// headword, all sorted by bytes again; dictconv check must pass it. Returns the path, or empty
// after printing why not.
std::string repeatedDictionary(const std::string& folder, const std::string& source,
                               const std::string& dictconv, int copies);

// Makes folder/synthetic_<headwords>.txt unless it exists. Returns the path or empty.
std::string syntheticDictionary(const std::string& folder, std::size_t headwords);

// Reads the file once (which also brings it into the page cache).
DictionaryFacts lookOver(const std::string& path);

} // namespace lexscan::bench
