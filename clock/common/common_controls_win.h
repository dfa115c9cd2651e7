// The common controls (list views, up-downs, track bars, tab controls, link labels) are
// registered once at start-up: a dialog template that names an unregistered class fails as a
// whole, without a word.
#pragma once

namespace vistrel {

// Registers the standard, Windows 95 and link classes; false when the system refused.
bool InitCommonControlsOnce();

} // namespace vistrel
