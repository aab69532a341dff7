// SPDX-License-Identifier: GPL-3.0-or-later

// One application object for every window test program, made as the program
// makes its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "ui/resources/resources.h"

namespace tessaron::test {
namespace {

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
        setUpApplication();
    }
    void TearDown() override { application_.reset(); }

  private:
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

}  // namespace tessaron::test
