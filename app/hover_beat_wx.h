#pragma once

#include <functional>
#include <memory>

namespace tessaly {

// The beat of the hover poll. It runs only between start() and stop(), and a beat costs only
// what the callback does: unlike a toolkit timer, it does not set off the toolkit's idle pass
// over every window of the program, whose cost grows with the form.
class HoverBeat {
  public:
    explicit HoverBeat(std::function<void()> onBeat);
    ~HoverBeat();
    HoverBeat(const HoverBeat&) = delete;
    HoverBeat& operator=(const HoverBeat&) = delete;

    // Starts beating every `milliseconds`; does nothing when it already runs.
    void start(int milliseconds);
    void stop();
    bool running() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tessaly
