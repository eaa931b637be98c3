#include "TestDataHome.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnListItem.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnProfileMenuItem.h"
#include "widgets/OrnPushButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

namespace {
void sendFocusOut(QWidget* w)
{
    QFocusEvent event(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(w, &event);
}
} // namespace

class TestOrnLineEdit : public QObject
{
    Q_OBJECT
private slots:
    void lostFocusSignal();
    void delayRowShowsMilliseconds_data();
    void delayRowShowsMilliseconds();
    void delayEnterStoresUnits_data();
    void delayEnterStoresUnits();
    void delayLostFocusDropsEditAndReturnsFocus();
    void otherRowsHaveNoEditor();
    void profileItemButtonsAreExclusive();
    void profileItemMenuAndNumber();

private:
    TestDataHome m_Home;
};

void TestOrnLineEdit::lostFocusSignal()
{
    OrnLineEdit edit;
    QSignalSpy lost(&edit, &OrnLineEdit::ornLostFocus);
    edit.setText(QStringLiteral("abc"));
    sendFocusOut(&edit);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(edit.text(), QStringLiteral("abc"));
}

void TestOrnLineEdit::delayRowShowsMilliseconds_data()
{
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<QString>("shown");
    QTest::addRow("10 ms") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("300 units") << 0x01 << 0x2C << QStringLiteral("3000");
    QTest::addRow("largest") << 0xFF << 0xFF << QStringLiteral("655350");
    QTest::addRow("zero") << 0 << 0 << QStringLiteral("0");
}

void TestOrnLineEdit::delayRowShowsMilliseconds()
{
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(QString, shown);
    OrnListItem item(6, static_cast<quint8>(high), static_cast<quint8>(low), QStringLiteral("DELAY"));
    QVERIFY(item.delayEdit());
    QCOMPARE(item.delayEdit()->text(), shown);
    QCOMPARE(item.text(), QStringLiteral("DELAY"));
}

void TestOrnLineEdit::delayEnterStoresUnits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<QString>("shown");
    QTest::addRow("15 ms rounds down") << QStringLiteral("15") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("0 ms gives one unit") << QStringLiteral("0") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("9 ms gives one unit") << QStringLiteral("9") << 0 << 1 << QStringLiteral("10");
    QTest::addRow("2550 ms") << QStringLiteral("2550") << 0 << 255 << QStringLiteral("2550");
    QTest::addRow("2560 ms carries") << QStringLiteral("2560") << 1 << 0 << QStringLiteral("2560");
    QTest::addRow("largest") << QStringLiteral("655350") << 255 << 255 << QStringLiteral("655350");
}

void TestOrnLineEdit::delayEnterStoresUnits()
{
    QFETCH(QString, typed);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(QString, shown);
    OrnListItem item(6, 0, 5, QStringLiteral("DELAY"));
    QSignalSpy changed(&item, &OrnListItem::DelayChangedSignal);
    item.delayEdit()->setText(typed);
    QTest::keyClick(item.delayEdit(), Qt::Key_Return);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(int(item.dataH()), high);
    QCOMPARE(int(item.dataL()), low);
    QCOMPARE(item.delayEdit()->text(), shown);
}

void TestOrnLineEdit::delayLostFocusDropsEditAndReturnsFocus()
{
    QListWidget list;
    auto* row = new QListWidgetItem(&list);
    auto* item = new OrnListItem(6, 0, 20, QStringLiteral("DELAY"));
    list.setItemWidget(row, item);
    list.show();
    QApplication::setActiveWindow(&list);
    QVERIFY(QTest::qWaitForWindowActive(&list));
    item->delayEdit()->setFocus();
    QTRY_VERIFY(item->delayEdit()->hasFocus());
    item->delayEdit()->setText(QStringLiteral("999"));
    item->lostFocusSlot();
    QCOMPARE(item->delayEdit()->text(), QStringLiteral("200"));
    QCOMPARE(int(item->dataL()), 20);
    QTRY_VERIFY(list.hasFocus());
}

void TestOrnLineEdit::otherRowsHaveNoEditor()
{
    OrnListItem key(4, 0x04, 0x00, QStringLiteral("A"));
    QVERIFY(!key.delayEdit());
    key.editPressSlot(); // must not touch a missing editor
    QCOMPARE(int(key.dataH()), 4);
    QCOMPARE(key.styleSheet(), QStringLiteral("color:black"));
}

void TestOrnLineEdit::profileItemButtonsAreExclusive()
{
    OrnProfileMenuItem item(QStringLiteral("Profile 1"));
    item.resize(300, 30);
    QCOMPARE(item.checkedIndex(), 0);
    QSignalSpy check(&item, &OrnProfileMenuItem::CheckBtnSignal);

    QTest::mouseClick(item.button(1), Qt::LeftButton);
    QCOMPARE(item.checkedIndex(), 2);
    QVERIFY(!item.button(0)->isChecked() && item.button(1)->isChecked() && !item.button(2)->isChecked());
    QTest::mouseClick(item.button(2), Qt::LeftButton);
    QCOMPARE(item.checkedIndex(), 3);
    QVERIFY(!item.button(1)->isChecked());
    // Choosing the marked one again keeps it marked.
    QTest::mouseClick(item.button(2), Qt::LeftButton);
    QCOMPARE(item.checkedIndex(), 3);
    QCOMPARE(check.count(), 3);
    QCOMPARE(check.at(0).at(0).value<QWidget*>(), &item);
    QVERIFY(!item.button(3));
}

void TestOrnLineEdit::profileItemMenuAndNumber()
{
    OrnProfileMenuItem item(QStringLiteral("Profile 1"));
    QAction* action = item.addMenuAction(QStringLiteral("FPS"));
    action->trigger();
    QCOMPARE(item.text(), QStringLiteral("FPS"));
    QCOMPARE(item.number(), 0);
    item.numberEdit()->setText(QStringLiteral("042"));
    QCOMPARE(item.number(), 42);
    item.setNumber(-7);
    QCOMPARE(item.number(), -7);
}

QTEST_MAIN(TestOrnLineEdit)
#include "tst_OrnLineEdit.moc"
