// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"

#include "check.h"
#include "convert.h"
#include "convert_downloads.h"
#include "convert_error.h"
#include "output_file.h"
#include "progress.h"
#include "repair.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

namespace dictconv {

namespace {

constexpr const char* usage =
    "usage:\n"
    "  dictconv dictd NAME.index NAME.dict.dz OUT.txt   convert a dictd dictionary\n"
    "  dictconv NAME.index NAME.dict.dz OUT.txt         the same\n"
    "  dictconv stardict NAME.ifo OUT.txt               convert a StarDict dictionary\n"
    "  dictconv tsv IN.tsv OUT.txt                      convert a tab-separated list\n"
    "  dictconv dsl NAME.dsl[.dz] OUT.txt               convert an ABBYY Lingvo DSL dictionary\n"
    "  dictconv mdict NAME.mdx OUT.txt                  convert an MDict dictionary\n"
    "  dictconv FILE OUT.txt                            the same, the reader chosen by the file\n"
    "  dictconv check FILE.txt [--repair OUT.txt]       check a two-line dictionary\n"
    "  dictconv --help\n"
    "--quiet (anywhere) leaves out the progress line shown on a terminal.\n"
    "--encoding utf-8|cp1252|utf-16 (with tsv or dsl) reads the file so instead of guessing.\n"
    "Exit status: 0 done (check: the file is clean); 1 a conversion failed (check: problems\n"
    "found); 2 a wrong call, an output that cannot be written, or (check) an unreadable file.\n";

void printWritten(const std::string& out, const ConvertResult& result) {
    std::cout << "Wrote " << out;
    if (!result.title.empty()) std::cout << " (" << result.title << ")";
    std::cout << ": " << result.headwords << " headwords, " << result.bytes << " bytes";
    if (result.skippedFields)
        std::cout << ", " << result.skippedFields << " parts without text skipped";
    if (result.skippedHeadwords) std::cout << ", " << result.skippedHeadwords << " lines skipped";
    if (result.unknownTags) std::cout << ", " << result.unknownTags << " unknown tags removed";
    if (result.links) std::cout << ", " << result.links << " links";
    std::cout << '\n';
}

// Runs a check, and the repair when asked for; the exit status tells about the input file.
int check(const std::vector<std::string>& args) {
    if (args.size() == 3) outputDestination(args[2]); // refused before anything is read
    const CheckSummary summary = checkDictionary(args[0], std::cout);
    if (args.size() == 3) repairDictionary(args[0], args[2], std::cout);
    return summary.problems == 0 ? 0 : 1;
}

// The exit status of a call, or -1 when the call is wrong.
int run(std::string_view command, const std::vector<std::string>& args, Encoding encoding) {
    // An output that cannot be written to is refused before any input is read.
    const bool guess = encoding == Encoding::Guess; // --encoding is for tsv and dsl alone
    if (command == "dictd" && guess && args.size() == 3) {
        outputDestination(args[2]);
        printWritten(args[2], convertDictionary(args[0], args[1], args[2]));
    } else if (command == "stardict" && guess && args.size() == 2) {
        outputDestination(args[1]);
        printWritten(args[1], convertStarDict(args[0], args[1]));
    } else if (command == "tsv" && args.size() == 2) {
        outputDestination(args[1]);
        printWritten(args[1], convertTsv(args[0], args[1], std::cerr, encoding));
    } else if (command == "dsl" && args.size() == 2) {
        outputDestination(args[1]);
        printWritten(args[1], convertDsl(args[0], args[1], std::cerr, encoding));
    } else if (command == "mdict" && guess && args.size() == 2) {
        outputDestination(args[1]);
        printWritten(args[1], convertMdict(args[0], args[1], std::cerr));
    } else if (command == "check" && guess &&
               (args.size() == 1 || (args.size() == 3 && args[1] == "--repair"))) {
        return check(args);
    } else {
        return -1;
    }
    return 0;
}

bool isCommandWord(std::string_view word) {
    for (const char* command : {"dictd", "stardict", "tsv", "dsl", "mdict", "check"})
        if (word == command) return true;
    return false;
}

// The command for "dictconv FILE OUT.txt", the reader chosen by the file; a dictd index gets
// its data file beside it. False, with a message, when the file does not tell.
bool byFile(std::vector<std::string>& args, std::string& command) {
    command = formatOfFile(args[0]);
    if (command.empty()) {
        std::cerr << "dictconv: cannot tell the format of " << args[0]
                  << "; name it with a command word: dictd, stardict, tsv, dsl or mdict\n";
        return false;
    }
    if (command == "dictd") {
        std::string base = args[0].substr(0, args[0].size() - 6);
        std::error_code error;
        const bool zipped = std::filesystem::exists(base + ".dict.dz", error);
        args.insert(args.begin() + 1, base + (zipped ? ".dict.dz" : ".dict"));
    }
    return true;
}

// Takes "--encoding NAME" out of the arguments; nothing when the name is not one we read.
std::optional<Encoding> takeEncoding(std::vector<std::string>& args) {
    const auto option = std::find(args.begin(), args.end(), "--encoding");
    if (option == args.end()) return Encoding::Guess;
    if (option + 1 == args.end()) return std::nullopt;
    const std::string name = option[1];
    args.erase(option, option + 2);
    if (name == "utf-8" || name == "UTF-8") return Encoding::Utf8;
    if (name == "cp1252" || name == "CP1252") return Encoding::Cp1252;
    if (name == "utf-16" || name == "UTF-16") return Encoding::Utf16;
    return std::nullopt;
}

// A report or "Wrote" line that could not be written is an error, not success.
bool standardOutputWritten() {
    errno = 0;
    std::cout.flush();
    if (std::cout) return true;
    const int why = errno;
    std::cerr << "dictconv: cannot write standard output" << (why ? ": " : "")
              << (why ? std::strerror(why) : "") << '\n';
    std::cout.clear();
    return false;
}

} // namespace

int runCommand(std::vector<std::string> args, bool stderrIsTerminal) {
    const auto quiet = std::remove(args.begin(), args.end(), "--quiet");
    const bool silent = quiet != args.end();
    args.erase(quiet, args.end());
    const std::optional<Encoding> encoding = takeEncoding(args);
    progressOutput = stderrIsTerminal && !silent ? &std::cerr : nullptr;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage;
        return standardOutputWritten() ? 0 : 2;
    }
    std::string command;
    const bool named = !args.empty() && isCommandWord(args[0]);
    if (args.size() == 3 && !named) {
        command = "dictd"; // the short form
    } else if (args.size() == 2 && !named && !args[0].starts_with('-')) {
        if (!byFile(args, command)) return 2;
    } else if (!args.empty()) {
        command = args.front();
        args.erase(args.begin());
    }
    const bool isCheck = command == "check";
    try {
        const int status = encoding ? run(command, args, *encoding) : -1;
        if (status < 0) {
            std::cerr << usage;
            return 2;
        }
        return standardOutputWritten() ? status : 2;
    } catch (const WriteError& e) {
        std::cerr << "dictconv: " << e.what() << '\n';
        return 2;
    } catch (const ConvertError& e) {
        std::cerr << "dictconv: " << e.what() << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << "dictconv: out of memory\n";
    } catch (const std::exception& e) {
        std::cerr << "dictconv: " << e.what() << '\n';
    }
    return isCheck ? 2 : 1;
}

} // namespace dictconv
