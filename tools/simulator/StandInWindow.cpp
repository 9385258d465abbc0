#include "StandInWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

StandInWindow::StandInWindow(StandInKind kind, const StandInRequest& request, const QString& simulatorFolder)
    : m_kind(kind), m_trackPath(request.TrackPath), m_simulatorFolder(simulatorFolder)
{
    setWindowTitle(StandInWindowTitle(kind, request.TrackPath));
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(QStringLiteral("<b>%1</b> (Ridevault stand-in)").arg(StandInName(kind)), this);
    layout->addWidget(heading);

    QString trackText;
    if (!request.Error.isEmpty())
        trackText = QStringLiteral("Command line not understood: ") + request.Error;
    else if (request.TrackPath.isEmpty())
        trackText = QStringLiteral("No track given.");
    else
        trackText = QStringLiteral("Track: %1\n%2").arg(QDir::toNativeSeparators(request.TrackPath),
                                                        QFileInfo(request.TrackPath).isFile()
                                                            ? QStringLiteral("The track file exists.")
                                                            : QStringLiteral("The track file does not exist."));
    auto* track = new QLabel(trackText, this);
    track->setObjectName(QStringLiteral("track"));
    track->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(track);

    layout->addWidget(new QLabel(QStringLiteral("Files it would read from %1:")
                                     .arg(QDir::toNativeSeparators(simulatorFolder)), this));
    auto* files = new QListWidget(this);
    files->setObjectName(QStringLiteral("files"));
    files->addItems(FilesTheProgramReads(simulatorFolder));
    layout->addWidget(files);

    if (kind == StandInKind::Simulator) {
        auto* shoot = new QPushButton(QStringLiteral("Take Screenshot"), this);
        connect(shoot, &QPushButton::clicked, this, [this] { takeScreenshot(); });
        layout->addWidget(shoot);
    }
    m_status = new QLabel(this);
    layout->addWidget(m_status);
    resize(520, 420);
}

QString StandInWindow::takeScreenshot()
{
    const QString written = SaveScreenshot(grab().toImage(), m_simulatorFolder, m_trackPath);
    m_status->setText(written.isEmpty() ? QStringLiteral("The screenshot could not be written.")
                                        : QStringLiteral("Saved ") + QDir::toNativeSeparators(written));
    return written;
}
