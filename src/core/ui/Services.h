// The status bar, message boxes and input boxes, as the engine sees them: the desktop program
// shows them with Qt, tests and the command line answer them.
#pragma once

#include <string>
#include <string_view>

namespace merrowin {

class StatusBar {
public:
    virtual ~StatusBar() = default;
    // Panels 1..5; panel 1 carries the progress texts.
    virtual void SetPanel(int panel, const std::string& text) = 0;
    virtual std::string Panel(int panel) const = 0;
};

enum class MessageButtons { Ok, OkCancel, YesNoCancel };
enum class MessageIcon { None, Information, Question, Exclamation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer Message(const std::string& title, const std::string& text,
                                  MessageButtons buttons, MessageIcon icon) = 0;
    // Title, prompt and default text; Cancel returns an empty text.
    virtual std::string Input(const std::string& title, const std::string& prompt,
                              const std::string& defaultText) = 0;
};

// A status bar that only remembers its panels (command line, tests).
class MemoryStatusBar : public StatusBar {
public:
    void SetPanel(int panel, const std::string& text) override;
    std::string Panel(int panel) const override;

private:
    std::string panels_[6];
};

} // namespace merrowin
