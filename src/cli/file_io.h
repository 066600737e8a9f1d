// What tovrex-method takes from the platform, one implementation per platform: a whole
// file read with a bound, a file replaced so that a failure leaves it as it was, and
// SHA-256. Errors are one line naming the path, what was being done and the system's
// own reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace method_tool {

// The whole file at `path` (UTF-8), refused beyond `maxBytes` so that a wrong argument
// cannot make the program read without limit.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& error);

// Puts `bytes` in the place of the file at `path` (UTF-8). (Not "ReplaceFile": <windows.h>
// makes that name a macro.) A regular file, or a path that
// does not exist yet, is written into a new file of its own in the same folder, flushed
// to the disk and then renamed over `path`: a failure at any step removes only that new
// file and leaves `path` exactly as it was. A symbolic link keeps pointing where it
// pointed, and the file it names is replaced. Anything that is not a regular file (a
// device, a pipe, a folder) is written into as it is and never removed or replaced. A
// file its owner made read-only is refused.
bool StoreFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

// The SHA-256 of `bytes` in lower-case hexadecimal (Debian's nettle; on Windows the
// system's BCrypt, as the audit library uses it). Empty when the provider fails.
std::string Sha256Hex(std::span<const uint8_t> bytes);

#ifdef _WIN32
// UTF-16 text from Windows as UTF-8 (the arguments, the system's messages); a lone
// surrogate becomes U+FFFD.
std::string Utf8FromWide(const wchar_t* text);
#endif

}  // namespace method_tool
