#pragma once
// The question every delete of a row asks first, from a navigator or from a grid's keyboard.

class QWidget;

/// Asks "Delete record?" (OK / Cancel) over parent's window; true when the user says OK.
bool confirmDelete(QWidget* parent);
