#include "comm/FlashPartitions.h"

#include "comm/Connection.h"
#include "comm/FlashTexts.h"
#include "comm/MapUpload.h"
#include "mapbuild/MapData.h"

#include <algorithm>

namespace comm {

namespace {

constexpr quint16 NotNormalMode = 1 << 0;
constexpr quint16 NotForMaps = 1 << 6;
constexpr qint32 SlowRate = 19200;

} // namespace

FlashPartitions::FlashPartitions(Connection& session, mapbuild::MapData& map, MapUpload& upload,
                                 QObject* parent)
    : QObject(parent), session_(session), map_(map), upload_(upload) {
    connect(&session_, &Connection::NumFlashSections, this, &FlashPartitions::OnCount);
    connect(&session_, &Connection::FlashSectionStatus, this, &FlashPartitions::OnStatus);
    // An erase on its own ends here (one made for a map goes on into the
    // map): the partitions it emptied must not still be listed with their data.
    connect(&session_, &Connection::FlashErased, this, [this] {
        if (!upload_.Pending())
            session_.GetNumFlashSections();
    });
}

void FlashPartitions::OnCount(int count) {
    map_.DeleteFlashSections();
    lines_.clear();
    notNormal_ = false;
    counted_ = std::clamp(count, 0, 65535);
    reported_ = 0;
    emit LinesChanged();
    for (int i = 0; i < counted_; ++i)
        session_.GetFlashSectionStatus(quint16(i));
    session_.GetProductInformation();
    session_.GetProductName();
}

void FlashPartitions::OnStatus(quint16 partition, quint16 inUse, quint16 status, quint32 size,
                               quint32 startAddress, quint32 programmed, const QString& dataName,
                               quint32 dataKind) {
    ++reported_;
    if (notNormal_)
        return;
    if (status & NotNormalMode) {
        notNormal_ = true;
        session_.Disconnect();
        if (prompt_)
            prompt_->Message(
                QStringLiteral("Communications Error"),
                QStringLiteral("Unit is not in normal operation mode. Please turn it off and put "
                               "it into normal operation mode."),
                ui::Icon::Critical);
        return;
    }
    if (status & NotForMaps)
        return;
    lines_ << FlashTexts::PartitionLine(partition, size, inUse == 1, dataName);
    map_.AddFlashSection(partition, inUse, status, size, startAddress, programmed, dataName, dataKind);
    emit LinesChanged();
}

bool FlashPartitions::Refuse(const QString& text, const QString& title) {
    if (prompt_)
        prompt_->Message(title, text, ui::Icon::Exclamation);
    return false;
}

QString FlashPartitions::lstFlashSections_Click(const QList<int>& selectedRows) {
    if (selectedRows.isEmpty())
        return {};
    const int first = *std::min_element(selectedRows.begin(), selectedRows.end());
    const QString text = FlashTexts::SelectionCheck(map_.CartridgeFileLen(), map_.ContiguousFlashSize(first));
    if (!text.isEmpty())
        Refuse(text, ui::ProgramTitle());
    return text;
}

QList<int> FlashPartitions::RunFor(int firstRow, qint64 bytes) const {
    QList<int> rows;
    qint64 room = 0;
    for (int i = firstRow, end = map_.EndContiguousFlashIndex(firstRow); i >= 0 && i <= end; ++i) {
        rows << i;
        room += map_.FlashSection(i)->Size();
        if (room >= bytes)
            break;
    }
    return rows;
}

QStringList FlashPartitions::ConfirmationLines(const QList<int>& rows) const {
    QStringList out;
    for (int row : rows) {
        const mapbuild::FlashSectionObject* s = map_.FlashSection(row);
        out << QString::number(s->Number() + 1) + QStringLiteral("   ") +
                   (s->InUse() ? s->DataName() : QStringLiteral("Unused"));
    }
    return out;
}

void FlashPartitions::Erase(const QList<int>& rows) {
    upload_.BeginErase();
    // One erase for each run of adjacent partitions.
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype end = i + 1;
        while (end < rows.size() &&
               map_.FlashSection(rows[end])->Number() == map_.FlashSection(rows[end - 1])->Number() + 1)
            ++end;
        session_.EraseFlash(map_.FlashSection(rows[i])->Number(), quint16(end - i));
        i = end;
    }
}

void FlashPartitions::EraseFlash(const QList<int>& selectedRows) {
    QList<int> rows;
    for (int row : selectedRows)
        if (map_.FlashSection(row))
            rows << row;
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty()) {
        Refuse(QStringLiteral("Please select a memory partition to erase."), ui::ProgramTitle());
        return;
    }
    QStringList lines;
    for (int row : rows)
        lines << lines_.value(row);
    if (prompt_ && prompt_->Ask(QStringLiteral("Erase Sections"), FlashTexts::EraseConfirmation(lines),
                                ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes)
        return;
    Erase(rows);
}

bool FlashPartitions::MapSuitsRun(const QList<int>& rows) {
    const FlashDataObject& image = upload_.Data();
    for (int row : rows)
        if (!map_.FlashDataCompatible(row, image.Manufacturer(), image.DataType()))
            return false;
    return true;
}

bool FlashPartitions::DownloadCartridge(const QList<int>& selectedRows) {
    const qint64 length = map_.CartridgeFileLen();
    if (length > map_.MaxContiguousFlashSize())
        return Refuse(FlashTexts::MapTooLarge(length), ui::ProgramTitle());
    int first = -1;
    for (int row : selectedRows)
        if (map_.FlashSection(row) && (first < 0 || row < first))
            first = row;
    if (first < 0)
        return Refuse(QStringLiteral("Please select a memory partition to transfer map to."),
                      ui::ProgramTitle());
    if (length > map_.ContiguousFlashSize(first))
        return Refuse(QStringLiteral("Try selecting another memory partition."), ui::ProgramTitle());
    if (session_.BaudRate() < SlowRate && prompt_ &&
        prompt_->Ask(QStringLiteral("Communications Warning"),
                     FlashTexts::SlowRateWarning(session_.BaudRate()), ui::Buttons::YesNo,
                     ui::Icon::Exclamation) != ui::Answer::Yes)
        return false;
    if (!upload_.LoadData(map_.CartridgeFileName()))
        return Refuse(QStringLiteral("Error loading file: ") + map_.CartridgeFileName(),
                      QStringLiteral("File Error"));
    const QList<int> rows = RunFor(first, upload_.Data().DataLength());
    if (!MapSuitsRun(rows)) {
        upload_.Cancel();
        return Refuse(QStringLiteral("Memory partition is not compatible with data."), ui::ProgramTitle());
    }
    if (prompt_ && prompt_->Ask(QStringLiteral("Transfer Map"),
                                FlashTexts::TransferConfirmation(map_.MapName(), ConfirmationLines(rows)),
                                ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes) {
        upload_.Cancel();
        return false;
    }
    Erase(rows);
    return true;
}

} // namespace comm
