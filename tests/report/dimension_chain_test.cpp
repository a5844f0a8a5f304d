#include "report/dimension_chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrel {
namespace {

struct P {
  double x, y;
  std::string label;
};

void expectPoints(const Series& s, const std::vector<P>& expected) {
  ASSERT_EQ(s.points.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(s.points[i].x, expected[i].x, 1e-12) << "point " << i;
    EXPECT_NEAR(s.points[i].y, expected[i].y, 1e-12) << "point " << i;
    EXPECT_EQ(s.points[i].label, expected[i].label) << "point " << i;
  }
}

TEST(DimensionChain, TwoSegmentsAlongX) {
  Series s;
  s.colour = clRed;
  s.points.push_back({9, 9, "old", std::nullopt});
  const double lengths[] = {1.0, 0.5};
  drawDimensionChain(s, ChainDirection::AlongX, lengths, 0, 2, 2, 2);
  const std::string b = " ";
  expectPoints(s, {
                      // start: tick, then the arrowhead opening towards +x
                      {0, 2, b},
                      {0, 2.3, b},
                      {0, 1.7, b},
                      {0, 2, b},
                      {0.03, 2.03, b},
                      {0, 2, b},
                      {0.03, 1.97, b},
                      {0, 2, b},
                      {0.5, 2, "1,000"},
                      // middle: tick, end pair, start pair
                      {1, 2, b},
                      {1, 2.3, b},
                      {1, 1.7, b},
                      {1, 2, b},
                      {0.97, 2.03, b},
                      {1, 2, b},
                      {0.97, 1.97, b},
                      {1, 2, b},
                      {1.03, 2.03, b},
                      {1, 2, b},
                      {1.03, 1.97, b},
                      {1, 2, b},
                      {1.25, 2, "500"},
                      // end
                      {1.5, 2, b},
                      {1.5, 2.3, b},
                      {1.5, 1.7, b},
                      {1.5, 2, b},
                      {1.47, 2.03, b},
                      {1.5, 2, b},
                      {1.47, 1.97, b},
                      {1.5, 2, b},
                  });
  EXPECT_EQ(s.colour, clBlack);
  EXPECT_EQ(s.markOffset, 2);
}

TEST(DimensionChain, OneSegmentAlongY) {
  Series s;
  const double lengths[] = {8.0};
  drawDimensionChain(s, ChainDirection::AlongY, lengths, 7.8, 0, 2, 1);
  const std::string b = " ";
  expectPoints(s, {
                      {7.8, 0, b},
                      {7.5, 0, b},
                      {8.1, 0, b},
                      {7.8, 0, b},
                      {7.77, 0.03, b},
                      {7.8, 0, b},
                      {7.83, 0.03, b},
                      {7.8, 0, b},
                      {7.8, 4, "8,000"},
                      {7.8, 8, b},
                      {7.5, 8, b},
                      {8.1, 8, b},
                      {7.8, 8, b},
                      {7.83, 7.97, b},
                      {7.8, 8, b},
                      {7.77, 7.97, b},
                      {7.8, 8, b},
                  });
  EXPECT_EQ(s.markOffset, -4);
}

TEST(DimensionChain, ZeroLengths) {
  Series s;
  s.points.push_back({1, 1, "old", std::nullopt});
  const double zero[] = {0.0};
  drawDimensionChain(s, ChainDirection::AlongX, zero, 0, 0, 2, 1);
  EXPECT_TRUE(s.points.empty());

  // A zero in the middle keeps its marks but no number; a zero at the end is
  // numbered (the picture "0,0" has two digit places, so it reads "00").
  const double lengths[] = {0.5, 0.0, 0.0};
  drawDimensionChain(s, ChainDirection::AlongX, lengths, 0, 0, 2, 3);
  std::vector<std::string> labels;
  for (const ChartPoint& p : s.points) {
    if (p.label != " ") labels.push_back(p.label);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"500", "00"}));
  EXPECT_EQ(s.points.size(), 8u + 1 + 12 + 1 + 12 + 1 + 8);

  // A count beyond the lengths given reads no further than they go.
  drawDimensionChain(s, ChainDirection::AlongX, zero, 0, 0, 2, 5);
  EXPECT_TRUE(s.points.empty());
}

}  // namespace
}  // namespace kovrel
