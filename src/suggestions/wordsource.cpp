// Word lists and pair tables from the words folder beside the program, one per language by its ISO 639-1
// code (<code>.txt, <code>-pairs.txt), and the counts of the user's words and pairs in
// %APPDATA%\Tilfay\Words-<code>.txt.
#include "suggestions/wordsource.h"

#include <shlobj.h>

#include <map>
#include <string>

#include "state/appstate.h"

namespace {

struct Language {
    // The words folder has a list for the language, looked for once.
    bool hasList;
    WordList list;
    PairTable pairs;
    LearnedWords learned;
    // The counts file stands but could not be read: what is learned meanwhile waits in memory and is not
    // saved over it.
    bool unread;
    // The counts that waited beside the file have been read with it: they go once it is saved.
    bool waitingRead;
};

std::map<std::string, Language> languages;

std::filesystem::path programFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length && length < MAX_PATH ? std::filesystem::path(path).parent_path() : std::filesystem::path();
}

std::filesystem::path listFile(const std::string& code, const char* kind = "")
{
    return programFolder() / "words" / (code + kind + ".txt");
}

// Empty where the profile has no application data folder: the counts then last for this run only.
std::filesystem::path learnedFile(const std::string& code)
{
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder)))
        return {};
    return std::filesystem::path(folder) / "Tilfay" / ("Words-" + code + ".txt");
}

// What was learned while the counts file could not be read, kept beside it until it can.
std::filesystem::path waitingFile(const std::string& code)
{
    std::filesystem::path waiting = learnedFile(code);
    return waiting.empty() ? waiting : waiting += ".waiting";
}

// Norwegian Bokmål and Nynorsk share the Norwegian list.
std::string layoutLanguage()
{
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(app.targetWindow, nullptr));
    const LANGID language = PRIMARYLANGID(LOWORD(reinterpret_cast<UINT_PTR>(layout)));
    char code[9] = "";
    GetLocaleInfoA(MAKELCID(MAKELANGID(language, SUBLANG_DEFAULT), SORT_DEFAULT), LOCALE_SISO639LANGNAME,
                   code, sizeof code);
    const std::string name = code;
    return name == "nb" || name == "nn" ? "no" : name;
}

// Once the file can be read, the counts learned meanwhile and those that waited beside it join its own.
void readCounts(const std::string& code, Language& words)
{
    const std::filesystem::path counts = learnedFile(code);
    LearnedWords read;
    words.unread = !counts.empty() && loadLearned(counts, read) == LearnedFile::unreadable;
    if (words.unread)
        return;
    LearnedWords waiting;
    if (!counts.empty() && loadLearned(waitingFile(code), waiting) == LearnedFile::loaded) {
        waiting.changed = true;
        mergeLearned(read, waiting);
        words.waitingRead = true;
    }
    mergeLearned(read, words.learned);
    words.learned = std::move(read);
}

Language& language(const std::string& code)
{
    auto found = languages.find(code);
    if (found != languages.end()) {
        if (found->second.unread)
            readCounts(code, found->second);
        return found->second;
    }
    Language& loaded = languages[code];
    std::error_code missing;
    loaded.hasList = std::filesystem::exists(listFile(code), missing);
    if (!loaded.hasList)
        return loaded;
    loaded.list = loadWordList(listFile(code));
    loaded.pairs = loadPairTable(listFile(code, "-pairs"));
    readCounts(code, loaded);
    return loaded;
}

// Added to what already waits there: nothing is counted twice, since what is added leaves memory.
void keepWaiting(const std::string& code, Language& words)
{
    const std::filesystem::path waiting = waitingFile(code);
    LearnedWords kept;
    if (waiting.empty() || loadLearned(waiting, kept) == LearnedFile::unreadable)
        return;
    mergeLearned(kept, words.learned);
    if (saveLearned(waiting, kept))
        words.learned = LearnedWords{};
}

void saveCounts(const std::string& code, Language& words)
{
    const std::filesystem::path counts = learnedFile(code);
    if (counts.empty() || !saveLearned(counts, words.learned) || !words.waitingRead)
        return;
    std::error_code failed;
    std::filesystem::remove(waitingFile(code), failed);
    words.waitingRead = false;
}

} // namespace

// A language without a list is offered nothing, and what is typed in it is not kept.
ActiveWords wordsForTarget()
{
    static Language none;
    const std::string code = layoutLanguage();
    Language* words = code.empty() ? &none : &language(code);
    if (!words->hasList) {
        none.learned = LearnedWords{};
        words = &none;
    }
    return {&words->list, &words->learned, &words->pairs};
}

bool forgetLearnedWords()
{
    for (auto& [code, words] : languages) {
        words.learned = LearnedWords{};
        words.unread = false;
        words.waitingRead = false;
    }
    const std::filesystem::path folder = learnedFile("en").parent_path();
    std::error_code failed;
    if (folder.empty() || !std::filesystem::is_directory(folder, failed))
        return true;
    bool allGone = true;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failed)) {
        const std::wstring name = entry.path().filename().wstring();
        std::error_code notRemoved;
        if (name.rfind(L"Words-", 0) == 0 && !std::filesystem::remove(entry.path(), notRemoved))
            allGone = false;
    }
    return allGone && !failed;
}

void saveLearnedWords(bool closing)
{
    for (auto& [code, words] : languages) {
        if (words.unread)
            readCounts(code, words);
        if (words.unread && closing && words.learned.changed)
            keepWaiting(code, words);
        else if (words.learned.changed && !words.unread)
            saveCounts(code, words);
    }
}
