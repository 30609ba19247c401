#pragma once

#include <QString>

class QSettings;

namespace linkpod {

// Which device file stands for COM n, and which folder is the card reader
// on parallel port n. Defaults: COM1..COM4 = /dev/ttyUSB0..3, LPT1/LPT2 =
// the "cards/LPT1" and "cards/LPT2" folders of the user's data folder. The
// environment (TERRAFOLD_COM1.., TERRAFOLD_LPT1..) overrides both the
// defaults and the settings, for tests and for trying things out.
class PortTable {
public:
    static constexpr int ComPorts = 8;
    static constexpr int ParallelPorts = 2;

    QString ComDevice(int port) const;
    void SetComDevice(int port, const QString& path);
    QString ReaderFolder(int port) const;
    // The folder was chosen (settings or environment), not the default.
    bool ReaderFolderChosen(int port) const;
    void SetReaderFolder(int port, const QString& path);

    // What was set for the port, without the environment and the default;
    // empty when nothing was.
    QString ChosenComDevice(int port) const;
    QString ChosenReaderFolder(int port) const;
    static QString DefaultComDevice(int port);
    static QString DefaultReaderFolder(int port);

    // Settings keys "Ports/COM1".. and "Ports/LPT1"..; only ports set there
    // change.
    void Load(const QSettings& settings);
    void Save(QSettings& settings) const;

private:
    QString com_[ComPorts];
    QString lpt_[ParallelPorts];
};

} // namespace linkpod
