// Reading the journal of keyrecorder.exe, line by line and as it grows.
#include "support/journalfollower.h"

#include <algorithm>
#include <cstring>

bool readJournalLine(const std::string& text, JournalLine& line)
{
    char kind[32];
    int end = 0;
    if (sscanf(text.c_str(), "%31[a-z] %x/%x %lld%n", kind, &line.code, &line.scanCode, &line.time, &end) !=
            4 ||
        text.find_first_not_of("\r\n", end) != std::string::npos)
        return false;
    line.kind = kind;
    return true;
}

JournalFollower::JournalFollower(const std::string& path) : path_(path) {}

JournalFollower::~JournalFollower()
{
    if (file_)
        fclose(file_);
}

std::vector<JournalLine> JournalFollower::newLines()
{
    std::vector<JournalLine> lines;
    // In binary mode the offsets that a line still being written goes back to are exact bytes, and the lines
    // keep the "\r\n" that the reader takes.
    if (!file_ && !(file_ = fopen(path_.c_str(), "rb")))
        return lines;
    char text[128];
    for (long start = ftell(file_); fgets(text, sizeof text, file_); start = ftell(file_)) {
        // A line still being written is read again once it is whole.
        if (!strchr(text, '\n')) {
            fseek(file_, start, SEEK_SET);
            break;
        }
        JournalLine line;
        if (readJournalLine(text, line))
            lines.push_back(line);
        else if (unread_.empty())
            unread_.assign(text, strcspn(text, "\r\n"));
    }
    clearerr(file_);
    return lines;
}

std::string firstFault(const std::string& expected, const std::string& arrived, int taps,
                       const JournalFollower& journal)
{
    if (arrived == expected)
        return "";
    const size_t at = std::mismatch(expected.begin(), expected.end(), arrived.begin(), arrived.end()).first -
                      expected.begin();
    const std::string count = " of " + std::to_string(taps);
    std::string fault =
        at < expected.size()
            ? "tap " + std::to_string(at + 1) + count + ": expected \"" + expected.substr(at) +
                  "\", arrived " +
                  (at < arrived.size() ? '"' + arrived.substr(at) + '"' : std::string("nothing"))
            : "after tap " + std::to_string(at) + count + ": expected nothing more, arrived \"" +
                  arrived.substr(at) + '"';
    if (!journal.unreadLine().empty())
        fault += "; a journal line of another shape: \"" + journal.unreadLine() + '"';
    return fault;
}
