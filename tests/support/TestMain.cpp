#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Tests never need a sound device or a person to close a message box.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("HOLLOWTIDE_NO_MESSAGE_BOXES", "1", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
