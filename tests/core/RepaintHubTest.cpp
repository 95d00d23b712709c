// Repaint listeners: the other windows refresh after every repaint of the main window.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "views/HeadlessWindow.h"

namespace merrowin {
namespace {

struct CountingListener : RepaintListener {
    RepaintHub* RepaintFromRefresh = nullptr;
    int Refreshes = 0;
    void ModelChanged() override {
        ++Refreshes;
        if (RepaintFromRefresh != nullptr) {
            RepaintFromRefresh->RepaintWindow(); // must not recurse without end
        }
    }
};

TEST(RepaintHub, ListenersRefreshAfterEveryWindowRepaintUntilRemoved) {
    AppState app = test::StartupApp();
    HeadlessWindow window(app, HeadlessWindow::Drawing::Discard);
    CountingListener grid, labels;
    window.AddListener(grid);
    window.AddListener(grid); // registered once
    window.AddListener(labels);
    labels.RepaintFromRefresh = &window;

    window.RepaintWindow();
    EXPECT_EQ(grid.Refreshes, 1);
    EXPECT_EQ(labels.Refreshes, 1);
    window.RepaintMainView(); // the main view alone changes no model
    EXPECT_EQ(grid.Refreshes, 1);

    window.RemoveListener(grid);
    window.RepaintWindow();
    EXPECT_EQ(grid.Refreshes, 1);
    EXPECT_EQ(labels.Refreshes, 2);
}

} // namespace
} // namespace merrowin
