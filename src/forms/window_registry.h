// The windows of the program by name: a window is created and loaded when it is first shown,
// and destroyed when it is unloaded. A view layer watches the registry to build and drop widgets.
// The registry is also the event boundary: every event runs through runEvent.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "event_errors.h"

namespace forms {

class Form;

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void created(Form&) {}  // before its load handler runs
    virtual void shown(Form&) {}
    virtual void hidden(Form&) {}
    virtual void destroying(Form&) {}
    virtual void eventFinished() {}  // the outermost event has ended: time to refresh the widgets
    virtual void programEnded() {}
};

// A window name nobody defined: a fault of the program.
class UnknownWindow : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;
    // Tells the learner about an error that escaped a handler of `form` (null: no window).
    // Called inside the handler of the error, so std::current_exception() gives the error itself.
    using ErrorReporter = std::function<void(Form* form, const QString& what)>;

    WindowRegistry();
    ~WindowRegistry();

    void define(const QString& name, Factory factory);
    bool isDefined(const QString& name) const { return factories_.count(name) != 0; }
    QStringList definedNames() const;
    void setObserver(WindowObserver* observer) { observer_ = observer; }
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // The loaded window of that name, or null.
    Form* find(const QString& name) const;
    template <typename T>
    T* findAs(const QString& name) const {
        return dynamic_cast<T*>(find(name));
    }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    bool isVisible(const QString& name) const;

    // Creates and loads the window if needed, without showing it. Returns null when its load
    // handler unloaded it again. An undefined name throws UnknownWindow.
    Form* load(const QString& name);
    // Loads the window if needed and shows it (not modally); null as for load.
    Form* show(const QString& name);
    void hide(const QString& name);
    // Runs the unload handler and destroys the window; nothing if it is not loaded.
    void unload(const QString& name);
    // Ends the program at once: every window is dropped without any further handler running.
    void endProgram();
    bool ended() const { return ended_; }

    // Loaded windows, in the order they were created.
    QStringList loadedNames() const;

    // Runs one event of `form`: windows unloaded meanwhile are destroyed when the outermost
    // event ends, the view is refreshed then, and no exception leaves (see OnError). When the
    // last visible window has gone at the end of an event, the program ends.
    void runEvent(Form* form, OnError policy, const std::function<void()>& handler);
    // A handler is running: events from the desktop must wait (a modal box or a progress
    // dialog runs a nested event loop inside a handler).
    bool busy() const { return depth_ > 0; }

private:
    struct Entry {
        std::unique_ptr<Form> form;
        bool visible = false;
    };
    class EventScope;
    void endEvent();
    void report(Form* form, const QString& what);

    std::map<QString, Factory> factories_;
    std::vector<std::pair<QString, Entry>> loaded_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    WindowObserver* observer_ = nullptr;
    ErrorReporter reporter_;
    int depth_ = 0;
    bool ended_ = false;
    bool everShown_ = false;
};

}  // namespace forms
