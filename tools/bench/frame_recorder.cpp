// Frames of a scripted scenario written out as 24-bit BMP files.
#include "frame_recorder.h"

#include <cstdio>
#include <fstream>

namespace {
// The rows of a 24-bit DIB are padded to whole 4-byte words.
DWORD rowBytes(int width) {
    return static_cast<DWORD>((width * 3 + 3) & ~3);
}
} // namespace

BmpWriter::BmpWriter(int width, int height) {
    header.biSize = sizeof header;
    header.biWidth = width;
    // Positive: the rows bottom-up, as a BMP file keeps them.
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = rowBytes(width) * static_cast<DWORD>(height);
    BITMAPINFO info{};
    info.bmiHeader = header;
    picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pictureDC = CreateCompatibleDC(nullptr);
    if (picture != nullptr && pictureDC != nullptr) {
        SelectObject(pictureDC, picture);
    }
}

BmpWriter::~BmpWriter() {
    // The DC goes first, so that the bitmap is no longer selected when it is deleted.
    if (pictureDC != nullptr) {
        DeleteDC(pictureDC);
    }
    if (picture != nullptr) {
        DeleteObject(picture);
    }
}

bool BmpWriter::write(HDC source, const std::string& path) {
    if (picture == nullptr || pictureDC == nullptr) {
        return false;
    }
    BitBlt(pictureDC, 0, 0, header.biWidth, header.biHeight, source, 0, 0, SRCCOPY);
    // The copy may still sit in GDI's batch; the bits are read directly.
    GdiFlush();
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42; // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(static_cast<const char*>(bits), static_cast<std::streamsize>(header.biSizeImage));
    return static_cast<bool>(file);
}

int recordFrames(const std::string& folder, const ScenarioStage& stage, int frames,
                 const FrameDrawer& draw) {
    CreateDirectoryA(folder.c_str(), nullptr);
    BmpWriter writer(stage.surface.width(), stage.surface.height());
    for (int i = 0; i < frames; ++i) {
        drawScenarioFrame(stage, draw, i);
        char name[16];
        std::snprintf(name, sizeof name, "/%03d.bmp", i);
        if (!writer.write(stage.surface.dc(), folder + name)) {
            std::fprintf(stderr, "record: cannot write %s%s\n", folder.c_str(), name);
            return i;
        }
    }
    return frames;
}
