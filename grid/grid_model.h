#pragma once
// The table behind the grid control: cell texts, fixed (header) rows and columns, column widths,
// selection, focus, sort indicator and scroll position, and what clicks and keys do to them.
// Portable: the window class only forwards input here and paints what this says.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembrik::grid {

struct CellPos {
  int row = -1;
  int column = -1;
  bool valid() const { return row >= 0 && column >= 0; }
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// Inclusive bounds; all -1 when nothing is selected.
struct CellRange {
  int firstRow = -1;
  int firstColumn = -1;
  int lastRow = -1;
  int lastColumn = -1;
  bool empty() const { return firstRow < 0 || lastRow < firstRow || lastColumn < firstColumn; }
  int cellCount() const {
    return empty() ? 0 : (lastRow - firstRow + 1) * (lastColumn - firstColumn + 1);
  }
  bool contains(CellPos cell) const {
    return !empty() && cell.row >= firstRow && cell.row <= lastRow && cell.column >= firstColumn &&
           cell.column <= lastColumn;
  }
  friend bool operator==(const CellRange&, const CellRange&) = default;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Cells: one cell, or a whole row or column chosen through its header cell. Rows: one whole row.
enum class SelectionMode { Cells, Rows };
enum class SortDirection { None, Ascending, Descending };
enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, Enter };

struct KeyModifiers {
  bool shift = false;
  bool control = false;
};

// Sizes that come from the font and the DPI; the window measures them, the model uses them.
struct GridMetrics {
  int rowHeight = 20;
  int padding = 3;  // on each side of a cell's text
  int sortArrowWidth = 12;
  int defaultColumnWidth = 64;
};

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int textWidth(std::u16string_view text) = 0;
};

// What a user action did; the window turns each flag into one notification.
struct GridAction {
  bool selectionChanged = false;
  bool headerClicked = false;
  int headerColumn = -1;
  bool activated = false;
  CellPos activatedCell;
  bool scrolled = false;
};

struct TextChange {
  bool changed = false;
  bool layoutChanged = false;      // a column grew: scroll ranges change
  std::optional<PixelRect> dirty;  // what must be repainted, in view coordinates
};

struct ScrollPosition {
  int topRow = 0;      // first scrolled row shown below the fixed row
  int leftColumn = 0;  // first scrolled column shown right of the fixed column
};

class GridModel {
 public:
  static constexpr int kMaxRowsOrColumns = 0xFFFF;
  static constexpr int kMaxCells = 1 << 20;

  GridModel();

  // Structure. Texts, widths and the selection are kept where they still fit. Sizes beyond the
  // limits above are cut to them.
  void setSize(int rows, int columns);
  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }
  void setFixed(int fixedRows, int fixedColumns);  // each 0 or 1
  int fixedRows() const { return fixedRows_; }
  int fixedColumns() const { return fixedColumns_; }
  bool isFixed(CellPos cell) const { return cell.row < fixedRows_ || cell.column < fixedColumns_; }

  // Texts. `measure` (may be null) lets a column sized to its contents grow.
  std::u16string_view text(CellPos cell) const;
  TextChange setText(CellPos cell, std::u16string_view text, TextMeasure* measure);

  // Widths and metrics.
  void setMetrics(const GridMetrics& metrics);
  const GridMetrics& metrics() const { return metrics_; }
  void setColumnWidth(int column, int width);
  int columnWidth(int column) const;
  void sizeColumnsToContents(TextMeasure& measure);
  // Measures again the columns last sized to their contents (after a font or DPI change).
  void refitColumns(TextMeasure& measure);

  // The view: its size, scrolling and the cell geometry inside it.
  void setViewSize(int width, int height);
  int viewWidth() const { return viewWidth_; }
  int viewHeight() const { return viewHeight_; }
  ScrollPosition scroll() const { return scroll_; }
  bool scrollTo(ScrollPosition position);  // clamped; true when it moved
  int maxTopRow() const;
  int maxLeftColumn() const;
  int fullyVisibleRows() const;  // scrolled rows that fit whole, at least 1
  bool ensureVisible(CellPos cell);
  PixelRect cellRect(CellPos cell) const;  // empty when scrolled out of the view
  CellPos hitTest(int x, int y) const;     // invalid outside every cell
  int tableWidth() const;                  // all columns, unscrolled

  // Selection. The page's calls change it silently; user actions return what happened.
  void setSelectionMode(SelectionMode mode);
  SelectionMode selectionMode() const { return mode_; }
  CellRange selection() const { return selection_; }
  CellPos focus() const { return focus_; }
  void setSelection(const CellRange& range);  // normalised to the data cells; focus at its start
  GridAction click(CellPos cell);
  GridAction doubleClick(CellPos cell);
  GridAction key(GridKey key, KeyModifiers modifiers);

  void setSortIndicator(int column, SortDirection direction);
  int sortColumn() const { return sortColumn_; }
  SortDirection sortDirection() const { return sortDirection_; }

 private:
  bool hasDataCells() const { return rows_ > fixedRows_ && columns_ > fixedColumns_; }
  bool isDataCell(CellPos cell) const;
  CellRange rowRange(int row) const;
  CellRange columnRange(int column) const;
  void selectAt(CellPos focus, const CellRange& range);
  void selectFocusCell(CellPos focus);
  CellPos moveFocus(GridKey key, KeyModifiers modifiers) const;
  void dropInvalidSelection();
  int fixedHeight() const { return fixedRows_ * metrics_.rowHeight; }
  int fixedWidth() const;
  int columnLeft(int column) const;  // view x, or -1 when scrolled out to the left
  std::size_t index(CellPos cell) const;
  int contentWidth(CellPos cell, TextMeasure& measure) const;

  int rows_ = 0;
  int columns_ = 0;
  int fixedRows_ = 0;
  int fixedColumns_ = 0;
  std::vector<std::u16string> texts_;
  std::vector<int> widths_;
  std::vector<bool> sizedToContents_;
  GridMetrics metrics_;
  int viewWidth_ = 0;
  int viewHeight_ = 0;
  ScrollPosition scroll_;
  SelectionMode mode_ = SelectionMode::Cells;
  CellRange selection_;
  CellPos focus_;
  int sortColumn_ = -1;
  SortDirection sortDirection_ = SortDirection::None;
};

}  // namespace zembrik::grid
