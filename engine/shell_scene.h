// ShellScene: the base of a program's scene class, which names the scene's shell once: the
// engine runs in that style, and runProgramWith (program_main.h) picks the window procedure and
// the window for it from the same value.
#pragma once

#include "engine.h"

template <EngineStyle shell> class ShellScene : public Engine {
public:
    static constexpr EngineStyle shellStyle = shell;

    ShellScene() : Engine(shell) {}
};
