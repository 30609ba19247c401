#include "app/Trace.h"

namespace app {

namespace {
TraceHook& Hook() {
    static TraceHook hook;
    return hook;
}
} // namespace

void Trace(const QString& label) {
    if (Hook())
        Hook()(label);
}

void SetTraceHook(TraceHook hook) {
    Hook() = std::move(hook);
}

} // namespace app
