// SPDX-License-Identifier: GPL-3.0-or-later
// Positions past 4 GiB, through a source that says it is there.
#include "line_reader.h"
#include "progress.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr std::uint64_t GiB = std::uint64_t{1} << 30;

// Lines of "a\tb" from 4.5 GiB into a 6 GiB file, in pieces of 7 bytes.
class FarSource : public dictconv::ByteSource {
public:
    std::size_t read(char* into, std::size_t size) override {
        static constexpr std::string_view text = "a\tb\n";
        if (left_ == 0) return 0;
        const std::size_t count = std::min<std::size_t>({size, 7, left_});
        for (std::size_t i = 0; i < count; ++i)
            into[i] = text[(position_ + i) % text.size()];
        position_ += count;
        left_ -= count;
        return count;
    }
    std::uint64_t position() const override { return position_; }
    std::uint64_t size() const override { return 6 * GiB; }

private:
    std::uint64_t position_ = 4 * GiB + GiB / 2;
    std::size_t left_ = 4000;
};

TEST(LargeFile, PositionsPastFourGiB) {
    FarSource source;
    dictconv::LineReader lines(source);
    std::string_view line;
    bool ended = false;
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(lines.next(line, ended));
        EXPECT_EQ(line, "a\tb");
    }
    EXPECT_EQ(lines.position(), 4 * GiB + GiB / 2 + 40);
    EXPECT_EQ(dictconv::Progress::line("reading", lines.position(), source.size(), 2.0),
              "dictconv: reading  75%, 2416 MB/s");
}

} // namespace
