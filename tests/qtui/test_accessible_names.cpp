// What a screen reader says: every visible control of every window, in every working language,
// has a non-empty accessible name, and none is left with an English catalogue text while another
// language is chosen. The windows are walked as a learner meets them: before and after Start.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTextEdit>
#include <QtTest>
#include <map>
#include <set>

#include "app_fixture.h"
#include "progress/run_history.h"
#include "qtui/form_view.h"
#include "qtui/view_manager.h"
#include "store/database.h"
#include "text/ui_text.h"

namespace {

QString plain(QString s) {
    return s.remove(QLatin1Char('&')).trimmed();
}

// Widgets a learner reaches with the keyboard or the pointer; a label counts when it takes the
// focus (a clickable label).
bool isControl(QWidget* w) {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QComboBox*>(w) ||
        qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
        qobject_cast<QAbstractSlider*>(w) || qobject_cast<QGraphicsView*>(w))
        return true;
    auto* label = qobject_cast<QLabel*>(w);
    return label && label->focusPolicy() != Qt::NoFocus;
}

// The names a screen reader reads, by "window/object" (menu items by their menu path).
using Names = std::map<QString, QString>;

void walkMenu(const QString& path, QMenu* menu, Names& out) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QString here = path + QLatin1Char('>') +
                             (action->objectName().isEmpty() ? action->text() : action->objectName());
        out[here] = plain(action->text());
        if (action->menu()) walkMenu(here, action->menu(), out);
    }
}

Names walk(const QString& window, QMainWindow* top) {
    Names out;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!isControl(w) || !w->isVisibleTo(top)) continue;
        // A box's own scroll bar and a table's column headers are read as part of the box or table.
        if (qobject_cast<QAbstractSlider*>(w) && w->parentWidget() &&
            qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget()))
            continue;
        if (qobject_cast<QHeaderView*>(w) && qobject_cast<QAbstractItemView*>(w->parentWidget())) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString key =
            window + QLatin1Char('/') + w->objectName() + QLatin1Char(' ') + w->metaObject()->className();
        out[key] = a ? plain(a->text(QAccessible::Name)) : QString();
    }
    if (QMenuBar* bar = top->menuBar())
        for (QAction* action : bar->actions())
            if (action->isVisible() && action->menu()) {
                const QString here = window + QLatin1Char('>') + action->menu()->objectName();
                out[here] = plain(action->text());
                walkMenu(here, action->menu(), out);
            }
    return out;
}

// Captions the program shows in the same words whatever the working language: the Settings menu
// of the launcher and the database window, and the how-to window's button.
const std::set<QString> kFixedTexts = {QStringLiteral("Settings"), QStringLiteral("OK")};

// Every window of one run in `button`'s language, before and after its Start where it has one.
Names namesInLanguage(const char* button, int langBase) {
    AppFixture f;
    qtui::ViewManager views(&f.windows);
    f.windows.setObserver(&views);
    Names all;
    const auto take = [&](const QString& window, const QString& state) {
        qtui::FormView* view = views.viewOf(window);
        if (!view) return;
        for (auto& [k, v] : walk(window + state, view->window())) all[k] = v;
    };
    f.windows.show(app::kStartup);
    take(app::kStartup, {});
    f.startInLanguage(button);
    take(app::kLauncher, {});
    // A failed item in the log, so the review has something to show.
    {
        store::Database db(f.ctx.g.DatabasePath);
        QSqlQuery(db.db()).exec(
            QStringLiteral("INSERT INTO hiba1 VALUES ('B', 'Yo ... de Madrid.', 'soy', 'estoy', 'es', 'hay', "
                           "'Yo soy de Madrid.', 'A')"));
        // Two tests in the history, so the progress window shows its chart and lists.
        for (int run = 0; run < 2; ++run) {
            progress::RunRecorder recorder;
            recorder.begin(QDateTime(QDate(2026, 11, 2 + run), QTime(10, 0)), {false, 20, 0});
            for (int i = 1; i <= 20; ++i)
                recorder.answer(db, {{i, QStringLiteral("A"),
                                      i % 3 ? QStringLiteral("B") : QStringLiteral("A"), i % 3 == 0, 4.5}});
            recorder.finish(db, QDateTime(QDate(2026, 11, 2 + run), QTime(10, 5)), 20, 6);
        }
    }
    const QString start = plain(text::uiText(2, langBase));
    for (const QString& window : {app::kPractice, app::kTest, app::kEditor, app::kReview, app::kProgress}) {
        forms::Form* form = f.windows.show(window);
        if (!form) continue;
        take(window, {});
        for (const auto& c : form->controls())
            if (c->kind == forms::ControlKind::Button && plain(c->caption) == start && c->visible &&
                c->enabled) {
                form->click(c->key());
                take(window, QStringLiteral("(started)"));
                break;
            }
        if (f.windows.isLoaded(window)) f.windows.unload(window);
    }
    for (const QString& window : {app::kAbout, app::kHowTo}) {
        f.windows.show(window);
        take(window, {});
        if (f.windows.isLoaded(window)) f.windows.unload(window);
    }
    f.windows.endProgram();
    f.windows.setObserver(nullptr);
    return all;
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyVisibleControlIsNamedInTheWorkingLanguage() {
        const struct {
            const char* button;
            int base;
        } languages[] = {{"Command1", text::English},
                         {"Command6", text::Hungarian},
                         {"Command5", text::Spanish},
                         {"Command2", text::French}};
        std::map<int, Names> byLanguage;
        for (const auto& l : languages) byLanguage[l.base] = namesInLanguage(l.button, l.base);

        // The walk reached the windows it should (a broken walk must not pass by finding nothing).
        const Names& english = byLanguage[text::English];
        QVERIFY2(english.size() > 150, qPrintable(QString::number(english.size())));
        for (const QString& window :
             {app::kStartup, app::kLauncher, app::kPractice, app::kTest, app::kEditor, app::kReview,
              app::kProgress, app::kPractice + QStringLiteral("(started)")}) {
            const bool seen = std::any_of(english.begin(), english.end(), [&](const auto& e) {
                return e.first.startsWith(window + QLatin1Char('/'));
            });
            QVERIFY2(seen, qPrintable("no control walked in " + window));
        }

        // English texts of the catalogue that another language says differently.
        std::set<QString> englishOnly[4];
        for (int key = 0; key < 300; ++key) {
            if (!text::hasText(key)) continue;
            const QString en = plain(text::uiText(key, text::English));
            int i = 0;
            for (int base : {text::Hungarian, text::Spanish, text::French}) {
                ++i;
                if (plain(text::uiText(key, base)) != en) englishOnly[i].insert(en);
            }
        }

        QStringList faults;
        int i = 0;
        for (const auto& l : languages) {
            for (const auto& [where, name] : byLanguage[l.base]) {
                if (name.isEmpty()) faults << QStringLiteral("%1: no name (%2)").arg(where).arg(l.base);
                if (i > 0 && englishOnly[i].count(name) && english.count(where) &&
                    english.at(where) == name && !kFixedTexts.count(name))
                    faults << QStringLiteral("%1: English name \"%2\" in language %3")
                                  .arg(where, name)
                                  .arg(l.base);
            }
            ++i;
        }
        for (const QString& fault : faults) qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 unnamed or untranslated controls").arg(faults.size())));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "test_accessible_names.moc"
