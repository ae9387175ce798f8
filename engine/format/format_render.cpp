#include "engine/format/format_render.h"

#include <cstdlib>
#include <optional>

#include "engine/format/iso_week.h"
#include "engine/format/token_codes.h"
#include "engine/names/name_tables.h"

namespace zembrik {

namespace {

using Code = TokenCode;

// A token's text is built in a buffer of 1024 characters: longer names are cut.
constexpr std::size_t kMaxTokenChars = 1023;
constexpr char16_t kMinusSign = u'\x2212';

enum class ZoneText { Abbreviation, Name, SpecialName };

std::u16string_view trimmedZoneText(std::u16string_view text) {
  while (!text.empty() && text.front() <= u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

class SegmentRenderer {
 public:
  SegmentRenderer(const RenderMoment& moment, PaintCache& cache, SegmentState& state,
                  const FormatEnvironment& env, std::u16string& out)
      : moment_(moment), cache_(cache), state_(state), env_(env), out_(out) {}

  bool run(std::u16string_view segment) {
    requested_ = state_.variantRequest;
    state_.variantRequest = VariantRequest::None;
    selectZone(state_.zoneSelector);
    out_.clear();

    std::size_t pos = 0;
    while (pos < segment.size()) {
      auto mark = segment.find(kTokenMark, pos);
      if (mark == std::u16string_view::npos) {
        out_.append(segment.substr(pos));
        break;
      }
      out_.append(segment.substr(pos, mark - pos));
      if (mark + 1 >= segment.size())
        break;  // a mark without its code produces nothing
      auto code = segment[mark + 1];
      pos = mark + 2;
      if (code == static_cast<char16_t>(Code::ZoneSwitch)) {
        if (pos >= segment.size())
          break;
        state_.zoneSelector = segment[pos++];
        selectZone(state_.zoneSelector);
        continue;
      }
      // The token's text is not scanned again: a name text that holds a mark stays literal.
      token(code);
    }
    return secondsShown_;
  }

 private:
  // The time and bias of the zone in force; for a configured zone both come from the zone table,
  // at most once per zone and paint.
  void selectZone(std::uint16_t selector) {
    zoneKind_ = selector;
    zoneBias_.reset();
    if (selector == kZoneLocal) {
      time_ = &moment_.local;
      return;
    }
    if (selector == kZoneUtc) {
      time_ = &moment_.utc;
      zoneBias_ = 0;
      return;
    }
    const ZoneTime* zoneTime = cache_.findZoneTime(selector, moment_.utc);
    if (zoneTime == nullptr) {
      ZoneTime computed;
      if (env_.zones.zoneTime(selector, moment_.utc, computed)) {
        cache_.storeZoneTime(selector, moment_.utc, computed);
        zoneTime = cache_.findZoneTime(selector, moment_.utc);
        if (zoneTime == nullptr) {  // cache full: keep this call's copy
          uncachedZone_ = computed;
          zoneTime = &uncachedZone_;
        }
      }
    }
    if (zoneTime == nullptr) {
      // The table holds no such zone (formats are compiled against the table they render with,
      // so this only happens with a hand-made segment): show local time.
      time_ = &moment_.local;
      return;
    }
    time_ = &zoneTime->local;
    zoneBias_ = zoneTime->biasMinutes;
  }

  std::int64_t bias() {
    if (zoneBias_)
      return *zoneBias_;
    if (cache_.localBias == kLocalBiasUnknown) {
      cache_.localBias = cache_.systemZone(env_.systemZone).currentBias();
    }
    return cache_.localBias;
  }

  // Values above 9, or any value when a leading zero is asked for, take two digits (the last
  // two from 100 up); otherwise one.
  void number(unsigned value, bool leadingZero) {
    if (value > 9 || leadingZero)
      out_.push_back(static_cast<char16_t>(u'0' + value / 10 % 10));
    out_.push_back(static_cast<char16_t>(u'0' + value % 10));
  }

  void decimal(std::uint64_t value) {
    char16_t digits[20];
    std::size_t n = 0;
    do {
      digits[n++] = static_cast<char16_t>(u'0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (n > 0) out_.push_back(digits[--n]);
  }

  void name(std::u16string_view text) { out_.append(text.substr(0, kMaxTokenChars)); }

  void listEntry(NameList list, std::size_t index) { name(env_.names.entry(list, index)); }
  void dayName(NameList list) { listEntry(list, time_->dayOfWeek); }
  // Month 0 wraps to a huge index, which the tables answer with an empty text.
  void monthName(NameList list) { listEntry(list, std::size_t{time_->month} - 1); }

  // The variant pass asks for the first or the second text whatever the hour or key says.
  bool firstTextOr(auto actual) {
    if (requested_ != VariantRequest::FirstText && requested_ != VariantRequest::SecondText)
      return actual();
    state_.variantRequest = requested_;
    return requested_ == VariantRequest::FirstText;
  }

  void lockKey(LockKey key, NameText on, NameText off) {
    state_.lockKeysShown = true;
    bool isOn = firstTextOr([&] { return env_.lockKeys.isToggledOn(key); });
    name(env_.names.text(isOn ? on : off));
  }

  void biasSign(char16_t minus) { out_.push_back(bias() > 0 ? minus : u'+'); }
  std::uint64_t biasMagnitude() { return static_cast<std::uint64_t>(std::llabs(bias())); }

  void biasHours(bool leadingZero, char16_t minus) {
    biasSign(minus);
    number(static_cast<unsigned>(biasMagnitude() / 60 % 100), leadingZero);
  }

  void biasTotal(char16_t minus) {
    biasSign(minus);
    auto minutes = biasMagnitude();
    if (minutes >= 100) {
      decimal(minutes / 100);
      number(static_cast<unsigned>(minutes % 100), true);
    } else {
      number(static_cast<unsigned>(minutes), false);
    }
  }

  std::u16string_view configuredZoneText(int index, ZoneText which) {
    switch (which) {
      case ZoneText::Abbreviation:
        return env_.zones.abbreviation(index, moment_.utc);
      case ZoneText::Name:
        return env_.zones.name(index, moment_.utc, ZoneNameForm::Plain);
      default:
        return env_.zones.name(index, moment_.utc, ZoneNameForm::SpecialLocale);
    }
  }

  std::u16string_view utcZoneText(ZoneText which) {
    int index = env_.zones.utcIndex();
    if (index >= 0) {
      auto text = configuredZoneText(index, which);
      // A leading blank marks the placeholder zone added when none was configured for UTC.
      bool usable = which == ZoneText::Abbreviation ? !text.empty() && text.front() != u' '
                                                    : !trimmedZoneText(text).empty();
      if (usable)
        return trimmedZoneText(text);
    }
    return which == ZoneText::Abbreviation ? u"UTC" : u"Coordinated Universal Time";
  }

  std::u16string_view localZoneText(ZoneText which) {
    auto& zones = env_.zones;
    int index = zones.localIndex();
    if (index < 0) {
      auto standardName = cache_.systemZone(env_.systemZone).standardNameView();
      if (!standardName.empty())
        index = zones.indexByStandardName(standardName);
      if (index >= 0)
        zones.setLocalIndex(index);
    }
    if (index >= 0) {
      auto text = trimmedZoneText(configuredZoneText(index, which));
      if (!text.empty())
        return text;
    }
    const auto& system = cache_.systemZone(env_.systemZone);
    return trimmedZoneText(system.daylightInForce ? system.daylightNameView()
                                                  : system.standardNameView());
  }

  void zoneText(ZoneText which) {
    if (zoneKind_ == kZoneUtc)
      return name(utcZoneText(which));
    if (zoneKind_ == kZoneLocal)
      return name(localZoneText(which));
    auto text = trimmedZoneText(configuredZoneText(zoneKind_, which));
    if (text.empty())
      text = which == ZoneText::Abbreviation ? u"?a?" : u"?n?";
    name(text);
  }

  void token(char16_t code) {
    const CalendarTime& t = *time_;
    switch (static_cast<Code>(code)) {
      case Code::Day:
      case Code::Day2:
        return number(t.day, code == static_cast<char16_t>(Code::Day2));
      case Code::WeekdayNumber:
        return number(t.dayOfWeek == 0 ? 7u : t.dayOfWeek, false);
      case Code::DayNameAbbr:
        return dayName(NameList::LocaleDaysAbbr);
      case Code::DayName:
        return dayName(NameList::LocaleDays);
      case Code::DayNameAbbrEnglish:
        return dayName(NameList::EnglishDaysAbbr);
      case Code::DayNameEnglish:
        return dayName(NameList::EnglishDays);
      case Code::DayNameAbbrList:
        return dayName(NameList::WeekDaysAbbr);
      case Code::DayNameList:
        return dayName(NameList::WeekDays);
      case Code::Month:
      case Code::Month2:
        return number(t.month, code == static_cast<char16_t>(Code::Month2));
      case Code::MonthNameAbbr:
        return monthName(NameList::LocaleMonthsAbbr);
      case Code::MonthName:
        return monthName(NameList::LocaleMonths);
      case Code::MonthNameAbbrEnglish:
        return monthName(NameList::EnglishMonthsAbbr);
      case Code::MonthNameEnglish:
        return monthName(NameList::EnglishMonths);
      case Code::MonthNameAbbrList:
        return monthName(NameList::MonthNamesAbbr);
      case Code::MonthNameList:
        return monthName(NameList::MonthNames);
      case Code::Year2:
        return number(t.year % 100u, true);
      case Code::Year4:
        number(t.year / 100u, true);
        return number(t.year % 100u, true);
      case Code::Week:
      case Code::Week2:
        return number(static_cast<unsigned>(isoWeekNumber(t.year, t.month, t.day)),
                      code == static_cast<char16_t>(Code::Week2));
      case Code::Hour12:
      case Code::Hour12Two: {
        unsigned hour = t.hour % 12u;
        return number(hour == 0 ? 12u : hour, code == static_cast<char16_t>(Code::Hour12Two));
      }
      case Code::Hour24:
      case Code::Hour24Two:
        return number(t.hour, code == static_cast<char16_t>(Code::Hour24Two));
      case Code::Minute:
      case Code::Minute2:
        return number(t.minute, code == static_cast<char16_t>(Code::Minute2));
      case Code::Second:
      case Code::Second2:
        secondsShown_ = true;
        return number(t.second, code == static_cast<char16_t>(Code::Second2));
      case Code::AmPmText:
        return name(env_.names.text(firstTextOr([&] { return t.hour < 12; }) ? NameText::AM
                                                                             : NameText::PM));
      case Code::AmPmLetter:
        return out_.push_back(t.hour < 12 ? u'A' : u'P');
      case Code::CapsLock:
        return lockKey(LockKey::Caps, NameText::CapsOn, NameText::CapsOff);
      case Code::NumLock:
        return lockKey(LockKey::Num, NameText::NumOn, NameText::NumOff);
      case Code::ScrollLock:
        return lockKey(LockKey::Scroll, NameText::ScrollOn, NameText::ScrollOff);
      case Code::BiasHours:
      case Code::BiasHours2:
        return biasHours(code == static_cast<char16_t>(Code::BiasHours2), u'-');
      case Code::BiasHoursMinusSign:
      case Code::BiasHours2MinusSign:
        return biasHours(code == static_cast<char16_t>(Code::BiasHours2MinusSign), kMinusSign);
      case Code::BiasMinutes:
      case Code::BiasMinutes2:
        return number(static_cast<unsigned>(biasMagnitude() % 60),
                      code == static_cast<char16_t>(Code::BiasMinutes2));
      case Code::BiasTotal:
        return biasTotal(u'-');
      case Code::BiasTotalMinusSign:
        return biasTotal(kMinusSign);
      case Code::ZoneAbbreviation:
        return zoneText(ZoneText::Abbreviation);
      case Code::ZoneName:
        return zoneText(ZoneText::Name);
      case Code::ZoneNameSpecial:
        return zoneText(ZoneText::SpecialName);
      default:
        return;  // not a token code: nothing
    }
  }

  const RenderMoment& moment_;
  PaintCache& cache_;
  SegmentState& state_;
  const FormatEnvironment& env_;
  std::u16string& out_;

  VariantRequest requested_ = VariantRequest::None;
  bool secondsShown_ = false;
  std::uint16_t zoneKind_ = kZoneLocal;
  const CalendarTime* time_ = nullptr;
  std::optional<std::int64_t> zoneBias_;
  ZoneTime uncachedZone_;
};

}  // namespace

const SystemZoneInfo& PaintCache::systemZone(SystemTimeZoneSource& source) {
  if (!systemZoneRead_) {
    if (!source.read(systemZone_))
      systemZone_ = SystemZoneInfo{};
    systemZoneRead_ = true;
  }
  return systemZone_;
}

const ZoneTime* PaintCache::findZoneTime(int index, const CalendarTime& utc) const {
  for (int i = 0; i < zoneSlotsUsed_; ++i) {
    if (zoneSlots_[i].index == index && zoneSlots_[i].utc == utc)
      return &zoneSlots_[i].time;
  }
  return nullptr;
}

void PaintCache::storeZoneTime(int index, const CalendarTime& utc, const ZoneTime& time) {
  if (zoneSlotsUsed_ < kZoneSlots)
    zoneSlots_[zoneSlotsUsed_++] = ZoneSlot{index, utc, time};
}

bool renderSegment(std::u16string_view segment, const RenderMoment& moment, PaintCache& cache,
                   SegmentState& state, const FormatEnvironment& env, std::u16string& out) {
  return SegmentRenderer(moment, cache, state, env, out).run(segment);
}

void renderFormat(const CompiledFormat& compiled, const RenderMoment& moment, PaintCache& cache,
                  const FormatEnvironment& env, VariantRequest variantRequest,
                  RenderedFormat& out) {
  out.segments.resize(compiled.size());
  out.secondsShown = false;
  out.lockKeysShown = false;
  out.variantAnswered = VariantRequest::None;
  SegmentState state;
  for (std::size_t i = 0; i < compiled.size(); ++i) {
    state.variantRequest = variantRequest;
    if (renderSegment(compiled[i], moment, cache, state, env, out.segments[i])) {
      out.secondsShown = true;
    }
    if (state.variantRequest != VariantRequest::None)
      out.variantAnswered = state.variantRequest;
  }
  out.lockKeysShown = state.lockKeysShown;
}

}  // namespace zembrik
