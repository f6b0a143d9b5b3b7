// Watches the window registry and keeps one on-screen window per loaded window model; also
// gives every window a look at key presses before its controls.
#pragma once

#include <QObject>

class QKeyEvent;
#include <map>

#include "form_view.h"
#include "forms/window_registry.h"

namespace qtui {

class ViewManager : public QObject, public forms::WindowObserver {
public:
    // `registry` is the one whose windows this shows; it tells when a handler is running.
    explicit ViewManager(const forms::WindowRegistry* registry = nullptr);
    ~ViewManager() override;

    FormView* viewOf(const forms::Form& form) const;
    FormView* viewOf(const QString& name) const;

    void created(forms::Form& form) override;
    void shown(forms::Form& form) override;
    void hidden(forms::Form& form) override;
    void destroying(forms::Form& form) override;
    void eventFinished() override;
    void programEnded() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormView* viewOfWidget(QObject* object) const;
    bool previewKey(FormView& view, QWidget* receiver, QKeyEvent& key);
    const forms::WindowRegistry* registry_;
    std::map<QString, FormView*> views_;
};

}  // namespace qtui
