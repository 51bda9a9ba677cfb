#include <gtest/gtest.h>

#include "RandomSource.h"
#include "RecordingPresentation.h"

namespace brimblet {
namespace {

using testing::ScriptedClock;

constexpr std::uint32_t At(std::uint32_t h, std::uint32_t m, std::uint32_t s, std::uint32_t ms) {
    return ((h * 60 + m) * 60 + s) * 1000 + ms;
}

TEST(RandomSource, startsAtZeroAndAdvancesBeforeScaling) {
    ScriptedClock clock;
    RandomSource random(clock);
    EXPECT_EQ(random.Seed, 0u);
    EXPECT_EQ(random.Uniform(6), 0);
    EXPECT_EQ(random.Seed, 1u);
    EXPECT_EQ(random.Uniform(6), 0);
    EXPECT_EQ(random.Seed, 134775814u);
    EXPECT_EQ(random.Uniform(6), 5);
    EXPECT_EQ(random.Seed, 3698175007u);
}

TEST(RandomSource, reseedAtNoonPastGivesTheKnownSequence) {
    ScriptedClock clock;
    clock.Set(At(12, 34, 56, 789));
    RandomSource random(clock);
    random.ReseedFromClock();
    EXPECT_EQ(random.Seed, 45296789u);
    EXPECT_EQ(random.Uniform(10), 4);
    EXPECT_EQ(random.Seed, 2099557098u);
    EXPECT_EQ(random.Uniform(6), 1);
    EXPECT_EQ(random.Seed, 1162356371u);
    EXPECT_EQ(random.Uniform(6), 2);
    EXPECT_EQ(random.Seed, 1524927712u);
    EXPECT_EQ(random.Uniform(6), 0);
    EXPECT_EQ(random.Seed, 102383713u);

    random.ReseedFromClock();
    EXPECT_EQ(random.Uniform(15), 7);
}

TEST(RandomSource, reseedCoversTheWholeDayWithoutWrapping) {
    ScriptedClock clock;
    RandomSource random(clock);
    random.Seed = 12345;
    clock.Set(At(0, 0, 0, 0));
    random.ReseedFromClock();
    EXPECT_EQ(random.Seed, 0u);
    clock.Set(At(23, 59, 59, 999));
    random.ReseedFromClock();
    EXPECT_EQ(random.Seed, 86399999u);
}

TEST(RandomSource, sameReadingGivesSameSequence) {
    ScriptedClock clock;
    clock.Set(At(7, 0, 0, 1));
    RandomSource random(clock);
    random.ReseedFromClock();
    const int a[3] = {random.Uniform(6), random.Uniform(10), random.Uniform(15)};
    random.Uniform(6);  // leave the generator somewhere else
    random.ReseedFromClock();
    const int b[3] = {random.Uniform(6), random.Uniform(10), random.Uniform(15)};
    EXPECT_EQ(std::vector<int>(a, a + 3), std::vector<int>(b, b + 3));
}

TEST(RandomSource, degenerateBoundsReturnZeroButStillAdvance) {
    ScriptedClock clock;
    RandomSource random(clock);
    EXPECT_EQ(random.Uniform(0), 0);
    EXPECT_EQ(random.Seed, 1u);
    EXPECT_EQ(random.Uniform(1), 0);
    EXPECT_EQ(random.Seed, 134775814u);
}

TEST(RandomSource, boundIsTakenAsUnsigned) {
    ScriptedClock clock;
    RandomSource random(clock);
    random.Seed = 0xFFFFFFFFu;  // advances to 0xF7F77BFC
    // (2^32 - 1) * 0xF7F77BFC >> 32 = 0xF7F77BFB, which as a signed 32-bit value is negative.
    EXPECT_EQ(static_cast<std::uint32_t>(random.Uniform(-1)), 0xF7F77BFBu);
}

TEST(SystemUtcClock, readsAPlausibleTimeOfDay) {
    const UtcTimeOfDay t = SystemUtcClock().Now();
    EXPECT_LT(t.wHour, 24);
    EXPECT_LT(t.wMinute, 60);
    EXPECT_LT(t.wSecond, 60);
    EXPECT_LT(t.wMilliseconds, 1000);
}

}  // namespace
}  // namespace brimblet
