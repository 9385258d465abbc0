// What the help menu hands to the desktop: the help file (which file is chosen is the program
// folder's test), the maker's home page and the version check, each as the address it must be.

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

    // A "#" and blanks in the folder would be lost if the path were read as an address.
    void helpFileOpensAsAFile()
    {
        TestFolder root;
        const QString programFolder = root.createDir(QStringLiteral("My #1 Rides/program")) + QLatin1Char('/');
        root.createFile(QStringLiteral("My #1 Rides/program/Ridevault.chm"), "ITSF");
        OpenDocument(HelpDocumentPath(programFolder, root.createDir(QStringLiteral("bin"))));
        QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl::fromLocalFile(programFolder + QStringLiteral("Ridevault.chm"))});
    }
};

QTEST_MAIN(TestHelpDocuments)
#include "tst_helpdocuments.moc"
