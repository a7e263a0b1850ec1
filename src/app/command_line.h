// The document path given on the command line.
#pragma once

#include <QString>
#include <QStringList>

namespace curvanta {

// All arguments after the program name (the toolkit has removed its own options), joined
// with single blanks; one pair of enclosing double quotes is stripped.
QString DocumentPathFromArguments(const QStringList& arguments);

}  // namespace curvanta
