#include "controls/cDIB.h"

#include <QPainter>
#include <QWidget>

#include <cmath>
#include <cstring>

bool cDIB::CreateDIB(int lWidth, int lHeight, int lBitsPerPixel)
{
    KillDIB();
    if (lWidth <= 0 || lHeight <= 0)
        return false;
    QImage::Format format = QImage::Format_Invalid;
    if (lBitsPerPixel == 24)
        format = QImage::Format_BGR888;   // bytes blue, green, red
    else if (lBitsPerPixel == 32)
        format = QImage::Format_RGB32;    // bytes blue, green, red, unused
    if (format == QImage::Format_Invalid)
        return false;
    QImage image(lWidth, lHeight, format);
    if (image.isNull())
        return false;
    m_image = std::move(image);
    m_bitsPerPixel = lBitsPerPixel;
    // Qt pads scan lines to 4 bytes as a bitmap section does, so the memory layouts agree.
    Q_ASSERT(m_image.bytesPerLine() == BytesPerScanLine());
    Clear();
    return true;
}

bool cDIB::CreateDIBFromPicture(const QImage& Pic)
{
    if (Pic.isNull()) {
        KillDIB();
        return false;
    }
    if (!CreateDIB(Pic.width(), Pic.height(), 24))
        return false;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, Pic);
    return true;
}

bool cDIB::CreateDIBFromPictureBox(QWidget* picboxControl)
{
    if (!picboxControl) {
        KillDIB();
        return false;
    }
    return CreateDIBFromPicture(picboxControl->grab().toImage());
}

void cDIB::PaintDIB(QPainter& dest, int DestX, int DestY, int DestW, int DestH) const
{
    if (!HasSurface())
        return;
    dest.save();
    dest.setRenderHint(QPainter::SmoothPixmapTransform, false);
    dest.setCompositionMode(QPainter::CompositionMode_Source);
    dest.drawImage(QRect(DestX, DestY, DestW, DestH), m_image);
    dest.restore();
}

void cDIB::KillDIB()
{
    m_image = QImage();
    m_bitsPerPixel = 0;
}

void cDIB::Clear()
{
    if (BytesPerPixel() < 3)
        return;
    std::memset(m_image.bits(), 0, static_cast<size_t>(m_image.sizeInBytes()));
}

int cDIB::BytesPerPixel() const
{
    return static_cast<int>(std::nearbyint(BitsPerPixel() / 8.0));
}

int cDIB::BytesPerScanLine() const
{
    return (width() * BytesPerPixel() + 3) / 4 * 4;
}

bool cDIB::GetPixelArray1D(QByteArray& bPixels) const
{
    if (!HasSurface())
        return false;
    const int stride = BytesPerScanLine();
    bPixels.resize(qsizetype(stride) * Height());
    for (int row = 0; row < Height(); ++row)
        std::memcpy(bPixels.data() + qsizetype(row) * stride, m_image.constScanLine(Height() - 1 - row), stride);
    return true;
}

bool cDIB::SetPixelArray1D(const QByteArray& bPixels)
{
    const int stride = BytesPerScanLine();
    if (!HasSurface() || bPixels.size() != qsizetype(stride) * Height())
        return false;
    for (int row = 0; row < Height(); ++row)
        std::memcpy(m_image.scanLine(Height() - 1 - row), bPixels.constData() + qsizetype(row) * stride, stride);
    return true;
}

bool cDIB::GetPixelArray2D(DibPixels2D& bPixels) const
{
    if (!GetPixelArray1D(bPixels.bytes))
        return false;
    bPixels.bytesPerScanLine = BytesPerScanLine();
    bPixels.rows = Height();
    return true;
}

bool cDIB::SetPixelArray2D(const DibPixels2D& bPixels)
{
    if (bPixels.bytesPerScanLine != BytesPerScanLine() || bPixels.rows != Height())
        return false;
    return SetPixelArray1D(bPixels.bytes);
}
