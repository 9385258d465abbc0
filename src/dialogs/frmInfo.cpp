#include "dialogs/frmInfo.h"

#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/DialogText.h"

#include <QLabel>

namespace {

constexpr int kFormWidth = 264;
constexpr int kMargin = 8;
constexpr int kFrameTop = kMargin;
constexpr int kTitleHeight = 18;
constexpr int kRowHeight = 18;
constexpr int kCaptionWidth = 80;
constexpr int kFrameHeight = kTitleHeight + frmInfo::kRowCount * kRowHeight + kMargin;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kFormHeight = kFrameTop + kFrameHeight + kMargin + kButtonHeight + kMargin;

const char* const kCaptions[frmInfo::kRowCount] = {"Simulator:", "Editor:", "Terraformer:"};

} // namespace

frmInfo::frmInfo(const std::array<QString, kRowCount>& versionTexts, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Trakora Information..."));
    setFont(DialogText::Font());
    setFixedSize(kFormWidth, kFormHeight);

    const int frameWidth = kFormWidth - 2 * kMargin;
    m_fmeVersions = new ucFrame(this);
    m_fmeVersions->SetBorderStyle(1);
    m_fmeVersions->setGeometry(kMargin, kFrameTop, frameWidth, kFrameHeight);

    auto* title = new QLabel(QStringLiteral("Application Versions"), m_fmeVersions);
    QFont titleFont = font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(kMargin, 4, frameWidth - 2 * kMargin, DialogText::kLineHeight);

    for (int i = 0; i < kRowCount; ++i) {
        const int top = kTitleHeight + 2 + i * kRowHeight;
        m_lblAppName[i] = new QLabel(QLatin1String(kCaptions[i]), m_fmeVersions);
        m_lblAppName[i]->setGeometry(kMargin, top, kCaptionWidth, DialogText::kLineHeight);
        m_lblAppVersion[i] = new QLabel(versionTexts[i], m_fmeVersions);
        m_lblAppVersion[i]->setGeometry(kMargin + kCaptionWidth, top, frameWidth - 2 * kMargin - kCaptionWidth,
                                        DialogText::kLineHeight);
        m_lblAppVersion[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A screen reader announces each version with the program it belongs to.
        m_lblAppVersion[i]->setAccessibleName(QLatin1String(kCaptions[i]) + QLatin1Char(' ') + versionTexts[i]);
    }

    m_btnOkay = new ucTextButton(QStringLiteral("OK"), this);
    m_btnOkay->setGeometry(kFormWidth - kMargin - kButtonWidth, kFormHeight - kMargin - kButtonHeight,
                           kButtonWidth, kButtonHeight);
    connect(m_btnOkay, &ucTextButton::Click, this, &QDialog::accept);
}

void frmInfo::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        accept();
    else
        QDialog::keyPressEvent(event);
}
