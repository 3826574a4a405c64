// The fonts of the windows. The classic faces are asked for first; where a
// platform lacks them, the metric-compatible Liberation faces stand in
// (narrower than most default sans serifs, so captions keep fitting).
#pragma once

#include <QFont>

namespace tarnel::ui {

// "MS Sans Serif" at `points`, regular and bold.
QFont sansSerif(qreal points);
QFont sansSerifBold(qreal points);
// "Times New Roman" at `points`, bold.
QFont serifBold(qreal points);

} // namespace tarnel::ui
