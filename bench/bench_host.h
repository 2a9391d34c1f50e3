#pragma once
// A Host that shows nothing and says yes, for benchmarks.

#include "platform/quiet_host.h"

namespace pw {

class BenchHost : public QuietHost {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    Answer Ask(const std::string&, Buttons) override { return Answer::Yes; }
};

} // namespace pw
