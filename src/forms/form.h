// Base class of every window model: its controls as plain state, its geometry and caption, and
// the table that routes a control's event to the window's handler of that name.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "control.h"
#include "event_errors.h"

namespace base {
class RandomSource;
}

namespace forms {

class Platform;
class WindowRegistry;

// What every window can reach: the desktop, the other windows and the random source.
struct Runtime {
    Platform& platform;
    WindowRegistry& windows;
    base::RandomSource& random;
};

enum class MousePointer { Default, Hourglass };

// A control name that the window does not declare: a fault of the program, never of the user.
class UnknownControl : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class Form {
public:
    Form(QString name, Runtime& rt);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }

    // Window state the view mirrors.
    QString caption;
    int left = 0, top = 0, width = 0, height = 0;
    bool maximised = false;
    MousePointer pointer = MousePointer::Default;

    // Controls, in the order they were declared (the view walks them in that order). A name the
    // window does not declare throws UnknownControl in every build.
    Control& c(const QString& name, int index = -1);
    const Control& c(const QString& name, int index = -1) const;
    bool has(const QString& name, int index = -1) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Timer& timerControl(const QString& name);
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

    // A control that should take the keyboard focus; the view hands it over and clears it.
    QString focusRequest;
    void setFocus(const Control& control) { focusRequest = control.key(); }
    // The control that has the keyboard focus, as the view last reported it.
    QString activeControl;

    // Events, entered by the view or by tests. Each runs the handler to its end; windows that a
    // handler unloads are destroyed only once the outermost event has finished. An error that
    // escapes a handler ends the handler at the event boundary (see OnError).
    void click(const QString& name, int index = -1);
    void timer(const QString& name);
    // The window sees a key before its controls do; a handler may change it or set it to 0 to
    // swallow it. Returns the key the focused control should receive.
    QChar keyPress(QChar key);
    // An edit box's own key hook (only for edits with substitutesKeys).
    QChar editKeyPress(const QString& name, QChar key);
    // The user changed an edit box's text: the model takes the new text.
    void editChanged(const QString& name, const QString& text);
    // The user closed the window with its close box.
    void closeBox();

    // Whether a click on the control would reach its handler: the control and every menu that
    // holds it (see Control::menu) are enabled and visible.
    bool canBeChosen(const Control& control) const;
    // Whether the control answers clicks (a label with a handler shows a pointing hand).
    bool handlesClick(const QString& name) const;
    // The controls that have a click handler, by key ("mnuTopicItem" for a whole array).
    std::vector<QString> clickHandlerKeys() const;

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

protected:
    Control& add(ControlKind kind, const QString& name, const QString& caption = {}, int index = -1);
    Control& addLabel(const QString& name, const QString& caption = {}) {
        return add(ControlKind::Label, name, caption);
    }
    Control& addButton(const QString& name, const QString& caption = {}) {
        return add(ControlKind::Button, name, caption);
    }
    Control& addMenu(const QString& name, const QString& caption = {}) {
        return add(ControlKind::Menu, name, caption);
    }
    Control& addItem(const QString& name, const QString& caption = {}) {
        return add(ControlKind::MenuItem, name, caption);
    }
    // A menu control array: one item per caption, indexed from 0.
    ControlArray& addItems(const QString& name, const QStringList& captions);
    Timer& addTimer(const QString& name, int interval, bool enabled = true);
    // Option buttons are grouped by the frame given here; selecting one clears the others.
    Control& addOption(const Control& frame, const QString& name, const QString& caption = {});
    void selectOption(const Control& option);

    // Handlers are registered on the declared control itself, so a name cannot be mistyped.
    void onClick(const Control& control, std::function<void()> handler, OnError policy = OnError::Report);
    void onClick(const ControlArray& items, std::function<void(int)> handler,
                 OnError policy = OnError::Report);
    void onTimer(const Timer& timer, std::function<void()> handler, OnError policy = OnError::Report);
    template <typename W>
    void onClick(const Control& control, void (W::*handler)(), OnError policy = OnError::Report) {
        onClick(
            control, [this, handler] { (static_cast<W*>(this)->*handler)(); }, policy);
    }
    template <typename W>
    void onClick(const ControlArray& items, void (W::*handler)(int), OnError policy = OnError::Report) {
        onClick(
            items, [this, handler](int i) { (static_cast<W*>(this)->*handler)(i); }, policy);
    }
    template <typename W>
    void onTimer(const Timer& timer, void (W::*handler)(), OnError policy = OnError::Report) {
        onTimer(
            timer, [this, handler] { (static_cast<W*>(this)->*handler)(); }, policy);
    }
    void onKeyPress(std::function<void(QChar&)> handler, OnError policy = OnError::Report) {
        keyPress_ = {std::move(handler), policy};
    }
    void onEditKeyPress(std::function<void(const QString&, QChar&)> handler) {
        editKeyPress_ = std::move(handler);
    }

    Runtime& rt;

private:
    struct Handler {
        std::function<void()> run;
        OnError policy = OnError::Report;
    };
    struct IndexedHandler {
        std::function<void(int)> run;
        OnError policy = OnError::Report;
    };
    struct KeyHandler {
        std::function<void(QChar&)> run;
        OnError policy = OnError::Report;
    };
    void requireOwn(const Control& control) const;

    QString name_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<QString, Control*> byKey_;
    std::vector<std::unique_ptr<ControlArray>> arrays_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::map<const Control*, const Control*> optionFrame_;
    std::map<QString, Handler> clicks_;
    std::map<QString, IndexedHandler> indexedClicks_;
    std::map<QString, Handler> timerHandlers_;
    KeyHandler keyPress_;
    std::function<void(const QString&, QChar&)> editKeyPress_;
};

}  // namespace forms
