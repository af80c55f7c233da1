// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scanning engine: one pass over a dictionary of two-line records (headword, translation),
// collecting the Neighbours List (NL), the Whereinto List (WL) and the translations (PT) of the
// query word, handed to a sink in chunks of at most chunkLimit NL lines.

#include "lexscan/chunk_sink.h"
#include "lexscan/request.h"
#include "vocabrix_text/line_reader.h"

#include <cstdint>
#include <string_view>

namespace lexscan {

using vocabrix::text::LineReader;

inline constexpr std::uint32_t chunkLimit = 32000;

enum class Mode {
    TranslationOnly,        // "0": PT only, stops after the first exact match
    Neighbours,             // "1": NL, stops after the block of NL headwords
    Whereinto,              // "2": WL
    NeighboursAndWhereinto, // "3" and any other text
};

Mode modeFromText(std::string_view text);

enum class ScanStatus {
    Completed,            // every chunk was handed over
    DictionaryUnreadable, // the dictionary did not open or a read failed
    SinkFailed,           // the sink refused a chunk; nothing after it was handed over
};

// Scans the lines of an opened dictionary for the request's query, root and mode.
// On a read error the final chunk is not handed over.
ScanStatus scanLines(LineReader& dictionary, const Request& request, ChunkSink& sink);

// Opens request.dictionaryPath and scans it. A dictionary that does not open hands over nothing.
ScanStatus scanDictionary(const Request& request, ChunkSink& sink,
                          std::size_t blockSize = LineReader::defaultBlockSize);

} // namespace lexscan
