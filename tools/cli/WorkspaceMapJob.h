#pragma once

#include "mastermap/CartridgeMaker.h"

#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

namespace cli {

// The custom map a workspace file (".nmp") defines, ready for the engine: its
// borders ("Polygon" and "Point" lines), corridor width, layers switched off,
// detail level and header text, with the build list and layer selection made
// from the master map folder (res) the way the program makes them.
class WorkspaceMapJob {
public:
    // Returns an empty text, or why the workspace or the master map cannot be used.
    QString Load(const QString& workspace, const QString& resFolder);
    // The request for an estimate (into a temporary file) or a build into output.
    mastermap::CartridgeMaker::Request Request(const QString& output, bool estimate) const;
    QString TemporaryPath(const QString& name) const { return temp_.filePath(name); }

    // The estimate and build-map commands: WORKSPACE.nmp [-o OUT.ncm] [--res DIR].
    static int RunCommand(const QStringList& arguments, bool estimate, QTextStream& out, QTextStream& err);

private:
    QString ReadWorkspace(const QString& path, QStringList& layersOff);
    QString WriteBuildList(const QString& resFolder);

    QTemporaryDir temp_;
    mastermap::CartridgeMaker::Request request_;
    bool highDetail_ = false;
};

} // namespace cli
