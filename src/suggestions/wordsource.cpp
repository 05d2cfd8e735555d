// Word lists from the words folder beside the program, one per language by its ISO 639-1 code, and the
// counts of the user's words in %APPDATA%\Tilfay\Words-<code>.txt.
#include "suggestions/wordsource.h"

#include <shlobj.h>

#include <map>
#include <string>

#include "state/appstate.h"

namespace {

constexpr const char* fallbackLanguage = "en";

struct Language {
    WordList list;
    LearnedWords learned;
};

std::map<std::string, Language> languages;

std::filesystem::path programFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length && length < MAX_PATH ? std::filesystem::path(path).parent_path() : std::filesystem::path();
}

std::filesystem::path listFile(const std::string& code)
{
    return programFolder() / "words" / (code + ".txt");
}

// Empty where the profile has no application data folder: the counts then last for this run only.
std::filesystem::path learnedFile(const std::string& code)
{
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder)))
        return {};
    return std::filesystem::path(folder) / "Tilfay" / ("Words-" + code + ".txt");
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

Language& language(const std::string& code)
{
    auto found = languages.find(code);
    if (found != languages.end())
        return found->second;
    Language& loaded = languages[code];
    loaded.list = loadWordList(listFile(code));
    const std::filesystem::path counts = learnedFile(code);
    if (!counts.empty())
        loadLearned(counts, loaded.learned);
    return loaded;
}

} // namespace

ActiveWords wordsForTarget()
{
    std::string code = layoutLanguage();
    std::error_code missing;
    if (code.empty() || !std::filesystem::exists(listFile(code), missing))
        code = fallbackLanguage;
    Language& words = language(code);
    return {&words.list, &words.learned};
}

void saveLearnedWords()
{
    for (auto& [code, words] : languages) {
        const std::filesystem::path counts = learnedFile(code);
        if (words.learned.changed && !counts.empty())
            saveLearned(counts, words.learned);
    }
}
