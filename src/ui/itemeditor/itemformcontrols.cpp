// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/itemeditor/itemformcontrols.h"

#include "toolkit/formbase.h"
#include "toolkit/programfont.h"
#include "ui/amountbox/digitamountwidget.h"
#include "ui/itemeditor/taplabel.h"
#include "ui/widgets/datepicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace tallyfox {

namespace {

template <typename Control> Control* named(Control* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

QComboBox* pickBox(const char* objectName, const QStringList& items)
{
    auto* box = named(new QComboBox, objectName);
    box->setEditable(true);
    // Enter accepts the form; it must not add the typed text to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

QPushButton* button(const QString& text, const char* objectName)
{
    auto* control = named(new QPushButton(text), objectName);
    // Enter belongs to the right soft key unless the button has the focus (the form sees to that).
    control->setAutoDefault(false);
    return control;
}

constexpr int kReasonPixelSize = 10;

// A reason in small red type, beside what it is about.
QLabel* reasonLabel(const char* objectName)
{
    auto* label = named(new QLabel, objectName);
    label->setFont(programfont::font(kReasonPixelSize));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    label->setPalette(colours);
    label->hide();
    return label;
}

// A caption in a line of its box's height, as the device counts a font's height.
QLabel* caption(const QString& text, const char* objectName, int lineHeight)
{
    auto* label = named(new QLabel(text), objectName);
    label->setFont(programfont::forLineHeight(lineHeight));
    return label;
}

constexpr int kLargestNaturalHeight = 21;

// Where a control sits: its portrait place and size (0 for its natural size) and, for those that move,
// the top-left corner in landscape, and the size there when it differs.
struct Place
{
    QWidget* control;
    QRect portrait;
    QPoint landscape;
    QSize landscapeSize{};
};

QList<Place> places(const ItemFormControls& c)
{
    const auto at = [](QWidget* control, int x, int y, int width, int height) {
        const QSize natural = control->sizeHint();
        // The rows of the layout are 21 pixels apart at the closest; a taller box would cover the next.
        const int naturalHeight = std::min(natural.height(), kLargestNaturalHeight);
        const QRect rect(x, y, width > 0 ? width : natural.width(), height > 0 ? height : naturalHeight);
        return Place{control, rect, rect.topLeft()};
    };
    const auto moving = [&at](QWidget* control, int x, int y, int width, int height, int lx, int ly) {
        Place place = at(control, x, y, width, height);
        place.landscape = QPoint(lx, ly);
        return place;
    };
    const auto resizing = [&moving](QWidget* control, int x, int y, int width, int height, int lx, int ly,
                                    QSize landscapeSize) {
        Place place = moving(control, x, y, width, height, lx, ly);
        place.landscapeSize = landscapeSize;
        return place;
    };
    return {
        at(c.currency, 8, 5, 56, 0),
        at(c.currencyList, 64, 5, 30, 20),
        at(c.income, 112, 5, 112, 20),
        at(c.amountBox, 0, 26, 236, 70),
        at(c.amountField, 8, 40, 84, 0),
        at(c.amountHint, 96, 40, 138, 21),
        at(c.typeCaption, 8, 96, 96, 14),
        // In landscape the intended source's caption takes its place: it goes below the receipt.
        resizing(c.conversion, 140, 96, 96, 14, 238, 66, QSize(78, 14)),
        moving(c.type, 8, 116, 120, 0, 8, 112),
        moving(c.typeList, 128, 116, 46, 20, 128, 112),
        moving(c.dateCaption, 8, 140, 96, 14, 8, 132),
        moving(c.receipt, 170, 152, 60, 30, 240, 30),
        moving(c.date, 8, 160, 0, 21, 8, 148),
        moving(c.pick, 118, 160, 46, 21, 118, 148),
        moving(c.sourceCaption, 8, 184, 105, 14, 178, 96),
        moving(c.paidWithCaption, 120, 184, 100, 14, 178, 132),
        moving(c.source, 8, 204, 72, 0, 178, 112),
        moving(c.sourceList, 80, 204, 30, 20, 250, 112),
        moving(c.paidWith, 120, 204, 80, 0, 178, 148),
        moving(c.paidWithList, 200, 204, 30, 20, 258, 148),
        moving(c.noteCaption, 8, 234, 32, 16, 8, 172),
        moving(c.note, 45, 232, 175, 17, 45, 170),
        moving(c.okReason, 8, 254, 228, 14, 84, 192),
    };
}

} // namespace

ItemFormControls::ItemFormControls(FormBase& form)
    : form(form),
      currency(pickBox("currencyBox", {QStringLiteral("EUR"), QStringLiteral("US$"), QStringLiteral("GBP")})),
      currencyList(button(QCoreApplication::translate("ItemForm", "List"), "currencyListButton")),
      income(named(new QCheckBox(QCoreApplication::translate("ItemForm", "Is income")), "incomeBox")),
      amountBox(new DigitAmountWidget), amountField(named(new QLineEdit, "amountField")),
      amountHint(reasonLabel("amountHint")),
      typeCaption(caption(QCoreApplication::translate("ItemForm", "Expense type"), "typeCaption", 14)),
      conversion(caption(QString(), "conversionLabel", 14)),
      type(
          pickBox("typeBox", {QStringLiteral("Train"), QStringLiteral("Car rental"), QStringLiteral("Dinner"),
                              QStringLiteral("Lunch"), QStringLiteral("Breakfast")})),
      typeList(button(QCoreApplication::translate("ItemForm", "List"), "typeListButton")),
      dateCaption(caption(QCoreApplication::translate("ItemForm", "Expense date"), "dateCaption", 14)),
      receipt(named(new TapLabel, "receiptText")), date(named(new QDateEdit, "datePicker")),
      pick(button(QCoreApplication::translate("ItemForm", "Pick"), "pickButton")),
      sourceCaption(caption(QCoreApplication::translate("ItemForm", "Intended source"), "sourceCaption", 14)),
      paidWithCaption(caption(QCoreApplication::translate("ItemForm", "Paid with"), "paidWithCaption", 14)),
      source(pickBox("sourceBox",
                     {QStringLiteral("Employer"), QStringLiteral("Client"), QStringLiteral("Myself")})),
      sourceList(button(QCoreApplication::translate("ItemForm", "List"), "sourceListButton")),
      paidWith(pickBox("paidWithBox", {QStringLiteral("Cash"), QStringLiteral("Credit card"),
                                       QStringLiteral("Debit card")})),
      paidWithList(button(QCoreApplication::translate("ItemForm", "List"), "paidWithListButton")),
      noteCaption(caption(QCoreApplication::translate("ItemForm", "Note:"), "noteCaption", 16)),
      note(named(new QLineEdit, "noteField")), okReason(reasonLabel("okReason"))
{
    currencyList->setToolTip(
        QCoreApplication::translate("ItemForm", "Choose the currency from a finger-sized list"));
    typeList->setToolTip(
        QCoreApplication::translate("ItemForm", "Choose the expense type from a finger-sized list"));
    sourceList->setToolTip(
        QCoreApplication::translate("ItemForm", "Choose the intended source from a finger-sized list"));
    paidWithList->setToolTip(
        QCoreApplication::translate("ItemForm", "Choose the payment method from a finger-sized list"));
    pick->setToolTip(QCoreApplication::translate("ItemForm", "Choose the date on a finger-sized panel"));
    // What a screen reader says of each control: the caption beside it, and for the "List" buttons the
    // list they open. An editable box's line takes the box's name, as it is the line that has the focus.
    const auto nameBox = [](QComboBox* box, const QString& name) {
        box->setAccessibleName(name);
        box->lineEdit()->setAccessibleName(name);
    };
    nameBox(currency, QStringLiteral("Currency"));
    currencyList->setAccessibleName(QCoreApplication::translate("ItemForm", "Currency list"));
    amountField->setAccessibleName(QCoreApplication::translate("ItemForm", "Amount"));
    nameBox(type, QStringLiteral("Expense type"));
    typeList->setAccessibleName(QCoreApplication::translate("ItemForm", "Expense type list"));
    date->setAccessibleName(QCoreApplication::translate("ItemForm", "Expense date"));
    pick->setAccessibleName(QCoreApplication::translate("ItemForm", "Pick the date"));
    nameBox(source, QStringLiteral("Intended source"));
    sourceList->setAccessibleName(QCoreApplication::translate("ItemForm", "Intended source list"));
    nameBox(paidWith, QStringLiteral("Paid with"));
    paidWithList->setAccessibleName(QCoreApplication::translate("ItemForm", "Payment method list"));
    note->setAccessibleName(QCoreApplication::translate("ItemForm", "Note"));
    // A phone's keyboard for what each field takes.
    amountField->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    date->setInputMethodHints(Qt::ImhDate | Qt::ImhPreferNumbers);
    receipt->setText(QCoreApplication::translate("ItemForm", "Receipt nr:\n01234"));
    receipt->setWordWrap(true);
    receipt->setFont(programfont::forLineHeight(15));
    receipt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    conversion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    okReason->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    okReason->setText(QCoreApplication::translate("ItemForm", "Choose an expense type"));
    note->setText(QCoreApplication::translate("ItemForm", "Note"));
    date->setCalendarPopup(true);
    // The picker's own lower limit would move old entries' dates; 100 is as early as it goes.
    date->setMinimumDate(QDate(100, 1, 1));
    setLocale(QLocale());
    for (const Place& place : places(*this))
        form.place(place.control, place.portrait.x(), place.portrait.y(), place.portrait.width(),
                   place.portrait.height());
}

void ItemFormControls::setLocale(const QLocale& locale)
{
    showDatesAsTheUserWrites(*date, locale);
}

void ItemFormControls::arrange(bool landscape)
{
    for (const Place& place : places(*this)) {
        place.control->move(landscape ? place.landscape : place.portrait.topLeft());
        if (place.landscapeSize.isValid())
            place.control->resize(landscape ? place.landscapeSize : place.portrait.size());
    }
    const QList<QWidget*> order = readingOrder(landscape);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ItemFormControls::readTexts(EditorFields& fields) const
{
    fields.type = type->currentText();
    fields.currency = currency->currentText();
    fields.intendedSource = source->currentText();
    fields.paidWith = paidWith->currentText();
    fields.note = note->text();
    fields.amountText = amountField->text();
    fields.income = income->isChecked();
}

void ItemFormControls::showTexts(const EditorFields& fields)
{
    setBoxText(type, fields.type);
    setBoxText(currency, fields.currency);
    setBoxText(source, fields.intendedSource);
    setBoxText(paidWith, fields.paidWith);
    note->setText(fields.note);
    note->setCursorPosition(0);
    amountField->setText(fields.amountText);
    income->setChecked(fields.income);
}

void ItemFormControls::showLists(const PickLists& lists)
{
    const auto show = [](QComboBox* box, const QStringList& items, const QStringList& fromEntries) {
        const QString text = box->currentText();
        fillItems(box, items, fromEntries);
        setBoxText(box, text);
    };
    const EntryPicks& picks = lists.fromEntries;
    show(currency, lists.currencies, picks.currencies);
    show(type, lists.expenseTypes, picks.expenseTypes);
    show(source, lists.intendedSources, picks.intendedSources);
    show(paidWith, lists.paymentMethods, picks.paymentMethods);
}

void ItemFormControls::fillItems(QComboBox* box, const QStringList& items, const QStringList& fromEntries)
{
    box->clear();
    box->addItems(items);
    if (fromEntries.isEmpty())
        return;
    box->insertSeparator(box->count());
    QFont italic = box->font();
    italic.setItalic(true);
    const QString mark = fromEntriesCaption();
    for (const QString& value : fromEntries) {
        box->addItem(value);
        const int index = box->count() - 1;
        box->setItemData(index, italic, Qt::FontRole);
        box->setItemData(index, mark, Qt::ToolTipRole);
    }
}

void ItemFormControls::setBoxText(QComboBox* box, const QString& text)
{
    // No text is no item, never the separator.
    const int index = text.isEmpty() ? -1 : box->findText(text);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(text);
    // A text longer than the box shows its beginning.
    box->lineEdit()->setCursorPosition(0);
}

void ItemFormControls::replaceItems(QComboBox* box, QStringList& shown, const QStringList& loaded,
                                    const QStringList& fromEntries)
{
    if (loaded.isEmpty()) {
        const QString text = box->currentText();
        fillItems(box, shown, fromEntries);
        setBoxText(box, text);
        return;
    }
    shown = loaded;
    fillItems(box, shown, fromEntries);
    box->setCurrentIndex(-1);
}

QList<QWidget*> ItemFormControls::pickerButtons() const
{
    return {currencyList, typeList, pick, sourceList, paidWithList};
}

QList<QWidget*> ItemFormControls::readingOrder(bool landscape) const
{
    if (landscape)
        return {currency, currencyList, income, amountBox, amountField, type,         typeList,
                source,   sourceList,   date,   pick,      paidWith,    paidWithList, note};
    return {currency, currencyList, income, amountBox,  amountField, type,         typeList,
            date,     pick,         source, sourceList, paidWith,    paidWithList, note};
}

} // namespace tallyfox
