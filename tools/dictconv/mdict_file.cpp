// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdict_file.h"

#include "convert_error.h"
#include "entry_text.h"
#include "markup_text.h"
#include "mdict_format.h"
#include "progress.h"
#include "random_source.h"
#include "text_codec.h"

#include <limits>
#include <map>
#include <memory>
#include <ostream>
#include <vector>
#include <zlib.h>

namespace dictconv {

namespace {

#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr bool skipChecksums = true;
#else
constexpr bool skipChecksums = false;
#endif

struct BlockSize {
    std::uint64_t packed, unpacked;
};

// Where the parts of the file lie, read from its header and the two sections' heads.
struct Layout {
    MdictHeader header;
    std::size_t width = 8;            // bytes of a number: 8 from version 2.0, 4 before
    std::vector<BlockSize> keyBlocks; // in order, from the key block index
    std::uint64_t keyBlocksAt = 0;
    std::vector<BlockSize> recordBlocks;
    std::uint64_t recordBlocksAt = 0;
};

// The file read part by part from the front.
class Reader {
public:
    Reader(RandomSource& file, std::string name) : file_(file), name_(std::move(name)) {}
    std::string take(std::uint64_t size, const char* what) {
        if (size > file_.size() - at_) throw ConvertError(name_ + ": " + what + " is cut short");
        std::string bytes(file_.at(at_, size));
        at_ += size;
        return bytes;
    }
    std::uint64_t number(std::size_t width, const char* what) {
        return bigEndian(take(width, what), 0, width);
    }
    std::uint64_t at() const { return at_; }
    void seek(std::uint64_t at) {
        if (at > file_.size()) throw ConvertError(name_ + ": the key blocks are cut short");
        at_ = at;
    }
    const std::string& name() const { return name_; }

private:
    RandomSource& file_;
    std::string name_;
    std::uint64_t at_ = 0;
};

std::uint32_t adler(std::string_view bytes) {
    return static_cast<std::uint32_t>(adler32(adler32(0, nullptr, 0),
                                              reinterpret_cast<const Bytef*>(bytes.data()),
                                              static_cast<uInt>(bytes.size())));
}

MdictHeader readHeader(Reader& in) {
    const std::uint64_t size = in.number(4, "the header");
    const std::string xml = in.take(size, "the header");
    const std::string sum = in.take(4, "the header");
    const std::uint32_t expected =
        static_cast<std::uint8_t>(sum[0]) | static_cast<std::uint8_t>(sum[1]) << 8 |
        static_cast<std::uint8_t>(sum[2]) << 16 |
        static_cast<std::uint32_t>(static_cast<std::uint8_t>(sum[3])) << 24;
    if (adler(xml) != expected && !skipChecksums)
        throw ConvertError(in.name() + ": the header fails its Adler-32 checksum");
    MdictHeader header = parseMdictHeader(TextCodec("UTF-16LE").toUtf8(xml), in.name());
    if (header.encrypted & 1)
        throw ConvertError(in.name() +
                           ": the dictionary needs a registration key (Encrypted=\"1\"), "
                           "which dictconv cannot use");
    return header;
}

// The sizes of the key blocks from the key block index.
std::vector<BlockSize> keyIndex(const std::string& index, const Layout& layout,
                                const std::string& name) {
    const bool v2 = layout.header.version >= 2;
    const std::size_t w = layout.width, sizeWidth = v2 ? 2 : 1, end = v2 ? 1 : 0;
    const std::size_t unit = layout.header.encoding == "UTF-16LE" ? 2 : 1;
    std::vector<BlockSize> blocks;
    std::size_t at = 0;
    const auto need = [&](std::uint64_t bytes) {
        if (bytes > index.size() - at)
            throw ConvertError(name + ": the key block index is damaged");
    };
    while (at < index.size()) {
        need(w + sizeWidth);
        at += w;
        for (int text = 0; text < 2; ++text) { // the block's first and last key
            need(sizeWidth);
            const std::uint64_t length = bigEndian(index, at, sizeWidth);
            at += sizeWidth;
            need((length + end) * unit);
            at += (length + end) * unit;
        }
        need(2 * w);
        blocks.push_back({bigEndian(index, at, w), bigEndian(index, at + w, w)});
        at += 2 * w;
    }
    return blocks;
}

void readKeySection(Reader& in, Layout& layout, std::uint64_t fileSize) {
    const bool v2 = layout.header.version >= 2;
    const std::size_t w = layout.width;
    const std::string head = in.take(v2 ? 5 * w : 4 * w, "the key section");
    if (v2 && adler(head) != in.number(4, "the key section") && !skipChecksums)
        throw ConvertError(in.name() + ": the key section's head fails its Adler-32 checksum");
    const std::uint64_t indexUnpacked = v2 ? bigEndian(head, 2 * w, w) : 0;
    const std::uint64_t indexSize = bigEndian(head, (v2 ? 3 : 2) * w, w);
    const std::uint64_t keyBlocksSize = bigEndian(head, (v2 ? 4 : 3) * w, w);
    std::string index = in.take(indexSize, "the key block index");
    if (v2) {
        if (layout.header.encrypted & 2) index = decryptMdictIndex(index);
        index = unpackMdictBlock(index, indexUnpacked, in.name() + ": the key block index");
    }
    layout.keyBlocks = keyIndex(index, layout, in.name());
    layout.keyBlocksAt = in.at();
    if (keyBlocksSize > fileSize) throw ConvertError(in.name() + ": the key blocks are cut short");
    in.seek(in.at() + keyBlocksSize);
}

void readRecordSection(Reader& in, Layout& layout) {
    const std::size_t w = layout.width;
    const std::uint64_t count = in.number(w, "the record section");
    in.number(w, "the record section"); // the number of entries, known from the keys
    const std::uint64_t indexSize = in.number(w, "the record section");
    in.number(w, "the record section"); // the bytes of all record blocks
    const std::string index = in.take(indexSize, "the record block index");
    if (index.size() % (2 * w) != 0 || index.size() / (2 * w) != count)
        throw ConvertError(in.name() + ": the record block index is damaged");
    for (std::size_t at = 0; at < index.size(); at += 2 * w)
        layout.recordBlocks.push_back({bigEndian(index, at, w), bigEndian(index, at + w, w)});
    layout.recordBlocksAt = in.at();
}

Layout readLayout(RandomSource& file, const std::string& name) {
    Reader in(file, name);
    Layout layout;
    layout.header = readHeader(in);
    layout.width = layout.header.version >= 2 ? 8 : 4;
    readKeySection(in, layout, file.size());
    readRecordSection(in, layout);
    return layout;
}

// A file's keys in order, with the offsets of their records, a key block at a time.
class KeyStream {
public:
    KeyStream(RandomSource& file, const Layout& layout, const std::string& name)
        : file_(file), layout_(layout), name_(name), fileAt_(layout.keyBlocksAt),
          unit_(layout.header.encoding == "UTF-16LE" ? 2 : 1) {}

    // The next key as it is stored (not yet decoded) and its record's offset.
    bool next(std::uint64_t& offset, std::string_view& key) {
        while (at_ == block_.size()) {
            if (index_ == layout_.keyBlocks.size()) return false;
            load();
        }
        const std::size_t w = layout_.width;
        if (block_.size() - at_ < w) throw ConvertError(what(index_) + " is damaged");
        offset = bigEndian(block_, at_, w);
        at_ += w;
        std::size_t end = at_;
        while (end + unit_ <= block_.size() &&
               (block_[end] != '\0' || (unit_ == 2 && block_[end + 1] != '\0')))
            end += unit_;
        if (end + unit_ > block_.size()) throw ConvertError(what(index_) + " is damaged");
        key = std::string_view(block_).substr(at_, end - at_);
        at_ = end + unit_;
        return true;
    }

private:
    std::string what(std::size_t index) const {
        return name_ + ": key block " + std::to_string(index + 1);
    }
    void load() {
        const BlockSize size = layout_.keyBlocks[index_];
        if (size.packed > layout_.recordBlocksAt || fileAt_ > layout_.recordBlocksAt - size.packed)
            throw ConvertError(what(index_) + " is cut short");
        block_ = unpackMdictBlock(file_.at(fileAt_, size.packed), size.unpacked, what(index_));
        fileAt_ += size.packed;
        at_ = 0;
        ++index_;
    }

    RandomSource& file_;
    const Layout& layout_;
    const std::string& name_;
    std::uint64_t fileAt_;
    std::size_t unit_, index_ = 0, at_ = 0;
    std::string block_;
};

// The records' bytes as one run, unpacked a block at a time as the keys ask for them.
class RecordStream {
public:
    RecordStream(RandomSource& file, const Layout& layout, const std::string& name)
        : file_(file), layout_(layout), name_(name), fileAt_(layout.recordBlocksAt) {
        for (const BlockSize& size : layout.recordBlocks) {
            if (size.unpacked > std::numeric_limits<std::uint64_t>::max() - total_)
                throw ConvertError(name + ": the record block index is damaged");
            total_ += size.unpacked;
        }
    }
    std::uint64_t total() const { return total_; }
    std::uint64_t position() const { return fileAt_; }

    std::string_view text(std::uint64_t start, std::uint64_t end) {
        if (start < base_ || end < start || end > total_)
            throw ConvertError(name_ +
                               ": a key points to a record out of order (key block "
                               "offsets " +
                               std::to_string(start) + ", " + std::to_string(end) + ")");
        while (base_ + buffer_.size() < end) {
            const std::uint64_t drop = std::min<std::uint64_t>(start - base_, buffer_.size());
            buffer_.erase(0, drop);
            base_ += drop;
            load();
        }
        return std::string_view(buffer_).substr(start - base_, end - start);
    }

private:
    void load() {
        const std::string what = name_ + ": record block " + std::to_string(index_ + 1);
        if (index_ == layout_.recordBlocks.size()) throw ConvertError(what + " is missing");
        const BlockSize size = layout_.recordBlocks[index_];
        if (size.packed > file_.size() || fileAt_ > file_.size() - size.packed)
            throw ConvertError(what + " is cut short");
        buffer_ += unpackMdictBlock(file_.at(fileAt_, size.packed), size.unpacked, what);
        fileAt_ += size.packed;
        ++index_;
    }

    RandomSource& file_;
    const Layout& layout_;
    const std::string& name_;
    std::uint64_t fileAt_, total_ = 0, base_ = 0;
    std::size_t index_ = 0;
    std::string buffer_;
};

using RecordVisit = std::function<void(const std::string& key, const std::string& text)>;

// Decodes keys and records and hands each pair to `visit`, NUL bytes at the record's end
// left out.
void eachRecord(const std::filesystem::path& input, const Layout& layout, const std::string& name,
                const RecordVisit& visit) {
    const bool utf8 = layout.header.encoding == "UTF-8";
    std::unique_ptr<TextCodec> codec;
    if (!utf8) codec = std::make_unique<TextCodec>(layout.header.encoding);
    const auto decode = [&](std::string_view bytes) {
        const std::size_t unit = layout.header.encoding == "UTF-16LE" ? 2 : 1;
        while (bytes.size() >= unit &&
               bytes.substr(bytes.size() - unit).find_first_not_of('\0') == std::string_view::npos)
            bytes.remove_suffix(unit);
        return utf8 ? std::string(bytes) : codec->toUtf8(bytes);
    };
    // keys and records each read through a window of their own, which the other does not move
    const std::unique_ptr<RandomSource> keyFile = openDataSource(input, "MDict file", {});
    const std::unique_ptr<RandomSource> file = openDataSource(input, "MDict file", {});
    KeyStream keys(*keyFile, layout, name);
    RecordStream records(*file, layout, name);
    Progress progress("reading", file->size());
    std::uint64_t offset = 0, nextOffset = 0;
    std::string_view raw;
    if (!keys.next(offset, raw)) return;
    std::string key = decode(raw);
    while (true) {
        const bool more = keys.next(nextOffset, raw);
        const std::string text = decode(records.text(offset, more ? nextOffset : records.total()));
        visit(key, text);
        progress.update(records.position());
        if (!more) return;
        key = decode(raw);
        offset = nextOffset;
    }
}

// The key a record "@@@LINK=OTHER" points to, or an empty string for any other record.
std::string linkTarget(std::string_view text) {
    constexpr std::string_view mark = "@@@LINK=";
    if (!text.starts_with(mark)) return {};
    text.remove_prefix(mark.size());
    return std::string(text.substr(0, text.find_first_of("\r\n")));
}

struct Links {
    std::map<std::string, std::string> target;            // a link's headword -> its target's
    std::map<std::string, std::vector<std::string>> from; // a final target -> the keys linked to it
    std::map<std::string, bool> reached;                  // final targets whose text was found
};

// Each link followed through links to links, to the key whose text it takes.
void resolveLinks(Links& links, const std::vector<std::pair<std::string, std::string>>& found) {
    for (const auto& [key, target] : found) {
        std::string end = cleanHeadword(target);
        for (int hop = 0; hop < 16; ++hop) {
            const auto next = links.target.find(end);
            if (next == links.target.end()) break;
            end = next->second;
        }
        links.from[end].push_back(key);
    }
}

} // namespace

MdictSummary readMdict(const std::filesystem::path& input, const MdictSink& add,
                       std::ostream& warnings) {
    const std::string name = input.string();
    if (input.extension() == ".mdd")
        throw ConvertError(name + ": an .mdd file holds only media; convert the .mdx beside it");
    const std::unique_ptr<RandomSource> file = openDataSource(input, "MDict file", {});
    const Layout layout = readLayout(*file, name);
    std::vector<std::pair<std::string, std::string>> found; // key, target
    Links links;
    eachRecord(input, layout, name, [&](const std::string& key, const std::string& text) {
        std::string target = linkTarget(text);
        if (target.empty()) {
            add(key, markupToText(text));
            return;
        }
        links.target.emplace(cleanHeadword(key), cleanHeadword(target));
        found.emplace_back(key, std::move(target));
    });
    MdictSummary summary{layout.header.title, 0};
    if (found.empty()) return summary;
    resolveLinks(links, found);
    eachRecord(input, layout, name, [&](const std::string& key, const std::string& text) {
        const auto it = links.from.find(cleanHeadword(key));
        if (it == links.from.end() || !linkTarget(text).empty()) return;
        const std::string plain = markupToText(text);
        for (const std::string& from : it->second)
            add(from, plain);
        if (!links.reached[it->first]) summary.links += it->second.size();
        links.reached[it->first] = true;
    });
    if (summary.links < found.size())
        warnings << name << ": " << found.size() - summary.links
                 << " links to keys the dictionary does not hold, skipped\n";
    return summary;
}

} // namespace dictconv
