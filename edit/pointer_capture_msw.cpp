#include "edit/pointer_capture_wx.h"

namespace tessaly {

namespace {

// Here the controls keep their presses: the press watch selects as before, and gadgets are moved
// and sized with the nudges and the fields.
class NoPointerCapture : public PointerCapture {
  public:
    bool works() const override { return false; }
    void watch(wxTopLevelWindow*) override {}
    void passClick() override {}
};

}  // namespace

std::unique_ptr<PointerCapture> makePointerCapture(PointerClient&) {
    return std::make_unique<NoPointerCapture>();
}

}  // namespace tessaly
