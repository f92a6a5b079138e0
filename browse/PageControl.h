#pragma once
// The page control of a browse window's body (PageControl1): hot-tracking tabs in Tahoma 13 bold.

class QTabWidget;
class QWidget;

/// Created as a child of parent, which owns it and lays it out; the caller adds the pages.
QTabWidget* pageControl(QWidget* parent);
