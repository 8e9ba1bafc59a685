// The rendering tests paint with Qt's fonts, which need one QGuiApplication
// (on the offscreen platform under ctest).

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class QtGuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "render_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

}  // namespace
