#pragma once

#include <QIconEngine>
#include <QSize>
#include <QString>

// An icon drawn from its picture file each time it is asked for, so that no decoded copy of a large
// picture stays in memory for the rare moments a window or tray icon is drawn.
class FileIconEngine : public QIconEngine
{
public:
    // The icon of the picture at `file` (any format Qt reads; the first picture of an ICO file).
    explicit FileIconEngine(const QString &file);

    // An icon of `file` drawn by this engine.
    static QIcon icon(const QString &file);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;
    void virtual_hook(int id, void *data) override;

private:
    QString m_file;
    QSize m_size;
};
