#pragma once
// frmPreview: the screenshot at the large preview size. Its client area is exactly width x height
// pixels, the window is centred on the screen (never past its left or top edge), and a click on
// the picture closes it.

#include <QDialog>

class PictureBox;
class cDIB;

class frmPreview : public QDialog {
    Q_OBJECT
public:
    frmPreview(const cDIB& screenshot, int width, int height, QWidget* owner);

    PictureBox* Picture() const { return m_pbPreview; }

private:
    PictureBox* m_pbPreview = nullptr;
};
