// auditverify [trail]: checks an audit trail (default: audit.log in GCHOST_HOME) and
// names its first broken entry. Exit code 0 intact, 1 broken, 2 unreadable.
#include <cstdio>
#include <string>

#include "audit/core/audit_chain.h"
#include "sha256.h"
#include "trail_file.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: auditverify [audit.log]\n");
    return 2;
  }
  const std::string path = argc == 2 ? argv[1] : audit::TrailPath();
  std::string trail;
  if (path.empty() || !audit::ReadTrail(path, trail)) {
    std::fprintf(stderr, "auditverify: cannot read %s\n", path.c_str());
    return 2;
  }
  const audit::TrailCheck check = audit::VerifyTrail(trail, audit::Sha256);
  std::printf("%s: %s\n", path.c_str(), audit::DescribeCheck(check).c_str());
  return check.intact ? 0 : 1;
}
