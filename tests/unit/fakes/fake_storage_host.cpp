#include "fakes/fake_storage_host.h"

#include <cstring>

namespace {

template <size_t N>
void Put(char (&field)[N], const std::string& text) {
  std::strncpy(field, text.c_str(), N - 1);
  field[N - 1] = '\0';
}

template <size_t N>
std::string Get(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

template <class Block>
std::string Names(const Block& block) {
  return Get(block.directory) + "|" + Get(block.fileName) + "|" + Get(block.extension);
}

}  // namespace

void FakeStorageHost::SetRegistry(const char* directory, const char* name, const char* extension) {
  registry = {};
  Put(registry.directory, directory);
  Put(registry.fileName, name);
  Put(registry.extension, extension);
}

void FakeStorageHost::GetGlobalFile(GlobalFileEntry& entry) {
  const bool cleared = entry.directory[0] == 0 && entry.fileName[0] == 0 &&
                       entry.extension[0] == 0 && entry.word1 == 0 && entry.word2 == 0;
  calls.push_back(cleared ? "GetGlobalFile" : "GetGlobalFile on an uncleared entry");
  entry = registry;
}

void FakeStorageHost::SetGlobalFile(const GlobalFileEntry& entry) {
  calls.push_back("SetGlobalFile " + Names(entry));
  registry = entry;
}

int FakeStorageHost::RunDialog(const char* name, int result, WindowRef owner,
                               FileRequest& request) {
  calls.push_back(std::string(name) + " " + std::to_string(owner) + " " + Get(request.title) + " " +
                  Names(request));
  dialogRequests.push_back(request);
  if (result != 0) {
    Put(request.directory, chosenDirectory);
    Put(request.fileName, chosenName);
    Put(request.extension, chosenExtension);
  }
  return result;
}

int FakeStorageHost::GenGetNormalFile(WindowRef owner, FileRequest& request) {
  return RunDialog("GenGetNormalFile", openDialogResult, owner, request);
}

int FakeStorageHost::GenSetNormalFile(WindowRef owner, FileRequest& request) {
  return RunDialog("GenSetNormalFile", saveDialogResult, owner, request);
}

void FakeStorageHost::ReportDatabaseNotOpened(std::string_view name) {
  calls.push_back("MsgReport 8 " + std::string(name));
}

int FakeStorageHost::DB3Open(int database, int reserved, int mode) {
  calls.push_back("DB3Open " + std::to_string(database) + " " + std::to_string(reserved) + " " +
                  std::to_string(mode));
  const auto found = openResult.find(mode);
  return found == openResult.end() ? 0 : found->second;
}

int FakeStorageHost::DB3HandleRecord(int database, int number, void* buffer, int operation,
                                     int flag) {
  calls.push_back("DB3HandleRecord " + std::to_string(database) + " " + std::to_string(number) +
                  " " + std::to_string(operation) + " " + std::to_string(flag));
  if (operation == 3) {
    std::memcpy(record.bytes.data(), buffer, kMethodRecordSize);
    ++stores;
    return storeResult;
  }
  if (fetchResult == 0) std::memcpy(buffer, record.bytes.data(), kMethodRecordSize);
  return fetchResult;
}

int FakeStorageHost::DB3Close(int database) {
  calls.push_back("DB3Close " + std::to_string(database));
  return closeResult;
}

int FakeStorageHost::LogEvent(int a, int b, int c, std::string_view text, int d) {
  calls.push_back("LogEvent " + std::to_string(a) + " " + std::to_string(b) + " " +
                  std::to_string(c) + " " + std::to_string(d));
  auditTexts.emplace_back(text);
  return 0;
}
