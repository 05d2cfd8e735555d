// Reading the journal of keyrecorder.exe: the one reader of its line, and following the journal as it grows,
// reading each line once, so that thousands of taps cost no more to check than a few.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// "down 41/001E 1234567": the kind of key message, its key code (for a "char" line the character), the scan
// code after the slash (an extended key's with E0 before it) and the performance counter when it arrived.
struct JournalLine {
    std::string kind;
    unsigned code = 0;
    unsigned scanCode = 0;
    long long time = 0;
};

// False for a text of any other shape, so that a change of the recorder's line shows at once.
bool readJournalLine(const std::string& text, JournalLine& line);

class JournalFollower {
public:
    explicit JournalFollower(const std::string& path);
    ~JournalFollower();
    JournalFollower(const JournalFollower&) = delete;
    JournalFollower& operator=(const JournalFollower&) = delete;

    // The whole lines written since the last call.
    std::vector<JournalLine> newLines();
    // The first whole line that readJournalLine did not take, or "".
    const std::string& unreadLine() const
    {
        return unread_;
    }

private:
    std::string path_;
    FILE* file_ = nullptr;
    std::string unread_;
};

// "" when the characters arrived exactly as tapped; else the first tap that differs and what arrived from
// there ("tap 37 of 100: expected "k", arrived nothing"), with the first line the reader did not take.
std::string firstFault(const std::string& expected, const std::string& arrived, int taps,
                       const JournalFollower& journal);
