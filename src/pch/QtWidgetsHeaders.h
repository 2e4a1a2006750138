// Qt Widgets headers that most sources of a library include, compiled once per library.
#include "pch/QtCoreHeaders.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
