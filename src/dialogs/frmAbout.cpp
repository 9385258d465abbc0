#include "dialogs/frmAbout.h"

#include "controls/ucTextButton.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/DialogText.h"
#include "dialogs/ApplicationIcon.h"

#include <QLabel>

namespace {
constexpr int kFormWidth = 320;
constexpr int kFormHeight = 132;
constexpr int kIconSize = 32;
} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("About Ridevault..."));
    setFont(DialogText::Font());
    setFixedSize(kFormWidth, kFormHeight);
    const int m = 8;
    const int textLeft = m + kIconSize + m;
    const int textWidth = kFormWidth - textLeft - m;

    auto* icon = new QLabel(this);
    icon->setGeometry(m, m, kIconSize, kIconSize);
    icon->setPixmap(ApplicationIcon().pixmap(kIconSize, kIconSize));

    auto* name = new QLabel(QStringLiteral("Ridevault"), this);
    QFont nameFont = font();
    nameFont.setPointSizeF(14);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setGeometry(textLeft, m, textWidth, 24);

    auto* version = new QLabel(QStringLiteral("Version ") + VersionText(), this);
    version->setGeometry(textLeft, m + 26, textWidth, DialogText::kLineHeight);

    auto* purpose = new QLabel(
        QStringLiteral("Catalogues, browses and launches the ride files of the Trakora coaster simulator."), this);
    purpose->setWordWrap(true);
    purpose->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    purpose->setGeometry(textLeft, m + 26 + DialogText::kLineHeight + 8, textWidth, 2 * DialogText::kLineHeight);

    m_btnOkay = new ucTextButton(QStringLiteral("OK"), this);
    m_btnOkay->setGeometry(kFormWidth - m - 75, kFormHeight - m - 23, 75, 23);
    connect(m_btnOkay, &ucTextButton::Click, this, &QDialog::accept);
}

QString frmAbout::VersionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(RIDEVAULT_VERSION_MAJOR)
        .arg(RIDEVAULT_VERSION_MINOR)
        .arg(RIDEVAULT_VERSION_PATCH);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        accept();
    else
        QDialog::keyPressEvent(event);
}
