// Word suggestions as a user meets them: the strip above the keys, a word chosen into notepad, the word
// forgotten at a click elsewhere, a mark after a chosen word, a word learned by typing it twice, the next
// word offered before its first letter, nothing offered or learned in a password box, and learned words
// forgotten from the options, and a learned file that cannot be read kept and read again later.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "resources/resource.h"
#include "support/keyboardparts.h"
#include "support/session.h"
#include "support/winprocess.h"

namespace {

std::filesystem::path learnedFile()
{
    wchar_t folder[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
    return std::filesystem::path(folder) / "Tilfay" / "Words-en.txt";
}

std::string cellsText(HWND strip)
{
    char text[512] = "";
    GetWindowTextA(strip, text, sizeof text);
    return text;
}

// Names keep their capital ("x" offers "Xerox"), so the start is compared without regard to case.
bool allStartWith(const std::vector<std::string>& words, const std::string& start)
{
    for (const std::string& word : words)
        if (word.size() <= start.size() || _strnicmp(word.c_str(), start.c_str(), start.size()) != 0)
            return false;
    return !words.empty();
}

class WordSuggestions : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::error_code ignored;
        std::filesystem::remove(learnedFile(), ignored);
        ASSERT_TRUE(startSession(session, "[Tilfay]\r\nWord Suggestions=Y\r\n"));
        strip = FindWindowExA(session.keyboard.frame, nullptr, "TilfayStrip", nullptr);
        ASSERT_NE(strip, nullptr);
    }

    void type(const std::string& text)
    {
        typeWithKeyboard(session, text);
    }

    // Waits until the strip offers words for the typed start.
    std::vector<std::string> offeredFor(const std::string& start)
    {
        std::vector<std::string> words;
        waitUntil([&] { return allStartWith(words = offeredIn(strip), start); }, shortWait);
        return words;
    }

    std::string stripText()
    {
        return cellsText(strip);
    }

    // Closes the keyboard, which saves what it learned, and reads the learned file.
    std::string closeAndReadLearned()
    {
        clickControl(captionBarOf(session.keyboard.frame), IDC_CAPTION_CLOSE);
        EXPECT_EQ(session.keyboard.program->waitForExit(longWait), 0u);
        std::ifstream counts(learnedFile());
        std::stringstream text;
        text << counts.rdbuf();
        return text.str();
    }

    void choose(int cell)
    {
        clickAt(cellCentre(strip, cell));
        pumpFor(30);
    }

    Session session;
    HWND strip = nullptr;
};

TEST_F(WordSuggestions, OfferedChosenForgottenAndLearnedInNotepad)
{
    HWND frame = session.keyboard.frame;
    HWND panel = session.keyboard.panel;
    const RECT stripPlace = screenRectOf(strip);
    const RECT key = screenRectOf(GetDlgItem(panel, 11));
    const RECT place = screenRectOf(frame);
    RECT client;
    GetClientRect(frame, &client);
    EXPECT_EQ(stripPlace.bottom - stripPlace.top, key.bottom - key.top) << "as high as a key";
    EXPECT_EQ(stripPlace.right - stripPlace.left, client.right) << "as wide as the visible panel";
    EXPECT_EQ(screenRectOf(panel).top, stripPlace.bottom) << "the panel stands below the strip";
    const int compactHeight = screenRectOf(GetDlgItem(panel, 121)).top - screenRectOf(panel).top;
    EXPECT_EQ(place.bottom - place.top, 10 + (stripPlace.bottom - stripPlace.top) + compactHeight)
        << "taller by the strip";
    RECT workArea;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_EQ(place.right, workArea.right);
    EXPECT_EQ(place.bottom, workArea.bottom) << "still at its corner";

    type("th");
    std::vector<std::string> words = offeredFor("th");
    ASSERT_EQ(words.size(), 4u) << "words starting \"th\", never \"th\" itself";
    choose(0);
    std::string expected = words[0] + " ";
    EXPECT_TRUE(waitForText(session.notepad.edit, expected)) << textOf(session.notepad.edit);
    EXPECT_EQ(GetForegroundWindow(), session.notepad.window)
        << "a tap on the strip never activates the keyboard";

    type("wh");
    words = offeredFor("wh");
    ASSERT_FALSE(words.empty());
    choose(0);
    type(".");
    expected += words[0] + ". ";
    EXPECT_TRUE(waitForText(session.notepad.edit, expected)) << "the space moves after the mark";

    type("q");
    ASSERT_FALSE(offeredFor("q").empty());
    const RECT edit = screenRectOf(session.notepad.edit);
    clickAt(POINT{edit.left + 40, edit.bottom - 40});
    pumpFor(50);
    type("x");
    EXPECT_TRUE(allStartWith(offeredFor("x"), "x"))
        << "a click into notepad forgets the \"q\": " << stripText();

    type(" zyxw zy");
    EXPECT_TRUE(allStartWith(offeredFor("zy"), "zy"));
    EXPECT_EQ(stripText().find("zyxw"), std::string::npos) << "typed once: not yet offered";
    type("xw zy");
    EXPECT_TRUE(
        waitUntil([&] { return !offeredIn(strip).empty() && offeredIn(strip)[0] == "zyxw"; }, shortWait))
        << "typed twice: offered first";

    const std::string learned = closeAndReadLearned();
    EXPECT_NE(learned.find("zyxw 2\n"), std::string::npos) << learned;
}

TEST_F(WordSuggestions, TheNextWordBeforeItsFirstLetterAndTheUsersOwnPairsFirst)
{
    type("the ");
    std::vector<std::string> words;
    ASSERT_TRUE(waitUntil([&] { return !(words = offeredIn(strip)).empty(); }, shortWait))
        << "followers of \"the\" before any letter";
    choose(0);
    std::string expected = "the " + words[0] + " ";
    EXPECT_TRUE(waitForText(session.notepad.edit, expected)) << textOf(session.notepad.edit);

    type("kettle table. kettle table. ");
    expected += "kettle table. kettle table. ";
    ASSERT_TRUE(waitUntil([&] { return !(words = offeredIn(strip)).empty(); }, shortWait));
    EXPECT_TRUE(isupper(static_cast<unsigned char>(words[0][0]))) << "a capital after a sentence's end";
    type("kettle ");
    expected += "kettle ";
    EXPECT_TRUE(
        waitUntil([&] { return !offeredIn(strip).empty() && offeredIn(strip)[0] == "table"; }, shortWait))
        << "a pair typed twice comes first: " << stripText();
    choose(0);
    expected += "table ";
    EXPECT_TRUE(waitForText(session.notepad.edit, expected)) << textOf(session.notepad.edit);

    const std::string learned = closeAndReadLearned();
    EXPECT_NE(learned.find("kettle table 3\n"), std::string::npos) << learned;
}

TEST_F(WordSuggestions, NothingIsOfferedTrackedOrLearnedInAPasswordBoxOfAClassOfItsOwn)
{
    type("th");
    ASSERT_EQ(offeredFor("th").size(), 4u);
    PasswordBox passwords = clickIntoPasswordBox(session.notepad);
    HWND window = passwords.window;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(waitUntil([&] { return stripText().empty(); }, shortWait))
        << "a click there: " << stripText();
    type("qzqk qzqk q");
    EXPECT_TRUE(waitUntil([&] { return windowText(window) == "length 11"; }, shortWait))
        << windowText(window);
    EXPECT_EQ(stripText(), "") << "nothing offered in a password box";
    for (int cell = 0; cell < 4; ++cell)
        choose(cell);
    pumpFor(200);
    EXPECT_EQ(windowText(window), "length 11") << "a tap on a cell types nothing there";

    passwords.program->end();
    const RECT edit = screenRectOf(session.notepad.edit);

    // A console passes every key on to a program that may be asking for a password. (Wine reports no focus
    // in its console: the keyboard's target stays notepad while the console in front takes the keys.)
    clickAt(POINT{edit.left + 40, edit.bottom - 40});
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION shell{};
    char commandLine[] = "cmd.exe";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                               nullptr, &startup, &shell));
    HWND console = nullptr;
    EXPECT_TRUE(
        waitUntil([&] { return (console = FindWindowA("WineConsoleClass", nullptr)) != nullptr; }, longWait));
    SetWindowPos(console, nullptr, edit.left + 20, edit.top + 20, 400, 200, SWP_NOZORDER);
    clickAt(POINT{edit.left + 60, edit.top + 60});
    pumpFor(300);
    type("vxvx vxvx v");
    pumpFor(300);
    EXPECT_EQ(stripText(), "") << "nothing offered in a console";
    TerminateProcess(shell.hProcess, 0);
    CloseHandle(shell.hProcess);
    CloseHandle(shell.hThread);

    clickAt(POINT{edit.left + 40, edit.bottom - 40});
    pumpFor(100);
    type(" vx");
    pumpFor(300);
    EXPECT_EQ(stripText().find("vxvx"), std::string::npos) << stripText();
    type(" qz");
    pumpFor(300);
    EXPECT_EQ(stripText().find("qzqk"), std::string::npos) << stripText();
    const std::string learned = closeAndReadLearned();
    EXPECT_EQ(learned.find("qzqk"), std::string::npos) << learned;
    EXPECT_EQ(learned.find("vxvx"), std::string::npos) << learned;
}

TEST_F(WordSuggestions, ForgetLearnedWordsAsksThenRemovesTheWordsAndTheirFile)
{
    std::filesystem::create_directories(learnedFile().parent_path());
    std::ofstream(learnedFile(), std::ios::binary) << "\xEF\xBB\xBFzyxw 5\n";
    type("zy");
    ASSERT_TRUE(
        waitUntil([&] { return !offeredIn(strip).empty() && offeredIn(strip)[0] == "zyxw"; }, shortWait))
        << "read at the first suggestion, past its byte-order mark";
    type(" zyxw ");
    const auto answerBox = [&](int button) {
        HWND box = shownDialog(
            waitForMessageBox(session.keyboard.program->id(), "Tilfay Keyboard", shortWait), shortWait);
        const std::string text = box ? messageBoxText(box) : "no box";
        if (box)
            clickControl(box, button);
        waitUntil([&] { return !IsWindow(box); }, shortWait);
        return text;
    };
    const auto forget = [&](int answer) {
        HWND dialog = openOptions(session.keyboard);
        if (dialog)
            clickControl(dialog, IDC_FORGET_WORDS);
        return answerBox(answer);
    };
    // Held open by another program, the file cannot be deleted: a box says so, and memory keeps nothing.
    HANDLE held =
        CreateFileW(learnedFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(forget(IDYES).find("Forget every word"), std::string::npos) << "a box asks first";
    EXPECT_NE(answerBox(IDOK).find("could not be deleted"), std::string::npos);
    CloseHandle(held);
    ASSERT_TRUE(typingGoesOn(session));
    type("zy");
    pumpFor(300);
    EXPECT_EQ(stripText().find("zyxw"), std::string::npos) << stripText();
    EXPECT_NE(forget(IDYES).find("Forget every word"), std::string::npos);
    ASSERT_TRUE(typingGoesOn(session));
    EXPECT_FALSE(std::filesystem::exists(learnedFile()));
    const std::string learned = closeAndReadLearned();
    EXPECT_EQ(learned.find("zyxw"), std::string::npos) << "gone from memory too: " << learned;
}

TEST_F(WordSuggestions, ALearnedFileHeldByAnotherProgramIsReadLaterAndNeverSavedOver)
{
    std::filesystem::create_directories(learnedFile().parent_path());
    std::ofstream(learnedFile(), std::ios::binary) << "zyxw 5\nthe zyxw 2\n";
    HANDLE held = CreateFileW(learnedFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    type("qvqv qvqv zy");
    pumpFor(300);
    EXPECT_EQ(stripText().find("zyxw"), std::string::npos) << "not read while held: " << stripText();
    CloseHandle(held);
    type("x");
    EXPECT_TRUE(
        waitUntil([&] { return !offeredIn(strip).empty() && offeredIn(strip)[0] == "zyxw"; }, shortWait))
        << "read at a later use: " << stripText();
    const std::string learned = closeAndReadLearned();
    EXPECT_NE(learned.find("zyxw 5\n"), std::string::npos) << learned;
    EXPECT_NE(learned.find("the zyxw 2\n"), std::string::npos) << learned;
    EXPECT_NE(learned.find("qvqv 2\n"), std::string::npos)
        << "what was learned meanwhile is kept: " << learned;

    // Closed while the file is held, the keyboard keeps what it learned beside the file; it joins the file at
    // the next start that can read it.
    const auto restart = [&] {
        session.keyboard = startKeyboard();
        strip = FindWindowExA(session.keyboard.frame, nullptr, "TilfayStrip", nullptr);
        focusByClick(session.notepad.edit);
        session.typed = textOf(session.notepad.edit);
    };
    restart();
    held = CreateFileW(learnedFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    type("wqwq wqwq ");
    const std::filesystem::path waiting = learnedFile().string() + ".waiting";
    std::ifstream waitingText((closeAndReadLearned(), waiting));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(waitingText), {}), "wqwq 2\nwqwq wqwq 1\n");
    waitingText.close();
    CloseHandle(held);
    restart();
    type("wq");
    EXPECT_TRUE(
        waitUntil([&] { return !offeredIn(strip).empty() && offeredIn(strip)[0] == "wqwq"; }, shortWait))
        << stripText();
    const std::string joined = closeAndReadLearned();
    EXPECT_NE(joined.find("wqwq 2\n"), std::string::npos) << joined;
    EXPECT_NE(joined.find("zyxw 5\n"), std::string::npos) << joined;
    EXPECT_FALSE(std::filesystem::exists(waiting));
}

} // namespace
