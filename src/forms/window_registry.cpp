// The window registry: creation on first show, destruction on unload, deferred until the event
// that asked for it has finished; the guard around every event.
#include "window_registry.h"

#include <QDebug>
#include <algorithm>

#include "form.h"

namespace forms {

// Brackets one event; the outermost one flushes the unloaded windows and refreshes the view,
// also when the handler left by an exception.
class WindowRegistry::EventScope {
public:
    explicit EventScope(WindowRegistry& r) : r_(r) { ++r_.depth_; }
    ~EventScope() { r_.endEvent(); }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    WindowRegistry& r_;
};

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() {
    observer_ = nullptr;
    loaded_.clear();
    graveyard_.clear();
}

void WindowRegistry::define(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

QStringList WindowRegistry::definedNames() const {
    QStringList names;
    for (const auto& [name, factory] : factories_) names << name;
    return names;
}

Form* WindowRegistry::find(const QString& name) const {
    for (const auto& [n, e] : loaded_)
        if (n == name) return e.form.get();
    return nullptr;
}

bool WindowRegistry::isVisible(const QString& name) const {
    for (const auto& [n, e] : loaded_)
        if (n == name) return e.visible;
    return false;
}

Form* WindowRegistry::load(const QString& name) {
    if (Form* f = find(name)) return f;
    auto it = factories_.find(name);
    if (it == factories_.end()) throw UnknownWindow("no window is defined as " + name.toStdString());
    EventScope scope(*this);
    loaded_.emplace_back(name, Entry{it->second(), false});
    Form& form = *loaded_.back().second.form;
    if (observer_) observer_->created(form);
    form.Form_Load();
    // The load handler may have unloaded the window again.
    return find(name);
}

Form* WindowRegistry::show(const QString& name) {
    // One event for load and show, so that the end-of-event check never sees the window loaded
    // but not yet shown.
    EventScope scope(*this);
    Form* form = load(name);
    if (!form) return nullptr;
    for (auto& [n, e] : loaded_) {
        if (n == name && !e.visible) {
            e.visible = true;
            everShown_ = true;
            if (observer_) observer_->shown(*form);
        }
    }
    return form;
}

void WindowRegistry::hide(const QString& name) {
    for (auto& [n, e] : loaded_) {
        if (n == name && e.visible) {
            e.visible = false;
            if (observer_) observer_->hidden(*e.form);
        }
    }
}

void WindowRegistry::unload(const QString& name) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& p) { return p.first == name; });
    if (it == loaded_.end()) return;
    EventScope scope(*this);
    std::unique_ptr<Form> form = std::move(it->second.form);
    loaded_.erase(it);
    graveyard_.push_back(std::move(form));
    Form& dying = *graveyard_.back();
    // The view goes with the window whatever its unload handler does.
    struct Drop {
        WindowObserver* observer;
        Form& form;
        ~Drop() {
            if (observer) observer->destroying(form);
        }
    } drop{observer_, dying};
    dying.Form_Unload();
}

void WindowRegistry::endProgram() {
    if (ended_) return;
    ended_ = true;
    for (auto& [n, e] : loaded_) {
        if (observer_) observer_->destroying(*e.form);
        graveyard_.push_back(std::move(e.form));
    }
    loaded_.clear();
    if (observer_) observer_->programEnded();
}

QStringList WindowRegistry::loadedNames() const {
    QStringList names;
    for (const auto& [n, e] : loaded_) names << n;
    return names;
}

void WindowRegistry::runEvent(Form* form, OnError policy, const std::function<void()>& handler) {
    EventScope scope(*this);
    try {
        handler();
    } catch (const base::DataError& e) {
        if (policy != OnError::EndQuietly) report(form, e.message());
    } catch (const std::exception& e) {
        report(form, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        report(form, QStringLiteral("unknown error"));
    }
}

void WindowRegistry::report(Form* form, const QString& what) {
    // The form may have been unloaded by the failing handler; it lives until the event ends.
    try {
        if (reporter_)
            reporter_(form, what);
        else
            qCritical("error in window %s: %s", form ? qPrintable(form->name()) : "-", qPrintable(what));
    } catch (...) {
        qCritical("error while reporting an error: %s", qPrintable(what));
    }
}

void WindowRegistry::endEvent() {
    if (--depth_ > 0) return;
    depth_ = 0;
    try {
        if (observer_) observer_->eventFinished();
    } catch (const std::exception& e) {
        qCritical("refreshing the windows failed: %s", e.what());
    }
    // Destroying a window may not start new events, but move the list out first all the same.
    auto dead = std::move(graveyard_);
    graveyard_.clear();
    dead.clear();
    const bool anyVisible =
        std::any_of(loaded_.begin(), loaded_.end(), [](const auto& p) { return p.second.visible; });
    if (everShown_ && !ended_ && !anyVisible) endProgram();
}

}  // namespace forms
