#pragma once
// The Windows headers define COLOR_BACKGROUND and COLOR_HIGHLIGHT as system colour indices; the tab
// controls use those names for their own colour members, and in a file that includes both the
// control's names must win. Include this after any Windows header and before the control's class.

#ifdef COLOR_BACKGROUND
#undef COLOR_BACKGROUND
#endif
#ifdef COLOR_HIGHLIGHT
#undef COLOR_HIGHLIGHT
#endif
