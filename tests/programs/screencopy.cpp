// Copies a rectangle of the screen, as the programs see it, into a 24-bit .bmp file: under Wine on a display
// without a window manager the X server's own picture shows the keyboard's overlays black.
// Usage: screencopy X Y WIDTH HEIGHT FILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 6)
        return 1;
    const int x = std::atoi(__argv[1]);
    const int y = std::atoi(__argv[2]);
    const int width = std::atoi(__argv[3]);
    const int height = std::atoi(__argv[4]);
    if (width <= 0 || height <= 0)
        return 1;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = (width * 3 + 3) & ~3u;
    header.biSizeImage = rowBytes * height;
    const BITMAPFILEHEADER file{
        0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + header.biSizeImage), 0, 0,
        sizeof(BITMAPFILEHEADER) + sizeof header};
    FILE* out = std::fopen(__argv[5], "wb");
    const bool written = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&header, sizeof header, 1, out) == 1 &&
                         std::fwrite(bits, header.biSizeImage, 1, out) == 1;
    if (out)
        std::fclose(out);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written ? 0 : 1;
}
