// Following the journal of keyrecorder.exe as it grows.
#include "support/journalfollower.h"

#include <cstring>

JournalFollower::JournalFollower(const std::string& path) : path_(path) {}

JournalFollower::~JournalFollower()
{
    if (file_)
        fclose(file_);
}

std::vector<JournalLine> JournalFollower::newLines()
{
    std::vector<JournalLine> lines;
    if (!file_ && !(file_ = fopen(path_.c_str(), "r")))
        return lines;
    char text[128];
    for (long start = ftell(file_); fgets(text, sizeof text, file_); start = ftell(file_)) {
        // A line still being written is read again once it is whole.
        if (!strchr(text, '\n')) {
            fseek(file_, start, SEEK_SET);
            break;
        }
        char kind[32];
        JournalLine line;
        if (sscanf(text, "%31s %x %lld", kind, &line.code, &line.time) == 3) {
            line.kind = kind;
            lines.push_back(line);
        }
    }
    clearerr(file_);
    return lines;
}
