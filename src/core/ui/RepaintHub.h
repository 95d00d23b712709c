// The repaint hub: every change of the model ends with a repaint of the main window, which the
// engine asks for through this interface; the desktop program, tests and the command line
// implement it. The other windows that show the model register with it as listeners.
#pragma once

#include "ui/Canvas.h"
#include "ui/Services.h"

#include <string>
#include <vector>

namespace merrowin {

// A window that shows the model (the offsets grid, the Open window's labels, the nesting view):
// told after every repaint of the main window, it refreshes what it shows from the model. It
// reads the model there and never asks for another repaint.
class RepaintListener {
public:
    virtual ~RepaintListener() = default;
    virtual void ModelRepainted() = 0;
};

class RepaintHub {
public:
    RepaintHub() = default;
    RepaintHub(const RepaintHub&) = delete;
    RepaintHub& operator=(const RepaintHub&) = delete;
    virtual ~RepaintHub() = default;
    // The whole main window: the model steps (normalise, measure, derive the curves, rebuild the
    // perspective arrays), then the thumbnails, the status panel and the main view are painted,
    // then the listeners are told. Runs synchronously.
    virtual void RepaintWindow() = 0;
    // The main view alone (the perspective orientation survives it).
    virtual void RepaintMainView() = 0;
    // The main picture `Picture2` and the thumbnails `Picture1`(0..2), for drawing that stays
    // until the next repaint (waterplane outline, waterline on the thumbnails, heeled hull).
    virtual Canvas& MainPicture() = 0;
    virtual Canvas& Thumbnail(int index) = 0;

    // A window registers once (again: nothing changes) and removes itself before it goes.
    void AddListener(RepaintListener& listener);
    void RemoveListener(RepaintListener& listener);

protected:
    // Tells the listeners, in the order they registered, at the end of a repaint of the window. A
    // listener removed meanwhile is not told; a repaint asked for from a listener tells nobody.
    void NotifyListeners();

private:
    std::vector<RepaintListener*> listeners_;
    bool notifying_ = false;
};

// The services every handler reaches the user through.
struct UiServices {
    StatusBar& Status;
    Dialogs& Boxes;
    RepaintHub& Hub;
};

// A canvas that draws nothing, of a fixed size in pixels.
class NullCanvas : public Canvas {
public:
    NullCanvas(double width = 1600, double height = 1000) : width_(width), height_(height) {}
    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void Scale(double, double, double, double) override {}
    void Clear() override {}
    void Line(double, double, double, double, int) override {}
    void LineTo(double, double, int) override {}
    void Box(double, double, double, double, int) override {}
    void Dot(double, double, int) override {}
    void Circle(double, double, double, int) override {}
    void Text(std::string_view) override {}
    void PenWidth(int) override {}
    void InvertingPen(bool) override {}

private:
    double width_, height_;
};

// Dialogs that answer every message box with a fixed answer and every input box with queued
// answers (then Cancel): the command line and tests.
class ScriptedDialogs : public Dialogs {
public:
    MessageAnswer NextMessageAnswer = MessageAnswer::Ok;
    std::vector<std::string> InputAnswers; // taken from the front
    std::vector<std::string> Asked;        // title of every box shown, in order
    std::vector<std::string> Texts;        // the text of every message box, in order

    MessageAnswer Message(const std::string& title, const std::string& text, MessageButtons,
                          MessageIcon) override {
        Asked.push_back(title);
        Texts.push_back(text);
        return NextMessageAnswer;
    }
    std::string Input(const std::string& title, const std::string&, const std::string&) override {
        Asked.push_back(title);
        if (InputAnswers.empty()) {
            return {};
        }
        std::string answer = InputAnswers.front();
        InputAnswers.erase(InputAnswers.begin());
        return answer;
    }
};

} // namespace merrowin
