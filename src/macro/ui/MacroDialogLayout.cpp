#include "macro/ui/MacroDialog.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "macro/ui/OrnItemModel.h"
#include "macro/ui/OrnMacroItemDelegate.h"
#include "widgets/DarkStyle.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnPushButton.h"
#include "widgets/WidgetFont.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QListWidget>
#include <QTableView>
#include <QTreeWidget>

namespace {

const QStringList kTextButton{QStringLiteral("/skin/button-1.png"), QStringLiteral("/skin/button-2.png"),
                              QStringLiteral("/skin/button-3.png"), QStringLiteral("/skin/button-4.png")};
const QString kCheckStyle = QStringLiteral("QCheckBox{color:rgb(255,255,255)}");
const QString kFieldStyle =
    QStringLiteral("QLineEdit{background-color:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90)}");
const QString kListStyle = QStringLiteral("QListWidget{background-color:rgb(30,30,30);color:white;border:1px solid "
                                          "rgb(70,70,70)} QListWidget::item:selected{background:rgb(80,80,80)}");
const QString kTableStyle =
    QStringLiteral("QTableView{background-color:rgb(30,30,30);color:white;gridline-color:rgb(55,55,55);"
                   "border:1px solid rgb(70,70,70)}"
                   "QHeaderView::section{background-color:rgb(15,15,15);color:white;border:none}");
const QString kTreeStyle = QStringLiteral("QTreeWidget{background-color:rgb(30,30,30);color:white;border:1px solid "
                                          "rgb(70,70,70)} QTreeWidget::item:selected{background:rgb(80,80,80)}");

struct Place
{
    MacroCommand command;
    int x, y, w, h;
};

// Left column: the macros; under the table: the row commands; right column: recording and the mouse panel.
const Place kPlaces[] = {
    {MacroCommand::New, 6, 234, 57, 24},
    {MacroCommand::DeleteMacro, 67, 234, 57, 24},
    {MacroCommand::ChangeName, 6, 262, 118, 24},
    {MacroCommand::GunSet, 6, 290, 118, 24},
    {MacroCommand::Import, 6, 318, 57, 24},
    {MacroCommand::Export, 67, 318, 57, 24},
    // Three to a row, so "MOVE DOWN" and its translations fit.
    {MacroCommand::Edit, 130, 232, 98, 24},
    {MacroCommand::Save, 230, 232, 98, 24},
    {MacroCommand::Cancel, 330, 232, 98, 24},
    {MacroCommand::MoveUp, 130, 258, 98, 24},
    {MacroCommand::MoveDown, 230, 258, 98, 24},
    {MacroCommand::DeleteRow, 330, 258, 98, 24},
    {MacroCommand::Top, 130, 284, 98, 24},
    {MacroCommand::Bottom, 230, 284, 98, 24},
    {MacroCommand::Clear, 330, 284, 98, 24},
    {MacroCommand::Copy, 130, 310, 98, 24},
    {MacroCommand::Cut, 230, 310, 98, 24},
    {MacroCommand::Paste, 330, 310, 98, 24},
    {MacroCommand::Start, 436, 6, 130, 24},
    {MacroCommand::RecordAfter, 436, 32, 130, 24},
    {MacroCommand::MouseAction, 436, 58, 130, 24},
    {MacroCommand::InsertDelay, 436, 84, 130, 24},
};

QRect scaledRect(int x, int y, int w, int h)
{
    return QRect(look::scaled(x), look::scaled(y), look::scaled(w), look::scaled(h));
}

} // namespace

const char* MacroDialog::commandText(MacroCommand command) const
{
    switch (command) {
    case MacroCommand::Start:
        return m_bRecording ? QT_TRANSLATE_NOOP("Osken", "STOP") : QT_TRANSLATE_NOOP("Osken", "START");
    case MacroCommand::RecordAfter:
        return QT_TRANSLATE_NOOP("Osken", "RECORD AFTER");
    case MacroCommand::New:
        return QT_TRANSLATE_NOOP("Osken", "NEW");
    case MacroCommand::DeleteMacro:
    case MacroCommand::DeleteRow:
        return QT_TRANSLATE_NOOP("Osken", "DELETE");
    case MacroCommand::ChangeName:
        return QT_TRANSLATE_NOOP("Osken", "CHANGE NAME");
    case MacroCommand::Save:
        return QT_TRANSLATE_NOOP("Osken", "SAVE");
    case MacroCommand::Cancel:
        return QT_TRANSLATE_NOOP("Osken", "CANCEL");
    case MacroCommand::Edit:
        return QT_TRANSLATE_NOOP("Osken", "EDIT");
    case MacroCommand::MoveUp:
        return QT_TRANSLATE_NOOP("Osken", "MOVE UP");
    case MacroCommand::MoveDown:
        return QT_TRANSLATE_NOOP("Osken", "MOVE DOWN");
    case MacroCommand::Top:
        return QT_TRANSLATE_NOOP("Osken", "TOP");
    case MacroCommand::Bottom:
        return QT_TRANSLATE_NOOP("Osken", "BOTTOM");
    case MacroCommand::Clear:
        return QT_TRANSLATE_NOOP("Osken", "CLEAR");
    case MacroCommand::InsertDelay:
        return QT_TRANSLATE_NOOP("Osken", "INSERT DELAY");
    case MacroCommand::Copy:
        return QT_TRANSLATE_NOOP("Osken", "COPY");
    case MacroCommand::Cut:
        return QT_TRANSLATE_NOOP("Osken", "CUT");
    case MacroCommand::Paste:
        return QT_TRANSLATE_NOOP("Osken", "PASTE");
    case MacroCommand::GunSet:
        return QT_TRANSLATE_NOOP("Osken", "GUN SET");
    case MacroCommand::Import:
        return QT_TRANSLATE_NOOP("Osken", "IMPORT");
    case MacroCommand::Export:
        return QT_TRANSLATE_NOOP("Osken", "EXPORT");
    case MacroCommand::MouseAction:
        return QT_TRANSLATE_NOOP("Osken", "MOUSE ACTION");
    }
    return "";
}

OrnPushButton* MacroDialog::makeCommandButton(MacroCommand command)
{
    auto* button = new OrnPushButton(kTextButton, this);
    button->setProperty("macroCommand", static_cast<int>(command));
    connect(button, &QPushButton::clicked, this, &MacroDialog::onCommandButton);
    m_Buttons[command] = button;
    return button;
}

void MacroDialog::buildWidgets()
{
    // Scroll bars, the table's corner and header, check box ticks: dark like the rest of the tab.
    setStyleSheet(widgets::darkStyleSheet());
    m_pMacroList = new QListWidget(this);
    m_pMacroList->setStyleSheet(kListStyle);
    connect(m_pMacroList, &QListWidget::currentRowChanged, this, &MacroDialog::SelectRow);

    m_pNameEdit = new OrnLineEdit(this);
    m_pNameEdit->setStyleSheet(kFieldStyle);
    m_pNameEdit->setMaxLength(100);

    m_pModel = new OrnItemModel(this);
    m_pDelegate = new OrnMacroItemDelegate(this);
    m_pTable = new QTableView(this);
    m_pTable->setModel(m_pModel);
    m_pTable->setItemDelegate(m_pDelegate);
    m_pTable->setStyleSheet(kTableStyle);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->verticalHeader()->hide();
    m_pTable->setShowGrid(false);
    m_pTable->horizontalHeader()->setHighlightSections(false);
    connect(m_pTable, &QTableView::clicked, this, &MacroDialog::itemClicked);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::currentChanged, this, &MacroDialog::CurrentChanged);

    for (const Place& place : kPlaces)
        makeCommandButton(place.command);

    auto check = [this]() {
        auto* box = new QCheckBox(this);
        box->setStyleSheet(kCheckStyle);
        connect(box, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
        return box;
    };
    m_pRecordDelayCheck = check();
    m_pDefaultDelayCheck = check();
    for (QCheckBox*& box : m_LoopChecks)
        box = check();
    m_pBatchCheck = check();

    auto field = [this](int iMax, const QString& strText) {
        auto* edit = new QLineEdit(strText, this);
        edit->setStyleSheet(kFieldStyle);
        edit->setValidator(new QIntValidator(1, iMax, edit));
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    };
    m_pDefaultDelayEdit = field(655350, QStringLiteral("10"));
    m_pLoopTimeEdit = field(255, QStringLiteral("1"));
    connect(m_pDefaultDelayEdit, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    connect(m_pLoopTimeEdit, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);

    buildMousePanel();

    m_pRowEditor = new QWidget(this);
    m_pRowEditLabel = new OrnLabel(m_pRowEditor);
    m_pRowEditField = new QLineEdit(m_pRowEditor);
    m_pRowEditField->setStyleSheet(kFieldStyle);
    m_pRowEditField->setAlignment(Qt::AlignCenter);
    connect(m_pRowEditField, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
    connect(m_pRowEditField, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);
    m_pRowEditor->hide();
}

void MacroDialog::buildMousePanel()
{
    m_pMousePanel = new QWidget(this);
    m_pMouseTree = new QTreeWidget(m_pMousePanel);
    m_pMouseTree->setHeaderHidden(true);
    m_pMouseTree->setStyleSheet(kTreeStyle);
    m_pMouseTree->setIndentation(look::scaled(10));
    for (int i = 0; i < macroedit::kMouseButtonCount; ++i) {
        auto* item = new QTreeWidgetItem(m_pMouseTree);
        item->setData(0, Qt::UserRole, i);
        new QTreeWidgetItem(item);
        new QTreeWidgetItem(item);
    }
    connect(m_pMouseTree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    m_pDistanceLabel = new OrnLabel(m_pMousePanel);
    for (size_t i = 0; i < m_MoveButtons.size(); ++i) {
        m_MoveButtons[i] = new OrnPushButton(kTextButton, m_pMousePanel);
        m_MoveButtons[i]->setProperty("moveItem", static_cast<int>(i));
        connect(m_MoveButtons[i], &QPushButton::clicked, this, &MacroDialog::OrnItemPressed);
        m_MoveDistances[i] = new QLineEdit(QStringLiteral("10"), m_pMousePanel);
        m_MoveDistances[i]->setStyleSheet(kFieldStyle);
        m_MoveDistances[i]->setAlignment(Qt::AlignCenter);
        m_MoveDistances[i]->setValidator(new QIntValidator(0, 120, m_MoveDistances[i]));
    }
    m_pMousePanel->hide();
}

void MacroDialog::retranslateUi()
{
    for (auto& entry : m_Buttons)
        entry.second->setText(uiText(commandText(entry.first)));
    m_pModel->setHeaderTexts();
    m_pRecordDelayCheck->setText(uiText("RECORD DELAYS BETWEEN ACTION"));
    m_pDefaultDelayCheck->setText(uiText("INSERT DEFAULT DELAY"));
    m_LoopChecks[0]->setText(uiText("LOOPS TIME(1-255)"));
    m_LoopChecks[1]->setText(uiText("REPEAT RUN WHEN KEY DOWN"));
    m_LoopChecks[2]->setText(uiText("REPEAT RUN UNTIL THE KEY DOWN"));
    m_pBatchCheck->setText(uiText("BATCH"));
    static const char* const kChildTexts[2] = {QT_TRANSLATE_NOOP("Osken", "PRESS DOWN"),
                                               QT_TRANSLATE_NOOP("Osken", "BOUNCE UP")};
    for (int i = 0; i < m_pMouseTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pMouseTree->topLevelItem(i);
        item->setText(0, uiText(macroedit::mouseButtonItemText(i)));
        for (int c = 0; c < item->childCount() && c < 2; ++c)
            item->child(c)->setText(0, uiText(kChildTexts[c]));
    }
    m_pDistanceLabel->setText(uiText("DISTANCE"));
    for (size_t i = 0; i < m_MoveButtons.size(); ++i)
        m_MoveButtons[i]->setText(uiText(macroedit::moveItemText(static_cast<macroedit::MoveItem>(i))));
    showRowEditor();
    update();
}

void MacroDialog::applyScale()
{
    setFixedSize(look::scaled(kBaseWidth), look::scaled(kBaseHeight));
    const QFont font = widgets::scaledLanguageFont();
    const QFont small = widgets::scaledLanguageFont(0, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{m_pMacroList, m_pNameEdit, m_pTable, m_pDefaultDelayEdit,
                                                      m_pLoopTimeEdit, m_pMouseTree, m_pRowEditField})
        w->setFont(font);
    m_pTable->horizontalHeader()->setFont(font);
    for (QCheckBox* box :
         {m_pRecordDelayCheck, m_pDefaultDelayCheck, m_LoopChecks[0], m_LoopChecks[1], m_LoopChecks[2], m_pBatchCheck})
        box->setFont(small);
    m_pMacroList->setGeometry(scaledRect(6, 6, 118, 196));
    m_pNameEdit->setGeometry(scaledRect(6, 206, 118, 24));
    m_pBatchCheck->setGeometry(scaledRect(6, 346, 118, 22));
    for (const Place& place : kPlaces)
        m_Buttons[place.command]->setGeometry(scaledRect(place.x, place.y, place.w, place.h));

    m_pTable->setGeometry(scaledRect(130, 6, 298, 222));
    // Three equal columns that fill the table beside the list and the command column.
    const int iColumn = (m_pTable->width() - look::scaled(18)) / 3;
    for (int c = 0; c < OrnItemModel::kColumnCount; ++c)
        m_pTable->setColumnWidth(c, iColumn);
    m_pTable->verticalHeader()->setDefaultSectionSize(look::scaled(24));

    m_pRecordDelayCheck->setGeometry(scaledRect(130, 344, 222, 22));
    m_pDefaultDelayCheck->setGeometry(scaledRect(130, 370, 166, 22));
    m_pDefaultDelayEdit->setGeometry(scaledRect(298, 370, 52, 22));
    m_LoopChecks[0]->setGeometry(scaledRect(358, 344, 150, 22));
    m_pLoopTimeEdit->setGeometry(scaledRect(510, 344, 52, 22));
    m_LoopChecks[1]->setGeometry(scaledRect(358, 370, 208, 22));
    m_LoopChecks[2]->setGeometry(scaledRect(358, 396, 208, 22));

    m_pMousePanel->setGeometry(scaledRect(436, 112, 130, 224));
    m_pMouseTree->setGeometry(scaledRect(0, 0, 130, 128));
    m_pDistanceLabel->setGeometry(scaledRect(0, 130, 130, 20));
    for (size_t i = 0; i < m_MoveButtons.size(); ++i) {
        const int y = 152 + static_cast<int>(i) * 18;
        m_MoveButtons[i]->setGeometry(scaledRect(0, y, 92, 17));
        m_MoveDistances[i]->setGeometry(scaledRect(95, y, 35, 17));
        m_MoveDistances[i]->setFont(small);
    }
    m_pRowEditor->setGeometry(scaledRect(436, 112, 130, 60));
    m_pRowEditLabel->setGeometry(scaledRect(0, 0, 130, 22));
    m_pRowEditField->setGeometry(scaledRect(0, 26, 130, 26));
    update();
}
