#pragma once

#include <string>

namespace tessaly::test {

// Lets the toolkit process what is pending (sizes, paints, deferred deletions).
void processPending();

// Captures what is written to standard error (file descriptor 2) while it lives, so that a test
// can check that the toolkit printed no warning.
class StderrCapture {
  public:
    StderrCapture();
    ~StderrCapture();
    // Stops capturing (if still capturing) and returns what was written.
    std::string finish();

  private:
    int saved_ = -1;
    std::string path_;
};

}  // namespace tessaly::test
