// Engine: base class of every program's scene. Owns the two off-screen surfaces, the 33 ms
// multimedia timer and the per-frame render thread; copies the finished surface to the window
// and offers the pause and scene-lock operations that keep input handling clear of a frame.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <cstdint>
#include <mutex>

// The two behaviours the engine serves: the shooter programs and the older flavour that the
// three demonstration programs were written against.
enum class EngineStyle {
    Game,
    Demo,
};

class Engine;

// Parameter block of a render thread; reused for every frame since at most one is in flight.
struct FrameJob {
    // The surface's busy flag, cleared when the frame is done.
    std::atomic<bool>* busyFlag = nullptr;
    // The surface the frame draws into.
    HDC target = nullptr;
    Engine* engine = nullptr;
    // The frame's own handle to the engine's frame-done event: the frame signals and closes it
    // after freeing its surface, when the engine itself may already be gone.
    HANDLE doneSignal = nullptr;
};

struct ViewRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Engine {
public:
    static constexpr UINT framePeriodMs = 33;
    // Posted to the window by a Demo-style engine whose render thread could not be created: the
    // window procedure shows the report, so the timer callback never waits for a message box.
    static constexpr UINT threadFailedMessage = WM_APP + 1;
    // How a render thread is started; tests put a stand-in here (one that fails) before start.
    using ThreadStarter = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE,
                                          LPVOID, DWORD, LPDWORD);
    // How the periodic timer is started (timeSetEvent's signature); tests put a stand-in here
    // before start to read what the engine asks of the system timer.
    using TimerStarter = MMRESULT(WINAPI*)(UINT, UINT, LPTIMECALLBACK, DWORD_PTR, UINT);

    explicit Engine(EngineStyle style = EngineStyle::Game);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Advances the scene by elapsedTicks timer ticks and draws it into target, which has just
    // been filled white. Runs on the render thread.
    virtual void renderFrame(HDC target, int elapsedTicks);
    // Builds the scene once the surfaces exist; window thread, before the timer runs.
    virtual void buildScene();

    // WM_CREATE: attachWindow, buildScene, then startTimer.
    void start(HWND window);
    // Stores the window, reads its rectangles and creates the two surfaces.
    void attachWindow(HWND window);
    // Checks the timer's capabilities and starts the periodic 33 ms timer.
    void startTimer();

    void onPaint();
    void onSize(WPARAM type, LPARAM size);
    void onActivate(WPARAM state, LPARAM);
    // Stops counting ticks and waits until no frame is running.
    void pause();
    void resume();
    void requestRedraw();
    // After lockScene returns no frame runs, and none starts until unlockScene. The lock nests:
    // a handler that runs under the window procedure's lock may lock again (the shooter's
    // restart, a key that arrives while a help box is open), and only the outermost unlockScene
    // frees the surfaces. Only the thread that holds the lock changes it: a lock taken on a
    // render thread (it would wait for itself) or while another thread holds the scene, and an
    // unlock without a matching lock, do nothing, and a debug build reports them.
    void lockScene();
    void unlockScene();
    // One timer tick: counts it and starts a frame when a surface is free.
    void onTimerTick();
    // The window procedure's answer to threadFailedMessage: the ownerless error box.
    static void reportThreadFailure();
    // A manual-reset event, reset when a tick starts a frame and set once that frame has freed
    // its surface. A test that ticks and then waits on it knows the frame has finished; under
    // the running timer a later frame may already have started.
    HANDLE frameDoneEvent() const { return frameDone; }

    EngineStyle style() const { return engineStyle; }
    std::uint64_t ticksCounted() const { return tickCount.load(); }
    std::int64_t paintBalanceNow() const { return paintBalance.load(); }
    const char* statusLine() const { return statusText; }
    // The surface a frame would draw into next (the one that is not front).
    HDC backSurface() const;

protected:
    // The one scene object is a global of the derived type and destroyed as such.
    ~Engine();

public:
    // Fields the scenes read.
    HWND window = nullptr;
    RECT clientRect{};
    // The surface completed last, the one the window shows. Written by the render thread.
    std::atomic<HDC> front{nullptr};
    // Timer ticks are processed while set; cleared by pause, deactivation and resizing.
    std::atomic<bool> active{true};
    // Read by the timer thread; set it before the timer starts.
    ThreadStarter startThread = CreateThread;
    // Read by startTimer on the window thread.
    TimerStarter startTimerEvent = timeSetEvent;

private:
    static DWORD WINAPI renderThreadMain(LPVOID job);
    static void CALLBACK timerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR);

    void drawFrame(const FrameJob& job);
    void createSurface(HDC windowDC, HDC& dc, HBITMAP& bitmap) const;
    void resizeSurfaces(int width, int height);
    void refreshRects();
    // Waits until the render thread of the last frame, if any, has ended. Only once frames are
    // stopped (active cleared or the scene locked) is that the last frame there will be.
    void waitForFrame();
    HANDLE currentRenderThread();
    static void reportMisuse(const char* what);

    const EngineStyle engineStyle;

    HDC windowDC = nullptr;
    PAINTSTRUCT paintInfo{};
    // Guards the tick's claim of a surface together with renderThread and copySource, so that
    // a thread that sets a flag and then reads renderThread waits on the frame that counts.
    std::mutex claimLock;
    HANDLE renderThread = nullptr;
    FrameJob frameJob;
    UINT timerId = 0;
    HDC dcA = nullptr;
    HBITMAP bitmapA = nullptr;
    HDC dcB = nullptr;
    HBITMAP bitmapB = nullptr;
    RECT windowRect{};
    // Written by the window thread only while no frame runs or can start.
    ViewRect viewRect;
    // Busy flags: claimed by the timer thread, released by the render thread, held by the
    // window thread while the scene is locked.
    std::atomic<bool> busyA{false};
    std::atomic<bool> busyB{false};
    // Window thread only: onPaint or a surface re-creation is running.
    bool painting = false;
    // How many lockScene calls of the holding thread are not yet matched by unlockScene, and
    // that thread's id (0: not held). Changed only by the holder, but read by any thread that
    // tries the lock, hence atomic.
    std::atomic<int> lockDepth{0};
    std::atomic<DWORD> lockHolder{0};
    // The surface onPaint is copying; the tick never claims it meanwhile.
    HDC copySource = nullptr;
    char statusText[200] = {};
    // Written by the timer thread (and the window thread for paintBalance), read elsewhere.
    std::atomic<std::uint64_t> tickCount{0};
    std::atomic<std::int64_t> paintBalance{0};
    // Render thread only.
    std::uint64_t lastFrameTick = 0;
    // Reset by the tick that starts a frame and set by that frame, through a duplicate handle of
    // its own, once its surface is free (see frameDoneEvent).
    HANDLE frameDone = nullptr;
};
