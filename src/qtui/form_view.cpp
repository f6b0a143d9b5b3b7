// Binding of a window model to its widgets by control name.
#include "form_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShortcutEvent>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <set>

#include "pictures.h"
#include "window_builder.h"

namespace qtui {

using forms::Control;
using forms::ControlKind;

QString labelRichText(const QString& caption, bool& rich) {
    rich = false;
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        const QChar ch = caption[i];
        if (ch == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] == u'&') {
                out += QStringLiteral("&amp;");
            } else {
                rich = true;
                out += QStringLiteral("<u>") + QString(caption[i]).toHtmlEscaped() + QStringLiteral("</u>");
            }
        } else {
            out += QString(ch).toHtmlEscaped();
        }
    }
    if (!rich) return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
    out.replace(u'\n', QStringLiteral("<br>"));
    return out;
}

QString plainCaption(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

QString FormView::widgetName(const Control& control) {
    const QString decomposed = control.key().normalized(QString::NormalizationForm_D);
    QString ascii;
    for (QChar ch : decomposed)
        if (ch.category() != QChar::Mark_NonSpacing) ascii += ch;
    return ascii;
}

FormView::FormView(forms::Form& form, QMainWindow* window, const forms::WindowRegistry* registry)
    : form_(&form), window_(window), registry_(registry) {
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->installEventFilter(this);
    for (const auto& timer : form.timers()) {
        auto* clock = new QTimer(this);
        const QString name = timer->name();
        connect(clock, &QTimer::timeout, this, [this, name] { dispatch([&] { form_->timer(name); }); });
        timers_[name] = ClockState{clock, timer->restarts() - 1};
    }
    for (const auto& control : form.controls()) {
        QObject* object = window->findChild<QObject*>(widgetName(*control));
        if (!object) continue;
        widgets_[control->key()] = object;
        if (auto* w = qobject_cast<QWidget*>(object)) {
            // Hiding a control never moves its neighbours, unless its layout says it may close
            // the gap (a row of buttons of which only some show).
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(!w->property("collapseWhenHidden").toBool());
            w->setSizePolicy(policy);
        }
        connectControl(*control, object);
    }
    // The model learns which menu holds each item and submenu, so that an item under a disabled
    // or hidden menu refuses a click from any side (a screen reader triggers the item itself).
    for (const auto& control : form.controls()) {
        QObject* object = find(*control);
        auto* action = qobject_cast<QAction*>(object);
        if (auto* menu = qobject_cast<QMenu*>(object)) action = menu->menuAction();
        if (action) control->menu = enclosingMenu(action);
    }
    form.width = window->width();
    form.height = window->height();
}

FormView::~FormView() = default;

QObject* FormView::find(const Control& control) const {
    auto it = widgets_.find(control.key());
    return it == widgets_.end() ? nullptr : it->second;
}

QString FormView::enclosingMenu(const QAction* action) const {
    for (int depth = 0; action && depth < 16; ++depth) {
        const QMenu* holder = nullptr;
        for (QObject* o : action->associatedObjects())
            if ((holder = qobject_cast<QMenu*>(o))) break;
        if (!holder) return {};
        if (QString key = keyOf(holder); !key.isEmpty()) return key;
        action = holder->menuAction();  // a menu of the layout alone: look further up
    }
    return {};
}

QString FormView::keyOf(const QObject* widget) const {
    for (const auto& [key, object] : widgets_)
        if (object == widget) return key;
    return {};
}

template <typename F>
void FormView::dispatch(F&& f) {
    // Our own writes to the widgets are not events; neither is anything that arrives while a
    // handler runs a nested event loop (a message box, the import's progress window).
    if (!form_ || syncing_ || (registry_ && registry_->busy())) return;
    f();
}

void FormView::connectControl(Control& control, QObject* object) {
    const QString name = control.name;
    const int index = control.index;
    switch (control.kind) {
        case ControlKind::Button:
            if (auto* b = qobject_cast<QAbstractButton*>(object)) {
                connect(b, &QAbstractButton::clicked, this,
                        [this, name, index] { dispatch([&] { form_->click(name, index); }); });
                // Its mnemonic presses it at once, not after Qt's 100 ms click animation: the
                // learner who presses Alt+N waits for the next sentence, not for a picture of a
                // pressed button.
                b->installEventFilter(this);
                clickAtOnce_.insert(b);
                // A key combination of its own, beside the mnemonic its caption gives it.
                if (!control.shortcut.isEmpty() && window_) {
                    auto* shortcut = new QShortcut(QKeySequence(control.shortcut), window_);
                    connect(shortcut, &QShortcut::activated, this,
                            [this, name, index] { dispatch([&] { form_->click(name, index); }); });
                }
            }
            break;
        case ControlKind::Option:
            // Whatever selects the option (mouse, keyboard, a screen reader's toggle action)
            // selects it in the model; the model's answer is then mirrored back.
            if (auto* b = qobject_cast<QAbstractButton*>(object)) {
                // Its mnemonic selects it at once (not after a click animation), so that an
                // Enter typed right after it opens what was just chosen.
                b->installEventFilter(this);
                clickAtOnce_.insert(b);
            }
            if (auto* b = qobject_cast<QAbstractButton*>(object))
                connect(b, &QAbstractButton::toggled, this, [this, name, index](bool on) {
                    if (!on) return;
                    dispatch([&] { form_->click(name, index); });
                    if (form_ && !form_->c(name, index).checked) sync();
                });
            break;
        case ControlKind::MenuItem:
            if (auto* a = qobject_cast<QAction*>(object))
                connect(a, &QAction::triggered, this, [this, name, index] {
                    dispatch([&] { form_->click(name, index); });
                    sync();
                });
            break;
        case ControlKind::Label:
        case ControlKind::Image:
            if (auto* l = qobject_cast<QLabel*>(object); l && form_->handlesClick(name)) {
                l->installEventFilter(this);
                l->setCursor(Qt::PointingHandCursor);
                // A label that acts is reached with Tab and pressed with Enter or Space, too.
                l->setFocusPolicy(Qt::StrongFocus);
                labelClicks_[l] = name;
            }
            break;
        case ControlKind::Edit:
            // Any change of the text, typed or set through the accessibility interface.
            if (auto* e = qobject_cast<QLineEdit*>(object))
                connect(e, &QLineEdit::textChanged, this, [this, name](const QString& text) {
                    if (form_ && !syncing_) form_->editChanged(name, text);
                });
            if (auto* e = qobject_cast<QPlainTextEdit*>(object))
                connect(e, &QPlainTextEdit::textChanged, this, [this, name, e] {
                    if (!form_ || syncing_) return;
                    // A multi-line box has no length limit of its own: what went past it is taken
                    // back at once, before the cursor (the removal calls this again).
                    const int max = form_->c(name).maxLength;
                    if (const QString text = e->toPlainText(); max > 0 && text.size() > max) {
                        QTextCursor cursor = e->textCursor();
                        const int end = cursor.position();
                        cursor.setPosition(std::max(0, end - static_cast<int>(text.size() - max)));
                        cursor.setPosition(end, QTextCursor::KeepAnchor);
                        cursor.removeSelectedText();
                        if (e->toPlainText().size() > max) e->setPlainText(e->toPlainText().left(max));
                        return;
                    }
                    form_->editChanged(name, e->toPlainText());
                });
            break;
        default:
            break;
    }
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (!form_) return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto it = labelClicks_.find(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (it != labelClicks_.end() && mouse->button() == Qt::LeftButton) {
            const QString name = it->second;
            dispatch([&] { form_->click(name); });
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && labelClicks_.count(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            const QString name = labelClicks_.at(watched);
            dispatch([&] { form_->click(name); });
            return true;
        }
    }
    if (event->type() == QEvent::Shortcut && clickAtOnce_.count(watched)) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        auto* button = static_cast<QAbstractButton*>(watched);
        if (!shortcut->isAmbiguous() && button->isEnabled()) {
            if (button->focusPolicy() & Qt::TabFocus) button->setFocus(Qt::ShortcutFocusReason);
            button->click();
            return true;
        }
    }
    if (watched == window_ && event->type() == QEvent::Move && !syncing_ && !form_->maximised) {
        // The user (or the window manager) moved the window: the model learns where it is.
        const QPoint at = window_->pos();
        form_->left = at.x();
        form_->top = at.y();
        placed_ = at;
    }
    if (watched == window_ && event->type() == QEvent::Close) {
        // The close box unloads the window; the view goes with it.
        event->ignore();
        dispatch([&] { form_->closeBox(); });
        return true;
    }
    return false;
}

void FormView::syncTimer(const forms::Timer& timer) {
    ClockState& state = timers_.at(timer.name());
    if (!timer.running()) {
        state.clock->stop();
    } else if (!state.clock->isActive() || state.restarts != timer.restarts()) {
        state.clock->start(timer.interval());
    }
    state.restarts = timer.restarts();
}

QString FormView::withoutMnemonic(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&' || i + 1 == caption.size()) {
            out += caption[i];
        } else if (caption[i + 1] == u'&') {
            out += QLatin1String("&&");  // a written '&' stays one
            ++i;
        }  // else the mark goes, and the letter after it follows as it is
    }
    return out;
}

void FormView::syncPlace() {
    if (form_->maximised) return;
    const QPoint wanted(form_->left, form_->top);
    if (placed_ == wanted) return;
    window_->move(wanted);
    placed_ = wanted;
}

void FormView::sync() {
    if (!form_ || !window_) return;
    syncing_ = true;
    if (window_->windowTitle() != form_->caption) window_->setWindowTitle(form_->caption);
    syncPlace();
    if (form_->pointer == forms::MousePointer::Hourglass)
        window_->setCursor(Qt::WaitCursor);
    else
        window_->unsetCursor();

    for (const auto& timer : form_->timers()) syncTimer(*timer);
    // A menu title on the bar gives up its mnemonic to a button of the window with the same one
    // ("Topi&cs" beside "&Close"): Alt+C closes, as the button says, rather than doing nothing
    // for being claimed twice. The menu still opens from the bar with Alt or F10 and the arrows.
    std::set<int> buttonKeys;
    for (const auto& ptr : form_->controls())
        if (ptr->kind == ControlKind::Button && ptr->visible && ptr->enabled)
            if (const QKeySequence key = QKeySequence::mnemonic(ptr->caption); !key.isEmpty())
                buttonKeys.insert(key[0].toCombined());
    for (const auto& ptr : form_->controls()) {
        const Control& c = *ptr;
        QObject* object = find(c);
        if (!object) continue;
        if (auto* action = qobject_cast<QAction*>(object)) {
            action->setText(c.caption);
            action->setVisible(c.visible);
            action->setEnabled(c.enabled);
            const bool checkable =
                c.checkable || c.checked || c.index >= 0 || c.name == QLatin1String("mnuOnTop");
            action->setCheckable(checkable);
            action->setChecked(c.checked);
            continue;
        }
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            const QKeySequence key = QKeySequence::mnemonic(c.caption);
            const bool onTheBar = qobject_cast<QMenuBar*>(menu->parentWidget()) != nullptr;
            const bool claimed = !key.isEmpty() && buttonKeys.count(key[0].toCombined()) != 0;
            menu->setTitle(onTheBar && claimed ? withoutMnemonic(c.caption) : c.caption);
            menu->menuAction()->setVisible(c.visible);
            menu->menuAction()->setEnabled(c.enabled);
            continue;
        }
        auto* w = qobject_cast<QWidget*>(object);
        if (!w) continue;
        switch (c.kind) {
            case ControlKind::Label:
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    bool rich = false;
                    // Text shown as written takes no mnemonic: a buddy would turn its '&' into one.
                    if (c.literal && l->buddy()) l->setBuddy(nullptr);
                    const QString t = c.html      ? c.caption
                                      : c.literal ? c.caption
                                                  : labelRichText(c.caption, rich);
                    rich = rich || c.html;
                    l->setTextFormat(rich ? Qt::RichText : Qt::PlainText);
                    if (l->text() != t) l->setText(t);
                }
                break;
            case ControlKind::Image:
                if (auto* l = qobject_cast<QLabel*>(w)) l->setPixmap(picture(c.picture));
                break;
            case ControlKind::Button:
                if (auto* b = qobject_cast<QPushButton*>(w)) {
                    b->setText(c.caption);
                    b->setDefault(c.isDefault);
                }
                break;
            case ControlKind::Option:
                if (auto* r = qobject_cast<QRadioButton*>(w)) {
                    r->setText(c.caption);
                    if (r->isChecked() != c.checked) {
                        // An exclusive radio cannot be cleared while it stays exclusive.
                        const bool exclusive = r->autoExclusive();
                        r->setAutoExclusive(false);
                        r->setChecked(c.checked);
                        r->setAutoExclusive(exclusive);
                    }
                }
                break;
            case ControlKind::Frame:
                if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(c.caption);
                break;
            case ControlKind::Edit:
                if (auto* e = qobject_cast<QLineEdit*>(w)) {
                    if (e->maxLength() != (c.maxLength > 0 ? c.maxLength : 32767))
                        e->setMaxLength(c.maxLength > 0 ? c.maxLength : 32767);
                    if (e->text() != c.caption) {
                        e->setText(c.caption);
                        // A long text shows from its beginning, as it is read.
                        if (!e->hasFocus()) e->setCursorPosition(0);
                    }
                } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
                    if (p->toPlainText() != c.caption) p->setPlainText(c.caption);
                }
                break;
            default:
                break;
        }
        if (!c.font.family.isEmpty()) {
            QFont f(c.font.family);
            if (c.font.pointSize > 0) f.setPointSizeF(c.font.pointSize);
            f.setBold(c.font.bold);
            f.setItalic(c.font.italic);
            f.setUnderline(c.font.underline);
            f.setStrikeOut(c.font.strikeOut);
            w->setFont(f);
        }
        w->setEnabled(c.enabled);
        if (w->toolTip() != c.toolTip) w->setToolTip(c.toolTip);
        if (w->isHidden() == c.visible) w->setVisible(c.visible);
        // A box's caption is its content, which the reader reads as the value: a box is named
        // only by its spoken name.
        const bool captionIsContent = c.kind == ControlKind::Edit || c.kind == ControlKind::Frame;
        const QString spoken = !c.spokenName.isEmpty() ? c.spokenName
                               : captionIsContent      ? QString()
                               : c.literal             ? c.caption
                                                       : plainCaption(c.caption);
        // A label that empties says nothing, not what it said before.
        const bool nameFollows = !spoken.isEmpty() || c.kind == ControlKind::Label;
        if (nameFollows && w->accessibleName() != spoken) w->setAccessibleName(spoken);
    }
    paintWindowExtras(*form_, *window_);
    if (!form_->focusRequest.isEmpty()) {
        auto it = widgets_.find(form_->focusRequest);
        if (it != widgets_.end())
            if (auto* w = qobject_cast<QWidget*>(it->second)) w->setFocus();
        form_->focusRequest.clear();
    }
    syncing_ = false;
}

void FormView::detach() {
    for (auto& [name, state] : timers_) state.clock->stop();
    form_ = nullptr;
}

}  // namespace qtui
