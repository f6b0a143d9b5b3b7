// The practice window "Spgyak". This holds its frame: controls, menus, texts and the way in and out.
#pragma once

#include "app/task_window.h"

namespace practice {

class PracticeWindow : public app::TaskWindow {
public:
    explicit PracticeWindow(app::Context& ctx);
    void Form_Load() override;
    void Command6_Click() { mnuPlurquiz_Click(); }

    QString& PracticeTitle = TitleWord;
};

}  // namespace practice
