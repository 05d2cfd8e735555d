// Following the journal of keyrecorder.exe as it grows, reading each line once, so that thousands of taps
// cost no more to check than a few.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct JournalLine {
    std::string kind;
    unsigned code = 0;
    long long time = 0;
};

class JournalFollower {
public:
    explicit JournalFollower(const std::string& path);
    ~JournalFollower();
    JournalFollower(const JournalFollower&) = delete;
    JournalFollower& operator=(const JournalFollower&) = delete;

    // The whole lines written since the last call.
    std::vector<JournalLine> newLines();

private:
    std::string path_;
    FILE* file_ = nullptr;
};
