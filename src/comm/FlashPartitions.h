#pragma once

#include "gpsdata/Prompt.h"

#include <QList>
#include <QObject>
#include <QStringList>

namespace mapbuild {
class MapData;
}

namespace comm {

class Connection;
class MapUpload;

// The partition list of a unit on the Dezav link (the map window shows its
// lines) and the commands on the selected partitions: the selection check,
// erasing, and sending the built map. Rows of the list are the map
// definition's partition indexes.
class FlashPartitions : public QObject {
    Q_OBJECT
public:
    FlashPartitions(Connection& session, mapbuild::MapData& map, MapUpload& upload,
                    QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }

    const QStringList& Lines() const { return lines_; }
    // Every partition the unit counted has reported its status.
    bool Listed() const { return counted_ >= 0 && reported_ >= counted_; }
    // The selection check: empty when the built map fits from the first
    // selected row on, the refusal (also shown) otherwise.
    QString lstFlashSections_Click(const QList<int>& selectedRows);
    void EraseFlash(const QList<int>& selectedRows);
    // Sends the built map into the partitions from the first selected row on;
    // true once the erase before it was requested.
    bool DownloadCartridge(const QList<int>& selectedRows);
    // The rows a map of `bytes` takes from `firstRow` on.
    QList<int> RunFor(int firstRow, qint64 bytes) const;

signals:
    void LinesChanged();

private:
    void OnCount(int count);
    void OnStatus(quint16 partition, quint16 inUse, quint16 status, quint32 size, quint32 startAddress,
                  quint32 programmed, const QString& dataName, quint32 dataKind);
    bool Refuse(const QString& text, const QString& title);
    bool MapSuitsRun(const QList<int>& rows);
    QStringList ConfirmationLines(const QList<int>& rows) const;
    void Erase(const QList<int>& rows);

    Connection& session_;
    mapbuild::MapData& map_;
    MapUpload& upload_;
    ui::Prompt* prompt_ = nullptr;
    QStringList lines_;
    bool notNormal_ = false; // the unit said it is not in normal operation mode
    int counted_ = -1;       // partitions of the last count, -1 before one
    int reported_ = 0;
};

} // namespace comm
