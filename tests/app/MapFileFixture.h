#pragma once

#include "app/MapFile.h"
#include "carver/Carver.h"
#include "mapbuild/MapData.h"
#include "support/RecordingPrompt.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A map definition, its settings and file class over a temporary folder.
class MapFileFixture : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString Put(const QString& name, const QByteArray& bytes) const {
        return testing_support::WriteFile(Path(name), bytes);
    }
    QByteArray Read(const QString& name) const { return testing_support::ReadFile(Path(name)); }
    QList<carver::Border> Borders() const { return carver.Borders(); }

    QTemporaryDir dir;
    Carver carver;
    mapbuild::MapData map{carver};
    app::ProgramSettings settings;
    app::RecentFiles recent;
    testing_support::RecordingPrompt prompt;
    app::MapFile file{settings, map, recent, prompt};
};
