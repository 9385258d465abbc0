// What the help menu opens: the help file or our help page, the maker's home page and the version
// check, each handed to the desktop as the address it must be.

#include "TestFolder.h"
#include "UrlCatcher.h"

#include "dialogs/OpenDocument.h"
#include "settings/AppPaths.h"
#include "settings/MakerWebSite.h"

#include <QTest>
#include <QUrl>

class TestHelpDocuments : public QObject {
    Q_OBJECT
    UrlCatcher m_catcher;

private Q_SLOTS:
    void init() { m_catcher.opened.clear(); }

    void versionCheck_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("query");
        QTest::newRow("1.2.3") << 1 << 2 << 3 << "RVLT=1230";
        QTest::newRow("2.0.15") << 2 << 0 << 15 << "RVLT=20150";
        QTest::newRow("1.10.0") << 1 << 10 << 0 << "RVLT=11000";
    }
    void versionCheck()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, query);
        const QString address = VersionCheckAddress(major, minor, revision);
        QCOMPARE(address, QLatin1String(kMakerHomePage) + QStringLiteral("versioncheck.cfm?") + query);
        OpenDocument(address);
        QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl(address)});
    }

    void helpContents_data()
    {
        QTest::addColumn<QString>("chm");  // what stands at <program folder>/Ridevault.chm
        QTest::addColumn<bool>("opensChm");
        QTest::newRow("help file there") << "file" << true;
        QTest::newRow("no help file") << "" << false;
        QTest::newRow("a folder of that name") << "folder" << false;
    }
    void helpContents()
    {
        QFETCH(QString, chm);
        QFETCH(bool, opensChm);
        TestFolder root;
        // A "#" and blanks would be lost if the path were read as an address.
        const QString programFolder = root.createDir(QStringLiteral("My #1 Rides/program")) + QLatin1Char('/');
        const QString executableFolder = root.createDir(QStringLiteral("bin"));
        if (chm == QLatin1String("file"))
            root.createFile(QStringLiteral("My #1 Rides/program/Ridevault.chm"), "ITSF");
        else if (chm == QLatin1String("folder"))
            root.createDir(QStringLiteral("My #1 Rides/program/Ridevault.chm"));

        OpenDocument(HelpDocumentPath(programFolder, executableFolder));

        const QString opened = opensChm ? programFolder + QStringLiteral("Ridevault.chm")
                                        : executableFolder + QStringLiteral("/Ridevault.html");
        QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl::fromLocalFile(opened)});
    }
};

QTEST_MAIN(TestHelpDocuments)
#include "tst_helpdocuments.moc"
