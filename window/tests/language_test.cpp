// The window speaks the user's language and writes figures in the user's formats, and the two
// follow different settings: LANGUAGE (or LC_MESSAGES) for the words, LC_ALL or LANG for the
// formats. CTest runs each row in the environment its name describes.
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "form_fixture.h"
#include "translators.h"

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsFollowTheLanguageAndFiguresTheLocale_data();
    void wordsFollowTheLanguageAndFiguresTheLocale();
};

void LanguageTest::initTestCase() { InstallTranslators(QLocale::system().uiLanguages()); }

void LanguageTest::wordsFollowTheLanguageAndFiguresTheLocale_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("undo");  // the first entry of a field's context menu, from Qt

    QTest::newRow("German desktop")
        << "Verstrichene Zeit" << QStringLiteral("Fertig\n(+ 50,00\u00a0%)")
        << QStringLiteral("&Rückgängig");
    QTest::newRow("English words, German formats") << "Elapsed time"
                                                   << "Completed\n(+ 50,00 %)"
                                                   << "&Undo";
}

void LanguageTest::wordsFollowTheLanguageAndFiguresTheLocale() {
    QFETCH(QString, frame);
    QFETCH(QString, done);
    QFETCH(QString, undo);
    FormUnderTest ui;
    ui.type("TxthhIN", "01");
    ui.type("TxtProg", "50");
    ui.pickerTime()->setTime(QTime(14, 0));

    QCOMPARE(ui.get<QGroupBox>("Frame1")->title(), frame);
    QCOMPARE(ui.get<QLabel>("LblDone")->text(), done);
    const std::unique_ptr<QMenu> menu(ui.get<QLineEdit>("TxthhIN")->createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text().section(u'\t', 0, 0), undo);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
