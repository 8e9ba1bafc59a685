// Every widget test runs inside one QApplication (on the offscreen platform
// under ctest) with Qt's own Japanese translation loaded, as the program has.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "widgets/dialogs/japanese_desktop.h"

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        // The running copy's socket lives in the runtime folder: a test run
        // of its own, so that a program the person has open (or another test
        // run) neither receives the tests' files nor hands its own to them.
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        app_ = std::make_unique<QApplication>(argc, argv);
        nubera::widgets::SetUpJapaneseDesktop(*app_);
        // What the program remembers per user (recent files) stays in the test's own folder.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        // Tests close main windows; that must not end the application.
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
    QTemporaryDir settings_;
    QTemporaryDir runtime_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
