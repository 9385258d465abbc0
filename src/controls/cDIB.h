#pragma once
// cDIB: an off-screen drawing surface holding the current screenshot. A picture is copied in with
// CreateDIBFromPicture and painted stretched into any box with PaintDIB, without keeping its aspect
// ratio. Pixel memory is laid out as a device-independent bitmap: rows bottom-up, each pixel blue,
// green, red (and a fourth byte at 32 bits), every scan line padded to a multiple of 4 bytes.
//
// Every creation method returns false instead of failing loudly and then leaves the object without a
// surface; all size properties are 0 while there is none.

#include <QByteArray>
#include <QImage>

class QPainter;
class QWidget;

// Pixel memory as a two-dimensional array indexed (byte within the scan line, row), rows in memory
// order (the bottom row of the picture first).
struct DibPixels2D {
    int bytesPerScanLine = 0;
    int rows = 0;
    QByteArray bytes;

    char& operator()(int byte, int row) { return bytes[row * bytesPerScanLine + byte]; }
    char operator()(int byte, int row) const { return bytes[row * bytesPerScanLine + byte]; }
};

class cDIB {
public:
    cDIB() = default;
    cDIB(const cDIB&) = delete;
    cDIB& operator=(const cDIB&) = delete;

    // Releases any surface first. 24 and 32 bits per pixel are supported; any other depth, or a
    // size that is not positive, gives false.
    bool CreateDIB(int lWidth, int lHeight, int lBitsPerPixel);
    // A 24-bit copy of a loaded picture; false for a null picture.
    bool CreateDIBFromPicture(const QImage& Pic);
    // A 24-bit copy of what the widget shows now.
    bool CreateDIBFromPictureBox(QWidget* picboxControl);
    // Stretches the whole surface into the box (nearest pixel, no smoothing); nothing without a surface.
    void PaintDIB(QPainter& dest, int DestX, int DestY, int DestW, int DestH) const;
    // Drops the surface; safe to call on an empty object.
    void KillDIB();
    // Sets every pixel to black when a surface exists.
    void Clear();

    // BytesPerScanLine x Height bytes in memory order; false without a surface or, for the setters,
    // when the array does not have exactly that size.
    bool GetPixelArray1D(QByteArray& bPixels) const;
    bool SetPixelArray1D(const QByteArray& bPixels);
    bool GetPixelArray2D(DibPixels2D& bPixels) const;
    bool SetPixelArray2D(const DibPixels2D& bPixels);

    bool HasSurface() const { return !m_image.isNull(); }
    int width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    int BitsPerPixel() const { return HasSurface() ? m_bitsPerPixel : 0; }
    int BytesPerPixel() const;
    int BytesPerScanLine() const;

    // The surface, top row first; null without a surface.
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
    int m_bitsPerPixel = 0;
};
