#pragma once

#include "app/FileChooser.h"
#include "app/SingleInstance.h"
#include "app/Trace.h"
#include "app/frmMain.h"
#include "support/RecordingPrompt.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <deque>
#include <memory>

#include <gtest/gtest.h>

// Answers the file dialogs from a queue, then Cancel; records what each asked.
class ScriptedChooser : public app::FileChooser {
public:
    QString OpenName(const app::FileQuestion& question) override { return Next(question); }
    QString SaveName(const app::FileQuestion& question) override { return Next(question); }

    std::deque<QString> names;
    QList<app::FileQuestion> asked;

private:
    QString Next(const app::FileQuestion& question) {
        asked << question;
        if (names.empty())
            return {};
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// The main window with its settings in a folder of its own and its questions recorded.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        app::SetTraceHook([this](const QString& label) { trace << label; });
        Start();
    }
    void TearDown() override {
        main.reset();
        app::SetTraceHook({});
    }

    void Start() {
        main = std::make_unique<app::frmMain>(&instance);
        main->SetFolders(Path(QStringLiteral("config")), Path(QStringLiteral("data")));
        if (!masterFolder.isEmpty())
            main->SetMasterFolder(masterFolder);
        main->SetPrompt(&prompt);
        main->Load();
        main->SetFileChooser(&chooser);
    }
    // Closes the window (as the user would) and starts it again on the same folders.
    void Restart() {
        prompt.fallback = ui::Answer::No;
        main->close();
        main.reset();
        prompt.fallback = ui::Answer::Cancel;
        Start();
    }

    void SetMasterFolder(const QString& res) { masterFolder = res; }

    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString Put(const QString& name, const QByteArray& bytes) const {
        return testing_support::WriteFile(Path(name), bytes);
    }
    QAction* Command(const char* name) const { return main->findChild<QAction*>(QLatin1String(name)); }

    // A toolbar button by its key, clicked.
    void Click(const char* key) const {
        auto* button = main->findChild<QToolButton*>(QLatin1String(key));
        ASSERT_NE(button, nullptr) << key;
        button->click();
    }

    QString UniqueName() const {
        return QStringLiteral("tf-main-test-%1-%2")
            .arg(QCoreApplication::applicationPid())
            .arg(reinterpret_cast<quintptr>(this));
    }

    QTemporaryDir dir;
    QString masterFolder;
    QStringList trace;
    app::SingleInstance instance{UniqueName()};
    testing_support::RecordingPrompt prompt;
    ScriptedChooser chooser;
    std::unique_ptr<app::frmMain> main;
};
