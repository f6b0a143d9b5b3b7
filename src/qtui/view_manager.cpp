// Creation, showing and dropping of the on-screen windows, and key preview.
#include "view_manager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include "server_background.h"
#include "window_builder.h"

namespace qtui {

ViewManager::ViewManager(const forms::WindowRegistry* registry) : registry_(registry) {
    qApp->installEventFilter(this);
    // The model knows which of its controls has the keyboard focus (the font item applies there).
    // The menu bar takes the focus while the keyboard walks the menus (Alt+O, then F): the control
    // worked in before stays the active one.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (qobject_cast<QMenuBar*>(now)) return;
        if (FormView* view = viewOfWidget(now); view && view->form())
            view->form()->activeControl = view->keyOf(now);
    });
}

ViewManager::~ViewManager() {
    qApp->removeEventFilter(this);
    for (auto& [name, view] : views_) {
        view->detach();
        delete view->window();
        delete view;
    }
}

FormView* ViewManager::viewOf(const forms::Form& form) const {
    return viewOf(form.name());
}

FormView* ViewManager::viewOf(const QString& name) const {
    auto it = views_.find(name);
    return it == views_.end() ? nullptr : it->second;
}

void ViewManager::created(forms::Form& form) {
    QMainWindow* window = buildWindow(form.name());
    if (!window) throw std::logic_error("no layout is built for the window " + form.name().toStdString());
    // A window of one colour and nothing else (the full-screen background) costs no memory.
    if (const QVariant colour = window->property("serverBackground"); colour.isValid())
        paintByServer(window, colour.value<QColor>());
    views_[form.name()] = new FormView(form, window, registry_);
}

void ViewManager::shown(forms::Form& form) {
    FormView* view = viewOf(form);
    if (!view) return;
    view->sync();
    if (form.maximised) {
        // Without a window manager "maximised" means nothing: fill the screen ourselves.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            view->window()->setGeometry(screen->availableGeometry());
        view->window()->showMaximized();
    } else
        view->window()->show();
    view->window()->raise();
    view->window()->activateWindow();
}

void ViewManager::hidden(forms::Form& form) {
    if (FormView* view = viewOf(form)) view->window()->hide();
}

void ViewManager::destroying(forms::Form& form) {
    auto it = views_.find(form.name());
    if (it == views_.end()) return;
    FormView* view = it->second;
    views_.erase(it);
    view->detach();
    if (QMainWindow* window = view->window()) {
        window->hide();
        window->deleteLater();
    }
    view->deleteLater();
}

void ViewManager::eventFinished() {
    for (auto& [name, view] : views_) view->sync();
}

void ViewManager::programEnded() {
    // Asking an event loop to end when none runs would make the next one end at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

FormView* ViewManager::viewOfWidget(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    QWidget* top = widget->window();
    for (const auto& [name, view] : views_)
        if (view->window() == top) return view;
    return nullptr;
}

bool ViewManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    // A key travels from the window system to the window handle, then to the focused widget,
    // then up its parents while nobody takes it. The window sees it first exactly once: when it
    // reaches the focused widget (or the window itself when nothing has the focus).
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver) return false;
    QWidget* focus = QApplication::focusWidget();
    if (focus ? receiver != focus : !receiver->isWindow()) return false;
    FormView* view = viewOfWidget(receiver);
    if (!view || !view->form()) return false;
    // A handler is running a nested event loop: the window's keys wait for it to end.
    if (registry_ && registry_->busy()) return true;
    return previewKey(*view, receiver, *static_cast<QKeyEvent*>(event));
}

bool ViewManager::previewKey(FormView& view, QWidget* receiver, QKeyEvent& key) {
    forms::Form& form = *view.form();
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        if (qobject_cast<QPlainTextEdit*>(receiver)) return false;
        // A label that acts takes Enter itself (its view presses it).
        if (qobject_cast<QLabel*>(receiver) && receiver->focusPolicy() == Qt::StrongFocus) return false;
        // Enter presses the focused button, else the window's default button.
        for (const auto& c : form.controls()) {
            if (c->kind == forms::ControlKind::Button && view.find(*c) == receiver) {
                form.click(c->name, c->index);
                return true;
            }
        }
        for (const auto& c : form.controls()) {
            if (c->kind == forms::ControlKind::Button && c->isDefault && c->visible && c->enabled) {
                form.click(c->name, c->index);
                return true;
            }
        }
        return false;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    const QChar typed = text[0];
    const QChar previewed = form.keyPress(typed);
    if (previewed.isNull()) return true;
    // An edit box that turns punctuation into Spanish letters gets its own say.
    QChar ch = previewed;
    for (const auto& c : form.controls()) {
        if (c->kind != forms::ControlKind::Edit || !c->substitutesKeys || view.find(*c) != receiver) continue;
        ch = form.editKeyPress(c->name, ch);
        if (ch.isNull()) return true;
    }
    if (ch == typed) return false;
    if (auto* line = qobject_cast<QLineEdit*>(receiver))
        line->insert(QString(ch));
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(receiver))
        plain->insertPlainText(QString(ch));
    return true;
}

}  // namespace qtui
