// The plain state of one control of a window: what the window's logic reads and writes, and what
// the view copies onto the widget of the same name after every event.
#pragma once

#include <QString>
#include <vector>

namespace forms {

enum class ControlKind {
    Label,     // static text; an '&' underlines the next letter (unless the label shows text as written)
    Button,    // push button
    Option,    // option (radio) button; one checked per frame
    Frame,     // group box or plain panel holding other controls
    Edit,      // single- or multi-line edit box
    Image,     // picture box showing a named picture
    Menu,      // a menu title or a submenu
    MenuItem,  // a menu command, optionally checkable, optionally one item of a control array
};

// The name of the widget (and of the model entry) for item `index` of a control array:
// "mnuTopicItem_5"; a plain control (index < 0) keeps its own name.
inline QString controlKey(const QString& name, int index) {
    return index < 0 ? name : name + QLatin1Char('_') + QString::number(index);
}

struct FontSpec {
    QString family;
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

struct Control {
    QString name;
    int index = -1;
    ControlKind kind = ControlKind::Label;

    QString caption;  // caption of labels, buttons, options, frames, menus; the text of an edit box
    bool visible = true;
    bool enabled = true;
    bool checked = false;          // menu check mark; the selected state of an option button
    bool isDefault = false;        // the button that Enter presses
    QString picture;               // image: name of the picture shown
    FontSpec font;                 // empty family: the design font
    bool substitutesKeys = false;  // edit: key presses go through the window's KeyPress handler first
    int maxLength = 0;             // edit: the most characters it takes (0: no limit)
    QString spokenName;            // what a screen reader says, where the caption does not say it
    QString toolTip;               // shown when the mouse rests on the control
    QString shortcut;              // button: a key combination that presses it ("Ctrl+L")
    bool checkable = false;        // menu item: shows a check box even while unchecked
    bool literal = false;          // label: shows its caption as written (a sentence, a filler), '&' included
    bool html = false;  // label: its caption is rich text the program made (escaped where it quotes)
    QString menu;       // menu item or submenu: the key of the menu that holds it (empty on the bar)

    QString key() const { return controlKey(name, index); }
};

// The items of a control array, addressed by their index.
class ControlArray {
public:
    explicit ControlArray(QString name = {}) : name_(std::move(name)) {}
    const QString& name() const { return name_; }
    int size() const { return static_cast<int>(items_.size()); }
    Control& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
    void append(Control& item) { items_.push_back(&item); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    QString name_;
    std::vector<Control*> items_;
};

// An invisible control that fires every `interval()` ms while enabled. Enabling a disabled timer
// or setting its interval starts its count from zero, even when both happen inside one handler:
// the restart count tells the view to restart its clock.
class Timer {
public:
    explicit Timer(QString name) : name_(std::move(name)) {}
    const QString& name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    bool running() const { return enabled_ && interval_ > 0; }
    unsigned restarts() const { return restarts_; }

    void setEnabled(bool on) {
        if (on && !enabled_) ++restarts_;
        enabled_ = on;
    }
    void setInterval(int ms) {
        interval_ = ms;
        ++restarts_;
    }

private:
    QString name_;
    bool enabled_ = true;
    int interval_ = 0;
    unsigned restarts_ = 0;
};

}  // namespace forms
