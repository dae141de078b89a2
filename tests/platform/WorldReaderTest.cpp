#include <gtest/gtest.h>

#include "sim/DefaultWorld.h"
#include "sim/WorldReader.h"

namespace {

TEST(WorldReaderTest, DefaultWorldReads) {
    SimWorld w = DefaultWorld::Make();
    EXPECT_GE(w.accessPoints.size(), 8u);
}

}  // namespace
