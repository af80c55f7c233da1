// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scanning engine: one pass over a dictionary of two-line records (headword, translation),
// collecting the Neighbours List (NL), the Whereinto List (WL) and the translations (PT) of the
// query word, handed to a sink in chunks of at most chunkLimit NL lines.

#include "lexscan/candidate_finder.h"
#include "lexscan/chunk_sink.h"
#include "lexscan/exchange_format.h"
#include "lexscan/request.h"
#include "vocabrix_text/line_reader.h"

#include <cstdint>
#include <string_view>

namespace lexscan {

using vocabrix::text::LineReader;

enum class ScanStatus {
    Completed,            // every chunk was handed over
    DictionaryUnreadable, // the dictionary did not open or a read failed
    SinkFailed,           // the sink refused a chunk; nothing after it was handed over
};

// Scans the lines of an opened dictionary for the request's query, root and mode.
// On a read error the final chunk is not handed over. It looks for the root (or QW) across each
// block of whole lines and examines only the lines that hold it; find picks the vector path
// (tests and fuzzing try each), null the fastest.
ScanStatus scanLines(LineReader& dictionary, const Request& request, ChunkSink& sink,
                     CandidateFinder find = nullptr);

// The same results, examining every headword line in turn: the plain form that the block scan
// is checked against.
ScanStatus scanLineByLine(LineReader& dictionary, const Request& request, ChunkSink& sink);

// Opens request.dictionaryPath and scans it. A dictionary that does not open hands over nothing.
ScanStatus scanDictionary(const Request& request, ChunkSink& sink,
                          std::size_t blockSize = LineReader::defaultBlockSize);

} // namespace lexscan
