#pragma once

#include <optional>
#include <string>

namespace velmora {

// The answer to the question before unsaved work would be replaced or closed.
enum class UnsavedAnswer { Save, Discard, Cancel };

// The platform services the planning core needs from its surroundings: message boxes,
// text input, the wait cursor, the event pump and the request to end the program.
// The Qt shell installs a real one; tests and command-line tools use NullHost or their own.
class Host {
public:
    virtual ~Host() = default;

    // Modal error box with a single OK button.
    virtual void showError(const std::string& text) = 0;
    // Modal information box with OK.
    virtual void showInformation(const std::string& text) = 0;
    // Information box with a web address the user can open (http or https only); without
    // links the address is shown as text on its own line.
    virtual void showInformationWithLink(const std::string& text, const std::string& url) {
        showInformation(text + "\n" + url);
    }
    // Modal warning with Yes/No; true for Yes.
    virtual bool askWarningYesNo(const std::string& text) = 0;
    // Modal warning with "Speichern" (the default), "Verwerfen" and "Abbrechen"; closing the
    // box cancels.
    virtual UnsavedAnswer askSaveDiscardCancel(const std::string& text) = 0;
    // Text input dialog; no value when the user cancels.
    virtual std::optional<std::string> inputText(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) = 0;
    virtual void setWaitCursor(bool busy) = 0;
    // Lets the window repaint during long work; may be called often.
    virtual void processEvents() = 0;
    // Ends the message loop at its next turn.
    virtual void requestQuit() = 0;
};

// Answers every question with its default and does nothing else.
class NullHost : public Host {
public:
    void showError(const std::string&) override {}
    void showInformation(const std::string&) override {}
    bool askWarningYesNo(const std::string&) override { return false; }
    UnsavedAnswer askSaveDiscardCancel(const std::string&) override {
        return UnsavedAnswer::Cancel;
    }
    std::optional<std::string> inputText(const std::string&, const std::string&,
                                         const std::string& initial) override {
        return initial;
    }
    void setWaitCursor(bool) override {}
    void processEvents() override {}
    void requestQuit() override {}
};

// The process-wide host; a NullHost until one is installed. The caller keeps ownership
// of an installed host and must reinstall nullptr (back to NullHost) before destroying it.
Host& host();
void installHost(Host* newHost);

// For its lifetime this thread's host is a NullHost. Work on a worker thread must not open
// dialogs, set the cursor or pump the window's events (the window's toolkit allows that on
// its own thread only); what it has to say it keeps for the window to show.
class NoHostOnThisThread {
public:
    NoHostOnThisThread();
    ~NoHostOnThisThread();
    NoHostOnThisThread(const NoHostOnThisThread&) = delete;
    NoHostOnThisThread& operator=(const NoHostOnThisThread&) = delete;

private:
    Host* FVorher;
};

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor() { host().setWaitCursor(true); }
    ~WaitCursor() { host().setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace velmora
