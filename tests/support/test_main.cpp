#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Every test runs headless: no display, no sound card, no person.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
