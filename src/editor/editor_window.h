// The database window "Form1". This holds its frame: controls, menus, texts and the way in and out.
#pragma once

#include "app/task_window.h"

namespace editor {

class EditorWindow : public app::TaskWindow {
public:
    explicit EditorWindow(app::Context& ctx);
    void Form_Load() override;
    void Command2_Click() { mnuPlurquiz_Click(); }

    QString& DatabaseTitle = TitleWord;
};

}  // namespace editor
