// Where the program's help page is: beside the program (as built) or in the data folder of
// an installed program.
#pragma once

#include <QString>

namespace curvanta {

inline constexpr const char* kHelpPageName = "help.html";

// The help page of the program in `programDir`: "<programDir>/help.html", else
// "<programDir>/../share/curvanta/help.html"; "" when neither file exists.
QString FindHelpPage(const QString& programDir);

}  // namespace curvanta
