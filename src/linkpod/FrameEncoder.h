#pragma once

#include "linkpod/Frame.h"

namespace linkpod {

// Turns a frame into its bytes on the line: flag, stuffed header, payload and
// CRC, flag. Payloads above framing::MaxPayload are a programming error and
// are cut so that no peer ever sees an oversized frame.
QByteArray EncodeFrame(const Frame& frame);

} // namespace linkpod
