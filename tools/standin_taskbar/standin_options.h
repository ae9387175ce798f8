#pragma once
// Command-line options of the stand-in taskbar (the list is in standin_protocol.h).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/standin_taskbar/standin_layout.h"
#include "tools/standin_taskbar/standin_protocol.h"

namespace standin {

enum class Background { Flat, Gradient, Pattern };

// --secondary-on=N[,edge]: a secondary taskbar on an edge of monitor N (0 the primary).
struct SecondaryOn {
  int monitor = 0;
  Edge edge = Edge::Bottom;
};

struct Options {
  Edge edge = Edge::Bottom;
  int thickness = 0;  // 0: the default of the orientation
  std::vector<Rect> secondaries;
  std::vector<SecondaryOn> secondariesOn;
  bool showDesktop = true;
  bool classic = false;
  bool generation7 = false;
  bool translucent = false;
  Background background = Background::Flat;
  int timeoutSeconds = 0;  // 0: none
  bool help = false;
};

struct ParsedOptions {
  Options options;
  std::string error;  // empty on success
};

ParsedOptions parseOptions(const std::vector<std::string_view>& args);

std::optional<Edge> parseEdge(std::string_view text);
int defaultThickness(Edge edge);
int effectiveThickness(const Options& options);

// The usage text printed for --help and after an error.
std::string usageText();

}  // namespace standin
