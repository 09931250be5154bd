#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace {

// Fonts, pictures and dialogs need a running QApplication for the whole test program.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        application_ = std::make_unique<QApplication>(argc_, argv_);
        // The user's own settings (recent plans, update address) stay out of the tests.
        settings_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_->path());
    }
    void TearDown() override {
        application_.reset();
        settings_.reset();
    }

private:
    int argc_ = 1;
    char name_[14] = "velmora_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QTemporaryDir> settings_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
