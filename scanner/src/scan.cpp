// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/scan.h"

#include "block_scan.h"
#include "record_rules.h"

namespace lexscan {

ScanStatus scanLines(LineReader& dictionary, const Request& request, ChunkSink& sink,
                     CandidateFinder find) {
    RecordRules rules(request, sink);
    return BlockScan(dictionary, rules, find ? find : candidateFinder()).run();
}

ScanStatus scanLineByLine(LineReader& dictionary, const Request& request, ChunkSink& sink) {
    RecordRules rules(request, sink);
    std::string_view line;
    while (dictionary.next(line)) {
        const RecordRules::Step step = rules.headword(line);
        if (step == RecordRules::Step::Stop) break;
        if (step == RecordRules::Step::SinkFailed) return ScanStatus::SinkFailed;
        if (step == RecordRules::Step::Next) {
            if (!dictionary.skip() && dictionary.failed()) return ScanStatus::DictionaryUnreadable;
            continue;
        }
        if (!dictionary.next(line)) {
            if (dictionary.failed()) return ScanStatus::DictionaryUnreadable;
            line = {};
        }
        if (rules.translation(line) == RecordRules::Step::Stop) break;
    }
    if (dictionary.failed()) return ScanStatus::DictionaryUnreadable;
    return rules.finish() ? ScanStatus::Completed : ScanStatus::SinkFailed;
}

ScanStatus scanDictionary(const Request& request, ChunkSink& sink, std::size_t blockSize) {
    FileSource file(request.dictionaryPath);
    if (!file.isOpen()) return ScanStatus::DictionaryUnreadable;
    LineReader dictionary(file, blockSize);
    return scanLines(dictionary, request, sink);
}

} // namespace lexscan
