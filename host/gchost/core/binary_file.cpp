// WriteBinaryFile over the standard library's streams.
#include "gchost/core/binary_file.h"

#include <cstdio>
#include <fstream>

namespace gchost {

bool WriteBinaryFile(const std::string& path, std::span<const uint8_t> bytes) {
  bool ok;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    ok = static_cast<bool>(out);
  }
  if (!ok) std::remove(path.c_str());
  return ok;
}

}  // namespace gchost
