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
    if (!byKey_.emplace(ref.key(), &ref).second)
        throw std::logic_error((name_ + ": control declared twice: " + ref.key()).toStdString());
    controls_.push_back(std::move(control));
    return ref;
}

ControlArray& Form::addItems(const QString& name, const QStringList& captions) {
    arrays_.push_back(std::make_unique<ControlArray>(name));
    ControlArray& array = *arrays_.back();
    for (int i = 0; i < captions.size(); ++i) array.append(add(ControlKind::MenuItem, name, captions[i], i));
    return array;
}

Timer& Form::addTimer(const QString& name, int interval, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(name));
    Timer& t = *timers_.back();
    t.setInterval(interval);
    t.setEnabled(enabled);
    return t;
}

Control& Form::addOption(const Control& frame, const QString& name, const QString& caption) {
    requireOwn(frame);
    Control& option = add(ControlKind::Option, name, caption);
    optionFrame_[&option] = &frame;
    return option;
}

Control& Form::c(const QString& name, int index) {
    auto it = byKey_.find(controlKey(name, index));
    if (it == byKey_.end())
        throw UnknownControl((name_ + " has no control " + controlKey(name, index)).toStdString());
    return *it->second;
}

const Control& Form::c(const QString& name, int index) const {
    return const_cast<Form*>(this)->c(name, index);
}

bool Form::has(const QString& name, int index) const {
    return byKey_.count(controlKey(name, index)) != 0;
}

Timer& Form::timerControl(const QString& name) {
    for (const auto& t : timers_)
        if (t->name() == name) return *t;
    throw UnknownControl((name_ + " has no timer " + name).toStdString());
}

void Form::requireOwn(const Control& control) const {
    auto it = byKey_.find(control.key());
    if (it == byKey_.end() || it->second != &control)
        throw UnknownControl(
            (name_ + ": " + control.key() + " is not a control of this window").toStdString());
}

void Form::selectOption(const Control& option) {
    requireOwn(option);
    const Control* frame = optionFrame_.at(&option);
    for (const auto& [o, f] : optionFrame_)
        if (f == frame) const_cast<Control*>(o)->checked = o == &option;
}

void Form::onClick(const Control& control, std::function<void()> handler, OnError policy) {
    requireOwn(control);
    clicks_[control.key()] = {std::move(handler), policy};
}

void Form::onClick(const ControlArray& items, std::function<void(int)> handler, OnError policy) {
    for (Control* item : items) requireOwn(*item);
    indexedClicks_[items.name()] = {std::move(handler), policy};
}

void Form::onTimer(const Timer& timer, std::function<void()> handler, OnError policy) {
    if (&timerControl(timer.name()) != &timer)
        throw UnknownControl((name_ + ": " + timer.name() + " is not a timer of this window").toStdString());
    timerHandlers_[timer.name()] = {std::move(handler), policy};
}

bool Form::handlesClick(const QString& name) const {
    return clicks_.count(name) != 0 || indexedClicks_.count(name) != 0;
}

std::vector<QString> Form::clickHandlerKeys() const {
    std::vector<QString> keys;
    for (const auto& [key, h] : clicks_) keys.push_back(key);
    for (const auto& [key, h] : indexedClicks_) keys.push_back(key);
    return keys;
}

bool Form::canBeChosen(const Control& control) const {
    // The chain of enclosing menus is short; the bound keeps a looped chain from hanging.
    const Control* at = &control;
    for (int depth = 0; at && depth < 16; ++depth) {
        if (!at->enabled || !at->visible) return false;
        if (at->menu.isEmpty()) return true;
        auto it = byKey_.find(at->menu);
        at = it == byKey_.end() ? nullptr : it->second;
    }
    return at == nullptr;
}

void Form::click(const QString& name, int index) {
    Control& control = c(name, index);
    // A disabled or hidden control cannot be clicked, whatever sends the click; nor can an item
    // of a menu that is itself disabled or hidden, or lies in one that is.
    if (!canBeChosen(control)) return;
    if (index >= 0) {
        auto it = indexedClicks_.find(name);
        const OnError policy = it == indexedClicks_.end() ? OnError::Report : it->second.policy;
        rt.windows.runEvent(this, policy, [&] {
            if (it != indexedClicks_.end()) it->second.run(index);
        });
        return;
    }
    auto it = clicks_.find(name);
    const OnError policy = it == clicks_.end() ? OnError::Report : it->second.policy;
    rt.windows.runEvent(this, policy, [&] {
        if (control.kind == ControlKind::Option) selectOption(control);
        if (it != clicks_.end()) it->second.run();
    });
}

void Form::timer(const QString& name) {
    const Timer& t = timerControl(name);
    if (!t.running()) return;
    auto it = timerHandlers_.find(name);
    if (it == timerHandlers_.end()) return;
    rt.windows.runEvent(this, it->second.policy, [&] { it->second.run(); });
}

QChar Form::keyPress(QChar key) {
    if (!keyPress_.run) return key;
    rt.windows.runEvent(this, keyPress_.policy, [&] { keyPress_.run(key); });
    return key;
}

QChar Form::editKeyPress(const QString& name, QChar key) {
    if (!editKeyPress_) return key;
    rt.windows.runEvent(this, OnError::Report, [&] { editKeyPress_(name, key); });
    return key;
}

void Form::editChanged(const QString& name, const QString& text) {
    c(name).caption = text;
}

void Form::closeBox() {
    rt.windows.runEvent(this, OnError::Report, [&] { rt.windows.unload(name_); });
}

}  // namespace forms
