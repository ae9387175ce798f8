#include "tools/standin_taskbar/standin_options.h"

#include <charconv>

namespace standin {
namespace {

constexpr int kMaxThickness = 1000;
constexpr int kMaxCoordinate = 32767;  // rectangles travel as signed 16-bit halves

std::optional<int> parseInt(std::string_view text, int low, int high) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size())
    return std::nullopt;
  if (value < low || value > high)
    return std::nullopt;
  return value;
}

std::optional<Rect> parseRect(std::string_view text) {
  int values[4] = {};
  for (int i = 0; i < 4; ++i) {
    auto comma = text.find(',');
    bool last = i == 3;
    if (last != (comma == std::string_view::npos))
      return std::nullopt;
    auto part = last ? text : text.substr(0, comma);
    auto value = parseInt(part, -kMaxCoordinate, kMaxCoordinate);
    if (!value)
      return std::nullopt;
    values[i] = *value;
    if (!last)
      text.remove_prefix(comma + 1);
  }
  Rect rect{values[0], values[1], values[2], values[3]};
  if (rect.width() <= 0 || rect.height() <= 0)
    return std::nullopt;
  return rect;
}

std::optional<Background> parseBackground(std::string_view text) {
  if (text == "flat")
    return Background::Flat;
  if (text == "gradient")
    return Background::Gradient;
  if (text == "pattern")
    return Background::Pattern;
  return std::nullopt;
}

// Applies one argument; returns an error text or empty.
std::string applyArgument(std::string_view arg, Options& options) {
  auto equals = arg.find('=');
  auto name = arg.substr(0, equals);
  auto value = equals == std::string_view::npos ? std::string_view{} : arg.substr(equals + 1);
  bool hasValue = equals != std::string_view::npos;
  auto bad = [&] {
    return "bad value for " + std::string(name) + ": '" + std::string(value) + "'";
  };

  if (!hasValue) {
    if (name == "--show-desktop")
      options.showDesktop = true;
    else if (name == "--no-show-desktop")
      options.showDesktop = false;
    else if (name == "--classic")
      options.classic = true;
    else if (name == "--generation7")
      options.generation7 = true;
    else if (name == "--translucent")
      options.translucent = true;
    else if (name == "--help" || name == "-h")
      options.help = true;
    else
      return "unknown option '" + std::string(arg) + "'";
    return {};
  }
  if (name == "--edge") {
    auto edge = parseEdge(value);
    if (!edge)
      return bad();
    options.edge = *edge;
  } else if (name == "--thickness") {
    auto thickness = parseInt(value, 1, kMaxThickness);
    if (!thickness)
      return bad();
    options.thickness = *thickness;
  } else if (name == "--secondary") {
    auto rect = parseRect(value);
    if (!rect)
      return bad();
    options.secondaries.push_back(*rect);
  } else if (name == "--secondary-on") {
    auto comma = value.find(',');
    auto monitor = parseInt(value.substr(0, comma), 0, 63);
    auto edge = comma == std::string_view::npos ? std::optional<Edge>(Edge::Bottom)
                                                : parseEdge(value.substr(comma + 1));
    if (!monitor || !edge)
      return bad();
    options.secondariesOn.push_back({*monitor, *edge});
  } else if (name == "--background") {
    auto background = parseBackground(value);
    if (!background)
      return bad();
    options.background = *background;
  } else if (name == "--timeout") {
    auto seconds = parseInt(value, 1, 24 * 3600);
    if (!seconds)
      return bad();
    options.timeoutSeconds = *seconds;
  } else {
    return "unknown option '" + std::string(arg) + "'";
  }
  return {};
}

}  // namespace

std::optional<Edge> parseEdge(std::string_view text) {
  if (text == "bottom")
    return Edge::Bottom;
  if (text == "top")
    return Edge::Top;
  if (text == "left")
    return Edge::Left;
  if (text == "right")
    return Edge::Right;
  return std::nullopt;
}

int defaultThickness(Edge edge) {
  return isVertical(edge) ? 62 : 40;
}

int effectiveThickness(const Options& options) {
  return options.thickness > 0 ? options.thickness : defaultThickness(options.edge);
}

ParsedOptions parseOptions(const std::vector<std::string_view>& args) {
  ParsedOptions parsed;
  for (auto arg : args) {
    parsed.error = applyArgument(arg, parsed.options);
    if (!parsed.error.empty())
      break;
  }
  return parsed;
}

std::string usageText() {
  return "usage: standin_taskbar [--edge=bottom|top|left|right] [--thickness=N]\n"
         "       [--secondary=L,T,R,B]... [--secondary-on=N[,edge]]...\n"
         "       [--show-desktop|--no-show-desktop] [--classic]\n"
         "       [--generation7] [--translucent] [--background=flat|gradient|pattern]\n"
         "       [--timeout=S]\n";
}

}  // namespace standin
