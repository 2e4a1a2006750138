#include "ui/main/TarnProcessDialog.h"

#include "device/upload/TarnProcessThread.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>

namespace {
constexpr int DesignSize = 128;
}

TarnProcessDialog::TarnProcessDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_background(QStringLiteral("/process.png"))
    , m_movie(new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this))
    , m_animation(new QLabel(this))
{
    setObjectName(QStringLiteral("TarnProcessDialog"));
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(tr("Sending data to the mouse"));
    setFixedSize(Scaled(DesignSize), Scaled(DesignSize));
    m_animation->setGeometry(rect());
    m_animation->setAlignment(Qt::AlignCenter);
    m_animation->setScaledContents(true);
    m_animation->setMovie(m_movie);
}

void TarnProcessDialog::waitFor(TarnProcessThread &thread)
{
    connect(&thread, &TarnProcessThread::DoProcessDlg, this, &TarnProcessDialog::slotProcessDlg);
    // A run that was stopped before it began never signals; its end closes the box all the same.
    connect(&thread, &QThread::finished, this, &TarnProcessDialog::slotProcessDlg);
    if (thread.isFinished())
        return;
    exec();
}

bool TarnProcessDialog::isAnimating() const
{
    return m_movie->state() == QMovie::Running;
}

void TarnProcessDialog::slotProcessDlg()
{
    if (isVisible())
        accept();
    else
        setResult(QDialog::Accepted);
}

void TarnProcessDialog::reject() { }

void TarnProcessDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), ThemeColor::window());
    else
        m_background.draw(painter, rect());
}

void TarnProcessDialog::showEvent(QShowEvent *event)
{
    if (parentWidget()) {
        const QWidget *window = parentWidget()->window();
        move(window->mapToGlobal(window->rect().center()) - rect().center());
    }
    m_movie->start();
    QDialog::showEvent(event);
}
