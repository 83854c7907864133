#pragma once

#include "BenchSupport.h"

namespace tabwise {
class PageView;
class MainWindow;
} // namespace tabwise

// Saving typing: what a save costs over writing its bytes.
namespace bench {

// One character typed at the start of the page on TAB (a text page), then Save, timed from the
// command until the page's file PATH has been replaced on disk (the same measure whether the page
// writes at once or in the background); beside it, in turn, the floor: the bytes Save wrote,
// written again to COPY with QSaveFile, which syncs them (fdatasync) before renaming them into
// place. Between runs, untimed, the history keeps the version of the run before.
Medians timeTypedSave(tabwise::MainWindow& w, int tab, const QString& path, const QString& copy, int runs);

} // namespace bench
