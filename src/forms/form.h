// Base class of every window model: its controls as plain state, its geometry and caption, and
// the table that routes a control's event to the window's handler of that name.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "control.h"

namespace forms {

class Platform;
class WindowRegistry;
class RandomSource;

// What every window can reach: the desktop, the other windows and the random source.
struct Runtime {
    Platform& platform;
    WindowRegistry& windows;
    RandomSource& random;
};

enum class MousePointer { Default, Hourglass };

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

    // Controls, in the order they were declared (the view walks them in that order).
    Control& c(const QString& name, int index = -1);
    const Control& c(const QString& name, int index = -1) const;
    bool has(const QString& name, int index = -1) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // A control that should take the keyboard focus; the view hands it over and clears it.
    QString focusRequest;
    void setFocus(const QString& name, int index = -1) { focusRequest = controlKey(name, index); }
    // The control that has the keyboard focus, as the view last reported it.
    QString activeControl;

    // Events, entered by the view or by tests. Each runs the handler to its end; windows that a
    // handler unloads are destroyed only once the outermost event has finished.
    void click(const QString& name, int index = -1);
    void timer(const QString& name);
    // The window sees a key before its controls do; a handler may change it or set it to 0 to
    // swallow it. Returns the key the focused control should receive.
    QChar keyPress(QChar key);
    // An edit box's own key hook (only for edits with substitutesKeys).
    QChar editKeyPress(const QString& name, QChar key);
    // The learner typed into an edit box: the model takes the new text.
    void editChanged(const QString& name, const QString& text);
    // The user closed the window with its close box.
    void closeBox();

    // Whether the control answers clicks (a label with a handler shows a pointing hand).
    bool handlesClick(const QString& name) const {
        return clicks_.count(name) != 0 || indexedClicks_.count(name) != 0;
    }

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
    Control& addItem(const QString& name, const QString& caption = {}, int index = -1) {
        return add(ControlKind::MenuItem, name, caption, index);
    }

    void onClick(const QString& name, std::function<void()> handler);
    void onClickIndexed(const QString& name, std::function<void(int)> handler);
    void onTimer(const QString& name, std::function<void()> handler);
    void onKeyPress(std::function<void(QChar&)> handler) { keyPress_ = std::move(handler); }
    void onEditKeyPress(std::function<void(const QString&, QChar&)> handler) {
        editKeyPress_ = std::move(handler);
    }

    // Selects one option button and clears the others of the same frame (options are grouped by
    // the `frame` name given when they were added with addOption).
    Control& addOption(const QString& frame, const QString& name, const QString& caption = {});
    void selectOption(const QString& name);

    Runtime& rt;

private:
    template <typename F>
    void runEvent(F&& f);

    QString name_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<QString, Control*> byKey_;
    std::map<QString, QString> optionFrame_;
    std::map<QString, std::function<void()>> clicks_;
    std::map<QString, std::function<void(int)>> indexedClicks_;
    std::map<QString, std::function<void()>> timers_;
    std::function<void(QChar&)> keyPress_;
    std::function<void(const QString&, QChar&)> editKeyPress_;
};

}  // namespace forms
