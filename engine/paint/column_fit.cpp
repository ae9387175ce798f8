#include "engine/paint/column_fit.h"

#include <algorithm>
#include <cstdint>

namespace zembrik {

namespace {

int visibleHeight(std::span<const FitCell> group) {
  int need = 0;
  for (const FitCell& cell : group) {
    if (!cell.hidden)
      need += cell.height;
  }
  return need;
}

void hideByPriority(std::span<FitCell> group, int faceHeight, int need,
                    std::vector<std::size_t>& order) {
  order.clear();
  for (std::size_t i = 0; i < group.size(); ++i) {
    if (group[i].hidePriority > 0)
      order.push_back(i);
  }
  // Highest priority first; among equals the later cell first.
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (group[a].hidePriority != group[b].hidePriority)
      return group[a].hidePriority > group[b].hidePriority;
    return a > b;
  });
  std::size_t visible = group.size();
  int lastHidden = -1;
  for (std::size_t i : order) {
    if (visible <= 1)
      break;
    // Cells of one priority go together: once the group fits, only the rest of the priority
    // just being hidden follows.
    if (need <= faceHeight && group[i].hidePriority != lastHidden)
      break;
    group[i].hidden = true;
    need -= group[i].height;
    --visible;
    lastHidden = group[i].hidePriority;
  }
}

void stretch(std::span<FitCell> group, int spare) {
  int totalWeight = 0;
  int heaviest = -1;
  for (std::size_t i = 0; i < group.size(); ++i) {
    const FitCell& cell = group[i];
    if (cell.hidden || cell.stretchWeight <= 0)
      continue;
    totalWeight += cell.stretchWeight;
    if (heaviest < 0 || cell.stretchWeight > group[heaviest].stretchWeight)
      heaviest = static_cast<int>(i);
  }
  if (totalWeight <= 0)
    return;

  // Shares per weighted cell, collected in `below` for now.
  int unit = spare / totalWeight;
  int given = 0;
  for (FitCell& cell : group) {
    if (!cell.hidden && cell.stretchWeight > 0) {
      cell.below = unit * cell.stretchWeight;
      given += cell.below;
    }
  }
  group[heaviest].below += spare - given;

  // A run of weighted cells keeps together: half its share goes above the run, the rest below.
  std::size_t i = 0;
  while (i < group.size()) {
    if (group[i].hidden || group[i].stretchWeight <= 0) {
      ++i;
      continue;
    }
    std::size_t first = i;
    std::size_t last = i;
    int share = 0;
    for (; i < group.size(); ++i) {
      if (group[i].hidden)
        continue;
      if (group[i].stretchWeight <= 0)
        break;
      share += group[i].below;
      group[i].below = 0;
      last = i;
    }
    group[first].above = share / 2;
    group[last].below = share - share / 2;
  }
}

}  // namespace

void distributeSpareWidth(std::span<ColumnMetrics> columns, int faceWidth) {
  std::int64_t total = 0;
  for (ColumnMetrics& column : columns) {
    column.extraWidth = 0;
    total += column.width;
  }
  if (columns.empty() || faceWidth - total <= 0)
    return;
  auto spare = faceWidth - total;
  std::int64_t left = spare;
  // Columns that measured nothing share by rounds only (there is nothing to be in proportion to).
  if (total > 0) {
    for (ColumnMetrics& column : columns) {
      auto share = std::int64_t{column.width} * spare / total;
      column.extraWidth = static_cast<int>(share);
      left -= share;
    }
  }
  auto step = std::max<std::int64_t>(left / static_cast<std::int64_t>(columns.size()), 1);
  while (left > 0) {
    for (ColumnMetrics& column : columns) {
      auto give = std::min(step, left);
      column.extraWidth += static_cast<int>(give);
      left -= give;
      if (left == 0)
        break;
    }
  }
}

void fitGroup(std::span<FitCell> group, int faceHeight, std::vector<std::size_t>& order) {
  for (FitCell& cell : group) {
    cell.hidden = false;
    cell.above = 0;
    cell.below = 0;
  }
  int need = visibleHeight(group);
  if (need > faceHeight && group.size() > 1) {
    hideByPriority(group, faceHeight, need, order);
  } else if (need < faceHeight) {
    stretch(group, faceHeight - need);
  }
}

}  // namespace zembrik
