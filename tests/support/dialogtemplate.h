// Reading compiled dialog templates and bitmap resources back out of a module.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A template field that holds either nothing, an ordinal or a name.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::string name;
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    WORD creationDataSize = 0;
};

// A standard dialog template. An extended one is only recognised: `extended` is set and nothing else read.
// `truncated` says the resource ended before the template did.
struct DialogTemplate {
    bool found = false;
    bool extended = false;
    bool truncated = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    WORD itemCount = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title;
    WORD pointSize = 0;
    std::string faceName;
    std::vector<DialogItem> items;
};

DialogTemplate readDialogTemplate(HMODULE module, const char* name);
// A name as written, a predefined class by its name ("BUTTON", "STATIC"), another ordinal as "#n";
// empty for nothing.
std::string nameOf(const NameOrOrdinal& field);
// The raw bytes of a resource, empty when the module lacks it.
std::vector<BYTE> resourceBytes(HMODULE module, const char* name, const char* type);
