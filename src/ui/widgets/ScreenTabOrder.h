#pragma once

#include <QList>

class QWidget;

// Keyboard order as the eye reads: top to bottom, and left to right within a row.

// The Tab stops among the descendants of `parent`, in reading order by their position in `parent`
// (widgets whose tops lie within `rowTolerance` pixels of each other form one row).
QList<QWidget *> ScreenOrderedTabStops(QWidget *parent, int rowTolerance);
// Chains the Tab stops of `parent` in reading order, after `before` when given (so a page continues
// the chain of the window around it); returns the last widget of the chain.
QWidget *SetScreenTabOrder(QWidget *parent, int rowTolerance, QWidget *before = nullptr);
