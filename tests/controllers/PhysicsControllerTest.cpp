// The launcher's actions against in-memory windows.
#include "PhysicsController.h"

#include "MemoryControls.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

struct Launcher
{
    test::Journal journal;
    test::MemoryApplication application{journal};
    test::MemoryWindow pianoWin{"pianoWin", journal};
    test::MemoryWindow errWin{"errWin", journal};
    test::MemoryWindow attrWin{"attrWin", journal};
    test::MemoryWindow momWin{"momWin", journal};
    test::MemoryWindow countPanel{"countPanel", journal};
    test::MemoryWindow vectWin{"vectWin", journal};
    test::MemoryWindow fluidWin{"fluidWin", journal};
    PhysicsController controller;

    Launcher()
    {
        controller.pianoWin = &pianoWin;
        controller.errWin = &errWin;
        controller.attrWin = &attrWin;
        controller.momWin = &momWin;
        controller.numberOfVectors = &countPanel;
        controller.vectWin = &vectWin;
        controller.fluidWin = &fluidWin;
    }
};

struct AwakeCase
{
    const char* name;
    void (PhysicsController::*action)(platform::Sender);
    test::Journal expected;
};

class Awake : public testing::TestWithParam<AwakeCase>
{ };

TEST_P(Awake, brings_only_its_window_to_the_front)
{
    Launcher launcher;
    (launcher.controller.*GetParam().action)(nullptr);
    EXPECT_EQ(launcher.journal, GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, Awake, testing::Values(
    AwakeCase{"piano",   &PhysicsController::awakePiano,         {"front pianoWin"}},
    AwakeCase{"errori",  &PhysicsController::awakeErrori,        {"front errWin"}},
    AwakeCase{"attrito", &PhysicsController::awakeAttrito,       {"front attrWin"}},
    AwakeCase{"momento", &PhysicsController::awakeMomento,       {"front momWin"}},
    AwakeCase{"fluid",   &PhysicsController::awakeFluidPressure, {"front fluidWin"}},
    // The window must be up before the count panel is attached to it.
    AwakeCase{"vectors", &PhysicsController::awakeVectors,       {"front vectWin", "beginSheet countPanel on vectWin"}}),
    test::RowName());
// clang-format on

} // namespace
