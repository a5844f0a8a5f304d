#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>

#include "engine/trial_wedge.h"
#include "wall_fixture.h"

// Counts every allocation of this test program, so that a search can show it
// allocates nothing.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace kovrel {
namespace {

TEST(WedgePerformance, DefaultWallSearchIsFastAndAllocatesNothing) {
  TAntei s = test::loadedState(DesignConditions());
  const VirtualBackFace face = virtualBackFace(s);
  const long before = allocations.load();
  const auto start = std::chrono::steady_clock::now();
  constexpr int kRuns = 20;
  for (int i = 0; i < kRuns; ++i) {
    trialWedge(s, {}, 1, s.backfillShape, face.b, face.h, face.h);
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(allocations.load(), before);
  const double perCall = std::chrono::duration<double, std::milli>(elapsed).count() / kRuns;
  // Well under a millisecond optimised; the bound only catches a search gone
  // pathological and leaves room for sanitizer builds on a loaded machine.
  EXPECT_LT(perCall, 25.0) << "ms per search";
  RecordProperty("msPerSearch", std::to_string(perCall));
  EXPECT_GT(s.earthForce, 0);
}

TEST(WedgePerformance, SearchesBeyondTheFirstPeakAllocateNothing) {
  // The peak below φ of a seismic slope, and the second peak of an
  // embankment on the stem face, each refined by a search of its own.
  DesignConditions seismicSlope;
  seismicSlope.setIndex("RadioGroup5", 1);
  seismicSlope.setText("Edit61", "0.25");
  seismicSlope.setIndex("TabControl1", 1);
  seismicSlope.setText("ComboBox1", "3.0");
  seismicSlope.setText("Edit1", "0");
  DesignConditions embankment;
  embankment.setIndex("TabControl1", 2);
  embankment.setText("ComboBox1", "1.5");
  embankment.setText("Edit28", "5000");
  TAntei slope = test::loadedState(seismicSlope);
  TAntei stem = test::loadedState(embankment);
  const VirtualBackFace face = virtualBackFace(slope);
  const long before = allocations.load();
  trialWedge(slope, {}, 1, slope.backfillShape, face.b, face.h, face.h);
  trialWedge(stem, {}, 0, stem.backfillShape, stem.embankHeight, 1.35, stem.outlineY[4]);
  EXPECT_EQ(allocations.load(), before);
  EXPECT_LT(slope.slipAngle, slope.phiBackfill);
  EXPECT_GT(stem.earthForce, 0);
}

}  // namespace
}  // namespace kovrel
