#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

// One application object for every widget test of the binary, with a fixed
// locale so that dates and numbers read the same on every machine.
class WidgetApplication : public testing::Environment {
public:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        static int argc = 1;
        static char name[] = "tf_editors_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const registered = testing::AddGlobalTestEnvironment(new WidgetApplication);

} // namespace
