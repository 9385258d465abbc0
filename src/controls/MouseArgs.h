#pragma once
// The Button and Shift arguments of the controls' MouseDown/MouseMove/MouseUp/Click signals use the
// classic bit values, so owners can test them the same way on every platform:
// Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt.

#include <Qt>

int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);
