// hostutil.dll as the plug-in uses it, under Wine: the slot table, host.ini strings,
// positions and the file registry, the standard messages and the common file dialogs.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "harness/dialog_answerer.h"
#include "harness/file_dialog.h"
#include "harness/host_home.h"
#include "hostutil/hostutil.h"

namespace {

TEST(Hostutil, AWindowSetInASlotIsReadBackUntilCleared) {
  const HWND editor = GetDesktopWindow();
  SetGlobalDialogWnd(9, editor);
  SetGlobalDialogWnd(kDialogSlots, editor);  // out of range: ignored
  EXPECT_EQ(GetGlobalDialogWnd(9), editor);
  EXPECT_EQ(GetGlobalDialogWnd(8), nullptr);
  EXPECT_EQ(GetGlobalDialogWnd(kDialogSlots), nullptr);
  SetGlobalDialogWnd(9, nullptr);
  EXPECT_EQ(GetGlobalDialogWnd(9), nullptr);
}

// The text or the default, cut to size-1 characters and terminated; nothing is written
// past the buffer, nor at all when it has no room.
TEST(Hostutil, IniStringsComeFromTheIniOrTheDefaultCutToTheBuffer) {
  e2e::HostHome home;
  home.WriteIni("TOVREX", "ULVOControl", "1");
  const std::string longText(700, 'v');  // longer than any first read of the file
  home.WriteIni("TOVREX", "Long", longText.c_str());
  struct Case {
    const char* section;
    const char* key;
    const char* defaultText;
    int size;
    std::string want;
  };
  const Case cases[] = {
      {"TOVREX", "ULVOControl", "0", 20, "1"},
      {"TOVREX", "Missing", "dflt", 20, "dflt"},
      {"Nowhere", "ULVOControl", nullptr, 20, ""},
      {nullptr, "ULVOControl", "d", 20, "d"},
      {"TOVREX", "Missing", "abcdef", 4, "abc"},
      {"TOVREX", "Long", "", 20, longText.substr(0, 19)},
      {"TOVREX", "Long", "", 701, longText},
      {"TOVREX", "Long", "", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    std::string buffer(static_cast<size_t>(c.size) + 8, '#');
    EXPECT_EQ(GetIniString(c.section, c.key, c.defaultText, buffer.data(), c.size),
              static_cast<int>(c.want.size()));
    EXPECT_EQ(buffer.c_str(), c.want);
    EXPECT_EQ(buffer.substr(static_cast<size_t>(c.size)), std::string(8, '#'));
  }
  char none[2] = {'x', 'x'};
  for (int size : {0, -5}) EXPECT_EQ(GetIniString("TOVREX", "Long", "", none, size), 0);
  EXPECT_EQ(none[0], 'x');
  EXPECT_EQ(GetIniString("TOVREX", "Long", "", nullptr, 20), 0);
}

TEST(Hostutil, AStoredPositionReadsBackAndAMalformedOneIsNotFound) {
  e2e::HostHome home;
  WindowPos junk;
  std::memset(&junk, 0x5A, sizeof junk);
  WindowPos read = junk;
  EXPECT_EQ(GetIniWindPos("GCDisplay", "Parent", 0, &read), 0);  // missing

  const WindowPos stored{0, 1, -1200, -30, -200, 500};  // a monitor left of the main one
  EXPECT_NE(SetIniWindPos("GCDisplay", "Parent", &stored, 1), 0);
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "0,1,-1200,-30,-200,500");
  EXPECT_NE(GetIniWindPos("GCDisplay", "Parent", 0, &read), 0);
  EXPECT_EQ(std::memcmp(&read, &stored, sizeof read), 0);

  for (const char* text :
       {"1,2,3", "0,1,10,20,700,480,9", "0,1,a,20,700,480", "0,1,10,20,700,9999999999"}) {
    SCOPED_TRACE(text);
    home.WriteIni("GCDisplay", "Parent", text);
    read = junk;
    EXPECT_EQ(GetIniWindPos("GCDisplay", "Parent", 0, &read), 0);
    EXPECT_EQ(std::memcmp(&read, &junk, sizeof read), 0);  // untouched
  }
}

TEST(Hostutil, ARegisteredFileReadsBackSplit) {
  struct Case {
    const char* directory;
    const char* extension;
    const char* stored;
    const char* directoryRead;  // no trailing backslash unless a root
  };
  const Case cases[] = {
      {R"(C:\data\)", "db", R"(C:\data\methods.db)", R"(C:\data)"},
      {R"(C:\)", "db", R"(C:\methods.db)", R"(C:\)"},
      {R"(D:\gc\run.2)", "", R"(D:\gc\run.2\methods)", R"(D:\gc\run.2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    e2e::HostHome home;
    GlobalFileEntry entry{};
    std::strcpy(entry.directory, c.directory);
    std::strcpy(entry.fileName, "methods");
    std::strcpy(entry.extension, c.extension);
    EXPECT_NE(SetGlobalFile("SystemList", "GC_DB", &entry, 1), 0);
    EXPECT_EQ(home.ReadIni("SystemList", "GC_DB"), c.stored);

    std::memset(&entry, '#', sizeof entry);
    EXPECT_NE(GetGlobalFile("SystemList", "GC_DB", &entry, &entry), 0);
    EXPECT_STREQ(entry.directory, c.directoryRead);
    EXPECT_STREQ(entry.fileName, "methods");
    EXPECT_STREQ(entry.extension, c.extension);
    EXPECT_EQ(entry.word1 | entry.word2, 0);
  }
}

TEST(Hostutil, MessagesShowTheirCaptionAndNameTheirItem) {
  struct Case {
    int code;
    const char* first;
    const char* second;
    const char* caption;  // null: an unknown code, which shows nothing
    const char* text;     // what the box's text must hold
  };
  const Case cases[] = {
      {kMsgCustom, "TOVREX", "Zone 1\n\nAllowed Range is 0 to 450", "TOVREX",
       "Zone 1\n\nAllowed Range is 0 to 450"},
      {kMsgValueOutOfRange, "Purge Time", nullptr, "GC Host", "Purge Time"},
      {kMsgDatabaseNotOpened, "GC DataBase", nullptr, "GC Host", "GC DataBase"},
      {5, "x", "y", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    e2e::DialogAnswerer answerer;
    if (c.caption) answerer.Press(IDOK);
    EXPECT_EQ(MsgReport(c.code, c.first, c.second), c.caption ? IDOK : 0);
    ASSERT_EQ(answerer.Seen().size(), c.caption ? 1u : 0u);
    if (!c.caption) continue;
    EXPECT_EQ(answerer.Seen()[0].caption, c.caption);
    EXPECT_NE(answerer.Seen()[0].text.find(c.text), std::string::npos) << answerer.Seen()[0].text;
    EXPECT_EQ(answerer.Unexpected(), 0);
  }
}

FileRequest RequestFor(const std::string& directory) {
  FileRequest request;
  std::memset(&request, '#', sizeof request);  // the first 8 bytes are never the caller's
  std::strcpy(request.title, "Open");
  std::strcpy(request.directory, directory.c_str());
  std::strcpy(request.fileName, "methods");
  std::strcpy(request.extension, "db");
  return request;
}

TEST(Hostutil, OpenReturnsTheChosenFileSplitAndCancelLeavesTheRequestUntouched) {
  e2e::HostHome home;
  std::ofstream(home.File("chosen.db")) << "x";
  FileRequest request = RequestFor(home.Path());
  {
    e2e::DialogAnswerer answerer;
    std::string initial;
    e2e::AnswerFileDialog(answerer, "chosen.db", &initial);  // relative to the initial folder
    EXPECT_EQ(GenGetNormalFile(GetModuleHandleA(nullptr), nullptr, &request), 1);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].caption, "Open");
    EXPECT_EQ(initial, "methods.db");
    EXPECT_STREQ(request.directory, home.Path().c_str());
    EXPECT_STREQ(request.fileName, "chosen");
    EXPECT_STREQ(request.extension, "db");
    EXPECT_EQ(std::string(request.reserved, 8), std::string(8, '#'));
    EXPECT_EQ(answerer.Unexpected(), 0);
  }
  for (auto dialog : {GenGetNormalFile, GenSetNormalFile}) {
    request = RequestFor(home.Path());
    const FileRequest before = request;
    e2e::DialogAnswerer answerer;
    answerer.Press(IDCANCEL);
    EXPECT_EQ(dialog(GetModuleHandleA(nullptr), nullptr, &request), 0);
    EXPECT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(std::memcmp(&request, &before, sizeof request), 0);
  }
}

}  // namespace
