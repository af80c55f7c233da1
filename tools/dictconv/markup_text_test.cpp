// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup_text.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkupText, RemovesTagsAndDecodesEntities) {
    const std::pair<const char*, const char*> cases[] = {
        {"<b>bold</b> text", "bold text"},
        {"one<br>two<BR/>three<br />four", "one; two; three; four"},
        {"<p>first</p><p>second</p>", "first; second"},
        {"a\n  b\tc", "a b c"},
        {"&lt;tag&gt; &amp;amp; &quot;q&quot; &#233;&#xE8;&nbsp;", "<tag> &amp; \"q\" éè\u00A0"},
        {"&unknown; &#0; &#xD800; &#99999999;", "&unknown; &#0; &#xD800; &#99999999;"},
        {"1 < 2 and 3 > 2", "1 < 2 and 3 > 2"},
        {"cut <b", "cut <b"},
        {"<k>word</k><dtrn>meaning</dtrn>", "wordmeaning"},
    };
    for (const auto& [markup, text] : cases)
        EXPECT_EQ(dictconv::markupToText(markup), text) << markup;
}

} // namespace
