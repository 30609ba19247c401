#pragma once

#include "WorkspaceSession.h"

#include "mapbuild/FixedDetail.h"
#include "mapbuild/MasterCategories.h"
#include "mastermap/MasterMapControl.h"

#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace cli {

// The custom map a workspace file (".nmp") defines, estimated or built the
// way the program's window does it: the same map definition, master lists,
// layer selection, detail level, corridor and header text. Only the lists go
// to a temporary folder of the run's own.
class WorkspaceMapJob {
public:
    // Returns an empty text, or why the workspace or the master map cannot be used.
    QString Load(const QString& workspace, const QString& resFolder);
    void SetProgress(ui::Progress* progress) { session_.map.SetProgress(progress); }
    // The estimate in bytes; 0 when there is none (Reason says why).
    qint32 Estimate();
    // Builds the map and saves it as `output`; false when not (Reason says why).
    bool Build(const QString& output);
    QString Reason() const;

    // The estimate and build-map commands: WORKSPACE.nmp [-o OUT.ncm] [--res DIR].
    static int RunCommand(const QStringList& arguments, bool estimate, QTextStream& out, QTextStream& err);

private:
    QTemporaryDir temp_;
    WorkspaceSession session_;
    mastermap::MasterMapControl control_;
    mapbuild::MasterCategories categories_{control_};
    std::unique_ptr<mapbuild::FixedDetail> detail_;
    QString saveError_;
};

} // namespace cli
