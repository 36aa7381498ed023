// The recorder's output: the frames of a scripted scenario drawn on a stage as the benchmark
// draws them (drawScenarioFrame) and written out one 24-bit BMP file each, for a script to turn
// into a picture that moves.
#pragma once

#include "scenario_frame.h"

#include <string>

// Writes the surface's picture to path as a 24-bit BMP file; false when the file could not be
// written.
bool writeBmp(const OffscreenSurface& surface, const std::string& path);

// Draws `frames` frames of a scenario on the stage's surface and writes frame i to
// folder/NNN.bmp (NNN: i with three digits), creating the folder. Returns the number of frames
// written; fewer than asked when a file could not be written.
int recordFrames(const std::string& folder, Stage<>& stage, int frames, const FrameDrawer& draw);
