// The recorder's output: the frames of a scripted scenario drawn as the benchmark draws them
// (drawScenarioFrame) and written out one 24-bit BMP file each, for a script to turn into a
// picture that moves.
#pragma once

#include "scenario_stage.h"

#include <windows.h>

#include <string>

// Writes a surface's picture as 24-bit BMP files. The picture is copied into a device-
// independent bitmap of the surface's size first, whose bits are then written as they are.
class BmpWriter {
public:
    BmpWriter(int width, int height);
    ~BmpWriter();
    BmpWriter(const BmpWriter&) = delete;
    BmpWriter& operator=(const BmpWriter&) = delete;

    // Copies the picture of source (the writer's size) and writes it to path; false when the
    // file could not be written.
    bool write(HDC source, const std::string& path);

private:
    BITMAPINFOHEADER header{};
    HDC pictureDC = nullptr;
    HBITMAP picture = nullptr;
    void* bits = nullptr;
};

// Draws `frames` frames of a scenario on the stage's surface and writes frame i to
// folder/NNN.bmp (NNN: i with three digits), creating the folder. Returns the number of frames
// written; fewer than asked when a file could not be written.
int recordFrames(const std::string& folder, const ScenarioStage& stage, int frames,
                 const FrameDrawer& draw);
