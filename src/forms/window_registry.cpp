// The window registry: creation on first show, destruction on unload, deferred until the event
// that asked for it has finished.
#include "window_registry.h"

#include <algorithm>

#include "form.h"

namespace forms {

WindowRegistry::WindowRegistry() = default;

WindowRegistry::~WindowRegistry() {
    observer_ = nullptr;
    loaded_.clear();
    graveyard_.clear();
}

void WindowRegistry::define(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

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

Form& WindowRegistry::load(const QString& name) {
    if (Form* f = find(name)) return *f;
    auto it = factories_.find(name);
    Q_ASSERT_X(it != factories_.end(), "WindowRegistry::load", qPrintable(name));
    beginEvent();
    loaded_.emplace_back(name, Entry{it->second(), false});
    Form& form = *loaded_.back().second.form;
    if (observer_) observer_->created(form);
    form.Form_Load();
    endEvent();
    // The load handler may have unloaded the window again; find it anew.
    Form* f = find(name);
    return f ? *f : form;
}

Form& WindowRegistry::show(const QString& name) {
    Form& form = load(name);
    for (auto& [n, e] : loaded_) {
        if (n == name && !e.visible) {
            e.visible = true;
            if (observer_) observer_->shown(form);
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
    beginEvent();
    std::unique_ptr<Form> form = std::move(it->second.form);
    loaded_.erase(it);
    form->Form_Unload();
    if (observer_) observer_->destroying(*form);
    graveyard_.push_back(std::move(form));
    endEvent();
}

void WindowRegistry::endProgram() {
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

void WindowRegistry::endEvent() {
    if (--depth_ > 0) return;
    depth_ = 0;
    if (observer_) observer_->eventFinished();
    flush();
}

void WindowRegistry::flush() {
    // Destroying a window may not start new events, but move the list out first all the same.
    auto dead = std::move(graveyard_);
    graveyard_.clear();
}

}  // namespace forms
