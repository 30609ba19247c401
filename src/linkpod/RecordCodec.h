#pragma once

#include "linkpod/PayloadReader.h"
#include "linkpod/PayloadWriter.h"
#include "linkpod/Records.h"

// Field layouts of the records, shared by the unit link and ".usr" files
// (docs/linkpod-protocol.md, docs/usr-format.md). Readers take what a writer
// wrote; on short input they return a zeroed record and the reader's Ok()
// is false.
namespace linkpod::codec {

void Put(PayloadWriter& w, const UserWaypoint& r);
void Put(PayloadWriter& w, const UserRoute& r);
void Put(PayloadWriter& w, const UserIcon& r);
void Put(PayloadWriter& w, const TrailPoint& r);
void Put(PayloadWriter& w, const ProductInfo& r);
void Put(PayloadWriter& w, const UnitLimits& r);
void Put(PayloadWriter& w, const MemoryStatus& r);
void Put(PayloadWriter& w, const FlashSection& r);
void Put(PayloadWriter& w, const CardDirectory& r);

UserWaypoint GetWaypoint(PayloadReader& r);
UserRoute GetRoute(PayloadReader& r);
UserIcon GetIcon(PayloadReader& r);
TrailPoint GetTrailPoint(PayloadReader& r);
ProductInfo GetProductInfo(PayloadReader& r);
UnitLimits GetUnitLimits(PayloadReader& r);
MemoryStatus GetMemoryStatus(PayloadReader& r);
FlashSection GetFlashSection(PayloadReader& r);
CardDirectory GetCardDirectory(PayloadReader& r);

// A run of trail points: u16 count, then the points. The reader refuses a
// count that the remaining bytes cannot hold before allocating anything.
void PutTrailPoints(PayloadWriter& w, const QList<TrailPoint>& points);
QList<TrailPoint> GetTrailPoints(PayloadReader& r);

} // namespace linkpod::codec
