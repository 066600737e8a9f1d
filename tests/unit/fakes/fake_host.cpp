// The fake host's calls: each one logged, each answer taken from what the test set up.
#include "fakes/fake_host.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "storage/method_record.h"

namespace {

std::pair<std::string, std::string> Key(std::string_view section, std::string_view key) {
  return {std::string(section), std::string(key)};
}

template <size_t N>
std::string Get(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

template <size_t N>
void Put(char (&field)[N], std::string_view text) {
  const size_t length = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

template <class Block>
std::string Names(const Block& block) {
  return Get(block.directory) + "|" + Get(block.fileName) + "|" + Get(block.extension);
}

}  // namespace

GlobalFileEntry FileEntry(std::string_view directory, std::string_view name,
                          std::string_view extension) {
  GlobalFileEntry entry{};
  Put(entry.directory, directory);
  Put(entry.fileName, name);
  Put(entry.extension, extension);
  return entry;
}

void FakeHost::SetDialogSlot(int slot, WindowRef window) {
  slots[slot] = window;
  log.push_back("SetDialogSlot " + std::to_string(slot) + " " + std::to_string(window));
}

bool FakeHost::GetIniWindPos(std::string_view section, std::string_view key, WindowPos& pos) {
  log.push_back("GetIniWindPos " + std::string(section) + " " + std::string(key));
  const auto found = positions.find(Key(section, key));
  if (found == positions.end()) return false;
  pos = found->second;
  return true;
}

void FakeHost::SetIniWindPos(std::string_view section, std::string_view key, const WindowPos& pos) {
  positions[Key(section, key)] = pos;
  log.push_back("SetIniWindPos " + std::string(section) + " " + std::string(key));
}

WindowPos FakeHost::ObtainWindPos(WindowRef window) {
  log.push_back("ObtainWindPos " + std::to_string(window));
  return windowRects[window];
}

std::string FakeHost::GetIniString(std::string_view section, std::string_view key,
                                   std::string_view defaultText, int bufferSize) {
  log.push_back("GetIniString " + std::string(section) + " " + std::string(key));
  const auto found = ini.find(Key(section, key));
  std::string value(found == ini.end() ? defaultText : std::string_view(found->second));
  // The host copies into a buffer of bufferSize characters, terminator included.
  if (bufferSize <= 0) return "";
  if (value.size() >= static_cast<size_t>(bufferSize)) value.resize(bufferSize - 1);
  return value;
}

std::string FakeHost::Ftoa(double value, int decimals) {
  char buffer[kFtoaBufferSize];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

void FakeHost::ReportMessage(std::string_view caption, std::string_view text) {
  reported.emplace_back(caption, text);
  log.push_back("ReportMessage");
  if (whileReporting) whileReporting();
}

void FakeHost::ReportOutOfRange(std::string_view item) {
  log.push_back("ReportOutOfRange " + std::string(item));
}

void FakeHost::ReportDatabaseNotOpened(std::string_view name) {
  log.push_back("ReportDatabaseNotOpened " + std::string(name));
}

void FakeHost::GetGlobalFile(GlobalFileEntry& entry) {
  entry = globalFile;
  log.push_back("GetGlobalFile");
}

void FakeHost::SetGlobalFile(const GlobalFileEntry& entry) {
  globalFile = entry;
  log.push_back("SetGlobalFile " + Names(entry));
}

int FakeHost::RunFileDialog(const char* name, int result, WindowRef owner, FileRequest& request) {
  log.push_back(std::string(name) + " " + std::to_string(owner) + " " + Get(request.title) + " " +
                Names(request));
  if (result != 0) {
    Put(request.directory, Get(chosenFile.directory));
    Put(request.fileName, Get(chosenFile.fileName));
    Put(request.extension, Get(chosenFile.extension));
  }
  return result;
}

int FakeHost::GenGetNormalFile(WindowRef owner, FileRequest& request) {
  return RunFileDialog("GenGetNormalFile", openDialogResult, owner, request);
}

int FakeHost::GenSetNormalFile(WindowRef owner, FileRequest& request) {
  return RunFileDialog("GenSetNormalFile", saveDialogResult, owner, request);
}

int FakeHost::DB3Open(int database, int reserved, int mode) {
  log.push_back("DB3Open " + std::to_string(database) + " " + std::to_string(reserved) + " " +
                std::to_string(mode));
  const auto found = openResult.find(mode);
  return found == openResult.end() ? 0 : found->second;
}

int FakeHost::DB3HandleRecord(int database, int record, void* buffer, int operation, int flag) {
  log.push_back("DB3HandleRecord " + std::to_string(database) + " " + std::to_string(record) + " " +
                std::to_string(operation) + " " + std::to_string(flag));
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  if (operation == 3) {
    dbRecord.assign(bytes, bytes + kMethodRecordSize);
    return storeResult;
  }
  if (fetchResult != 0) return fetchResult;
  if (dbRecord.size() != kMethodRecordSize) return 1;
  std::memcpy(buffer, dbRecord.data(), kMethodRecordSize);
  return 0;
}

int FakeHost::DB3Close(int database) {
  log.push_back("DB3Close " + std::to_string(database));
  return closeResult;
}

int FakeHost::LogEvent(int a, int b, int c, std::string_view text, int d) {
  log.push_back("LogEvent " + std::to_string(a) + " " + std::to_string(b) + " " +
                std::to_string(c) + " " + std::to_string(d));
  auditTexts.emplace_back(text);
  return 0;
}
