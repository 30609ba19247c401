#pragma once

#include "linkpod/Frame.h"
#include "linkpod/LinkRequest.h"

namespace linkpod {

// Tells whether a packet from the unit answers the request the host has open.
// Kind alone is not enough: a reply that comes after its request was given up
// must not be taken for the answer to the next request of the same kind. A
// reply therefore has to come from the device asked, a Result has to name the
// request's kind, and a reply about a slot, a partition, a trail part or a
// file part has to name the same one the request asked for.
class ReplyMatcher {
public:
    static bool Answers(const LinkRequest& request, const Frame& reply);

private:
    // The bytes of the request that the reply repeats, and where the reply
    // repeats them; empty when the reply repeats nothing.
    struct Echo {
        QByteArray asked;
        qsizetype at = 0;
    };
    static Echo EchoOf(const LinkRequest& request);
};

} // namespace linkpod
