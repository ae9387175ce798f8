#pragma once
// The Clock page without its window: the grid of the selected clock set, the selected cell's
// fields, the space around the clock, and every edit written to the set key in the order that
// keeps the clock's view of the key a loadable face at every moment.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/options/clock_page_field.h"
#include "engine/options/clock_page_layout.h"
#include "engine/registry/registry_key.h"

namespace zembrik {

// What the page asks of the settings editor's framework.
class ClockPageServices {
 public:
  virtual ~ClockPageServices() = default;

  // The key in use for the selected set (its own key, the primary key standing in for it, or a
  // monitor variant); null when none could be opened.
  virtual RegistryKey* setKey() = 0;

  struct OwnKey {
    RegistryKey* key = nullptr;  // null: it could not be made (the user has been told)
    bool justCreated = false;
  };
  // Makes sure the selected set has a key of its own before a per-set write.
  virtual OwnKey makeSureOfOwnKey() = 0;

  virtual void notifyClock(int scope) = 0;

  // The selected clock set (negative: vertical) and the height of its clock as measured for
  // the default layout (the primary clock's window or the secondary taskbar; 0 when unknown).
  virtual std::int32_t currentSet() const = 0;
  virtual int measuredClockHeight() const = 0;

  // The readable description of a font spec ("Arial, size 8, bold").
  virtual std::u16string fontDescription(std::u16string_view spec) const = 0;
};

// The grid's selection in cell coordinates (the header row and column not counted).
struct GridSelection {
  int firstRow = -1;
  int firstColumn = -1;
  int lastRow = -1;
  int lastColumn = -1;
  int focusRow = -1;
  int focusColumn = -1;
  int selectedCount = 0;
};

enum class InsetSide { Left, Right, Above, Below };
enum class MarginSide { Top, Bottom, Left, Right };

// The selected cell as its controls show it.
struct CellFields {
  int leftInset = 0;
  int rightInset = 0;
  int aboveInset = 0;
  int belowInset = 0;
  std::u16string text;
  int effect = 0;
  int reset = 0;  // flags bits 0..1
  int rank = 0;
  std::u16string fontDescription;  // the cell's own, or the neighbour's it would take
  bool colorChecked = false;
  std::u16string colorText;  // "0x%06x", the kept-aside colour while unchecked, or empty
  CellSeparatorBoxes leftSeparator;
  CellSeparatorBoxes rightSeparator;
  bool centreVertically = false;
  bool antialias = true;
};

// Which of the row and column buttons are enabled.
struct GridCommandStates {
  bool insertColumn = false;  // "+Col <" and "> Col+"
  bool deleteColumn = false;
  bool insertRowAbove = false;
  bool insertRowBelow = false;
  bool deleteRow = false;
};

struct FontDialogFont {
  int pointSize = 0;  // 0: no size
  int weight = 0;
  std::u16string face;
};

class ClockPageModel {
 public:
  explicit ClockPageModel(ClockPageServices& services) : services_(services) {}

  // After the framework's SelectClockSet: reloads unless nothing changed on an initialised page.
  // Returns true when it reloaded.
  bool afterSelectClockSet(bool baseChanged);
  void markInitialised() { initialised_ = true; }
  bool initialised() const { return initialised_; }

  // Writes counts and every cell into the key in use (after making sure it is the set's own);
  // with `newVariant`, or when the own key was created just now, also the space around the clock
  // and `separator`. False when nothing or not everything could be written.
  bool seedNewKey(bool newVariant);

  const ClockPageLayout& layout() const { return layout_; }
  std::u16string gridText(int row, int column) const;
  int margin(MarginSide side) const { return margins_[static_cast<int>(side)]; }
  FaceSeparatorBoxes faceSeparators() const { return faceSeparators_; }

  void select(const GridSelection& selection);
  bool hasSelectedCell() const { return selectedCell() != nullptr; }
  std::optional<CellFields> selectedCellFields() const;
  GridCommandStates commandStates() const;

  // Edits of the selected cell; each writes its `cell_` (and what it says) and notifies once.
  // False when there is no selected cell or the set's own key could not be made.
  bool setText(std::u16string_view text);
  FieldResult setInset(InsetSide side, std::u16string_view text);
  FieldResult setRank(std::u16string_view text);
  bool setEffect(int effect);
  bool setReset(int choice);
  bool setAntialias(bool on);
  bool setLeftSeparator(const CellSeparatorBoxes& boxes);
  bool setRightSeparator(const CellSeparatorBoxes& boxes);
  bool setCentreVertically(bool on);

  // "Color": checked takes the kept-aside colour (white when none), unchecked keeps it aside.
  bool setColorChecked(bool checked);
  // The colour the colour dialog starts from; then the chosen one is written.
  std::uint32_t colorForDialog();
  bool applyChosenColor(std::uint32_t color);

  // The font the font dialog starts from: the cell's, else the remembered neighbour's (taken
  // into the cell while the dialog is open), else 24-point Arial. Nothing without a selected
  // cell or when the own key could not be made.
  std::optional<FontDialogFont> beginFontDialog();
  // The dialog's answer: a font on OK, nothing on Cancel (a borrowed neighbour font is given back).
  void finishFontDialog(const std::optional<FontDialogFont>& chosen);

  // Space around the clock and the face's separators; ignored until the page is initialised.
  FieldResult setMargin(MarginSide side, std::u16string_view text);
  bool setFaceSeparators(const FaceSeparatorBoxes& boxes);

  // Row and column commands for the current selection (the page asks before deleting). They
  // rewrite the whole layout, notify once and leave no selection.
  bool insertColumn(bool after);
  bool deleteColumn();
  bool insertRow(bool below);
  bool deleteRow();

 private:
  ClockPageCell* selectedCell();
  const ClockPageCell* selectedCell() const;
  bool wholeColumnSelected() const;
  bool wholeRowSelected() const;
  void rememberNeighbourFont(int row, int column);

  RegistryKey* keyForWrite();
  bool writeLayout(RegistryKey& key, LayoutChange change, bool withFaceValues);
  bool writeFaceValues(RegistryKey& key);
  template <typename Change>
  bool editSelectedCell(Change change);
  bool changeGrid(LayoutChange change, void (*reshape)(ClockPageLayout&, int), int at);

  ClockPageServices& services_;
  bool initialised_ = false;
  ClockPageLayout layout_;
  int margins_[4] = {0, 0, 0, 0};  // top, bottom, left, right
  FaceSeparatorBoxes faceSeparators_;
  GridSelection selection_;
  std::optional<std::u16string> neighbourFont_;
  bool fontBorrowed_ = false;
};

}  // namespace zembrik
