// The few places where the quiz's logic meets the outside world. The window
// fills them with Qt; the tests fill them with recorders and fakes.
#pragma once

#include <string>

namespace orrinvale {

enum class BoxIcon { None, Warning };

// A modal message box with an OK button only. Returns when it is closed.
// While a box is open the board's buttons and actions do nothing: the mouse
// cannot reach them, and neither may a screen reader's actions or a second
// hand, which would change the board under the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    void show(const std::string& title, const std::string& text, BoxIcon icon)
    {
        ++open_;
        struct Closed {
            int& open;
            ~Closed() { --open; }
        } closed{open_};
        showModal(title, text, icon);
    }
    bool anyOpen() const { return open_ > 0; }

protected:
    virtual void showModal(const std::string& title, const std::string& text, BoxIcon icon) = 0;

private:
    int open_ = 0;
};

// Plays one sound clip at a time; a new clip cuts the one playing. Never
// reports a failure: a clip that cannot be played is silent.
class ClipPlayer {
public:
    virtual ~ClipPlayer() = default;
    virtual void play(const std::string& path) = 0;
};

// Lets a test make a chosen numbered step of a handler fail. `origin` is the
// handler's origin text and `line` the step's number.
class FaultHook {
public:
    virtual ~FaultHook() = default;
    virtual void beforeStep(const std::string& origin, int line) = 0;
};

// What the handlers share: where the program lives and what it is called.
struct AppInfo {
    std::string programFolder;  // without a trailing separator
    std::string title;          // the application title, set at start-up
    std::string supportAddress; // where players send screenshots of errors
};

} // namespace orrinvale

namespace orrinvale {

// The quiz window itself, as the handlers see it.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void unload() = 0;                          // closes the window
    virtual void setCaption(const std::string& text) = 0;
    virtual void setApplicationIcon() = 0;
    // Makes the cursor file the custom pointer, its hot spot at (x, y).
    // Raises a RuntimeError when the picture cannot be loaded.
    virtual void setMouseIcon(const std::string& path, int hotX, int hotY) = 0;
    virtual long long nativeHandle() = 0;
};

} // namespace orrinvale
