#pragma once
// The Windows generation many behaviours switch on: 1 for the XP family up to 7 for Windows 10
// build 14291 and later.

namespace zembrik {

struct OsVersion {
  bool known = false;  // false when the system would not tell
  unsigned major = 0;
  unsigned minor = 0;
  unsigned build = 0;
};

// `previous` is kept for a major version the table does not know.
int osGenerationFor(const OsVersion& version, int previous);

}  // namespace zembrik
