// Start-up values of the program-wide state.
#include "common/globals.h"

namespace curvanta {

bool DivZeroIsError = false;
int32_t LastGraphID = 0;
bool EditMode = false;
int32_t GraphMode = 1;
int32_t AnimFrame = 1;
int32_t AnimFrameCount = 10;
int32_t AnimSpeed = 10;
bool AxisChanged = false;
std::string CrLfText = "\r\n";
std::string TabText = "\t";

void ResetGlobals() {
  DivZeroIsError = false;
  LastGraphID = 0;
  EditMode = false;
  GraphMode = 1;
  AnimFrame = 1;
  AnimFrameCount = 10;
  AnimSpeed = 10;
  AxisChanged = false;
  CrLfText = "\r\n";
  TabText = "\t";
}

}  // namespace curvanta
