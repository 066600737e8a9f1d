// A fresh host home folder (GCHOST_HOME) for one test, so that INI state, the method
// database and the audit trail of one test never leak into another.
#pragma once

#include <string>

namespace e2e {

class HostHome {
 public:
  HostHome();   // creates a new empty folder and points GCHOST_HOME at it
  ~HostHome();  // removes the folder and everything in it
  HostHome(const HostHome&) = delete;
  HostHome& operator=(const HostHome&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  std::string IniFile() const { return File("host.ini"); }
  void WriteIni(const char* section, const char* key, const char* value) const;
  std::string ReadIni(const char* section, const char* key) const;

 private:
  std::string path_;
};

}  // namespace e2e
