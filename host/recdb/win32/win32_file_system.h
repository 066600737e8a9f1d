// The record database's file operations on the Windows file system.
#pragma once

#include "recdb/core/file_system.h"

namespace recdb {

class Win32FileSystem final : public FileSystem {
 public:
  FileError ReadAll(const std::string& path, std::size_t maxBytes,
                    std::vector<uint8_t>& content) override;
  FileError WriteDurably(const std::string& path, std::span<const uint8_t> content) override;
  FileError ReplaceWith(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;
};

}  // namespace recdb
