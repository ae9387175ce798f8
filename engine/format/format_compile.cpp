#include "engine/format/format_compile.h"

#include "engine/format/token_codes.h"

namespace zembrik {

namespace {

using Code = TokenCode;

class FormatCompiler {
 public:
  FormatCompiler(std::u16string_view text, CompiledFormat& segments, bool cellMode,
                 const ZoneTable& zones)
      : text_(text), segments_(segments), cellMode_(cellMode), zones_(zones) {}

  bool run() {
    segments_.assign(1, std::u16string{});
    while (pos_ < text_.size()) step();
    return splitActedOn_;
  }

 private:
  char16_t at(std::size_t offset) const {
    return pos_ + offset < text_.size() ? text_[pos_ + offset] : u'\0';
  }
  bool runOf(char16_t letter, std::size_t length) const {
    for (std::size_t i = 0; i < length; ++i) {
      if (at(i) != letter)
        return false;
    }
    return true;
  }

  void literal(char16_t c) {
    // A literal mark would be read back as a token by the renderer.
    if (c != kTokenMark)
      segments_[current_].push_back(c);
  }
  void token(Code code, std::size_t length) {
    segments_[current_].push_back(kTokenMark);
    segments_[current_].push_back(static_cast<char16_t>(code));
    pos_ += length;
  }

  void step() {
    char16_t c = text_[pos_];
    switch (c) {
      case u'\'':
      case u'"':
        return quotedRun(c);
      case u'\\':
        return escape();
      case u'<':
      case u'>':
        if (cellMode_)
          return split(c);
        break;
      case u'@':
        return zoneSwitch();
      case u'd':
        return day();
      case u'M':
        return month();
      case u'y':
        return year();
      case u'w':
        return doubled(c, Code::Week, Code::Week2);
      case u'h':
        return doubled(c, Code::Hour12, Code::Hour12Two);
      case u'H':
        return doubled(c, Code::Hour24, Code::Hour24Two);
      case u'm':
        return doubled(c, Code::Minute, Code::Minute2);
      case u's':
        return doubled(c, Code::Second, Code::Second2);
      case u'P':
        return token(Code::AmPmText, 1);
      case u'p':
        return token(Code::AmPmLetter, 1);
      case u'A':
        return token(Code::CapsLock, 1);
      case u'N':
        return token(Code::NumLock, 1);
      case u'S':
        return token(Code::ScrollLock, 1);
      case u'Z':
        return upperZone();
      case u'z':
        return lowerZone();
      default:
        break;
    }
    literal(c);
    ++pos_;
  }

  // Backslash-t is a tab, backslash-n a line feed (nothing in a cell, which is one line), any
  // other escaped character itself. Returns false when the backslash ends the text.
  bool escapedCharacter() {
    if (pos_ + 1 >= text_.size()) {
      pos_ = text_.size();
      return false;
    }
    char16_t next = text_[pos_ + 1];
    if (next == u't') {
      literal(u'\t');
    } else if (next == u'n') {
      if (!cellMode_)
        literal(u'\n');
    } else {
      literal(next);
    }
    pos_ += 2;
    return true;
  }

  void escape() { escapedCharacter(); }

  void quotedRun(char16_t quote) {
    ++pos_;
    while (pos_ < text_.size()) {
      char16_t c = text_[pos_];
      if (c == quote) {
        ++pos_;
        return;
      }
      if (c == u'\\') {
        if (!escapedCharacter())
          return;
        continue;
      }
      literal(c);
      ++pos_;
    }
  }

  void split(char16_t c) {
    splitActedOn_ = true;
    ++pos_;
    if (c == u'<') {
      if (current_ == 0) {
        segments_.resize(2);
        current_ = 1;
      }
    } else if (current_ != 2) {
      segments_.resize(3);
      current_ = 2;
    }
  }

  void zoneSwitch() {
    if (at(1) != u'{')
      return literalAt();
    auto close = text_.find(u'}', pos_ + 2);
    if (close == std::u16string_view::npos)
      return literalAt();
    auto name = text_.substr(pos_ + 2, close - (pos_ + 2));
    while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == u' ') name.remove_suffix(1);

    std::uint16_t selector = 0;
    if (name.empty()) {
      selector = kZoneUtc;
    } else if (name == u".") {
      selector = kZoneLocal;
    } else {
      int index = zones_.indexByKey(name);
      if (index < 0 || index > kMaxZoneIndex) {
        // Unknown zone: an at sign shows that something is wrong; the name is dropped.
        literal(u'@');
        pos_ = close + 1;
        return;
      }
      selector = static_cast<std::uint16_t>(index);
    }
    auto& segment = segments_[current_];
    segment.push_back(kTokenMark);
    segment.push_back(static_cast<char16_t>(Code::ZoneSwitch));
    segment.push_back(static_cast<char16_t>(selector));
    pos_ = close + 1;
  }

  void literalAt() {
    literal(u'@');
    ++pos_;
  }

  // d, dd, ddd, dddd, dde, ddde, ddx, dddx, dn
  void day() {
    if (at(1) == u'n')
      return token(Code::WeekdayNumber, 2);
    if (at(1) != u'd')
      return token(Code::Day, 1);
    switch (at(2)) {
      case u'e':
        return token(Code::DayNameAbbrEnglish, 3);
      case u'x':
        return token(Code::DayNameAbbrList, 3);
      case u'd':
        switch (at(3)) {
          case u'e':
            return token(Code::DayNameEnglish, 4);
          case u'x':
            return token(Code::DayNameList, 4);
          case u'd':
            return token(Code::DayName, 4);
          default:
            return token(Code::DayNameAbbr, 3);
        }
      default:
        return token(Code::Day2, 2);
    }
  }

  // M, MM, MMM, MMMM, MME, MMME, MMX, MMMX
  void month() {
    if (at(1) != u'M')
      return token(Code::Month, 1);
    switch (at(2)) {
      case u'E':
        return token(Code::MonthNameAbbrEnglish, 3);
      case u'X':
        return token(Code::MonthNameAbbrList, 3);
      case u'M':
        switch (at(3)) {
          case u'E':
            return token(Code::MonthNameEnglish, 4);
          case u'X':
            return token(Code::MonthNameList, 4);
          case u'M':
            return token(Code::MonthName, 4);
          default:
            return token(Code::MonthNameAbbr, 3);
        }
      default:
        return token(Code::Month2, 2);
    }
  }

  void year() {
    if (runOf(u'y', 4))
      return token(Code::Year4, 4);
    if (runOf(u'y', 2))
      return token(Code::Year2, 2);
    literal(u'y');
    ++pos_;
  }

  void doubled(char16_t letter, Code single, Code twice) {
    if (at(1) == letter)
      return token(twice, 2);
    token(single, 1);
  }

  // Z, ZZ, Zm, ZZm, ZA, Za, Zn, ZN
  void upperZone() {
    switch (at(1)) {
      case u'A':
      case u'a':
        return token(Code::ZoneAbbreviation, 2);
      case u'N':
        return token(Code::ZoneNameSpecial, 2);
      case u'n':
        return token(Code::ZoneName, 2);
      case u'm':
        return token(Code::BiasHoursMinusSign, 2);
      case u'Z':
        if (at(2) == u'm')
          return token(Code::BiasHours2MinusSign, 3);
        return token(Code::BiasHours2, 2);
      default:
        return token(Code::BiasHours, 1);
    }
  }

  // z, zz, zzz, zzm
  void lowerZone() {
    if (at(1) != u'z')
      return token(Code::BiasMinutes, 1);
    if (at(2) == u'm')
      return token(Code::BiasTotalMinusSign, 3);
    if (at(2) == u'z')
      return token(Code::BiasTotal, 3);
    token(Code::BiasMinutes2, 2);
  }

  std::u16string_view text_;
  CompiledFormat& segments_;
  bool cellMode_;
  const ZoneTable& zones_;
  std::size_t pos_ = 0;
  std::size_t current_ = 0;
  bool splitActedOn_ = false;
};

}  // namespace

bool compileFormat(std::u16string_view text, CompiledFormat& segments, bool cellMode,
                   const ZoneTable& zones) {
  return FormatCompiler(text, segments, cellMode, zones).run();
}

std::u16string wrapByAlignment(std::u16string_view text, char16_t alignment) {
  std::u16string body(text);
  if (alignment == u'<')
    return body + u"<";
  if (alignment == u'>')
    return u">" + body;
  return u"<" + body + u">";
}

CellFormat compileCellFormat(std::u16string_view text, char16_t alignment, const ZoneTable& zones) {
  CellFormat cell;
  if (compileFormat(text, cell.compiled, true, zones)) {
    cell.format = std::u16string(text);
  } else {
    cell.format = wrapByAlignment(text, alignment);
    compileFormat(cell.format, cell.compiled, true, zones);
  }
  return cell;
}

}  // namespace zembrik
