#pragma once
// The painter: turns a clock's configuration into pixels in two passes over the same rules.
// The measure pass renders every cell and returns the size the clock wants; the draw pass lays
// the cells out inside the clock window, draws them into an off-screen surface and copies that
// to the window in one go.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/format/format_render.h"
#include "engine/paint/column_fit.h"
#include "engine/paint/draw_surface.h"
#include "engine/paint/face_colours.h"
#include "engine/paint/face_frame.h"
#include "engine/paint/face_hooks.h"
#include "engine/settings/clock_config.h"
#include "engine/taskbar/packed_size.h"

namespace zembrik {

// What one paint reads besides the clock: the moment (sampled once per paint), the format
// language's sources, and the process's colours.
struct PaintInputs {
  const FormatEnvironment& format;
  const RenderMoment& moment;
  PaintCache& cache;
  const FaceColours& colours;
  int osGeneration = 7;
  bool alarmRinging = false;
};

struct PaintOutcome {
  // The measure pass: the wanted size. The draw pass: the client size drawn. 0 when nothing
  // could be measured or drawn (no off-screen surface).
  PackedSize size = 0;
  // A text grew wider than its last measure: the clock should measure and lay itself out again.
  bool relayoutWanted = false;
  // Something on the face changes every second (seconds, blinking, a ringing alarm).
  bool refreshEverySecond = false;
  // A lock-key text was rendered: a lock key's change must repaint the face.
  bool lockKeysShown = false;
};

// A cell's place in the last draw pass.
inline constexpr int kHiddenCell = -1;
struct CellPlacement {
  int topOffset = kHiddenCell;  // spare height above the cell; kHiddenCell: not drawn
  int extraAfter = 0;           // spare height below it
  Rect rect;                    // the text rectangle
};

class FacePainter {
 public:
  explicit FacePainter(SurfaceFactory& surfaces, FaceHooks hooks = {});
  ~FacePainter();
  FacePainter(const FacePainter&) = delete;
  FacePainter& operator=(const FacePainter&) = delete;

  // The measure pass: renders and measures every cell, stores the column sizes and returns the
  // wanted size.
  PaintOutcome measure(ClockConfig& clock, const PaintInputs& inputs);
  // The draw pass for a client area of `client` into `target`; also sets the clock's
  // refresh-every-second flag.
  PaintOutcome draw(ClockConfig& clock, const PaintInputs& inputs, DrawSurface& target,
                    Size client);
  // The measure pass as the taskbar is answered: a zero width or height becomes 1.
  PackedSize measureForTaskbar(ClockConfig& clock, const PaintInputs& inputs);

  // Whether a draw pass at `inputs` would draw other texts than the last one: some segment
  // renders differently (the time, a lock key, a zone), a cell blinks, an alarm rings, or a
  // cell was never drawn. Renders the segments; measures and draws nothing. Everything else a
  // pass draws (background, lines, meters) changes only with the settings, the size, the
  // colours or the meters' samples, which repaint on their own.
  bool wouldDrawOtherTexts(const ClockConfig& clock, const PaintInputs& inputs);

  // The next draw pass makes its surfaces anew, as after a change of the client size.
  void forceRelayout() noexcept { relayoutForced_ = true; }
  // Puts the surface's own font back. A pass leaves its last cell font selected; call this
  // before the cells' fonts are deleted (a settings reload), since GDI must not delete a font
  // that a context still holds.
  void deselectFonts();
  // Deletes the off-screen surface and forgets the size it was made for.
  void releaseSurfaces() noexcept;

  // Per cell slot (empty slots are hidden), as placed by the last draw pass.
  std::span<const CellPlacement> placements() const noexcept { return placements_; }

 private:
  DrawSurface* surfaceForMeasuring();
  bool prepareSurface(Size client, const ClockConfig& clock);
  Size measureCell(DrawSurface& surface, CellConfig& cell, const PaintInputs& inputs, bool vertical,
                   PaintOutcome& outcome);
  Size measureSegment(DrawSurface& surface, std::u16string_view segment, DigitWidths& digits,
                      const PaintInputs& inputs, SegmentState& state);
  // `addonsBefore`: the add-on columns (rows) before the clock's own.
  PackedSize wantedSize(const ClockConfig& clock, int addonsBefore, int addonRowsHeight) const;
  DigitWidths& digitsFor(CellConfig& cell) noexcept;

  // Where the rows of a face go. On a vertical face the add-on rows stand aligned across the
  // columns from `stripTop`, each as tall as its tallest cell, so that every add-on's cells end
  // at one height; the clock's own cells start at `ownTop`, past the gap that the separator
  // lines keep after the add-on rows. On a horizontal face there are no add-on rows.
  struct RowBands {
    int addonRows = 0;
    int stripTop = 0;
    int stripHeight = 0;
    int ownTop = 0;
  };
  int addonRowCount(const ClockConfig& clock) const;
  int alignAddonRows(const ClockConfig& clock, int addonRows);
  RowBands rowBands(const ClockConfig& clock, const FaceFrame& frame);

  // Where the columns of a face go. On a horizontal face the add-on columns stand from
  // `stripLeft`, past the leading gap; the clock's own columns start at `ownLeft`, past the gap
  // that the separator lines keep after the add-on columns. On a vertical face there are no
  // add-on columns and every column starts from the content's left edge.
  struct ColumnBands {
    int addonColumns = 0;
    int stripLeft = 0;
    int stripWidth = 0;
    int ownLeft = 0;
  };
  int addonColumnCount(const ClockConfig& clock) const;
  ColumnBands columnBands(const ClockConfig& clock, const FaceFrame& frame, int addonColumns) const;

  void fitColumns(ClockConfig& clock, int faceHeight, bool vertical, int firstOwnRow);
  void fitColumnGroups(ClockConfig& clock, int column, int faceHeight, bool vertical,
                       int firstOwnRow);
  int addonExtent(const ClockConfig& clock, int addonColumns) const;
  void reportAddonStrip(const ClockConfig& clock, const FaceFrame& frame,
                        const ColumnBands& columnBands, const RowBands& rows);
  void drawColumns(DrawSurface& memory, ClockConfig& clock, const PaintInputs& inputs,
                   const FaceFrame& frame, const ColumnBands& columnBands, const RowBands& rows,
                   PaintOutcome& outcome);
  int drawCell(DrawSurface& memory, CellConfig& cell, std::size_t index, int left, int right, int y,
               const FaceFrame& frame, const PaintInputs& inputs, bool vertical,
               PaintOutcome& outcome);
  bool renderCell(DrawSurface& memory, CellConfig& cell, const PaintInputs& inputs, bool vertical,
                  PaintOutcome& outcome);
  void drawCellText(DrawSurface& memory, const CellConfig& cell, const Rect& rect,
                    const PaintInputs& inputs);
  void finish(DrawSurface& memory, DrawSurface& target, Size client, int osGeneration);

  SurfaceFactory& surfaces_;
  FaceBackground defaultBackground_;
  FaceMeters defaultMeters_;
  AddonLayout defaultAddons_;
  FaceBackground& background_;
  FaceMeters& meters_;
  AddonLayout& addons_;

  std::unique_ptr<DrawSurface> memory_;
  Size surfaceClient_{-1, -1};  // the client size the surface was made for; -1: none yet
  bool relayoutForced_ = false;
  // Digit widths of the surface's own font, for cells without a font of their own.
  DigitWidths ownDigits_;

  // Kept between paints so that a draw pass with nothing resized allocates nothing.
  std::vector<CellPlacement> placements_;
  std::vector<int> rowOffsets_;  // reset X: how far later columns of a row move left
  // Where each add-on column (row) ends, for the add-on hook; on a vertical face also where
  // each add-on row ends below the strip's top while the pass places them.
  std::vector<int> slotEnds_;
  std::vector<FitCell> fit_;
  std::vector<std::size_t> fitSlots_;
  std::vector<std::size_t> fitOrder_;
  std::u16string text_;
  std::u16string normalised_;
};

}  // namespace zembrik
