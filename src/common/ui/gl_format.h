// The surface format of the drawing area, set before the QApplication exists.
#pragma once

namespace curvanta {

// Compatibility profile, 16-bit depth, double buffer, no alpha.
void SetDefaultGlFormat();

}  // namespace curvanta
