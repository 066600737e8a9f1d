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

// A plain top-level window of the test's own, destroyed with the test.
class TestWindow {
 public:
  TestWindow(int x, int y, int width, int height) {
    window_ = CreateWindowExA(0, "STATIC", "hostutil test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                              width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~TestWindow() {
    if (window_) DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// The harness reads INI values into 512 bytes; the registry test needs more.
std::string ReadLongIni(const e2e::HostHome& home, const char* section, const char* key) {
  std::string value(4096, '\0');
  value.resize(GetPrivateProfileStringA(section, key, "", value.data(),
                                        static_cast<DWORD>(value.size()), home.IniFile().c_str()));
  return value;
}

bool SamePos(const WindowPos& a, const WindowPos& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

WindowPos Junk() {
  WindowPos pos;
  std::memset(&pos, 0x5A, sizeof pos);
  return pos;
}

// ---------------------------------------------------------------- dialog slots

TEST(HostutilSlots, AWindowSetInASlotIsReadBackUntilCleared) {
  TestWindow editor(0, 0, 100, 100);
  SetGlobalDialogWnd(9, editor.get());
  SetGlobalDialogWnd(kDialogSlots, editor.get());  // out of range: ignored
  EXPECT_EQ(GetGlobalDialogWnd(9), editor.get());
  EXPECT_EQ(GetGlobalDialogWnd(8), nullptr);
  EXPECT_EQ(GetGlobalDialogWnd(kDialogSlots), nullptr);
  SetGlobalDialogWnd(9, nullptr);
  EXPECT_EQ(GetGlobalDialogWnd(9), nullptr);
}

// ---------------------------------------------------------------- INI strings

TEST(HostutilIni, StringsComeFromTheIniOrTheDefault) {
  e2e::HostHome home;
  home.WriteIni("TOVREX", "ULVOControl", "1");
  char buffer[20];
  EXPECT_EQ(GetIniString("TOVREX", "ULVOControl", "0", buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "1");
  EXPECT_EQ(GetIniString("TOVREX", "Missing", "dflt", buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, "dflt");
  EXPECT_EQ(GetIniString("Nowhere", "ULVOControl", nullptr, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(GetIniString(nullptr, "ULVOControl", "d", buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "d");
}

TEST(HostutilIni, LongTextIsCutToTheBufferAndTerminated) {
  e2e::HostHome home;
  const std::string longText(700, 'v');  // longer than any first read of the file
  home.WriteIni("TOVREX", "Long", longText.c_str());
  struct Case {
    int size;
    int expectedLength;
  };
  for (const Case c : {Case{20, 19}, Case{1, 0}, Case{701, 700}, Case{1000, 700}}) {
    SCOPED_TRACE(c.size);
    std::string buffer(static_cast<size_t>(c.size) + 8, '#');
    EXPECT_EQ(GetIniString("TOVREX", "Long", "", buffer.data(), c.size), c.expectedLength);
    EXPECT_EQ(std::strlen(buffer.c_str()), static_cast<size_t>(c.expectedLength));
    EXPECT_EQ(buffer.substr(static_cast<size_t>(c.size)), std::string(8, '#'));
  }
  // A default longer than the buffer is cut the same way.
  char small[4];
  EXPECT_EQ(GetIniString("TOVREX", "Missing", "abcdef", small, sizeof small), 3);
  EXPECT_STREQ(small, "abc");
  // No room at all: nothing is written.
  char none[2] = {'x', 'x'};
  EXPECT_EQ(GetIniString("TOVREX", "Long", "", none, 0), 0);
  EXPECT_EQ(GetIniString("TOVREX", "Long", "", none, -5), 0);
  EXPECT_EQ(none[0], 'x');
  EXPECT_EQ(GetIniString("TOVREX", "Long", "", nullptr, 20), 0);
}

TEST(HostutilIni, EveryCallFollowsTheCurrentHostHome) {
  e2e::HostHome first;
  first.WriteIni("TOVREX", "ULVOControl", "1");
  char buffer[20];
  GetIniString("TOVREX", "ULVOControl", "0", buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "1");
  {
    e2e::HostHome second;  // points GCHOST_HOME at an empty folder
    GetIniString("TOVREX", "ULVOControl", "0", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "0");
  }
  SetEnvironmentVariableA("GCHOST_HOME", first.Path().c_str());
  GetIniString("TOVREX", "ULVOControl", "0", buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "1");
}

// ---------------------------------------------------------------- window positions

TEST(HostutilPositions, AStoredPositionReadsBack) {
  e2e::HostHome home;
  const WindowPos stored{0, 1, 10, 20, 700, 480};
  EXPECT_NE(SetIniWindPos("GCDisplay", "Parent", &stored, 1), 0);
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "0,1,10,20,700,480");
  WindowPos read = Junk();
  EXPECT_NE(GetIniWindPos("GCDisplay", "Parent", 0, &read), 0);
  EXPECT_TRUE(SamePos(read, stored));

  const WindowPos offScreen{0, 1, -1200, -30, -200, 500};  // a monitor left of the main one
  SetIniWindPos("ULVODisplay", "Parent", &offScreen, 1);
  read = Junk();
  EXPECT_NE(GetIniWindPos("ULVODisplay", "Parent", 0, &read), 0);
  EXPECT_TRUE(SamePos(read, offScreen));
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "0,1,10,20,700,480");  // sections apart

  EXPECT_EQ(SetIniWindPos("GCDisplay", "Parent", &offScreen, 0), 0);  // not asked to write
  EXPECT_EQ(home.ReadIni("GCDisplay", "Parent"), "0,1,10,20,700,480");
}

TEST(HostutilPositions, MissingOrMalformedPositionsAreNotFound) {
  e2e::HostHome home;
  WindowPos read = Junk();
  EXPECT_EQ(GetIniWindPos("GCDisplay", "Parent", 0, &read), 0);
  EXPECT_TRUE(SamePos(read, Junk()));  // untouched
  for (const char* text :
       {"1,2,3", "0,1,10,20,700,480,9", "0,1,a,20,700,480", "0,1,10,20,700,9999999999"}) {
    SCOPED_TRACE(text);
    home.WriteIni("GCDisplay", "Parent", text);
    EXPECT_EQ(GetIniWindPos("GCDisplay", "Parent", 0, &read), 0);
    EXPECT_TRUE(SamePos(read, Junk()));
  }
}

TEST(HostutilPositions, ObtainWindPosReportsTheRectangleAndState) {
  TestWindow window(30, 40, 300, 200);
  ASSERT_NE(window.get(), nullptr);
  RECT rect;
  GetWindowRect(window.get(), &rect);
  WindowPos pos = Junk();
  EXPECT_NE(ObtainWindPos(window.get(), &pos), 0);
  EXPECT_TRUE(SamePos(pos, WindowPos{0, 1, rect.left, rect.top, rect.right, rect.bottom}));

  // Minimised: the state says so and the rectangle is still the one to restore to,
  // never the icon's parking place.
  ShowWindow(window.get(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(window.get()));
  pos = Junk();
  EXPECT_NE(ObtainWindPos(window.get(), &pos), 0);
  EXPECT_TRUE(SamePos(pos, WindowPos{0, 2, rect.left, rect.top, rect.right, rect.bottom}))
      << pos.left << "," << pos.top << "," << pos.right << "," << pos.bottom;

  ShowWindow(window.get(), SW_MAXIMIZE);
  pos = Junk();
  EXPECT_NE(ObtainWindPos(window.get(), &pos), 0);
  EXPECT_EQ(pos.showState, 3);
}

TEST(HostutilPositions, ObtainWindPosOfNoWindowGivesZeros) {
  HWND gone;
  {
    TestWindow window(0, 0, 50, 50);
    gone = window.get();
  }
  for (HWND window : {HWND{}, gone}) {
    WindowPos pos = Junk();
    EXPECT_EQ(ObtainWindPos(window, &pos), 0);
    EXPECT_TRUE(SamePos(pos, WindowPos{}));
  }
  EXPECT_EQ(ObtainWindPos(nullptr, nullptr), 0);
}

// ---------------------------------------------------------------- file registry

GlobalFileEntry FilledEntry() {
  GlobalFileEntry entry;
  std::memset(&entry, '#', sizeof entry);
  return entry;
}

GlobalFileEntry EntryFor(const char* directory, const char* name, const char* extension) {
  GlobalFileEntry entry{};
  std::strcpy(entry.directory, directory);
  std::strcpy(entry.fileName, name);
  std::strcpy(entry.extension, extension);
  return entry;
}

TEST(HostutilFileRegistry, ARegisteredFileReadsBackSplit) {
  struct Case {
    const char* directory;
    const char* name;
    const char* extension;
    const char* stored;
    const char* directoryRead;  // no trailing backslash unless a root
  };
  const Case cases[] = {
      {R"(C:\data)", "methods", "db", R"(C:\data\methods.db)", R"(C:\data)"},
      {R"(C:\data\)", "methods", "db", R"(C:\data\methods.db)", R"(C:\data)"},
      {R"(C:\)", "methods", "db", R"(C:\methods.db)", R"(C:\)"},
      {R"(D:\gc\run.2)", "inlet", "", R"(D:\gc\run.2\inlet)", R"(D:\gc\run.2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    e2e::HostHome home;
    const GlobalFileEntry in = EntryFor(c.directory, c.name, c.extension);
    EXPECT_NE(SetGlobalFile("SystemList", "GC_DB", &in, 1), 0);
    EXPECT_EQ(home.ReadIni("SystemList", "GC_DB"), c.stored);

    GlobalFileEntry out = FilledEntry();
    EXPECT_NE(GetGlobalFile("SystemList", "GC_DB", &out, &out), 0);
    EXPECT_STREQ(out.directory, c.directoryRead);
    EXPECT_STREQ(out.fileName, c.name);
    EXPECT_STREQ(out.extension, c.extension);
    EXPECT_EQ(out.word1, 0);
    EXPECT_EQ(out.word2, 0);
    EXPECT_EQ(out.reserved, FilledEntry().reserved);  // not the library's to touch
  }
}

TEST(HostutilFileRegistry, AnUnregisteredFileGivesEmptyFields) {
  e2e::HostHome home;
  GlobalFileEntry out = FilledEntry();
  EXPECT_EQ(GetGlobalFile("SystemList", "GC_DB", &out, &out), 0);
  EXPECT_STREQ(out.directory, "");
  EXPECT_STREQ(out.fileName, "");
  EXPECT_STREQ(out.extension, "");
  EXPECT_EQ(out.word1, 0);
  EXPECT_EQ(out.word2, 0);
  EXPECT_EQ(GetGlobalFile("SystemList", "GC_DB", nullptr, nullptr), 0);
}

TEST(HostutilFileRegistry, AnOverlongRegisteredPathIsCutIntoTheFields) {
  e2e::HostHome home;
  const std::string directory = "C:\\" + std::string(300, 'd');
  const std::string name(300, 'n');
  home.WriteIni("SystemList", "GC_DB", (directory + "\\" + name + ".db").c_str());
  GlobalFileEntry out = FilledEntry();
  EXPECT_NE(GetGlobalFile("SystemList", "GC_DB", &out, &out), 0);
  EXPECT_EQ(std::string(out.directory), directory.substr(0, 259));
  EXPECT_EQ(std::string(out.fileName), name.substr(0, 255));
  EXPECT_STREQ(out.extension, "db");
  EXPECT_EQ(out.word1, 0);  // the cut did not run into the words after the fields
}

TEST(HostutilFileRegistry, UnterminatedFieldsAreReadNoFurtherThanTheirEnd) {
  e2e::HostHome home;
  GlobalFileEntry in = FilledEntry();  // every field full of '#', no terminator anywhere
  in.word1 = 0x41414141;
  EXPECT_NE(SetGlobalFile("SystemList", "GC_DB", &in, 1), 0);
  EXPECT_EQ(ReadLongIni(home, "SystemList", "GC_DB"),
            std::string(260, '#') + "\\" + std::string(256, '#') + "." + std::string(258, '#'));
}

// ---------------------------------------------------------------- messages

TEST(HostutilMessages, Code9ShowsTheCaptionAndTextGiven) {
  e2e::DialogAnswerer answerer;
  answerer.Press(IDOK);
  EXPECT_EQ(MsgReport(kMsgCustom, "TOVREX", "Zone 1 Temperature \n\nAllowed Range is 0 to 450"),
            IDOK);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, "TOVREX");
  EXPECT_EQ(answerer.Seen()[0].text, "Zone 1 Temperature \n\nAllowed Range is 0 to 450");
  EXPECT_EQ(answerer.Unexpected(), 0);
}

TEST(HostutilMessages, Codes4And8NameTheirItem) {
  e2e::DialogAnswerer answerer;
  answerer.Press(IDOK);
  answerer.Press(IDOK);
  EXPECT_EQ(MsgReport(kMsgValueOutOfRange, "Purge Time"), IDOK);
  EXPECT_EQ(MsgReport(kMsgDatabaseNotOpened, "GC DataBase"), IDOK);
  ASSERT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(answerer.Seen()[0].caption, "GC Host");
  EXPECT_NE(answerer.Seen()[0].text.find("Purge Time"), std::string::npos);
  EXPECT_NE(answerer.Seen()[0].text.find("out of range"), std::string::npos);
  EXPECT_EQ(answerer.Seen()[1].caption, "GC Host");
  EXPECT_NE(answerer.Seen()[1].text.find("GC DataBase"), std::string::npos);
  EXPECT_NE(answerer.Seen()[1].text.find("could not be opened"), std::string::npos);
  EXPECT_EQ(answerer.Unexpected(), 0);
}

TEST(HostutilMessages, AnUnknownCodeShowsNothing) {
  e2e::DialogAnswerer answerer;
  EXPECT_EQ(MsgReport(5, "x", "y"), 0);
  EXPECT_EQ(MsgReport(0), 0);
  EXPECT_TRUE(answerer.Seen().empty());
}

TEST(HostutilMessages, TheBoxIsOwnedByTheActiveWindow) {
  TestWindow editor(100, 100, 300, 200);
  SetActiveWindow(editor.get());
  ASSERT_EQ(GetActiveWindow(), editor.get());
  e2e::DialogAnswerer answerer;
  HWND owner = nullptr;
  answerer.Then([&owner](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    e2e::DialogAnswerer::Click(box, IDOK);
  });
  MsgReport(kMsgCustom, "TOVREX", "modal");
  EXPECT_EQ(owner, editor.get());
}

// ---------------------------------------------------------------- file dialogs

FileRequest RequestFor(const char* title, const std::string& directory, const char* name,
                       const char* extension) {
  FileRequest request;
  std::memset(&request, '#', sizeof request);  // the first 8 bytes are never the caller's
  std::strcpy(request.title, title);
  std::strcpy(request.directory, directory.c_str());
  std::strcpy(request.fileName, name);
  std::strcpy(request.extension, extension);
  return request;
}

void MakeFile(const std::string& path) { std::ofstream(path) << "x"; }

TEST(HostutilFileDialogs, OpenReturnsTheChosenFileSplit) {
  e2e::HostHome home;
  MakeFile(home.File("chosen.db"));
  FileRequest request = RequestFor("Open", home.Path(), "methods", "db");
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

TEST(HostutilFileDialogs, OpenInsistsOnAFileThatExists) {
  e2e::HostHome home;
  FileRequest request = RequestFor("Open", home.Path(), "methods", "db");
  const FileRequest before = request;
  e2e::DialogAnswerer answerer;
  HWND fileDialog = nullptr;
  answerer.Then([&fileDialog](HWND dialog) {
    fileDialog = dialog;
    SetWindowTextA(e2e::FileNameField(dialog), "absent.db");
    e2e::DialogAnswerer::Click(dialog, IDOK);
  });
  // The dialog refuses the name with a box of its own; the user then gives up.
  answerer.Then([&fileDialog](HWND box) {
    e2e::DialogAnswerer::Click(box, IDOK);
    e2e::DialogAnswerer::Click(fileDialog, IDCANCEL);
  });
  EXPECT_EQ(GenGetNormalFile(GetModuleHandleA(nullptr), nullptr, &request), 0);
  EXPECT_EQ(answerer.Seen().size(), 2u);
  EXPECT_EQ(std::memcmp(&request, &before, sizeof request), 0);
  EXPECT_EQ(answerer.Unexpected(), 0);
}

TEST(HostutilFileDialogs, CancelLeavesTheRequestUntouched) {
  e2e::HostHome home;
  for (auto dialog : {GenGetNormalFile, GenSetNormalFile}) {
    FileRequest request = RequestFor("Save File As", home.Path(), "methods", "db");
    const FileRequest before = request;
    e2e::DialogAnswerer answerer;
    answerer.Press(IDCANCEL);
    EXPECT_EQ(dialog(GetModuleHandleA(nullptr), nullptr, &request), 0);
    EXPECT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(std::memcmp(&request, &before, sizeof request), 0);
  }
}

TEST(HostutilFileDialogs, SaveAddsTheDefaultExtensionAndNeverAsksToOverwrite) {
  e2e::HostHome home;
  MakeFile(home.File("existing.db"));
  struct Case {
    const char* typed;
    const char* name;
    const char* extension;
  };
  for (const Case c : {Case{"fresh", "fresh", "db"}, Case{"existing.db", "existing", "db"},
                       Case{"other.txt", "other", "txt"}}) {
    SCOPED_TRACE(c.typed);
    FileRequest request = RequestFor("Save File As", home.Path(), "methods", "db");
    e2e::DialogAnswerer answerer;
    std::string initial;
    e2e::AnswerFileDialog(answerer, c.typed, &initial);
    EXPECT_EQ(GenSetNormalFile(GetModuleHandleA(nullptr), nullptr, &request), 1);
    ASSERT_EQ(answerer.Seen().size(), 1u);  // no "replace it?" question
    EXPECT_EQ(answerer.Seen()[0].caption, "Save File As");
    EXPECT_EQ(initial, "methods.db");
    EXPECT_STREQ(request.directory, home.Path().c_str());
    EXPECT_STREQ(request.fileName, c.name);
    EXPECT_STREQ(request.extension, c.extension);
    EXPECT_EQ(answerer.Unexpected(), 0);
  }
}

TEST(HostutilFileDialogs, UnterminatedRequestFieldsAreReadNoFurtherThanTheirEnd) {
  FileRequest request;
  std::memset(&request, 'T', sizeof request);  // no terminator in any field
  const FileRequest before = request;
  e2e::DialogAnswerer answerer;
  answerer.Press(IDCANCEL);
  EXPECT_EQ(GenGetNormalFile(GetModuleHandleA(nullptr), nullptr, &request), 0);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, std::string(30, 'T'));
  EXPECT_EQ(std::memcmp(&request, &before, sizeof request), 0);
  EXPECT_EQ(GenGetNormalFile(GetModuleHandleA(nullptr), nullptr, nullptr), 0);
}

}  // namespace
