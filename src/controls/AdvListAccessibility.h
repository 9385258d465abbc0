#pragma once
// The advanced list as assistive technology sees it: a table of the visible columns, whose children
// are the column header cells followed by the cells row by row. Cells read the list's current
// texts and selection flags; selecting a row through the table acts as a left press on it (the list
// raises MouseDown, so whatever follows the pointer follows). Selection changes are reported.

class QAccessibleInterface;
class ucAdvList;

QAccessibleInterface* NewAdvListAccessible(ucAdvList* list);
