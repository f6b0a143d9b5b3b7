// Control bookkeeping and event routing of the window base class.
#include "form.h"

#include "window_registry.h"

namespace forms {

Form::Form(QString name, Runtime& runtime) : rt(runtime), name_(std::move(name)) {}

Form::~Form() = default;

Control& Form::add(ControlKind kind, const QString& name, const QString& caption, int index) {
    auto control = std::make_unique<Control>();
    control->name = name;
    control->index = index;
    control->kind = kind;
    control->caption = caption;
    Control& ref = *control;
    byKey_[ref.key()] = &ref;
    controls_.push_back(std::move(control));
    return ref;
}

Control& Form::addOption(const QString& frame, const QString& name, const QString& caption) {
    Control& option = add(ControlKind::Option, name, caption);
    optionFrame_[name] = frame;
    return option;
}

Control& Form::c(const QString& name, int index) {
    auto it = byKey_.find(controlKey(name, index));
    Q_ASSERT_X(it != byKey_.end(), "Form::c", qPrintable(name_ + "." + controlKey(name, index)));
    return *it->second;
}

const Control& Form::c(const QString& name, int index) const { return const_cast<Form*>(this)->c(name, index); }

bool Form::has(const QString& name, int index) const { return byKey_.count(controlKey(name, index)) != 0; }

void Form::selectOption(const QString& name) {
    const QString frame = optionFrame_.at(name);
    for (const auto& [option, f] : optionFrame_)
        if (f == frame) c(option).checked = option == name;
}

void Form::onClick(const QString& name, std::function<void()> handler) { clicks_[name] = std::move(handler); }

void Form::onClickIndexed(const QString& name, std::function<void(int)> handler) {
    indexedClicks_[name] = std::move(handler);
}

void Form::onTimer(const QString& name, std::function<void()> handler) { timers_[name] = std::move(handler); }

template <typename F>
void Form::runEvent(F&& f) {
    WindowRegistry& windows = rt.windows;
    windows.beginEvent();
    f();
    windows.endEvent();
}

void Form::click(const QString& name, int index) {
    runEvent([&] {
        if (has(name, index)) {
            const Control& control = c(name, index);
            // A disabled or hidden control cannot be clicked, whatever sends the click.
            if (!control.enabled || !control.visible) return;
            if (control.kind == ControlKind::Option) selectOption(name);
        }
        if (index >= 0) {
            auto it = indexedClicks_.find(name);
            if (it != indexedClicks_.end()) it->second(index);
        } else {
            auto it = clicks_.find(name);
            if (it != clicks_.end()) it->second();
        }
    });
}

void Form::timer(const QString& name) {
    runEvent([&] {
        const Control& t = c(name);
        if (!t.enabled || t.interval <= 0) return;
        auto it = timers_.find(name);
        if (it != timers_.end()) it->second();
    });
}

QChar Form::keyPress(QChar key) {
    runEvent([&] {
        if (keyPress_) keyPress_(key);
    });
    return key;
}

QChar Form::editKeyPress(const QString& name, QChar key) {
    runEvent([&] {
        if (editKeyPress_) editKeyPress_(name, key);
    });
    return key;
}

void Form::editChanged(const QString& name, const QString& text) { c(name).caption = text; }

void Form::closeBox() {
    runEvent([&] { rt.windows.unload(name_); });
}

}  // namespace forms
