// Reading compiled dialog templates and bitmap resources back out of a module.
#include "support/dialogtemplate.h"

namespace {

// Walks a template's words; strings are UTF-16 and turned into the ANSI code page. Reading past the end
// yields zeros and marks the reader overrun.
class WordReader {
public:
    explicit WordReader(const std::vector<BYTE>& bytes)
        : start_(bytes.data()), at_(bytes.data()), end_(bytes.data() + bytes.size())
    {
    }

    WORD word()
    {
        const WORD value = peek();
        skip(sizeof value);
        return value;
    }
    DWORD dword()
    {
        const WORD low = word();
        return MAKELONG(low, word());
    }
    short coordinate()
    {
        return static_cast<short>(word());
    }
    std::string string()
    {
        std::wstring wide;
        for (WORD c = word(); c != 0; c = word())
            wide += static_cast<wchar_t>(c);
        if (wide.empty())
            return {};
        const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                               nullptr, 0, nullptr, nullptr);
        std::string text(length, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(), length,
                            nullptr, nullptr);
        return text;
    }
    NameOrOrdinal nameOrOrdinal()
    {
        NameOrOrdinal field;
        if (peek() == 0xFFFF) {
            word();
            field.isOrdinal = true;
            field.ordinal = word();
        } else {
            field.name = string();
        }
        return field;
    }
    // Items start on a DWORD boundary from the start of the template.
    void alignToDword()
    {
        skip((4 - (at_ - start_) % 4) % 4);
    }
    void skip(size_t bytes)
    {
        if (bytes > static_cast<size_t>(end_ - at_)) {
            overrun_ = true;
            at_ = end_;
        } else {
            at_ += bytes;
        }
    }
    bool overrun() const
    {
        return overrun_;
    }

private:
    WORD peek() const
    {
        WORD value = 0;
        if (end_ - at_ >= static_cast<ptrdiff_t>(sizeof value))
            CopyMemory(&value, at_, sizeof value);
        return value;
    }

    const BYTE* start_;
    const BYTE* at_;
    const BYTE* end_;
    bool overrun_ = false;
};

DialogItem readItem(WordReader& reader)
{
    reader.alignToDword();
    DialogItem item;
    item.style = reader.dword();
    item.exStyle = reader.dword();
    item.x = reader.coordinate();
    item.y = reader.coordinate();
    item.cx = reader.coordinate();
    item.cy = reader.coordinate();
    item.id = reader.word();
    item.windowClass = reader.nameOrOrdinal();
    item.text = reader.nameOrOrdinal();
    item.creationDataSize = reader.word();
    reader.skip(item.creationDataSize);
    return item;
}

} // namespace

std::vector<BYTE> resourceBytes(HMODULE module, const char* name, const char* type)
{
    HRSRC info = FindResourceA(module, name, type);
    if (!info)
        return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, info)));
    return std::vector<BYTE>(data, data + SizeofResource(module, info));
}

DialogTemplate readDialogTemplate(HMODULE module, const char* name)
{
    DialogTemplate result;
    const std::vector<BYTE> bytes = resourceBytes(module, name, RT_DIALOG);
    if (bytes.empty())
        return result;
    result.found = true;
    WordReader reader(bytes);
    // An extended template starts with version 1 and signature 0xFFFF where a standard one has its style.
    result.style = reader.dword();
    if (result.style == 0xFFFF0001) {
        result.extended = true;
        return result;
    }
    result.exStyle = reader.dword();
    result.itemCount = reader.word();
    result.x = reader.coordinate();
    result.y = reader.coordinate();
    result.cx = reader.coordinate();
    result.cy = reader.coordinate();
    result.menu = reader.nameOrOrdinal();
    result.windowClass = reader.nameOrOrdinal();
    result.title = reader.string();
    if (result.style & DS_SETFONT) {
        result.pointSize = reader.word();
        result.faceName = reader.string();
    }
    for (WORD i = 0; i < result.itemCount; ++i)
        result.items.push_back(readItem(reader));
    result.truncated = reader.overrun();
    return result;
}

std::string nameOf(const NameOrOrdinal& field)
{
    static const char* const predefined[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    if (!field.isOrdinal)
        return field.name;
    if (field.ordinal >= 0x80 && field.ordinal <= 0x85)
        return predefined[field.ordinal - 0x80];
    return "#" + std::to_string(field.ordinal);
}
