// The program-wide state shared by the subsystems (the document's kind, the animation
// settings, the last graph ID and the flags), kept in one place with a reset for tests.
// The scene objects (DocScene, ViewScene, DocAxes, DocView, DocLight) live with the scene.
#pragma once

#include <cstdint>
#include <string>

namespace curvanta {

// False everywhere but inside the calculator: a zero divisor of "/" becomes 0.00001.
extern bool DivZeroIsError;
extern int32_t LastGraphID;
extern bool EditMode;
extern int32_t GraphMode;  // 1 2D, 2 2.5D, 3 3D
extern int32_t AnimFrame;
extern int32_t AnimFrameCount;
extern int32_t AnimSpeed;
extern bool AxisChanged;
extern std::string CrLfText;
extern std::string TabText;

// Puts every global above back to its start-up value.
void ResetGlobals();

}  // namespace curvanta
