// Creation, showing and dropping of the on-screen windows, and key preview.
#include "view_manager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "window_builder.h"

namespace qtui {

ViewManager::ViewManager() { qApp->installEventFilter(this); }

ViewManager::~ViewManager() {
    qApp->removeEventFilter(this);
    for (auto& [name, view] : views_) {
        view->detach();
        delete view->window();
        delete view;
    }
}

FormView* ViewManager::viewOf(const forms::Form& form) const { return viewOf(form.name()); }

FormView* ViewManager::viewOf(const QString& name) const {
    auto it = views_.find(name);
    return it == views_.end() ? nullptr : it->second;
}

void ViewManager::created(forms::Form& form) {
    QMainWindow* window = buildWindow(form.name());
    if (!window) window = new QMainWindow;
    views_[form.name()] = new FormView(form, window);
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
    }
    else view->window()->show();
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

void ViewManager::programEnded() { QCoreApplication::exit(0); }

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
    // A key event travels up the widget chain and passes here once per widget: act once.
    if (event == lastKey_) return false;
    lastKey_ = event;
    FormView* view = viewOfWidget(watched);
    if (!view || !view->form()) return false;
    forms::Form& form = *view->form();
    auto* key = static_cast<QKeyEvent*>(event);

    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (qobject_cast<QPlainTextEdit*>(watched) || qobject_cast<QPushButton*>(watched)) return false;
        // Enter presses the window's default button, wherever the focus is.
        for (const auto& c : form.controls()) {
            if (c->kind == forms::ControlKind::Button && c->isDefault && c->visible && c->enabled) {
                form.click(c->name, c->index);
                return true;
            }
        }
        return false;
    }

    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint()) return false;
    QChar ch = text[0];
    const QChar previewed = form.keyPress(ch);
    if (previewed.isNull()) return true;
    ch = previewed;
    // An edit box that turns punctuation into Spanish letters gets its own say.
    for (const auto& c : form.controls()) {
        if (c->kind != forms::ControlKind::Edit || !c->substitutesKeys || view->find(*c) != watched) continue;
        const QChar replaced = form.editKeyPress(c->name, ch);
        if (replaced.isNull()) return true;
        if (replaced != text[0]) {
            if (auto* line = qobject_cast<QLineEdit*>(watched)) line->insert(QString(replaced));
            else if (auto* plain = qobject_cast<QPlainTextEdit*>(watched)) plain->insertPlainText(QString(replaced));
            return true;
        }
    }
    if (ch != text[0]) return true;
    return false;
}

}  // namespace qtui
