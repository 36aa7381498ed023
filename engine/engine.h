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
    // The longest stop() waits for the timer's thread to end: bounds the program's exit should a
    // system end that thread late, or keep it after all.
    static constexpr DWORD timerThreadEndWaitMs = 1000;
    // Posted to the window by an engine whose render thread could not be created: the window
    // procedure shows the report (reportThreadFailure), so the timer callback never waits for a
    // message box. One report is open at a time; until it closes, ticks start no frame.
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
    // Ends the frames for good, just before the process ends: kills the timer, waits for the
    // last frame, and waits (at most timerThreadEndWaitMs) for the thread that ran the ticks
    // where the system ends that thread with its last timer. Wine does, and a process that
    // exits while one of its threads is still ending can be killed by Wine itself (SIGSEGV)
    // as it stops that thread. Only for a program's single engine: with another timer
    // still running the thread would not end, and the wait would run its full length.
    void stop();
    // Whether the system's multimedia timer thread ends once its last timer is killed.
    static bool timerThreadEndsWithLastTimer();
    void resume();
    void requestRedraw();
    // After lockScene returns no frame runs, and none starts until unlockScene. The lock nests:
    // a handler that runs under the window procedure's lock may lock again (the shooter's
    // restart, a key that arrives while a help box is open), and only the outermost unlockScene
    // frees the surfaces. It belongs to one thread at a time: another thread's lockScene waits
    // until the holder's outermost unlockScene. A lock taken on a render thread (it would wait
    // for itself) and an unlock without a matching lock on the calling thread do nothing, and a
    // debug build reports them.
    void lockScene();
    void unlockScene();
    // One timer tick: counts it and starts a frame when a surface is free.
    void onTimerTick();
    // The window procedure's answer to threadFailedMessage: the error box, owned by the window in
    // the Game style, which then asks the window to close; ownerless in the Demo style, after
    // which the ticks try again.
    void reportThreadFailure();
    // Waits at most timeoutMs until the latest frame started so far has finished; true once it
    // has (or when none was started). A test that ticks and then calls this knows the frame that
    // tick started is done: a later frame starts only after it. Costs the frames nothing: it
    // waits on its own duplicate of the render thread's handle.
    bool awaitLatestFrame(DWORD timeoutMs = INFINITE);

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
    // stopped (active cleared or the scene locked) is that the last frame there will be. False
    // when the wait failed, so that nothing may be assumed about that frame. On a render thread
    // it returns at once: the frame would wait for itself.
    bool waitForFrame();
    HANDLE currentRenderThread();
    // Kills the timer and waits for the last frame (waitForFrame's result): no frame runs after.
    bool endFrames();
    bool onFrameThread() const { return frameThread.load() == GetCurrentThreadId(); }
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
    // The scene lock: held by the thread between its outermost lockScene and unlockScene, so
    // that another thread's lockScene waits there. Taking it and setting the holder, the depth
    // and the flags is one step, and so is clearing them.
    std::recursive_mutex sceneMutex;
    // How many lockScene calls of the holding thread are not yet matched by unlockScene; only
    // the holder touches it, with sceneMutex held.
    int lockDepth = 0;
    // The holding thread's id (0: not held). Written with sceneMutex held, but read without it by
    // an unlock that checks whether its thread holds the lock, hence atomic.
    std::atomic<DWORD> lockHolder{0};
    // The id of the render thread while it draws, 0 between frames: a call on that thread that
    // would wait for the frame is recognised by it. Written by the render thread, read by any.
    std::atomic<DWORD> frameThread{0};
    // Set by the tick whose render thread could not be created when it posts threadFailedMessage,
    // cleared by the window thread once the report is closed: while set no tick tries again, so
    // no second report is posted (and shown inside the open one's message loop).
    std::atomic<bool> failureReportOpen{false};
    // The surface onPaint is copying; the tick never claims it meanwhile.
    HDC copySource = nullptr;
    char statusText[200] = {};
    // The thread that ran the latest tick, which stop() waits for. Written by the timer thread.
    std::atomic<DWORD> tickThread{0};
    // Written by the timer thread (and the window thread for paintBalance), read elsewhere.
    std::atomic<std::uint64_t> tickCount{0};
    std::atomic<std::int64_t> paintBalance{0};
    // Render thread only.
    std::uint64_t lastFrameTick = 0;
};
