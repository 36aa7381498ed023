// Engine frame cycle: surfaces, timer ticks, render threads, painting, pausing and locking.
#include "engine.h"

#include "frame_steps.h"
#include "gdi_objects.h"
#include "text_1251.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstring>

namespace {
// The low 32 bits of a counter, read as a signed value (the status line shows them so).
std::int32_t low32(std::uint64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
}

const char threadFailedText[] = "Can't create Thread";

} // namespace

Engine::Engine(EngineStyle style) : engineStyle(style) {}

Engine::~Engine() {
    const bool frameEnded = endFrames();
    if (renderThread != nullptr) {
        CloseHandle(renderThread);
        renderThread = nullptr;
    }
    if (!frameEnded) {
        return; // a frame may still draw into the surfaces: they stay to the process's end
    }
    if (dcA != nullptr) {
        gdiCount::deleteDC(dcA);
    }
    if (bitmapA != nullptr) {
        gdiCount::deleteBitmap(bitmapA);
    }
    if (dcB != nullptr) {
        gdiCount::deleteDC(dcB);
    }
    if (bitmapB != nullptr) {
        gdiCount::deleteBitmap(bitmapB);
    }
}

bool Engine::endFrames() {
    // A synchronous kill: once it returns no timer callback runs or will run, so no frame can
    // start while the surfaces are torn down.
    if (timerId != 0) {
        timeKillEvent(timerId);
        timerId = 0;
    }
    active = false;
    return waitForFrame();
}

// Wine's timer thread ends with the last timer; Windows keeps its thread to the process's end.
// Wine's own ntdll tells it is there.
bool Engine::timerThreadEndsWithLastTimer() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void Engine::stop() {
    endFrames();
    if (!timerThreadEndsWithLastTimer()) {
        return;
    }
    // The id was the tick thread's while the timer ran; a thread that has ended already cannot
    // be opened, and then there is nothing to wait for.
    const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, tickThread.load());
    if (thread != nullptr) {
        WaitForSingleObject(thread, timerThreadEndWaitMs);
        CloseHandle(thread);
    }
}

void Engine::renderFrame(HDC, int) {}

void Engine::buildScene() {}

void Engine::start(HWND targetWindow) {
    attachWindow(targetWindow);
    buildScene();
    startTimer();
}

void Engine::createSurface(HDC screenDC, HDC& dc, HBITMAP& bitmap) const {
    dc = gdiCount::createCompatibleDC(screenDC);
    bitmap = gdiCount::createCompatibleBitmap(screenDC, viewRect.width, viewRect.height);
    if (dc != nullptr && bitmap != nullptr) {
        SelectObject(dc, bitmap);
    }
    if (dc != nullptr) {
        SetROP2(dc, R2_COPYPEN);
    }
}

void Engine::refreshRects() {
    GetClientRect(window, &clientRect);
    GetWindowRect(window, &windowRect);
}

void Engine::attachWindow(HWND targetWindow) {
    window = targetWindow;
    refreshRects();
    viewRect.x = clientRect.left;
    viewRect.y = clientRect.top;
    viewRect.width = clientRect.right;
    viewRect.height = clientRect.bottom;

    windowDC = GetDC(window);
    createSurface(windowDC, dcA, bitmapA);
    createSurface(windowDC, dcB, bitmapB);
    ReleaseDC(window, windowDC);
    windowDC = nullptr;

    front = dcA; // the first frame draws into B
    frameJob.engine = this;
}

void Engine::startTimer() {
    TIMECAPS caps{};
    // Capabilities that cannot be read do not include the period either.
    if (timeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR || caps.wPeriodMin > framePeriodMs ||
        caps.wPeriodMax < framePeriodMs) {
        messageBox1251(nullptr, "ваш компьютер не поддерижвает таймер нужной частоты", "Error",
                       MB_OK);
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
    timerId = startTimerEvent(framePeriodMs, 0, timerProc, reinterpret_cast<DWORD_PTR>(this),
                              TIME_PERIODIC | TIME_KILL_SYNCHRONOUS);
    if (timerId == 0) {
        messageBox1251(nullptr, "таймер не создан", "Error", MB_OK);
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
}

void CALLBACK Engine::timerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<Engine*>(user)->onTimerTick();
}

void Engine::onTimerTick() {
    tickThread = GetCurrentThreadId();
    std::unique_lock<std::mutex> claim(claimLock);
    if (!active) {
        return;
    }
    tickCount += 1;
    paintBalance += 1;
    if (busyA || busyB || failureReportOpen) {
        return; // counted: the tick is part of the next frame's elapsedTicks
    }
    std::atomic<bool>* flag = nullptr;
    HDC target = nullptr;
    const HDC shown = front;
    if (shown == dcB) {
        flag = &busyA;
        target = dcA;
    } else if (shown == dcA) {
        flag = &busyB;
        target = dcB;
    } else {
        return;
    }
    if (target == copySource) {
        return; // the window is still copying this surface; the next tick will take it
    }
    *flag = true;
    frameJob.busyFlag = flag;
    frameJob.target = target;
    const HANDLE previous = renderThread;
    renderThread = startThread(nullptr, 0, renderThreadMain, &frameJob, 0, nullptr);
    if (renderThread != nullptr) {
        // Nobody waits on the previous frame's handle any more: waits take the latest one
        // under this lock, and a new frame only starts while nobody waits.
        if (previous != nullptr) {
            CloseHandle(previous);
        }
        return;
    }
    renderThread = previous;
    // The claimed flag stays set until the next input message unlocks the scene. The report is
    // the window thread's: shown here it would hold up every later tick (Wine runs all timer
    // callbacks on one thread) and the timer's synchronous kill at exit would wait for somebody
    // to close it. Until it is closed no tick tries again, so that it stays the only one.
    failureReportOpen = true;
    claim.unlock();
    if (!PostMessageA(window, threadFailedMessage, 0, 0)) {
        failureReportOpen = false; // nobody will close a report that never arrived
    }
}

void Engine::reportThreadFailure() {
    const bool game = engineStyle == EngineStyle::Game;
    const HWND owner = game ? window : nullptr;
    messageBox1251(owner, threadFailedText, "Error", MB_OK);
    if (game) {
        // The game ends as ESC ends it; the flag stays set, so no tick tries again meanwhile.
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    failureReportOpen = false; // the demonstration goes on, and the next free tick tries again
}

DWORD WINAPI Engine::renderThreadMain(LPVOID parameter) {
    const FrameJob* job = static_cast<const FrameJob*>(parameter);
    job->engine->drawFrame(*job);
    return 0;
}

void Engine::drawFrame(const FrameJob& job) {
    frameThread = GetCurrentThreadId();
    const RECT view{viewRect.x, viewRect.y, viewRect.x + viewRect.width,
                    viewRect.y + viewRect.height};
    std::uint64_t now = 0;
    drawSceneFrame(job.target, view, [&](HDC target) {
        now = tickCount;
        renderFrame(target, static_cast<std::int32_t>(static_cast<std::uint32_t>(now) -
                                                      static_cast<std::uint32_t>(lastFrameTick)));
    });
    lastFrameTick = now;
    // Once the flag is free the next frame may start and the engine may even be torn down
    // (its destructor waits only for the latest frame): take what the repaint needs first, so
    // that nothing of the engine is touched after the flag is cleared.
    const HWND shownWindow = window;
    frameThread = 0;
    // Publish, then free the engine for the next frame, then ask for a repaint.
    front = job.target;
    *job.busyFlag = false;
    InvalidateRect(shownWindow, nullptr, FALSE);
}

HANDLE Engine::currentRenderThread() {
    std::lock_guard<std::mutex> claim(claimLock);
    return renderThread;
}

bool Engine::waitForFrame() {
    if (onFrameThread()) {
        reportMisuse(
            "a wait for the frame on its own render thread, which would wait for itself\n");
        return true; // no other frame runs: this one holds its busy flag
    }
    const HANDLE thread = currentRenderThread();
    if (thread == nullptr || WaitForSingleObject(thread, INFINITE) == WAIT_OBJECT_0) {
        return true;
    }
    reportMisuse("the wait for the frame failed\n");
    return false;
}

bool Engine::awaitLatestFrame(DWORD timeoutMs) {
    HANDLE own = nullptr;
    {
        std::lock_guard<std::mutex> claim(claimLock);
        if (renderThread == nullptr) {
            return true;
        }
        // The engine closes its handle when the next frame starts; the duplicate stays valid.
        if (!DuplicateHandle(GetCurrentProcess(), renderThread, GetCurrentProcess(), &own,
                             SYNCHRONIZE, FALSE, 0)) {
            return false;
        }
    }
    const bool finished = WaitForSingleObject(own, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(own);
    return finished;
}

HDC Engine::backSurface() const {
    return front == dcA ? dcB : dcA;
}

void Engine::onPaint() {
    if (painting) {
        paintBalance += 1;
        return;
    }
    paintBalance -= 1;
    painting = true;
    windowDC = BeginPaint(window, &paintInfo);
    HDC source = nullptr;
    {
        std::lock_guard<std::mutex> claim(claimLock);
        source = front;
        copySource = source;
    }
    BitBlt(windowDC, viewRect.x, viewRect.y, viewRect.width, viewRect.height, source, 0, 0,
           SRCCOPY);
    GdiFlush();
    {
        std::lock_guard<std::mutex> claim(claimLock);
        copySource = nullptr;
    }
    std::snprintf(statusText, sizeof statusText, "error: P=%d count=%d ", low32(paintBalance),
                  low32(tickCount));
    TextOutA(windowDC, 0, 0, statusText, static_cast<int>(std::strlen(statusText)));
    EndPaint(window, &paintInfo);
    windowDC = nullptr;
    painting = false;
}

void Engine::resizeSurfaces(int width, int height) {
    HDC screenDC = GetDC(window);
    HDC dcs[2] = {dcA, dcB};
    HBITMAP* bitmaps[2] = {&bitmapA, &bitmapB};
    for (int i = 0; i < 2; ++i) {
        const HBITMAP larger = gdiCount::createCompatibleBitmap(screenDC, width, height);
        // A size whose bitmap cannot be created keeps the previous bitmap: the surface stays
        // valid and nothing leaks.
        if (larger == nullptr || dcs[i] == nullptr) {
            if (larger != nullptr) {
                gdiCount::deleteBitmap(larger);
            }
            continue;
        }
        SelectObject(dcs[i], larger);
        if (*bitmaps[i] != nullptr) {
            gdiCount::deleteBitmap(*bitmaps[i]);
        }
        *bitmaps[i] = larger;
    }
    ReleaseDC(window, screenDC);
}

void Engine::onSize(WPARAM type, LPARAM size) {
    // The Demo style reads the new rectangles first and takes them whatever the flags, the
    // Game style only with new surfaces. Either way they are published once no frame runs: a
    // frame's catch-up loop bounds its objects by clientRect. While the window is minimised its
    // client area is empty, so the rectangles keep the size the window is restored to.
    const bool demoRects = engineStyle == EngineStyle::Demo && type != SIZE_MINIMIZED;
    RECT newClient{};
    RECT newWindow{};
    if (demoRects) {
        GetClientRect(window, &newClient);
        GetWindowRect(window, &newWindow);
    }
    active = false;
    const bool frameEnded = waitForFrame();
    if (type == SIZE_MINIMIZED) {
        return;
    }
    if (demoRects && frameEnded) {
        clientRect = newClient;
        windowRect = newWindow;
    }
    // After a failed wait a frame may still be reading the rectangles and drawing: keep them.
    if (frameEnded && !busyA && !busyB && !painting) {
        painting = true;
        if (engineStyle == EngineStyle::Game) {
            refreshRects();
        }
        viewRect.width = LOWORD(size);
        viewRect.height = HIWORD(size);
        resizeSurfaces(viewRect.width, viewRect.height);
        painting = false;
    }
    active = true;
}

void Engine::onActivate(WPARAM state, LPARAM) {
    if (state == 0) {
        active = false;
        waitForFrame();
    } else {
        active = true;
    }
}

void Engine::pause() {
    active = false;
    waitForFrame();
}

void Engine::resume() {
    active = true;
}

void Engine::requestRedraw() {
    InvalidateRect(window, nullptr, FALSE);
}

void Engine::reportMisuse(const char* what) {
#ifndef NDEBUG
    OutputDebugStringA(what);
#else
    (void)what;
#endif
}

void Engine::lockScene() {
    if (onFrameThread()) {
        reportMisuse("lockScene on a render thread, which would wait for itself\n");
        return; // the frame has the scene to itself already
    }
    // Another thread's handler waits here until the holder's outermost unlock.
    sceneMutex.lock();
    lockDepth += 1;
    if (lockDepth > 1) {
        return; // already held by an outer caller: no frame runs, none can start
    }
    lockHolder = GetCurrentThreadId();
    busyA = true;
    busyB = true;
    waitForFrame();
    // The finished frame cleared one of the flags; claim both again.
    busyA = true;
    busyB = true;
}

void Engine::unlockScene() {
    // Only the holder may go on: clearing the flags without the lock would free a surface a
    // frame is still drawing into. The holder is set and cleared only by its own thread, so
    // this thread's id is there exactly when this thread holds the lock.
    if (lockHolder != GetCurrentThreadId()) {
        reportMisuse("unlockScene without a matching lockScene on this thread\n");
        return;
    }
    lockDepth -= 1;
    if (lockDepth == 0) {
        // The flags first: once the holder is cleared and the lock released, they may be the
        // next holder's.
        busyA = false;
        busyB = false;
        lockHolder = 0;
    }
    sceneMutex.unlock();
}
