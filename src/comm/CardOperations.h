#pragma once

#include "gpsdata/Prompt.h"

#include <QList>
#include <QObject>
#include <QString>

namespace comm {

class Connection;
class MapUpload;

// The memory cards of the connected unit and of the card reader as the map
// window lists them, the map files of the selected card, and the commands on
// them: writing the built map as a file, erasing a file, formatting a card,
// and saving and loading the data set through the card's user data file.
class CardOperations : public QObject {
    Q_OBJECT
public:
    struct Card {
        QString text;
        quint16 device = 0;
        int slot = 0;
    };
    struct File {
        QString text;
        int index = 0; // on the card
    };

    CardOperations(Connection& session, MapUpload& upload, QObject* parent = nullptr);

    void SetPrompt(ui::Prompt* prompt) { prompt_ = prompt; }
    void SetProgress(ui::Progress* progress) { progress_ = progress; }

    const QList<Card>& Devices() const { return devices_; }
    const QList<File>& Files() const { return files_; }
    int SelectedDevice() const { return selected_; }
    // lstDevices_Click: selects a card (-1 none) and lists its map files.
    void SelectDevice(int row);
    // Lists the cards of `device` afresh.
    void FLNewDeviceReady(quint16 device, int flag);
    void RemoveDevice(quint16 device);

    // Writes the map at `path` as a file on the selected card; true once the
    // write started (the blocks follow).
    bool DownloadCartridge(const QString& path);
    void EraseFile(int fileRow);
    void FormatDevice();
    // The data set through the selected card's user data file: the control's
    // four lists are written to it, or filled from it.
    void SaveData();
    void LoadData();

    // The short (8.3) form of a file name, for cards that take no other.
    static QString ShortName(const QString& fileName);

signals:
    void DevicesChanged();
    void FilesChanged();
    // A save or load through the card ended; true when it worked.
    void UserDataDone(bool ok);

private:
    const Card* SelectedCard() const;
    bool NoCard();
    int StartWrite(const QString& path, quint32 size);
    bool Confirm(const QString& text);
    // Empties the control's four lists.
    void ClearStore();
    void BeginUserData(const QString& caption);
    void EndUserData(const QString& failure);

    Connection& session_;
    MapUpload& upload_;
    ui::Prompt* prompt_ = nullptr;
    ui::Progress* progress_ = nullptr;
    QList<Card> devices_;
    QList<File> files_;
    int selected_ = -1;
    bool userDataBusy_ = false;
};

} // namespace comm
