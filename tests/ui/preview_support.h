#pragma once

#include <functional>
#include <string>

namespace tessaly::test {

// Lets the toolkit process what is pending (sizes, paints, deferred deletions).
void processPending();

// Lets the toolkit work until done() holds or ms milliseconds have passed; returns done().
// A window manager maps windows asynchronously, so what depends on a shown window needs this.
bool waitUntil(const std::function<bool()>& done, int ms = 3000);

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
