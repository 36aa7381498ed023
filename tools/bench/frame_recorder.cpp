// Frames of a scripted scenario written out as 24-bit BMP files, straight from the stage's
// surface.
#include "frame_recorder.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

bool writeBmp(const OffscreenSurface& surface, const std::string& path) {
    const int width = surface.width();
    const int height = surface.height();
    // The rows of a 24-bit BMP are padded to whole 4-byte words, with zeros.
    const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    // Positive: the rows bottom-up, as a BMP file keeps them.
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42; // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    // The surface's pixels are read directly: its batched GDI calls must be done first.
    GdiFlush();
    std::vector<char> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* pixel = surface.pixels() + static_cast<std::size_t>(y) * width;
        // Each 0x00RRGGBB value's blue, green and red bytes, the order of a BMP's pixel.
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<char>(pixel[x] & 0xFF);
            row[3 * x + 1] = static_cast<char>((pixel[x] >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<char>((pixel[x] >> 16) & 0xFF);
        }
        file.write(row.data(), static_cast<std::streamsize>(rowBytes));
    }
    return static_cast<bool>(file);
}

int recordFrames(const std::string& folder, Stage<>& stage, int frames, const FrameDrawer& draw) {
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < frames; ++i) {
        drawScenarioFrame(stage, draw, i);
        char name[16];
        std::snprintf(name, sizeof name, "/%03d.bmp", i);
        if (!writeBmp(stage.surface, folder + name)) {
            std::fprintf(stderr, "record: cannot write %s%s\n", folder.c_str(), name);
            return i;
        }
    }
    return frames;
}
