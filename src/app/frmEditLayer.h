#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace app {

// The layer editor: one map layer with its on/off status button and its
// colour chosen from the sixteen named colours of the standard palette
// (the list's row is the palette index). OK accepts the choice; Cancel
// leaves the layer as it was.
class frmEditLayer : public QDialog {
    Q_OBJECT
public:
    static const QStringList ColorNames;

    explicit frmEditLayer(QWidget* parent = nullptr);

    void ShowLayer(const QString& name, bool on);
    // A palette index; -1 for a layer with no colour of its own (a major
    // category), which disables the list.
    void ShowColor(int color);

    bool LayerOn() const { return on_; }
    int Color() const;

private:
    void ShowStatus();

    QLabel* lblLayer_;
    QPushButton* cmdStatus_;
    QListWidget* lstColor_;
    bool on_ = true;
};

} // namespace app
