#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Widgets need one application object for the whole test binary.
class GuiApplication : public testing::Environment {
public:
    void SetUp() override {
        // Windows started by the tests keep their settings away from the user's.
        qputenv("XDG_CONFIG_HOME", QDir(home_.path()).filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", QDir(home_.path()).filePath("data").toUtf8());
        static int argc = 1;
        static char name[] = "tf_unitwindows_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("terrafold-tests"));
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QTemporaryDir home_;
    QApplication* app_ = nullptr;
};

const auto* const registered = testing::AddGlobalTestEnvironment(new GuiApplication);

} // namespace
