#pragma once

// Call before the application object exists: on a Wayland desktop, where Qt cannot ring the bell
// natively, opens the window through XWayland, where the beep is the X bell.
void PreferXWaylandForTheBell();
