// The database window's controls and menus.
#include "editor_window.h"

#include "app/window_names.h"

namespace editor {

EditorWindow::EditorWindow(app::Context& ctx)
    : app::TaskWindow(app::kEditor, ctx, text::TitleWindow::Database) {
    caption = QStringLiteral("Database");
    addButtons({{"Command10", "&Start", true},
                {"Command6", "&First", false},
                {"Command3", "&Previous", false},
                {"Command7", "&Next", false},
                {"Command8", "&Last", false},
                {"Command1", "Ne&w", false},
                {"Command5", "Fin&d first", false},
                {"Command11", "F&ind next", false},
                {"Command4", "Del&ete", false},
                {"Command2", "&Close", false},
                {"Command12", "C&hr", false}});
    addLabels({{"Label5", "Solution:", false}, {"Label6", "Level:", false}, {"Label11", "Topic:", false}});

    mnuDatabase.enabled = false;
    addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    addItem(QStringLiteral("mnuFonts"), QStringLiteral("&Fonts"));
    addTopicMenu();
    addMenu(QStringLiteral("mnuset"), QStringLiteral("&Settings"));

    onClick(c(QStringLiteral("Command2")), [this] { Command2_Click(); });
}

void EditorWindow::Form_Load() {
    loadCommon(text::editorTexts());
}

}  // namespace editor
