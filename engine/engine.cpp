// Engine frame cycle: surfaces, timer ticks, render threads, painting, pausing and locking.
#include "engine.h"

#include "frame_steps.h"
#include "gdi_objects.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstring>

namespace {
// The low 32 bits of a counter, read as a signed value (the status line shows them so).
std::int32_t low32(std::uint64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
}

const char threadFailedText[] = "Can't create Thread";

// The engine whose frame this thread draws; null on every thread but a render thread.
thread_local const Engine* frameOwner = nullptr;
} // namespace

Engine::Engine(EngineStyle style)
    : engineStyle(style), frameDone(CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}

Engine::~Engine() {
    // A synchronous kill: once it returns no timer callback runs or will run, so no frame can
    // start while the surfaces are torn down.
    if (timerId != 0) {
        timeKillEvent(timerId);
        timerId = 0;
    }
    active = false;
    waitForFrame();
    if (renderThread != nullptr) {
        CloseHandle(renderThread);
        renderThread = nullptr;
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
    // Frames still finishing hold their own handles to the event.
    if (frameDone != nullptr) {
        CloseHandle(frameDone);
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
    timeGetDevCaps(&caps, sizeof caps);
    if (caps.wPeriodMin > framePeriodMs || caps.wPeriodMax < framePeriodMs) {
        MessageBoxA(nullptr, "ваш компьютер не поддерижвает таймер нужной частоты", "Error", MB_OK);
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
    timerId = startTimerEvent(framePeriodMs, 0, timerProc, reinterpret_cast<DWORD_PTR>(this),
                              TIME_PERIODIC | TIME_KILL_SYNCHRONOUS);
    if (timerId == 0) {
        MessageBoxA(nullptr, "таймер не создан", "Error", MB_OK);
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
}

void CALLBACK Engine::timerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<Engine*>(user)->onTimerTick();
}

void Engine::onTimerTick() {
    std::unique_lock<std::mutex> claim(claimLock);
    if (!active) {
        return;
    }
    tickCount += 1;
    paintBalance += 1;
    if (busyA || busyB) {
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
    ResetEvent(frameDone);
    frameJob.doneSignal = nullptr;
    DuplicateHandle(GetCurrentProcess(), frameDone, GetCurrentProcess(), &frameJob.doneSignal, 0,
                    FALSE, DUPLICATE_SAME_ACCESS);
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
    if (frameJob.doneSignal != nullptr) {
        CloseHandle(frameJob.doneSignal);
        frameJob.doneSignal = nullptr;
    }
    SetEvent(frameDone); // no frame is in flight
    claim.unlock();
    if (engineStyle == EngineStyle::Game) {
        MessageBoxA(window, threadFailedText, "Error", MB_OK);
        ExitProcess(0);
    }
    // The demonstration programs go on; the claimed flag stays set until the next input
    // message unlocks the scene. The box is the window thread's: shown here it would hold up
    // every later tick (Wine runs all timer callbacks on one thread) and the timer's
    // synchronous kill at exit would wait for somebody to close it.
    PostMessageA(window, threadFailedMessage, 0, 0);
}

void Engine::reportThreadFailure() {
    MessageBoxA(nullptr, threadFailedText, "Error", MB_OK);
}

DWORD WINAPI Engine::renderThreadMain(LPVOID parameter) {
    const FrameJob* job = static_cast<const FrameJob*>(parameter);
    frameOwner = job->engine;
    job->engine->drawFrame(*job);
    return 0;
}

void Engine::drawFrame(const FrameJob& job) {
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
    const HANDLE doneSignal = job.doneSignal;
    // Publish, then free the engine for the next frame, then ask for a repaint.
    front = job.target;
    *job.busyFlag = false;
    InvalidateRect(shownWindow, nullptr, FALSE);
    if (doneSignal != nullptr) {
        SetEvent(doneSignal);
        CloseHandle(doneSignal);
    }
}

HANDLE Engine::currentRenderThread() {
    std::lock_guard<std::mutex> claim(claimLock);
    return renderThread;
}

void Engine::waitForFrame() {
    const HANDLE thread = currentRenderThread();
    if (thread != nullptr) {
        WaitForSingleObject(thread, INFINITE);
    }
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
    waitForFrame();
    if (type == SIZE_MINIMIZED) {
        return;
    }
    if (demoRects) {
        clientRect = newClient;
        windowRect = newWindow;
    }
    if (!busyA && !busyB && !painting) {
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
    if (frameOwner == this) {
        reportMisuse("lockScene on a render thread, which would wait for itself\n");
        return; // the frame has the scene to itself already
    }
    const DWORD self = GetCurrentThreadId();
    if (lockDepth > 0 && lockHolder != self) {
        reportMisuse("lockScene while another thread holds the scene\n");
        return;
    }
    lockDepth += 1;
    if (lockDepth > 1) {
        return; // already held by an outer caller: no frame runs, none can start
    }
    lockHolder = self;
    busyA = true;
    busyB = true;
    waitForFrame();
    // The finished frame cleared one of the flags; claim both again.
    busyA = true;
    busyB = true;
}

void Engine::unlockScene() {
    // Clearing the flags without a lock would free a surface a frame is still drawing into.
    if (lockDepth == 0 || lockHolder != GetCurrentThreadId()) {
        reportMisuse("unlockScene without a matching lockScene on this thread\n");
        return;
    }
    lockDepth -= 1;
    if (lockDepth > 0) {
        return; // an outer caller still holds the scene
    }
    lockHolder = 0;
    busyA = false;
    busyB = false;
}
