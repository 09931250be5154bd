#pragma once

#include "base/Host.h"

namespace velmora {

// The host of a command-line tool: messages go to standard error, one line per line of
// the message; questions take their defaults and nothing is shown on screen.
class StderrHost : public NullHost {
public:
    void showError(const std::string& text) override;
    void showInformation(const std::string& text) override;
};

}  // namespace velmora
