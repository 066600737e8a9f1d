// How the layout learns the size of text: the Win32 part measures with a device
// context's font, the tests with a fixed-pitch stand-in.
#pragma once

#include <string_view>

namespace chartaxis {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int Width(std::string_view text) const = 0;  // pixels
  virtual int Height() const = 0;                      // pixels of one line
};

}  // namespace chartaxis
