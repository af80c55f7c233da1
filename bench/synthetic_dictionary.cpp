// SPDX-License-Identifier: GPL-3.0-or-later
#include "synthetic_dictionary.h"

#include <array>
#include <fstream>
#include <random>
#include <set>

namespace lexscan::bench {

namespace {

constexpr std::array syllables = {"HA", "US", "BE",  "IN",   "GE", "SCH", "ER", "AU", "TR",
                                  "ST", "EN", "UNG", "HAUS", "KR", "ÄU",  "OL", "ZE", "MA"};
constexpr std::array words = {"house",    "home",  "the",    "of",       "to",       "building",
                              "<n>",      "[Am.]", "{Haus}", "{Häuser}", "to dwell", "residence",
                              "Synonym:", "see:",  "/haʊs/", "cottage",  "shelter",  "household"};

} // namespace

bool writeSyntheticDictionary(const std::string& path, std::size_t headwords) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<std::size_t> syllable(0, syllables.size() - 1);
    std::uniform_int_distribution<std::size_t> syllableCount(2, 7);
    std::uniform_int_distribution<std::size_t> word(0, words.size() - 1);
    std::uniform_int_distribution<std::size_t> wordCount(10, 40);

    std::set<std::string> sorted;
    while (sorted.size() < headwords) {
        std::string headword;
        for (std::size_t n = syllableCount(random); n > 0; --n)
            headword += syllables[syllable(random)];
        sorted.insert(std::move(headword));
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string translation;
    for (const std::string& headword : sorted) {
        translation.clear();
        for (std::size_t n = wordCount(random); n > 0; --n) {
            if (!translation.empty()) translation += ", ";
            translation += words[word(random)];
        }
        out << headword << '\n' << translation << '\n';
    }
    out.close();
    return static_cast<bool>(out);
}

} // namespace lexscan::bench
