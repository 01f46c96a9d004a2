#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/shell_wx.h"

namespace tessaly {

// `tessaly --snapshot OUT.png FILE`: once the preview window is shown and painted, writes its
// client area as a PNG picture and reports 0, or 2 with a message when it cannot be written.
// The main window is hidden first: it stays on top and would cover the preview.
class Snapshot {
  public:
    virtual ~Snapshot() = default;
};
// False when the toolkit was built without a PNG encoder (as for Windows): --snapshot is refused.
bool canWriteSnapshots();
std::unique_ptr<Snapshot> takeSnapshot(Shell& shell, std::string path,
                                       std::function<void(int status, std::string message)> done);

}  // namespace tessaly
