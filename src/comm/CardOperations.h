#pragma once

#include "comm/TransferUserData.h"
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

    void SetPrompt(ui::Prompt* prompt) {
        prompt_ = prompt;
        userData_.SetPrompt(prompt);
    }
    // The user data file's progress (the map's goes through the upload).
    void SetProgress(ui::Progress* progress) { userData_.SetProgress(progress); }

    const QList<Card>& Devices() const { return devices_; }
    const QList<File>& Files() const { return files_; }
    int SelectedDevice() const { return selected_; }
    // lstDevices_Click: selects a card (-1 none) and lists its map files.
    void SelectDevice(int row);
    // Lists the cards of `device` afresh.
    void FLNewDeviceReady(quint16 device, int flag);
    void RemoveDevice(quint16 device);
    // Empties the card and file lists: a new connection lists its cards afresh.
    void ClearDevices();

    // Writes the map at `path` as a file on the selected card; true once the
    // start went to the card. The card may still refuse it: the upload then
    // finishes unsent after the card's message.
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
    // The card's answer to a start: false when it was refused for good (the
    // upload is then given up and the card's reason shown).
    bool Started(int code);
    bool Confirm(const QString& text);
    // Cards of a reader that was closed or a unit that went leave the list.
    void DropGone();
    // The card `keep` stays selected when it is still listed.
    void Reselect(const Card& keep);

    Connection& session_;
    MapUpload& upload_;
    TransferUserData userData_;
    ui::Prompt* prompt_ = nullptr;
    QList<Card> devices_;
    QList<File> files_;
    int selected_ = -1;
    // The file being started: its path, size and card, and whether its short
    // name was tried already.
    QString startPath_;
    Card startCard_;
    bool shortNameTried_ = false;
};

} // namespace comm
