#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Widgets need one application object for the whole test binary.
class GuiApplication : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "tf_app_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("terrafold-tests"));
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const registered = testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
