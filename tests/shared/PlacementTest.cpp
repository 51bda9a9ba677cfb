#include <gtest/gtest.h>

#include "Placement.h"

namespace brimblet {
namespace {

TEST(Placement, CentredByIntegerHalvesAndNeverOffTheTopOrLeft) {
    EXPECT_EQ(CentredCoordinate(1024, 522), 251);
    EXPECT_EQ(CentredCoordinate(768, 343), 212);  // 425 / 2, rounded down
    EXPECT_EQ(CentredCoordinate(500, 500), 0);
    EXPECT_EQ(CentredCoordinate(400, 522), 0);  // larger than the screen
    EXPECT_EQ(CentredCoordinate(521, 522), 0);  // -1 / 2 is 0 either way
}

}  // namespace
}  // namespace brimblet
