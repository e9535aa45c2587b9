// The window speaks the user's language and writes figures in the user's formats, and the two
// follow different settings: LANGUAGE (or LC_MESSAGES) for the words, LC_ALL or LANG for the
// formats. CTest runs each row in the environment its name describes.
#include <QGroupBox>
#include <QLabel>
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
    // The first entry of a field's context menu, from Qt, without the shortcut the field refuses.
    QTest::addColumn<QString>("undo");

    QTest::newRow("German desktop")
        << "Verstrichene Zeit" << QStringLiteral("Fertig\n(+ 50,00\u00a0%)")
        << QStringLiteral("&Rückgängig");
    QTest::newRow("English words, German formats") << "Elapsed time"
                                                   << "Completed\n(+ 50,00 %)"
                                                   << "&Undo";
    QTest::newRow("Simplified Chinese outside China")
        << QStringLiteral("已用时间") << QStringLiteral("已完成\n（+50,00%）")
        << QStringLiteral("撤消(&U)");
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
    QWidget* field = ui.widget("TxthhIN");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->text(), undo);
    menu->close();
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
