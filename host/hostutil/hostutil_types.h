// Byte layouts that the host's utility library shares with its callers. Plain C++ so
// that the plug-in's portable logic and the native tests can use them.
#pragma once

#include <cstddef>
#include <cstdint>

// A window-position record: six signed 32-bit words. Callers use left..bottom;
// the first two words are this library's own (see hostutil.h).
struct WindowPos {
  int32_t flags;
  int32_t showState;
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};
static_assert(sizeof(WindowPos) == 24);

// The file-registry entry that GetGlobalFile fills and SetGlobalFile takes (784 bytes).
struct GlobalFileEntry {
  uint16_t reserved;
  char directory[260];
  char fileName[256];   // without extension
  char extension[258];  // without the point
  int32_t word1;
  int32_t word2;
};
static_assert(sizeof(GlobalFileEntry) == 784);
static_assert(offsetof(GlobalFileEntry, directory) == 2);
static_assert(offsetof(GlobalFileEntry, fileName) == 262);
static_assert(offsetof(GlobalFileEntry, extension) == 518);
static_assert(offsetof(GlobalFileEntry, word1) == 776);
static_assert(offsetof(GlobalFileEntry, word2) == 780);

// The block handed to the file dialogs GenGetNormalFile / GenSetNormalFile. The first
// eight bytes belong to the library; callers fill the title and the three name parts,
// and on success the dialog leaves the chosen file in the same three fields.
struct FileRequest {
  char reserved[8];
  char title[30];
  char directory[260];
  char fileName[256];
  char extension[258];
};
static_assert(sizeof(FileRequest) == 812);
static_assert(offsetof(FileRequest, title) == 8);
static_assert(offsetof(FileRequest, directory) == 38);
static_assert(offsetof(FileRequest, fileName) == 298);
static_assert(offsetof(FileRequest, extension) == 554);

// Message codes of MsgReport.
enum HostMessageCode : int {
  kMsgValueOutOfRange = 4,      // one further argument: the offending item's name
  kMsgDatabaseNotOpened = 8,    // one further argument: the database's display name
  kMsgCustom = 9,               // two further arguments: caption, text
  kMsgDatabaseNotWritten = 10,  // two further arguments: the file, why (ends a sentence)
  kMsgPathTooLong = 11,         // one further argument: the path
};

// ftoa never writes more than this many bytes, terminating NUL included.
inline constexpr std::size_t kFtoaBufferSize = 64;
