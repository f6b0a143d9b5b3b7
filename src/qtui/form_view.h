// One window on screen: the Qt Designer widgets of a window model, kept in step with it. After
// every event the model's state is copied onto the widgets; widget signals become model events.
#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <map>
#include <optional>
#include <set>

#include "forms/form.h"
#include "forms/window_registry.h"

class QAction;
class QTimer;

namespace qtui {

class FormView : public QObject {
public:
    // `registry` (may be null in tests) tells when a handler is running: desktop events that
    // arrive meanwhile, from a nested event loop, are dropped rather than re-entering a handler.
    FormView(forms::Form& form, QMainWindow* window, const forms::WindowRegistry* registry = nullptr);
    ~FormView() override;

    forms::Form* form() const { return form_; }
    QMainWindow* window() const { return window_; }
    // The widget (QWidget) or menu entry (QAction, QMenu) bound to a control; null if the
    // Designer file lacks it.
    QObject* find(const forms::Control& control) const;
    // The key of the control bound to a widget; empty for a widget no control has.
    QString keyOf(const QObject* widget) const;

    // Copies every control's state onto its widget, and the window's caption, place and pointer.
    void sync();
    // The model is going away: stop timers and forget it.
    void detach();

    // The name a control's widget has in the Designer file: the control's key with accents
    // dropped ("mnuNúmeroItem_2" is "mnuNumeroItem_2"), since widget names must be identifiers.
    static QString widgetName(const forms::Control& control);
    // The caption with its mnemonic mark taken out ("&&", a written '&', stays).
    static QString withoutMnemonic(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControl(forms::Control& control, QObject* object);
    // The key of the nearest menu control that holds the action on screen; empty on the bar.
    QString enclosingMenu(const QAction* action) const;
    void syncTimer(const forms::Timer& timer);
    void syncPlace();
    template <typename F>
    void dispatch(F&& f);

    forms::Form* form_;
    QPointer<QMainWindow> window_;
    const forms::WindowRegistry* registry_;
    std::map<QString, QObject*> widgets_;
    struct ClockState {
        QTimer* clock;
        unsigned restarts = 0;
    };
    std::map<QString, ClockState> timers_;
    // The place last given to the window from the model: the window moves only when the model
    // changes it, never back over where the user dragged it.
    std::optional<QPoint> placed_;
    std::map<QObject*, QString> labelClicks_;
    std::set<QObject*> clickAtOnce_;  // buttons and options whose mnemonic clicks them at once
    bool syncing_ = false;
};

// A caption as a screen reader should say it: without the '&' markers.
QString plainCaption(const QString& caption);

// The label text for a caption: an '&' underlines the next letter, "&&" is a plain '&'.
QString labelRichText(const QString& caption, bool& rich);

}  // namespace qtui
