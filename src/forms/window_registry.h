// The windows of the program by name: a window is created and loaded when it is first shown,
// and destroyed when it is unloaded. A view layer watches the registry to build and drop widgets.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace forms {

class Form;

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void created(Form&) {}    // before its load handler runs
    virtual void shown(Form&) {}
    virtual void hidden(Form&) {}
    virtual void destroying(Form&) {}
    virtual void eventFinished() {}   // the outermost event has ended: time to refresh the widgets
    virtual void programEnded() {}
};

class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    WindowRegistry();
    ~WindowRegistry();

    void define(const QString& name, Factory factory);
    bool isDefined(const QString& name) const { return factories_.count(name) != 0; }
    QStringList definedNames() const;
    void setObserver(WindowObserver* observer) { observer_ = observer; }

    // The loaded window of that name, or null.
    Form* find(const QString& name) const;
    template <typename T>
    T* findAs(const QString& name) const {
        return dynamic_cast<T*>(find(name));
    }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    bool isVisible(const QString& name) const;

    // Creates and loads the window if needed, without showing it.
    Form& load(const QString& name);
    // Loads the window if needed and shows it (not modally).
    Form& show(const QString& name);
    void hide(const QString& name);
    // Runs the unload handler and destroys the window; nothing if it is not loaded.
    void unload(const QString& name);
    // Ends the program at once: every window is dropped without any further handler running.
    void endProgram();
    bool ended() const { return ended_; }

    // Loaded windows, in the order they were created.
    QStringList loadedNames() const;

    // Event bracketing: windows unloaded during an event are destroyed when the outermost event ends.
    void beginEvent() { ++depth_; }
    void endEvent();

private:
    struct Entry {
        std::unique_ptr<Form> form;
        bool visible = false;
    };
    void flush();

    std::map<QString, Factory> factories_;
    std::vector<std::pair<QString, Entry>> loaded_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    WindowObserver* observer_ = nullptr;
    int depth_ = 0;
    bool ended_ = false;
};

}  // namespace forms
