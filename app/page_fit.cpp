#include "app/page_fit.h"

#include <algorithm>

namespace kovrel {
namespace {

// Scales tried, in hundredths: 1 % steps keep a set-smaller text as large as
// it can be; the floor keeps a pathological list from vanishing.
constexpr int kFullScale = 100;
constexpr int kLastResortScale = 5;

bool inside(const PageRect& r, const PageRect& room) {
  constexpr double kSlack = 1e-9;
  return r.left >= room.left - kSlack && r.right <= room.right + kSlack &&
         r.top >= room.top - kSlack && r.bottom <= room.bottom + kSlack;
}

PageRect shifted(PageRect r, double dx, double dy) {
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
  return r;
}

std::vector<PageRect> placed(const FitBlock& block, const FitPlacement& p) {
  std::vector<PageRect> rects = block.boxes ? block.boxes(p.scale) : std::vector<PageRect>{};
  for (PageRect& r : rects) r = shifted(r, p.dx, p.dy);
  return rects;
}

}  // namespace

bool overlaps(const PageRect& a, const PageRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<FitPlacement> fitPageBlocks(const std::vector<FitBlock>& blocks,
                                        const FitRules& rules) {
  std::vector<FitPlacement> fit(blocks.size());
  std::vector<std::vector<PageRect>> ink(blocks.size());
  for (size_t i = 0; i < blocks.size(); ++i) ink[i] = placed(blocks[i], fit[i]);

  // Figures first: they keep their size, so only a move can bring them in;
  // so can a table too wide for its place.
  for (size_t i = 0; i < blocks.size(); ++i) {
    const bool figure = blocks[i].kind == FitKind::Movable;
    const bool table = blocks[i].kind == FitKind::Shrinkable && blocks[i].fixedWidth;
    if (!(figure || table) || ink[i].empty()) continue;
    PageRect all = ink[i].front();
    for (const PageRect& r : ink[i]) {
      all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
             std::max(all.bottom, r.bottom)};
    }
    if (figure && all.bottom > rules.room.bottom) {
      fit[i].dy = std::max(rules.room.bottom - all.bottom, rules.room.top - all.top);
    }
    if (all.right > rules.room.right) {
      fit[i].dx = std::max(rules.room.right - all.right, rules.room.left - all.left);
    }
    ink[i] = placed(blocks[i], fit[i]);
  }

  auto clearOfOthers = [&](size_t i, const std::vector<PageRect>& rects) {
    for (size_t k = 0; k < blocks.size(); ++k) {
      if (k == i) continue;
      for (const PageRect& a : rects) {
        for (const PageRect& b : ink[k]) {
          if (overlaps(a, b)) return false;
        }
      }
    }
    return true;
  };
  auto allInside = [&](const std::vector<PageRect>& rects) {
    return std::all_of(rects.begin(), rects.end(),
                       [&](const PageRect& r) { return inside(r, rules.room); });
  };

  // Twice over: a block set smaller in the first round may leave room for
  // one before it to stay larger.
  const int smallest = std::clamp(int(rules.smallest * kFullScale + 0.5), 1, kFullScale);
  for (int round = 0; round < 2; ++round) {
    for (size_t i = 0; i < blocks.size(); ++i) {
      if (blocks[i].kind != FitKind::Shrinkable) continue;
      FitPlacement chosen = fit[i];
      bool found = false;
      for (int s = kFullScale; s >= smallest && !found; --s) {
        FitPlacement p = fit[i];
        p.scale = s / double(kFullScale);
        const std::vector<PageRect> rects = placed(blocks[i], p);
        if (allInside(rects) && clearOfOthers(i, rects)) {
          chosen = p;
          found = true;
        }
      }
      for (int s = kFullScale; s >= kLastResortScale && !found; --s) {
        FitPlacement p = fit[i];
        p.scale = s / double(kFullScale);
        if (allInside(placed(blocks[i], p))) {
          chosen = p;
          found = true;
        }
      }
      if (!found) chosen.scale = kLastResortScale / double(kFullScale);
      fit[i] = chosen;
      ink[i] = placed(blocks[i], fit[i]);
    }
  }
  return fit;
}

}  // namespace kovrel
