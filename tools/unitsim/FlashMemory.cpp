#include "FlashMemory.h"

#include "linkpod/PayloadWriter.h"
#include "linkpod/RecordCodec.h"

#include <QSaveFile>

using namespace linkpod;

namespace unitsim {

namespace {

// The maker and data type a map header records, as a partition reports them.
std::uint32_t DataKind(const QByteArray& image) {
    if (image.size() <= 64 || quint8(image[0]) != 0x55 || quint8(image[1]) != 0xAA)
        return 0;
    return (std::uint32_t(quint8(image[24])) << 8) | quint8(image[25]);
}

} // namespace

FlashMemory::FlashMemory(int partitions, std::uint32_t partitionSize, const QString& dumpFile)
    : dumpFile_(dumpFile) {
    for (int i = 0; i < partitions; ++i) {
        FlashSection s;
        s.number = static_cast<std::uint16_t>(i);
        s.size = partitionSize;
        s.value1 = static_cast<std::uint32_t>(i) * partitionSize;
        sections_.push_back(s);
    }
}

std::vector<Reply> FlashMemory::Handle(Command kind, PayloadReader& in, const UnitMemory& memory) {
    switch (kind) {
    case Command::GetFlashCount:
        return {
            {Command::FlashCount, PayloadWriter().U16(static_cast<std::uint16_t>(sections_.size())).Data()}};
    case Command::GetFlashStatus: {
        const std::uint16_t n = in.U16();
        if (n >= sections_.size())
            return {memory.Result(kind, result::BadIndex, n)};
        PayloadWriter w;
        codec::Put(w, sections_[n]);
        return {{Command::FlashStatus, w.Data()}};
    }
    case Command::EraseFlash: {
        const int first = in.U16();
        const int count = in.U16();
        if (count == 0 || first + count > static_cast<int>(sections_.size()))
            return {memory.Result(kind, result::BadIndex)};
        std::vector<Reply> out;
        for (int step = 1; step <= count; ++step) {
            FlashSection& s = sections_[first + step - 1];
            s.inUse = 0;
            s.value2 = 0;
            s.value3 = 0;
            s.dataName.clear();
            out.push_back({Command::FlashProgress, PayloadWriter().F32(100.0f * step / count).Data()});
        }
        runFirst_ = first;
        runCount_ = count;
        programmed_ = 0;
        image_.clear();
        out.push_back(memory.Result(kind, result::Ok));
        return out;
    }
    case Command::ProgramFlash: {
        const std::uint32_t address = in.U32();
        const QByteArray block = in.Bytes();
        const std::uint64_t room =
            static_cast<std::uint64_t>(runCount_) * (sections_.empty() ? 0 : sections_[0].size);
        if (runFirst_ < 0 || !in.Ok() || block.size() > 512 || address != programmed_ ||
            address + static_cast<std::uint64_t>(block.size()) > room)
            return {memory.Result(kind, result::BadIndex, address)};
        programmed_ += static_cast<std::uint32_t>(block.size());
        image_.append(block);
        return {memory.Result(kind, result::Ok, programmed_)};
    }
    case Command::ProgramDone: {
        if (runFirst_ < 0)
            return {memory.Result(kind, result::BadRequest)};
        for (int i = runFirst_; i < runFirst_ + runCount_; ++i) {
            sections_[i].inUse = 1;
            sections_[i].dataName = QStringLiteral("Custom Map");
            sections_[i].value2 = programmed_;
            sections_[i].value3 = DataKind(image_);
        }
        runFirst_ = -1;
        if (!dumpFile_.isEmpty()) {
            QSaveFile dump(dumpFile_);
            if (dump.open(QIODevice::WriteOnly) && dump.write(image_) == image_.size())
                dump.commit();
        }
        return {memory.Result(kind, result::Ok, programmed_)};
    }
    default:
        return {};
    }
}

} // namespace unitsim
