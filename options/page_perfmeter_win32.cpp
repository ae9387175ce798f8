#include "options/page_perfmeter_win32.h"

#include <commctrl.h>

#include <array>
#include <optional>

#include "options/form_controls_win32.h"
#include "options/page_perfmeter_ids.h"

namespace zembrik {

namespace {

struct MeterControls {
  int shown, position, size, sizeSpin, space, spaceSpin, colour, colourButton;
  int graphShown, graphColour, graphColourButton;
};

// In the order of Meter.
constexpr std::array<MeterControls, kMeterCount> kMeterControls = {{
    {IDC_MEM_SHOWN, IDC_MEM_POSITION, IDC_MEM_SIZE, IDC_MEM_SIZE_SPIN, IDC_MEM_SPACE,
     IDC_MEM_SPACE_SPIN, IDC_MEM_COLOUR, IDC_MEM_COLOUR_BUTTON, IDC_MEM_GRAPH_SHOWN,
     IDC_MEM_GRAPH_COLOUR, IDC_MEM_GRAPH_COLOUR_BUTTON},
    {IDC_CPU_SHOWN, IDC_CPU_POSITION, IDC_CPU_SIZE, IDC_CPU_SIZE_SPIN, IDC_CPU_SPACE,
     IDC_CPU_SPACE_SPIN, IDC_CPU_COLOUR, IDC_CPU_COLOUR_BUTTON, IDC_CPU_GRAPH_SHOWN,
     IDC_CPU_GRAPH_COLOUR, IDC_CPU_GRAPH_COLOUR_BUTTON},
    {IDC_BTR_SHOWN, IDC_BTR_POSITION, IDC_BTR_SIZE, IDC_BTR_SIZE_SPIN, IDC_BTR_SPACE,
     IDC_BTR_SPACE_SPIN, IDC_BTR_COLOUR, IDC_BTR_COLOUR_BUTTON, IDC_BTR_GRAPH_SHOWN,
     IDC_BTR_GRAPH_COLOUR, IDC_BTR_GRAPH_COLOUR_BUTTON},
}};

enum class NumberField { Size, Space, Alarm };

struct NumberEdit {
  NumberField field;
  Meter meter;
};

std::optional<NumberEdit> numberEditOf(int id) {
  if (id == IDC_BTR_ALARM || id == IDC_BTR_ALARM_SPIN)
    return NumberEdit{NumberField::Alarm, Meter::Battery};
  for (int m = 0; m < kMeterCount; ++m) {
    const MeterControls& c = kMeterControls[static_cast<std::size_t>(m)];
    if (id == c.size || id == c.sizeSpin)
      return NumberEdit{NumberField::Size, static_cast<Meter>(m)};
    if (id == c.space || id == c.spaceSpin)
      return NumberEdit{NumberField::Space, static_cast<Meter>(m)};
  }
  return std::nullopt;
}

int editIdOf(const NumberEdit& edit) {
  if (edit.field == NumberField::Alarm)
    return IDC_BTR_ALARM;
  const MeterControls& c = kMeterControls[static_cast<std::size_t>(edit.meter)];
  return edit.field == NumberField::Size ? c.size : c.space;
}

NumberRange rangeOf(NumberField field) {
  switch (field) {
    case NumberField::Size:
      return kMeterSizeRange;
    case NumberField::Space:
      return kMeterSpaceRange;
    case NumberField::Alarm:
      break;
  }
  return kBatteryAlarmRange;
}

}  // namespace

CTabPerf::CTabPerf(OptionsContext& context) : C_BaseTab(context, IDD_PAGE_PERFMETER) {}

CTabPerf::~CTabPerf() = default;

void CTabPerf::setUpControls() {
  for (const MeterControls& c : kMeterControls) {
    fillList(window(), c.position, kMeterPositions);
    setUpSpin(window(), c.sizeSpin, kMeterSizeRange);
    setUpSpin(window(), c.spaceSpin, kMeterSpaceRange);
  }
  setUpSpin(window(), IDC_BTR_ALARM_SPIN, kBatteryAlarmRange);
}

void CTabPerf::onRefresh(bool setChanged) {
  if (model_ && !setChanged)
    return;
  filling_ = true;
  if (!model_) {
    services_ = makeFormPageServices(clockSet(), ui(), window());
    model_ = std::make_unique<PerfMeterPageModel>(*services_);
    setUpControls();
  }
  model_->loadClockSet();
  showState();
  filling_ = false;
}

void CTabPerf::showState() {
  const PerfMeterPageState& s = model_->state();
  const HWND page = window();
  for (std::size_t m = 0; m < kMeterControls.size(); ++m) {
    const MeterControls& c = kMeterControls[m];
    const MeterState& meter = s.meters[m];
    const GraphState& graph = s.graphs[m];
    setChecked(page, c.shown, meter.shown);
    selectListItem(page, c.position, meter.position);
    setControlText(page, c.size, signedText(meter.size));
    setControlText(page, c.space, signedText(meter.space));
    setControlText(page, c.colour, colourText(meter.colour));
    setChecked(page, c.graphShown, graph.shown);
    setControlText(page, c.graphColour, colourText(graph.colour));
  }
  const auto battery = static_cast<std::size_t>(Meter::Battery);
  setControlText(page, IDC_BTR_CHARGE_COLOUR, colourText(s.meters[battery].chargeColour));
  setControlText(page, IDC_BTR_GRAPH_CHARGE_COLOUR, colourText(s.graphs[battery].chargeColour));
  setChecked(page, IDC_BTR_HIDE_ON_AC, s.mains.hideOnMains);
  setChecked(page, IDC_BTR_ONLY_CHARGING, s.mains.onlyWhileCharging);
  setEnabled(page, IDC_BTR_ONLY_CHARGING, s.mains.onlyWhileChargingEnabled());
  setControlText(page, IDC_BTR_ALARM, signedText(s.batteryAlarm));
  setControlText(page, IDC_PERF_HINT, u"");
}

bool CTabPerf::onCommand(int controlId, int notification, HWND) {
  if (!model_ || filling_)
    return false;
  switch (notification) {
    case BN_CLICKED:
      return onButton(controlId);
    case CBN_SELCHANGE:
      for (std::size_t m = 0; m < kMeterControls.size(); ++m) {
        if (kMeterControls[m].position == controlId) {
          model_->setPosition(static_cast<Meter>(m), listSelection(window(), controlId));
          return true;
        }
      }
      return false;
    case EN_CHANGE:
      return onNumberEdited(controlId);
    case EN_KILLFOCUS:
      return commitNumber(controlId);
    default:
      return false;
  }
}

bool CTabPerf::onButton(int controlId) {
  const HWND page = window();
  const PerfMeterPageState& s = model_->state();
  for (std::size_t m = 0; m < kMeterControls.size(); ++m) {
    const MeterControls& c = kMeterControls[m];
    const auto meter = static_cast<Meter>(m);
    if (controlId == c.shown) {
      model_->setShown(meter, isChecked(page, c.shown));
      return true;
    }
    if (controlId == c.graphShown) {
      model_->setGraphShown(meter, isChecked(page, c.graphShown));
      return true;
    }
    if (controlId == c.colourButton) {
      std::uint32_t colour = s.meters[m].colour;
      if (chooseColourValue(ui(), page, colour)) {
        model_->setColour(meter, colour);
        setControlText(page, c.colour, colourText(colour));
      }
      return true;
    }
    if (controlId == c.graphColourButton) {
      std::uint32_t colour = s.graphs[m].colour;
      if (chooseColourValue(ui(), page, colour)) {
        model_->setGraphColour(meter, colour);
        setControlText(page, c.graphColour, colourText(colour));
      }
      return true;
    }
  }
  const auto battery = static_cast<std::size_t>(Meter::Battery);
  switch (controlId) {
    case IDC_BTR_CHARGE_COLOUR_BUTTON: {
      std::uint32_t colour = s.meters[battery].chargeColour;
      if (chooseColourValue(ui(), page, colour)) {
        model_->setChargeColour(colour);
        setControlText(page, IDC_BTR_CHARGE_COLOUR, colourText(colour));
      }
      return true;
    }
    case IDC_BTR_GRAPH_CHARGE_COLOUR_BUTTON: {
      std::uint32_t colour = s.graphs[battery].chargeColour;
      if (chooseColourValue(ui(), page, colour)) {
        model_->setGraphChargeColour(colour);
        setControlText(page, IDC_BTR_GRAPH_CHARGE_COLOUR, colourText(colour));
      }
      return true;
    }
    case IDC_BTR_HIDE_ON_AC:
    case IDC_BTR_ONLY_CHARGING:
      model_->setMainsBoxes(isChecked(page, IDC_BTR_HIDE_ON_AC),
                            isChecked(page, IDC_BTR_ONLY_CHARGING));
      setEnabled(page, IDC_BTR_ONLY_CHARGING, model_->state().mains.onlyWhileChargingEnabled());
      return true;
    default:
      return false;
  }
}

// While a number is typed nothing is written: a half-typed "1" of "12" would reach the clock.
// The text is checked and a hint shown; the number is taken when the field is left or a spin
// arrow changes it.
bool CTabPerf::onNumberEdited(int controlId) {
  const auto edit = numberEditOf(controlId);
  if (!edit || controlId != editIdOf(*edit))
    return false;
  const NumberRange range = rangeOf(edit->field);
  const CheckedNumber checked = checkNumber(controlText(window(), controlId), range);
  setControlText(window(), IDC_PERF_HINT,
                 checked.check == NumberCheck::Accepted ? std::u16string() : rangeHint(range));
  return true;
}

bool CTabPerf::commitNumber(int controlId) {
  const auto edit = numberEditOf(controlId);
  if (!edit)
    return false;
  const int editId = editIdOf(*edit);
  const CheckedNumber checked = checkNumber(controlText(window(), editId), rangeOf(edit->field));
  if (checked.check == NumberCheck::Accepted) {
    switch (edit->field) {
      case NumberField::Size:
        model_->setSize(edit->meter, checked.value);
        break;
      case NumberField::Space:
        model_->setSpace(edit->meter, checked.value);
        break;
      case NumberField::Alarm:
        model_->setBatteryAlarm(checked.value);
        break;
    }
  }
  showStoredNumber(editId);
  setControlText(window(), IDC_PERF_HINT, u"");
  return true;
}

// Puts the value the page holds back into a number field (after a rejected text).
void CTabPerf::showStoredNumber(int editId) {
  const auto edit = numberEditOf(editId);
  if (!edit)
    return;
  const PerfMeterPageState& s = model_->state();
  const auto m = static_cast<std::size_t>(edit->meter);
  int value = s.batteryAlarm;
  if (edit->field == NumberField::Size)
    value = s.meters[m].size;
  else if (edit->field == NumberField::Space)
    value = s.meters[m].space;
  const std::u16string text = signedText(value);
  if (controlText(window(), editId) == text)
    return;
  filling_ = true;
  setControlText(window(), editId, text);
  filling_ = false;
}

bool CTabPerf::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  // A spin arrow moved: the buddy already shows the new number.
  if (message != WM_VSCROLL || !model_ || filling_ || lParam == 0)
    return false;
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  if (!numberEditOf(id))
    return false;
  commitNumber(id);
  result = 0;
  return true;
}

}  // namespace zembrik
