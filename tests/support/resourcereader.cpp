// Reading the program's own resources as the compiler wrote them: dialog templates and bitmaps.
#include "support/resourcereader.h"

namespace
{

const void* resourceData(const char* name, const char* type)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    return found ? LockResource(LoadResource(module, found)) : nullptr;
}

// Walks a template's little-endian words.
class TemplateCursor
{
  public:
    explicit TemplateCursor(const void* start) : start_(static_cast<const BYTE*>(start)), at_(start_) {}

    WORD word()
    {
        WORD value;
        CopyMemory(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }

    DWORD dword()
    {
        const DWORD low = word();
        return low | static_cast<DWORD>(word()) << 16;
    }

    int coordinate()
    {
        return static_cast<short>(word());
    }

    std::string text()
    {
        std::string out;
        for (WORD c = word(); c; c = word())
            out += static_cast<char>(c);
        return out;
    }

    // A name, or an ordinal that the caller names.
    std::string nameOrOrdinal(std::string (*ordinalName)(WORD))
    {
        const WORD first = word();
        if (first == 0)
            return "";
        if (first == 0xFFFF)
            return ordinalName(word());
        at_ -= sizeof first;
        return text();
    }

    void alignToDword()
    {
        while ((at_ - start_) % 4)
            ++at_;
    }

    void skip(int bytes)
    {
        at_ += bytes;
    }

  private:
    const BYTE* start_;
    const BYTE* at_;
};

std::string ordinalNumber(WORD ordinal)
{
    return "#" + std::to_string(ordinal);
}

std::string predefinedClass(WORD atom)
{
    static const char* const names[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    return atom >= 0x80 && atom <= 0x85 ? names[atom - 0x80] : ordinalNumber(atom);
}

TemplateItem readItem(TemplateCursor& cursor)
{
    cursor.alignToDword();
    TemplateItem item{};
    item.style = cursor.dword();
    item.exStyle = cursor.dword();
    item.x = cursor.coordinate();
    item.y = cursor.coordinate();
    item.cx = cursor.coordinate();
    item.cy = cursor.coordinate();
    item.id = cursor.word();
    item.className = cursor.nameOrOrdinal(predefinedClass);
    item.text = cursor.nameOrOrdinal(ordinalNumber);
    cursor.skip(cursor.word());
    return item;
}

} // namespace

const COLORREF standardPalette[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

DialogTemplate readDialogTemplate(const char* name)
{
    DialogTemplate dialog;
    const void* data = resourceData(name, RT_DIALOG);
    if (!data)
        return dialog;
    TemplateCursor cursor(data);
    dialog.found = true;
    dialog.style = cursor.dword();
    dialog.exStyle = cursor.dword();
    const int count = cursor.word();
    dialog.x = cursor.coordinate();
    dialog.y = cursor.coordinate();
    dialog.cx = cursor.coordinate();
    dialog.cy = cursor.coordinate();
    dialog.menu = cursor.nameOrOrdinal(ordinalNumber);
    dialog.className = cursor.nameOrOrdinal(ordinalNumber);
    dialog.title = cursor.text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = cursor.word();
        dialog.font = cursor.text();
    }
    for (int i = 0; i < count; ++i)
        dialog.items.push_back(readItem(cursor));
    return dialog;
}

ResourceBitmap readBitmapResource(int id)
{
    ResourceBitmap bitmap;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(resourceData(MAKEINTRESOURCEA(id), RT_BITMAP));
    if (!header || header->biCompression != BI_RGB || header->biBitCount > 8)
        return bitmap;
    bitmap.found = true;
    bitmap.width = header->biWidth;
    bitmap.height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    bitmap.bitsPerPixel = header->biBitCount;
    const int colours = header->biClrUsed ? header->biClrUsed : 1 << header->biBitCount;
    const auto* quads =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
    for (int i = 0; i < colours; ++i)
        bitmap.palette.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    const auto* bits = reinterpret_cast<const BYTE*>(quads + colours);
    const int stride = (bitmap.width * bitmap.bitsPerPixel + 31) / 32 * 4;
    const int perByte = 8 / bitmap.bitsPerPixel;
    for (int y = 0; y < bitmap.height; ++y) {
        const BYTE* row = bits + stride * (header->biHeight > 0 ? bitmap.height - 1 - y : y);
        for (int x = 0; x < bitmap.width; ++x) {
            const int shift = 8 - bitmap.bitsPerPixel * (x % perByte + 1);
            const int index = row[x / perByte] >> shift & ((1 << bitmap.bitsPerPixel) - 1);
            bitmap.pixels.push_back(bitmap.palette.at(index));
        }
    }
    return bitmap;
}
