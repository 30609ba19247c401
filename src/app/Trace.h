#pragma once

#include <QString>

#include <functional>

namespace app {

// Start-up and shutdown steps announce themselves by label. The program keeps
// no trace output; tests install a hook to check the order of the steps.
using TraceHook = std::function<void(const QString& label)>;

void Trace(const QString& label);
void SetTraceHook(TraceHook hook);

} // namespace app
