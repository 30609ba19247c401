#include "linkpod/ReplyMatcher.h"

#include "linkpod/PayloadReader.h"

namespace linkpod {

namespace {
constexpr qsizetype IndexBytes = 2;
constexpr qsizetype TrailPartBytes = 2 + 4; // trail index, first point
constexpr qsizetype OffsetBytes = 4;
} // namespace

ReplyMatcher::Echo ReplyMatcher::EchoOf(const LinkRequest& request) {
    const QByteArray& p = request.payload;
    switch (request.kind) {
    case Command::GetWaypoint:
    case Command::GetRoute:
    case Command::GetIcon:
        // Each slot of the reply starts with its in-use byte, then its index.
        return {p.left(IndexBytes), 1};
    case Command::GetTrailHeader:
    case Command::GetFlashStatus:
        return {p.left(IndexBytes), 0};
    case Command::GetTrailPoints:
        return {p.left(TrailPartBytes), 0};
    case Command::ReadCardFile: {
        // slot u8, name text, offset u32: the reply starts with the offset.
        PayloadReader in(p);
        in.U8();
        in.Text();
        return {in.Raw(OffsetBytes), 0};
    }
    default:
        return {};
    }
}

bool ReplyMatcher::Answers(const LinkRequest& request, const Frame& reply) {
    if (reply.device != request.device)
        return false;
    const auto kind = static_cast<Command>(reply.kind);
    if (kind == Command::Result)
        return !reply.payload.isEmpty() &&
               static_cast<std::uint8_t>(reply.payload[0]) == static_cast<std::uint8_t>(request.kind);
    if (kind != request.reply)
        return false;
    const Echo echo = EchoOf(request);
    return reply.payload.mid(echo.at, echo.asked.size()) == echo.asked;
}

} // namespace linkpod
