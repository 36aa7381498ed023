// bench.exe: measures the cost of a frame in every program's heaviest scenes against the cost of
// an empty frame (clear and copy only) of the same size.
//     bench.exe [--quick] [--csv FILE]
// The floors are measured here; the scenario sets run as the sibling programs bench_*.exe, whose
// result rows are collected and reported together.
#include "frame_bench.h"

#include <windows.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {
const char* const scenarioSets[] = {"bench_shooter.exe", "bench_shooter_variant.exe",
                                    "bench_demos.exe"};

std::string siblingPath(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + name;
}

// Runs a scenario set and returns what it printed; empty when it cannot run.
std::string runSet(const std::string& program, bool quick) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return {};
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string command = "\"" + program + "\" --rows" + (quick ? " --quick" : "");
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            output.append(buffer, read);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    } else {
        std::fprintf(stderr, "cannot run %s\n", program.c_str());
    }
    CloseHandle(readEnd);
    return output;
}
} // namespace

int main(int argc, char** argv) {
    const BenchOptions options = parseBenchOptions(argc, argv);
    const int frames = options.quick ? 150 : 1000;
    std::vector<ScenarioResult> results;
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{800, 600}}) {
        BenchSurface surface(size.cx, size.cy);
        results.push_back(measureFloor(surface, frames));
    }
    for (const char* set : scenarioSets) {
        const std::string output = runSet(siblingPath(set), options.quick);
        for (const ScenarioResult& row : parseResultRows(output)) {
            results.push_back(row);
        }
        // Notes travel as comment lines ("# text"); pass them on.
        std::istringstream lines(output);
        std::string line;
        while (std::getline(lines, line)) {
            if (line.rfind("# ", 0) == 0) {
                std::printf("%s\n", line.c_str());
            }
        }
    }
    reportResults(results, options);
    return 0;
}
