// The roles a screen reader is given for the window's self-painted widgets:
// a plain widget would be reported as a filler, which screen readers skip.
#pragma once

namespace tovk::ui {

// Registers, once per program, the roles of the section map's cells (text)
// and area boxes (groups), the help window (a window) and the results chart
// (a chart). Each of those widgets calls it before it is first asked.
void InstallAccessibleRoles();

}  // namespace tovk::ui
