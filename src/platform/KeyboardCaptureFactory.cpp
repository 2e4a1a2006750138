#include "platform/KeyboardCapture.h"

namespace {
// Until a platform capture exists nothing is captured.
class NoKeyboardCapture : public KeyboardCapture
{
public:
    bool start(bool) override { return false; }
    void stop() override { }
    bool isSystemWide() const override { return false; }
};
} // namespace

std::unique_ptr<KeyboardCapture> CreateKeyboardCapture(QWidget *)
{
    return std::make_unique<NoKeyboardCapture>();
}
