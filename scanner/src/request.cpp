// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexscan/request.h"

#include "vocabrix_text/line_reader.h"

namespace lexscan {

namespace {
constexpr std::size_t requestBlockSize = 4096;
}

Request readRequest(ByteSource& source) {
    Request request;
    vocabrix::text::LineReader reader(source, requestBlockSize);
    std::string* const fields[] = {&request.dictionaryPath, &request.query, &request.root,
                                   &request.mode};
    for (std::string* field : fields) {
        std::string_view line;
        if (!reader.next(line)) break;
        field->assign(line);
    }
    return request;
}

Request readRequestFile(const std::string& path) {
    FileSource file(path, FileSource::Links::Refuse);
    if (!file.isOpen()) return {};
    return readRequest(file);
}

} // namespace lexscan
