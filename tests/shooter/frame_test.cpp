// The frame driver: update passes per elapsed tick in list order with a removal pass after
// each list, one drawing pass per frame, nothing at all for a frame without ticks, and the
// pointer's hot spot on the mouse point in each look.
#include "world_fixture.h"

#include "sprite.h"
#include "test_surface.h"
#include "variant_program.h"
#include "world/entity.h"
#include "world/solid.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string>& events() {
    static std::vector<std::string> log;
    return log;
}

// Logs its updates, draws and deletion under its name.
class ProbeEntity : public Entity {
public:
    explicit ProbeEntity(std::string probeName, int startLife = 1) : name(std::move(probeName)) {
        life = startLife;
    }
    ~ProbeEntity() override { events().push_back(name + " deleted"); }
    void update() override {
        events().push_back(name + " update");
        if (onUpdate) {
            onUpdate(*this);
        }
    }
    void draw(HDC) override { events().push_back(name + " draw"); }

    std::string name;
    void (*onUpdate)(ProbeEntity&) = nullptr;
};

class ProbeAlgorithm : public Algorithm {
public:
    ProbeAlgorithm() { life = 1; }
    void update() override { events().push_back("algorithm update"); }
};

class ProbeSolid : public Solid {
public:
    ProbeSolid() { life = 1; }
    ~ProbeSolid() override { events().push_back("solid deleted"); }
    void update() override { events().push_back("solid update"); }
    void draw(HDC) override { events().push_back("solid draw"); }
};

// A world with one probe in every list and no regions.
struct ProbeWorld {
    ProbeWorld() {
        events().clear();
        world.algorithmList.add(new ProbeAlgorithm);
        world.backgroundList.add(new ProbeEntity("background"));
        world.solidList.add(new ProbeSolid);
        world.objectList.add(object = new ProbeEntity("object"));
        world.lastList.add(new ProbeEntity("last"));
    }
    World world{shooterLook};
    ProbeEntity* object;
};

const std::vector<std::string> onePass = {"algorithm update", "background update", "solid update",
                                          "object update", "last update"};
const std::vector<std::string> drawing = {"background draw", "solid draw", "object draw",
                                          "last draw"};

TEST(FrameDriver, RunsOneUpdatePassPerTickThenDrawsOnce) {
    for (const int ticks : {3, 0}) {
        ProbeWorld probes;
        probes.world.runFrame(nullptr, ticks);
        std::vector<std::string> expected;
        for (int tick = 0; tick < ticks; ++tick) {
            expected.insert(expected.end(), onePass.begin(), onePass.end());
        }
        expected.insert(expected.end(), drawing.begin(), drawing.end());
        EXPECT_EQ(events(), expected) << ticks << " ticks";
    }
}

TEST(FrameDriver, DeletesAnObjectThatDiesInItsOwnPassBeforeTheNextList) {
    ProbeWorld probes;
    probes.object->onUpdate = [](ProbeEntity& self) { self.life = 0; };
    probes.world.runFrame(nullptr, 1);

    const std::vector<std::string> expected = {
        "algorithm update", "background update", "solid update", "object update", "object deleted",
        "last update",      "background draw",   "solid draw",   "last draw"};
    EXPECT_EQ(events(), expected);
    EXPECT_EQ(probes.world.objectList.count(), 0);
}

TEST(FrameDriver, KeepsANegativeLifeAliveAndDeletesADefaultEntityAtTheFirstRemovalPass) {
    ProbeWorld probes;
    probes.object->life = -5;
    probes.world.objectList.add(new Entity);
    probes.world.runFrame(nullptr, 2);
    EXPECT_EQ(probes.world.objectList.count(), 1);
    EXPECT_EQ(probes.world.objectList.get(0), probes.object);
}

TEST(FrameDriver, DrawsASolidKilledByALaterListOnceMore) {
    ProbeWorld probes;
    static World* target = nullptr;
    target = &probes.world;
    probes.object->onUpdate = [](ProbeEntity& self) {
        self.onUpdate = nullptr;
        target->solidList.get(0)->life = 0;
    };
    probes.world.runFrame(nullptr, 1);
    std::vector<std::string> expected = onePass;
    expected.insert(expected.end(), drawing.begin(), drawing.end());
    EXPECT_EQ(events(), expected);

    // Removed by solidList's removal pass in the next tick.
    events().clear();
    probes.world.runFrame(nullptr, 1);
    expected = {"algorithm update", "background update", "solid update",
                "solid deleted",    "object update",     "last update",
                "background draw",  "object draw",       "last draw"};
    EXPECT_EQ(events(), expected);
}

TEST(FrameDriver, UpdatesAnObjectAppendedDuringItsListsPassInTheSamePass) {
    ProbeWorld probes;
    static World* target = nullptr;
    target = &probes.world;
    probes.object->onUpdate = [](ProbeEntity& self) {
        self.onUpdate = nullptr;
        target->objectList.add(new ProbeEntity("shot"));
    };
    probes.world.runFrame(nullptr, 1);
    const std::vector<std::string> expected = {
        "algorithm update", "background update", "solid update",    "object update",
        "shot update",      "last update",       "background draw", "solid draw",
        "object draw",      "shot draw",         "last draw"};
    EXPECT_EQ(events(), expected);
}

// A frame without ticks leaves the surface white; three ticks advance the game three times,
// releasing one enemy per tick, and draw it (the player's disc is green).
TEST(ShooterFrame, AdvancesTheGameOncePerTickAndDrawsNothingWithoutATick) {
    for (const int ticks : {0, 3}) {
        BuiltGame built;
        const TestSurface& surface = built.surface;
        built.runTicks(ticks);
        EXPECT_EQ(built.player().frameCounter, static_cast<unsigned>(ticks));
        EXPECT_EQ(built.world().solidList.count(), ticks);
        EXPECT_EQ(surface.pixel(505, 500), ticks == 0 ? RGB(255, 255, 255) : RGB(0, 255, 0));
        EXPECT_EQ(surface.count(RGB(255, 255, 255)) == surface.width() * surface.height(),
                  ticks == 0);
    }
}

// The pointer's place for a mouse point: the cross-hair centred on it, clipped at the surface's
// corner; the variant's arrow with its corner (its tip) at the mouse.
TEST(ShooterFrame, PutsThePointerSpritesHotSpotOnTheMouse) {
    struct Case {
        const ShooterProgram* program;
        int mouse;
        int corner;
    };
    for (const Case& c : {Case{&shooterProgram, 116, 100}, Case{&shooterProgram, 5, -11},
                          Case{&variantProgram, 100, 100}}) {
        SCOPED_TRACE(std::string(c.program->name) + " mouse " + std::to_string(c.mouse));
        BuiltGame built(*c.program);
        // The sprite by itself at the expected corner, for comparison.
        TestSurface reference(200, 200);
        Sprite& cursor = *built.world().spriteList.get(0);
        cursor.place(c.corner, c.corner, 0, 0);
        cursor.draw(reference.dc());

        // Only the pointer: an empty world with the mouse at (mouse, mouse).
        const TestSurface& surface = built.surface;
        built.world().clearForRestart();
        built.world().mouse = Vec2(c.mouse, c.mouse);
        built.runTicks(1);
        int drawn = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                ASSERT_EQ(surface.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
                drawn += surface.pixel(x, y) != RGB(255, 255, 255) ? 1 : 0;
            }
        }
        EXPECT_GT(drawn, 0);
    }
}

// A game whose frames wait at their start until the test lets them go; a frame that finds its
// world's probe deleted counts itself and draws nothing.
HANDLE frameHeld = CreateEventA(nullptr, TRUE, FALSE, nullptr);
HANDLE frameRelease = CreateEventA(nullptr, TRUE, FALSE, nullptr);
std::atomic<int> framesAfterTheWorld{0};

class HeldGame : public ShooterGame {
public:
    HeldGame() : ShooterGame(shooterProgram, PointerResources::ByRecord) {}
    void renderFrame(HDC target, int elapsedTicks) override {
        SetEvent(frameHeld);
        WaitForSingleObject(frameRelease, INFINITE);
        if (!events().empty() && events().back() == "probe deleted") {
            framesAfterTheWorld += 1;
            return;
        }
        ShooterGame::renderFrame(target, elapsedTicks);
    }
};

TEST(ShooterFrame, TheGameStopsItsFramesBeforeItsWorldGoes) {
    HiddenWindow window(400, 300);
    auto game = std::make_unique<HeldGame>();
    game->showMessage = answerOk;
    game->attachWindow(window.handle());
    game->buildScene();
    events().clear();
    game->world.objectList.add(new ProbeEntity("probe"));
    game->onTimerTick();
    WaitForSingleObject(frameHeld, INFINITE);
    // The frame goes on once the game being destroyed has stopped its frames.
    const HeldGame* dying = game.get();
    std::thread releaser([dying] {
        while (dying->active) {
            std::this_thread::yield();
        }
        SetEvent(frameRelease);
    });
    game.reset();
    releaser.join();
    EXPECT_EQ(0, framesAfterTheWorld.load());
    EXPECT_EQ(events().back(), "probe deleted");
}

// The pointer is drawn last, over the panel and over the player: the cross-hair's yellow
// centre lies on the mouse point in the shooter, the top edge of the variant's red arrow starts
// one pixel right of it.
TEST(ShooterFrame, DrawsThePointerOverEverything) {
    struct Case {
        const ShooterProgram* program;
        int mouseX;
        int mouseY;
        int pointerX;
        COLORREF pointer;
    };
    for (const Case& c : {Case{&shooterProgram, 1050, 500, 0, RGB(255, 255, 0)},
                          Case{&shooterProgram, 500, 500, 0, RGB(255, 255, 0)},
                          Case{&variantProgram, 1050, 500, 1, RGB(255, 0, 0)},
                          Case{&variantProgram, 500, 500, 1, RGB(255, 0, 0)}}) {
        BuiltGame built(*c.program);
        built.world().mouse = Vec2(c.mouseX, c.mouseY);
        built.runTicks(1);
        EXPECT_EQ(built.surface.pixel(c.mouseX + c.pointerX, c.mouseY), c.pointer)
            << c.program->name << " " << c.mouseX;
    }
}

TEST(ShooterFrame, DrawsNoCrossHairWithoutItsSprite) {
    BuiltGame built;
    built.world().clearForRestart();
    built.world().spriteList.clear();
    built.world().mouse = Vec2(32, 32);
    built.runTicks(1);
    EXPECT_EQ(built.surface.count(RGB(255, 255, 255)),
              built.surface.width() * built.surface.height());
}

} // namespace
