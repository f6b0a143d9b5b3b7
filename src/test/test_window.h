// The test window "Sptest". This holds its frame: controls, menus, texts and the way in and out.
#pragma once

#include "app/task_window.h"

namespace test {

class TestWindow : public app::TaskWindow {
public:
    explicit TestWindow(app::Context& ctx);
    void Form_Load() override;
    void Form_Unload() override;
    // Close also closes the review window.
    void Command6_Click();
};

}  // namespace test
