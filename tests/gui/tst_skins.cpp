// Skins: the persisted choice in li.ini, the default when it is missing,
// the chooser, and which windows take a new skin.
#include "GuiTestSupport.h"
#include "clinic/app/TfrmMain.h"
#include "clinic/common/ProgramValues.h"
#include "clinic/common/Skins.h"
#include "platform/widgets/Messages.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

namespace {
QString skinText(const QString& path)
{
    QString text;
    readSkin(path, &text);
    return text;
}

QString storedName(const TempClinicFolder& folder)
{
    return QSettings(folder.programFolder() + "li.ini", QSettings::IniFormat).value("SETSKIN/SKN_FILE_NAME").toString();
}
} // namespace

class TestSkins : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Messages::reset();
        Messages::setTestMode(true);
        programValues() = ProgramValues();
    }

    void withoutLiIniTheDefaultSkinIsLoadedAndNothingIsWritten()
    {
        TempClinicFolder folder;
        TfrmMain main;
        const QString expected = folder.programFolder() + "skin/默认皮肤.qss";
        QCOMPARE(programValues().CurrentSkinFile, expected);
        QCOMPARE(main.styleSheet(), skinText(expected));
        QVERIFY(!main.styleSheet().isEmpty());
        QVERIFY(!QFile::exists(folder.programFolder() + "li.ini"));
    }

    void startUpLoadsThePersistedSkin()
    {
        TempClinicFolder folder;
        QSettings(folder.programFolder() + "li.ini", QSettings::IniFormat).setValue("SETSKIN/SKN_FILE_NAME", "夜间深色.qss");
        TfrmMain main;
        QCOMPARE(programValues().CurrentSkinFile, folder.programFolder() + "skin/夜间深色.qss");
        QCOMPARE(main.styleSheet(), skinText(folder.programFolder() + "skin/夜间深色.qss"));
    }

    void aMissingSkinFileLeavesTheBuiltInSkin()
    {
        TempClinicFolder folder;
        QSettings(folder.programFolder() + "li.ini", QSettings::IniFormat).setValue("SETSKIN/SKN_FILE_NAME", "没有这个.qss");
        TfrmMain main;
        QCOMPARE(main.styleSheet(), builtInSkin());
        QVERIFY(!builtInSkin().isEmpty());
    }

    void choosingASkinPersistsItAndLaterWindowsTakeIt()
    {
        TempClinicFolder folder;
        TfrmMain main;
        QDialog openBefore;
        ApplySkin(&openBefore);
        const QString before = openBefore.styleSheet();

        const QString blue = folder.programFolder() + "skin/湖蓝.qss";
        Messages::setNextFileName(blue);
        main.menuAction("选择皮肤")->trigger();

        QCOMPARE(Messages::lastShown()->kind, Messages::Kind::OpenFile);
        QCOMPARE(Messages::lastShown()->text, folder.programFolder() + "skin/"); // starts in the skin folder
        QCOMPARE(storedName(folder), QString("湖蓝.qss"));
        QCOMPARE(programValues().CurrentSkinFile, blue);
        QCOMPARE(main.styleSheet(), skinText(blue));
        QCOMPARE(openBefore.styleSheet(), before);
        QDialog openedLater;
        ApplySkin(&openedLater);
        QCOMPARE(openedLater.styleSheet(), skinText(blue));

        // The next start of the program loads it again.
        programValues() = ProgramValues();
        TfrmMain again;
        QCOMPARE(again.styleSheet(), skinText(blue));
    }

    void cancellingTheChooserChangesNothing()
    {
        TempClinicFolder folder;
        TfrmMain main;
        const QString sheet = main.styleSheet();
        Messages::setNextFileName(QString());
        main.menuAction("选择皮肤")->trigger();
        QCOMPARE(main.styleSheet(), sheet);
        QVERIFY(!QFile::exists(folder.programFolder() + "li.ini"));
        QCOMPARE(programValues().CurrentSkinFile, folder.programFolder() + "skin/默认皮肤.qss");
    }

    // A skin outside the skin folder is kept by its full path, so that the
    // next start finds it (cutting the skin folder's length off such a path
    // would give a name that points nowhere).
    void aSkinOutsideTheSkinFolderIsKeptByItsFullPath()
    {
        TempClinicFolder folder;
        const QString outside = folder.path() + "/我的皮肤.qss";
        QFile::copy(folder.programFolder() + "skin/高对比度.qss", outside);
        TfrmMain main;
        Messages::setNextFileName(outside);
        main.menuAction("选择皮肤")->trigger();
        QCOMPARE(storedName(folder), outside);

        programValues() = ProgramValues();
        TfrmMain again;
        QCOMPARE(programValues().CurrentSkinFile, outside);
        QCOMPARE(again.styleSheet(), skinText(outside));
    }

    void everyShippedSkinIsAStyleSheetWithTheTabWidth()
    {
        TempClinicFolder folder;
        const QStringList names = QDir(folder.programFolder() + "skin").entryList({"*.qss"});
        QVERIFY(names.size() >= 4);
        QTest::failOnWarning(QRegularExpression("style ?sheet", QRegularExpression::CaseInsensitiveOption));
        for (const QString& name : names) {
            const QString sheet = skinText(folder.programFolder() + "skin/" + name);
            QVERIFY2(sheet.contains("QTabBar::tab") && sheet.contains("min-width: 100px"), qPrintable(name));
            QWidget probe;
            probe.setStyleSheet(sheet);
            probe.ensurePolished(); // a sheet that does not parse warns here
        }
    }
};

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
