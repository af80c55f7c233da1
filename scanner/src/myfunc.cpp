// SPDX-License-Identifier: GPL-3.0-or-later
// The library's export: the request and the results go through the exchange file.

#include "lexscan/myfunc.h"

#include "lexscan/exchange_path.h"
#include "lexscan/exchange_sink.h"
#include "lexscan/request.h"
#include "lexscan/scan.h"

extern "C" __attribute__((visibility("default"))) std::int32_t MYFUNC(std::int32_t) {
    using namespace lexscan;
    try {
        const std::string exchange = exchangeFilePath();
        const Request request = readRequestFile(exchange);
        ExchangeFileSink sink(exchange);
        switch (scanDictionary(request, sink)) {
        case ScanStatus::Completed:
            return resultScanned;
        case ScanStatus::SinkFailed:
            return resultAppendFailed;
        case ScanStatus::DictionaryUnreadable:
            break;
        }
        return resultNoDictionary;
    } catch (...) {
        // Out of memory for one huge line: the dictionary cannot be read.
        return resultNoDictionary;
    }
}
