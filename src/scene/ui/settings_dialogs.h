// The settings dialogs of the drawing: coordinate system (2D and 2.5D/3D), light and view.
// Each opens modally on the shared settings and writes them on OK.
#pragma once

class QWidget;

namespace curvanta {

// Draw > coordinate system: Axes2DDialogState in a 2D document, Axes3DDialogState otherwise. Returns AxisChanged
// (True after OK); the caller rebuilds the lists when it is True and then clears it.
bool ShowAxesDialog(QWidget* parent);

// Draw > light: LightDialogState on DocLight. True after OK (the caller repaints at once).
bool ShowLightDialog(QWidget* parent);

// View > settings: ViewDialogState on DocView. True after OK (the caller repaints at once).
bool ShowViewDialog(QWidget* parent);

}  // namespace curvanta
