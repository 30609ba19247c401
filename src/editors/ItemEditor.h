#pragma once

#include "editors/EditCommandTarget.h"
#include "editors/EditorContext.h"
#include "editors/SymbolIcons.h"

#include <QString>
#include <QWidget>

class QFormLayout;
class QLabel;
class QPushButton;

namespace editors {

class PositionMaskEdit;

// The editor of one object with a position and a symbol: the symbol picture
// and its change button, the latitude and longitude entry in the data set's
// position format with the hemisphere buttons, and OK, Cancel and Show. The
// window keeps only the object's index and looks the object up whenever it
// needs it; it fills itself again when the object changes and closes when
// the object goes. The waypoint and icon editors differ only in the object
// they reach and the fields they add.
class ItemEditor : public QWidget, public EditCommandTarget {
    Q_OBJECT
public:
    qint16 Index() const { return index_; }
    // The text the key of the object's window list starts with ("Wpt ", "Icn ").
    virtual QString KindPrefix() const = 0;
    // False once the object is gone.
    virtual bool Exists() const = 0;

    // The position format the window shows: the data set's, with "None" and
    // formats without an entry form shown in degrees, minutes and seconds.
    int WindowFormat() const;

    // Checks the entry texts; on failure the message has been shown.
    bool ValidatePosition();

    // The Edit menu while this window is active: Copy puts the object's text
    // record on the clipboard, Paste takes the fields of the clipboard's first
    // record of the kind into the object (its index and kind stay), Delete
    // deletes the object. Cut and Select All do not apply.
    bool CanEdit(EditCommand command) const override;
    void Edit(EditCommand command) override;

    void OK();
    void Cancel() { Unload(); }
    void Show();
    void ChangeSymbol();
    // Fills every control from the object, or closes when it is gone.
    void Fill();
    // Closes the window (and the frame it sits in).
    void Unload();

protected:
    ItemEditor(EditorContext& context, qint16 index, QWidget* parent);
    // Builds the controls; `extra` lets the subclass add its own rows first.
    void Build(const std::function<void(QFormLayout&)>& extra);
    // Connects the data set's events of the object's kind.
    template <class Signal> void RefillOn(Signal changed);
    template <class Signal> void CloseOn(Signal removed);

    virtual qint32 X() const = 0;
    virtual qint32 Y() const = 0;
    virtual int Symbol() const = 0;
    virtual void SetSymbol(int symbol) = 0;
    virtual void SetPosition(std::optional<double> latitude, std::optional<double> longitude) = 0;
    // The subclass's own fields: filled, and stored on OK after the position.
    virtual void FillFields() {}
    virtual void StoreFields() {}
    virtual QString MakeString() const = 0;
    // Whether the text holds a record of the kind.
    virtual bool HoldsRecord(const QString& text) const = 0;
    // Takes the fields of the text's first record (not its index or kind)
    // into the object.
    virtual void PasteRecord(const QString& text) = 0;
    virtual void DeleteObject() = 0;
    virtual QString EditStepName() const = 0;
    virtual QString SymbolStepName() const = 0;

    EditorContext& context_;

private:
    void Copy();
    void Paste();
    void Delete();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Flip(QPushButton* button, const QString& one, const QString& other);
    // The degrees an entry stands for, none when it is as the window filled it.
    std::optional<double> Entered(bool latitude, int format) const;

    qint16 index_;
    SymbolIcons icons_;
    // Set while OK stores, so that the object's change events do not refill
    // the entry boxes that are still being read.
    bool storing_ = false;
    QLabel* imgIcon_ = nullptr;
    QPushButton* cmdChangeIcon_ = nullptr;
    PositionMaskEdit* mskLatitude_ = nullptr;
    PositionMaskEdit* mskLongitude_ = nullptr;
    QPushButton* btnNorthSouth_ = nullptr;
    QPushButton* btnEastWest_ = nullptr;
    QString filledLatitude_;
    QString filledLongitude_;
};

template <class Signal> void ItemEditor::RefillOn(Signal changed) {
    connect(&context_.data, changed, this, [this](int index) {
        if (index == index_ && !storing_)
            Fill();
    });
}

template <class Signal> void ItemEditor::CloseOn(Signal removed) {
    connect(&context_.data, removed, this, [this](int index) {
        if (index == index_)
            Unload();
    });
}

} // namespace editors
