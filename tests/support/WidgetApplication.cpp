#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// One application object for every widget test of a binary, with a fixed
// locale so that dates and numbers read the same on every machine, and the
// settings of the windows the tests start kept away from the user's.
class WidgetApplication : public testing::Environment {
public:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        qputenv("XDG_CONFIG_HOME", QDir(home_.path()).filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", QDir(home_.path()).filePath("data").toUtf8());
        static int argc = 1;
        static char name[] = "terrafold-tests";
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

const auto* const registered = testing::AddGlobalTestEnvironment(new WidgetApplication);

} // namespace
