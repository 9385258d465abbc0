#include "app/frmPreview.h"

#include "app/PictureBox.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

frmPreview::frmPreview(const cDIB& screenshot, int width, int height, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Preview"));
    setFixedSize(std::max(width, 1), std::max(height, 1));
    m_pbPreview = new PictureBox(screenshot, this);
    m_pbPreview->setObjectName(QStringLiteral("pbPreview"));
    m_pbPreview->setGeometry(rect());
    m_pbPreview->SetShowing(true);
    connect(m_pbPreview, &PictureBox::Click, this, &QDialog::accept);

    // Centre the outer window: the client size plus whatever frame and title the window has.
    create();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QRect screen = (owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen())->geometry();
    const int left = screen.x() + (screen.width() - (size().width() + frame.width())) / 2;
    const int top = screen.y() + (screen.height() - (size().height() + frame.height())) / 2;
    move(std::max(left, screen.x()), std::max(top, screen.y()));
}
