#pragma once

#include "base/Host.h"

namespace velmora {

// The host of the Qt program: German modal message boxes and input dialog centred over the
// active (or else the main) window, the application's wait cursor, its event pump and its end.
class QtHost : public Host {
public:
    void showError(const std::string& text) override;
    void showInformation(const std::string& text) override;
    // The address as a link that opens in the browser.
    void showInformationWithLink(const std::string& text, const std::string& url) override;
    bool askWarningYesNo(const std::string& text) override;
    UnsavedAnswer askSaveDiscardCancel(const std::string& text) override;
    std::optional<std::string> inputText(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    // Calls nest: the cursor returns after as many false as true calls.
    void setWaitCursor(bool busy) override;
    void processEvents() override;
    // Also works before the event loop has started: it ends as soon as it starts.
    void requestQuit() override;
};

}  // namespace velmora
