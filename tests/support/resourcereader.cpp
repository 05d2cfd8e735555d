// Reading the program's own bitmap resources as the compiler wrote them.
#include "support/resourcereader.h"

namespace {

const void* resourceData(const char* name, const char* type)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    return found ? LockResource(LoadResource(module, found)) : nullptr;
}

} // namespace

const COLORREF standardPalette[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

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
