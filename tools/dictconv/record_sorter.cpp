// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_sorter.h"

#include "convert_error.h"
#include "output_file.h"
#include "records.h"
#include "temp_file.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <unordered_set>

namespace dictconv {

namespace {

std::uint64_t memoryForRuns = std::uint64_t{120} << 20;
constexpr std::size_t fanIn = 64;
constexpr std::size_t chunk = std::size_t{1} << 20;

std::uint64_t keyOf(std::string_view headword) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = key << 8 | (i < headword.size() ? static_cast<unsigned char>(headword[i]) : 0u);
    return key;
}

void putNumber(std::string& out, std::uint64_t value) {
    while (value >= 0x80) {
        out += static_cast<char>(value | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}

// Reads a number at `at`; false when the bytes end first.
bool getNumber(std::string_view bytes, std::size_t& at, std::uint64_t& value) {
    value = 0;
    for (unsigned shift = 0; at < bytes.size() && shift < 64; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= std::uint64_t{byte & 0x7Fu} << shift;
        if (byte < 0x80) return true;
    }
    return false;
}

// One sorted run read back a buffer at a time.
class RunReader {
public:
    RunReader(const TemporaryFile& file, std::uint64_t begin, std::uint64_t end, std::size_t size)
        : file_(&file), next_(begin), end_(end), buffer_(size, '\0') {}

    // The next record, valid until the following call; false at the run's end.
    bool next() {
        for (;;) {
            const std::string_view held(buffer_.data() + at_, held_ - at_);
            std::size_t pos = 0;
            std::uint64_t headwordSize = 0, translationSize = 0;
            if (getNumber(held, pos, headwordSize) && getNumber(held, pos, translationSize) &&
                held.size() - pos >= headwordSize &&
                held.size() - pos - headwordSize >= translationSize) {
                headword = held.substr(pos, headwordSize);
                translation = held.substr(pos + headwordSize, translationSize);
                at_ += pos + headwordSize + translationSize;
                return true;
            }
            if (next_ == end_) {
                if (!held.empty()) throw ConvertError("a temporary file was cut short");
                return false;
            }
            refill(pos + headwordSize + translationSize);
        }
    }
    std::string_view headword, translation;

private:
    void refill(std::uint64_t needed) {
        std::memmove(buffer_.data(), buffer_.data() + at_, held_ - at_);
        held_ -= at_;
        at_ = 0;
        if (needed > buffer_.size()) buffer_.resize(needed);
        if (held_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - held_, end_ - next_));
        const std::size_t got = file_->readAt(buffer_.data() + held_, want, next_);
        if (got == 0) throw ConvertError("a temporary file was cut short");
        held_ += got;
        next_ += got;
    }

    const TemporaryFile* file_;
    std::uint64_t next_, end_;
    std::string buffer_;
    std::size_t at_ = 0, held_ = 0;
};

// Records written to a temporary file as one run.
class RunWriter {
public:
    explicit RunWriter(TemporaryFile& file) : file_(file), begin_(file.size()) {}
    void operator()(std::string_view headword, std::string_view translation) {
        putNumber(buffer_, headword.size());
        putNumber(buffer_, translation.size());
        buffer_ += headword;
        buffer_ += translation;
        if (buffer_.size() >= chunk) flush();
    }
    std::pair<std::uint64_t, std::uint64_t> finish() {
        flush();
        return {begin_, file_.size()};
    }

private:
    void flush() {
        file_.append(buffer_);
        buffer_.clear();
    }
    TemporaryFile& file_;
    std::uint64_t begin_;
    std::string buffer_;
};

// Records in sorted order written in the two-line format, those sharing a headword merged
// into one when asked: empty translations and repeats left out, as sortAndMerge does. A merged
// translation is written as its pieces come, each looked up once among those before it.
class DictionaryWriter {
public:
    DictionaryWriter(OutputFile& out, bool merge, std::size_t hidden)
        : out_(out), merge_(merge), hidden_(hidden) {}
    void operator()(std::string_view headword, std::string_view translation) {
        headword.remove_suffix(hidden_);
        if (!merge_) {
            put(headword, translation);
            return;
        }
        if (count_ > 0 && headword == headword_) {
            if (++count_ == 2) {
                buffer_ += headword_;
                buffer_ += '\n';
                addPiece(first_);
            }
            addPiece(translation);
            return;
        }
        flushGroup();
        headword_.assign(headword);
        first_.assign(translation);
        count_ = 1;
    }
    RecordSorter::Written finish() {
        flushGroup();
        out_.write(buffer_);
        written_.bytes += buffer_.size();
        buffer_.clear();
        return written_;
    }

private:
    void addPiece(std::string_view piece) {
        if (piece.empty() || seen_.contains(piece)) return;
        seen_.insert(kept_.emplace_back(piece));
        if (seen_.size() > 1) buffer_ += entrySeparator;
        buffer_ += piece;
        flushIfFull();
    }
    void flushGroup() {
        if (count_ == 1) put(headword_, first_);
        if (count_ > 1) {
            buffer_ += '\n';
            ++written_.records;
            // A large table emptied for every later headword would cost its size each time.
            if (seen_.bucket_count() > 64) {
                seen_ = {};
            } else {
                seen_.clear();
            }
            kept_.clear();
        }
        count_ = 0;
    }
    void put(std::string_view headword, std::string_view translation) {
        buffer_ += headword;
        buffer_ += '\n';
        buffer_ += translation;
        buffer_ += '\n';
        ++written_.records;
        flushIfFull();
    }
    void flushIfFull() {
        if (buffer_.size() < chunk) return;
        out_.write(buffer_);
        written_.bytes += buffer_.size();
        buffer_.clear();
    }

    OutputFile& out_;
    bool merge_;
    std::size_t hidden_;
    std::string headword_, first_, buffer_;
    std::unordered_set<std::string_view> seen_; // the pieces written under this headword
    std::deque<std::string> kept_;              // ... which these hold
    std::uint64_t count_ = 0;
    RecordSorter::Written written_;
};

} // namespace

std::uint64_t sortMemory() {
    return memoryForRuns;
}

void setSortMemory(std::uint64_t bytes) {
    memoryForRuns = bytes;
}

RecordSorter::RecordSorter(std::filesystem::path temporaryFolder, Same same, std::uint64_t memory)
    : folder_(std::move(temporaryFolder)), same_(same), memory_(memory) {
    // Records' bytes take two thirds; the entries and the sort's scratch half as many the rest.
    dataLimit_ = std::max<std::uint64_t>(memory / 3 * 2, 1);
    entryLimit_ = std::max<std::uint64_t>(memory / 3 / (sizeof(Entry) * 3 / 2), 1);
    readBuffer_ = std::clamp<std::uint64_t>(memory / 2 / fanIn, 4096, chunk);
}

RecordSorter::~RecordSorter() = default;

void RecordSorter::add(std::string_view headword, std::string_view translation) {
    const std::uint64_t size = headword.size() + translation.size();
    if (!entries_.empty() && (data_.size() + size > dataLimit_ || entries_.size() >= entryLimit_)) {
        spill();
    }
    if (!reserved_) {
        // Reserved once: buffers grown by doubling would hold old and new copies together.
        data_.reserve(static_cast<std::size_t>(dataLimit_));
        entries_.reserve(static_cast<std::size_t>(entryLimit_));
        reserved_ = true;
    }
    largest_ = std::max(largest_, size);
    entries_.push_back({keyOf(headword), data_.size(), headword.size(), translation.size()});
    data_ += headword;
    data_ += translation;
    ++added_;
}

void RecordSorter::sortEntries() {
    const char* data = data_.data();
    std::stable_sort(entries_.begin(), entries_.end(), [data](const Entry& a, const Entry& b) {
        if (a.key != b.key) return a.key < b.key;
        return std::string_view(data + a.offset, a.headwordSize) <
               std::string_view(data + b.offset, b.headwordSize);
    });
}

void RecordSorter::spill() {
    sortEntries();
    if (!runFile_) runFile_ = std::make_unique<TemporaryFile>(folder_);
    RunWriter writer(*runFile_);
    for (const Entry& e : entries_) {
        writer(std::string_view(data_.data() + e.offset, e.headwordSize),
               std::string_view(data_.data() + e.offset + e.headwordSize, e.translationSize));
    }
    const auto [begin, end] = writer.finish();
    runs_.push_back({begin, end});
    entries_.clear();
    data_.clear();
}

template <class Sink>
void RecordSorter::mergeRuns(const TemporaryFile& file, std::size_t first, std::size_t last,
                             Sink& sink) {
    std::vector<RunReader> readers;
    readers.reserve(last - first);
    for (std::size_t i = first; i < last; ++i)
        readers.emplace_back(file, runs_[i].begin, runs_[i].end, readBuffer_);
    // A heap of reader indexes: the smallest headword first, the earlier run on a tie.
    std::vector<std::size_t> heap;
    const auto later = [&readers](std::size_t a, std::size_t b) {
        const int order = readers[a].headword.compare(readers[b].headword);
        return order != 0 ? order > 0 : a > b;
    };
    for (std::size_t i = 0; i < readers.size(); ++i) {
        if (!readers[i].next()) continue;
        heap.push_back(i);
        std::push_heap(heap.begin(), heap.end(), later);
    }
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), later);
        RunReader& reader = readers[heap.back()];
        sink(reader.headword, reader.translation);
        if (reader.next()) {
            std::push_heap(heap.begin(), heap.end(), later);
        } else {
            heap.pop_back();
        }
    }
}

RecordSorter::Written RecordSorter::write(OutputFile& out) {
    DictionaryWriter writer(out, same_ == Same::Merge, hidden_);
    drain(writer);
    return writer.finish();
}

void RecordSorter::each(const std::function<void(std::string_view, std::string_view)>& sink) {
    drain(sink);
}

template <class Sink> void RecordSorter::drain(Sink& writer) {
    if (runs_.empty()) {
        sortEntries();
        for (const Entry& e : entries_) {
            writer(std::string_view(data_.data() + e.offset, e.headwordSize),
                   std::string_view(data_.data() + e.offset + e.headwordSize, e.translationSize));
        }
    } else {
        if (!entries_.empty()) spill();
        std::string().swap(data_);
        std::vector<Entry>().swap(entries_);
        // Too many runs to read at once: merge neighbours, which keeps the order of ties.
        // Each reader holds its buffer and, at worst, the largest record: fewer runs at a time
        // when records are long.
        const std::size_t ways = static_cast<std::size_t>(
            std::clamp<std::uint64_t>(memory_ / 2 / (readBuffer_ + largest_), 2, fanIn));
        while (runs_.size() > ways) {
            if (!spareFile_) spareFile_ = std::make_unique<TemporaryFile>(folder_);
            spareFile_->clear();
            std::vector<Run> merged;
            for (std::size_t first = 0; first < runs_.size(); first += ways) {
                RunWriter runWriter(*spareFile_);
                mergeRuns(*runFile_, first, std::min(runs_.size(), first + ways), runWriter);
                const auto [begin, end] = runWriter.finish();
                merged.push_back({begin, end});
            }
            runs_ = std::move(merged);
            std::swap(runFile_, spareFile_);
        }
        mergeRuns(*runFile_, 0, runs_.size(), writer);
    }
}

} // namespace dictconv
